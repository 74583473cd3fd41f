#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <initializer_list>
#include <memory>
#include <string>

#include "TestSupport.h"
#include "Workspace.h"
#include "data/ProjectFile.h"
#include "view/ViewOpening.h"

namespace ruvo {
namespace {

using test::with_file_size_limit;
using test::write_file;
using ::testing::HasSubstr;

// The bytes of a file, as a std::string so that failures show the text.
std::string read_bytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

// Lines of a test text joined with the line break a Windows INI file uses.
std::string crlf_lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

QByteArray crlf_file(std::initializer_list<std::string> lines) { return QByteArray::fromStdString(crlf_lines(lines)); }

QString u8(const char* text) { return QString::fromUtf8(text); }

class ProjectFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root_.isValid()); }

    // A file that exists, so that path resolution finds it.
    QString touch(const QString& relative) const {
        const QFileInfo file(path(relative));
        return write_file(file.path(), file.fileName(), "x");
    }
    QString path(const QString& relative) const { return QDir(root_.path()).filePath(relative); }

    QTemporaryDir root_;
};

// --- Saving and loading -------------------------------------------------------

TEST_F(ProjectFileTest, SaveWritesEveryKeyInTableOrderAndLoadRestoresTheTables) {
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QString outside = write_file(elsewhere.path(), "FLOW3.V", "x");

    ProjectTables tables;
    tables.project_file_name = path("p.RVP");
    tables.set_default_masks();
    tables.grid_file_count = 1;
    tables.grid_file_name = touch("GRID.GRD");
    tables.vector_file_count = 3;
    tables.vector_file_name[0] = touch("FLOW1.V");
    tables.vector_file_name[1] = touch("sub/FLOW2.V");
    tables.vector_file_name[2] = outside;
    tables.vector_file_name[3] = touch("NOT_IN_USE.V");  // beyond the count
    tables.scalar_file_count = 1;
    tables.scalar_file_name[0] = touch(u8("圧力.P"));

    const ProjectSaveResult saved = save_project_file(path("p.RVP"), tables);
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();

    const std::string expected = crlf_lines({
        "[FileType]",
        "Grid_File_Type=*.DAT;*.D;*.GRD",
        "Vector_File_Type=*.DAT;*.D;*.V",
        "Scalar_File_Type=*.DAT;*.D;*.P;*.K;*.E",
        "[FileNumber]",
        "Vector_File_Number=3",
        "Scalar_File_Number=1",
        "[FileName]",
        "Grid_File_Name=GRID.GRD",
        "Vector_File_Name_1=FLOW1.V",
        "Vector_File_Name_2=sub/FLOW2.V",
        "Vector_File_Name_3=" + outside.toStdString(),
        "Vector_File_Name_4=",
        "Vector_File_Name_5=",
        "Vector_File_Name_6=",
        "Vector_File_Name_7=",
        "Vector_File_Name_8=",
        "Vector_File_Name_9=",
        "Vector_File_Name_10=",
        "Scalar_File_Name_1=圧力.P",
        "Scalar_File_Name_2=",
        "Scalar_File_Name_3=",
        "Scalar_File_Name_4=",
        "Scalar_File_Name_5=",
        "Scalar_File_Name_6=",
        "Scalar_File_Name_7=",
        "Scalar_File_Name_8=",
        "Scalar_File_Name_9=",
        "Scalar_File_Name_10=",
    });
    EXPECT_EQ(read_bytes(path("p.RVP")), expected);

    ProjectTables loaded;
    loaded.project_file_name = "set by the caller";
    loaded.project_modified = true;
    const ProjectLoadResult result = load_project_file(path("p.RVP"), loaded);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_TRUE(result.notes.isEmpty());
    EXPECT_EQ(loaded.project_file_name, "set by the caller");
    EXPECT_FALSE(loaded.project_modified);
    EXPECT_EQ(loaded.grid_file_count, 1);
    EXPECT_EQ(loaded.grid_file_name, tables.grid_file_name);
    EXPECT_EQ(loaded.vector_file_count, 3);
    EXPECT_EQ(loaded.vector_file_name[0], tables.vector_file_name[0]);
    EXPECT_EQ(loaded.vector_file_name[1], tables.vector_file_name[1]);
    EXPECT_EQ(loaded.vector_file_name[2], tables.vector_file_name[2]);
    for (int n = 3; n < kMaxSlots; ++n) EXPECT_EQ(loaded.vector_file_name[n], "") << n;
    EXPECT_EQ(loaded.scalar_file_count, 1);
    EXPECT_EQ(loaded.scalar_file_name[0], tables.scalar_file_name[0]);
    EXPECT_EQ(loaded.grid_file_type, u8(kDefaultGridMask));
    EXPECT_EQ(loaded.vector_file_type, u8(kDefaultVectorMask));
    EXPECT_EQ(loaded.scalar_file_type, u8(kDefaultScalarMask));

    // Saving what was loaded gives the same file again.
    ASSERT_TRUE(save_project_file(path("p.RVP"), loaded).ok);
    EXPECT_EQ(read_bytes(path("p.RVP")), expected);
}

TEST_F(ProjectFileTest, SavingIntoAnExistingFileUpdatesOurKeysAndKeepsEverythingElse) {
    const QString file = write_file(root_.path(), "p.RVP",
                                    crlf_file({
                                        "; written by hand",
                                        "[Solver]",
                                        "Case=C:\\run\\case 1\\",
                                        "Steps = 400",
                                        "[FileType]",
                                        "Grid_File_Type=*.GRD",
                                        "Comment=keep me",
                                        "[FILENUMBER]",
                                        "vector_file_number=5",
                                        "Scalar_File_Number=9",
                                        "",
                                        "[FileName]",
                                        "Grid_File_Name=C:\\old\\GRID.GRD",
                                        "Vector_File_Name_1=C:\\old\\A.V",
                                        "Note=between",
                                        "Vector_File_Name_2=C:\\old\\B.V",
                                        "Vector_File_Name_11=C:\\old\\K.V",
                                        "[View]",
                                        "Zoom=2",
                                    }));
    ProjectTables tables;
    tables.grid_file_type = "*.G";
    tables.vector_file_type = "*.V";
    tables.scalar_file_type = "*.S";
    tables.grid_file_count = 1;
    tables.grid_file_name = "/data/GRID.GRD";
    tables.vector_file_count = 1;
    tables.vector_file_name[0] = "/data/NEW.V";

    const ProjectSaveResult saved = save_project_file(file, tables);
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();
    EXPECT_EQ(read_bytes(file), crlf_lines({
                                    "; written by hand",
                                    "[Solver]",
                                    "Case=C:\\run\\case 1\\",
                                    "Steps = 400",
                                    "[FileType]",
                                    "Grid_File_Type=*.G",
                                    "Vector_File_Type=*.V",
                                    "Scalar_File_Type=*.S",
                                    "Comment=keep me",
                                    "[FILENUMBER]",
                                    "Vector_File_Number=1",
                                    "Scalar_File_Number=0",
                                    "",
                                    "[FileName]",
                                    "Grid_File_Name=/data/GRID.GRD",
                                    "Vector_File_Name_1=/data/NEW.V",
                                    "Note=between",
                                    "Vector_File_Name_2=",
                                    "Vector_File_Name_3=",
                                    "Vector_File_Name_4=",
                                    "Vector_File_Name_5=",
                                    "Vector_File_Name_6=",
                                    "Vector_File_Name_7=",
                                    "Vector_File_Name_8=",
                                    "Vector_File_Name_9=",
                                    "Vector_File_Name_10=",
                                    "Scalar_File_Name_1=",
                                    "Scalar_File_Name_2=",
                                    "Scalar_File_Name_3=",
                                    "Scalar_File_Name_4=",
                                    "Scalar_File_Name_5=",
                                    "Scalar_File_Name_6=",
                                    "Scalar_File_Name_7=",
                                    "Scalar_File_Name_8=",
                                    "Scalar_File_Name_9=",
                                    "Scalar_File_Name_10=",
                                    "Vector_File_Name_11=C:\\old\\K.V",
                                    "[View]",
                                    "Zoom=2",
                                }));
}

TEST_F(ProjectFileTest, SavingPlacesMissingKeysAndSectionsInTableOrderAndKeepsTheFilesLineBreak) {
    // "\n" line breaks; [FileName] holds only a later key of ours, after a
    // foreign one; the two other sections are missing.
    const QString file =
        write_file(root_.path(), "p.RVP", "[Other]\nA=1\n[FileName]\nX=1\nVector_File_Name_2=old\n; end\n");
    ProjectTables tables;
    tables.vector_file_count = 2;
    tables.vector_file_name[0] = "/v/1";
    tables.vector_file_name[1] = "/v/2";
    ASSERT_TRUE(save_project_file(file, tables).ok);

    std::string expected =
        "[Other]\nA=1\n[FileName]\nX=1\nGrid_File_Name=\nVector_File_Name_1=/v/1\nVector_File_Name_2=/v/2\n";
    for (int n = 3; n <= 10; ++n) expected += "Vector_File_Name_" + std::to_string(n) + "=\n";
    for (int n = 1; n <= 10; ++n) expected += "Scalar_File_Name_" + std::to_string(n) + "=\n";
    expected +=
        "; end\n"
        "[FileType]\nGrid_File_Type=\nVector_File_Type=\nScalar_File_Type=\n"
        "[FileNumber]\nVector_File_Number=2\nScalar_File_Number=0\n";
    EXPECT_EQ(read_bytes(file), expected);
}

TEST_F(ProjectFileTest, SavedCountsStayWithinTheTenNamePositions) {
    ProjectTables tables;
    tables.vector_file_count = 14;
    tables.scalar_file_count = -3;
    for (int n = 0; n < kMaxSlots; ++n) tables.vector_file_name[n] = QStringLiteral("/v/%1").arg(n + 1);
    tables.scalar_file_name[0] = "/s/1";
    ASSERT_TRUE(save_project_file(path("p.RVP"), tables).ok);

    const std::string text = read_bytes(path("p.RVP"));
    EXPECT_THAT(text, HasSubstr("Vector_File_Number=10\r\n"));
    EXPECT_THAT(text, HasSubstr("Scalar_File_Number=0\r\n"));
    EXPECT_THAT(text, HasSubstr("Vector_File_Name_10=/v/10\r\n"));
    EXPECT_THAT(text, HasSubstr("Scalar_File_Name_1=\r\n"));
}

// --- Reading counts and missing keys ----------------------------------------

TEST_F(ProjectFileTest, CountsAreClippedToTheNamePositionsAndOddValuesReadAsZero) {
    struct Case {
        const char* line;  // the count line, or "" for none
        int count;
        const char* note;  // what the note must say, or "" for no note
    };
    const Case cases[] = {
        {"%1=2", 2, ""},
        {"%1=0", 0, ""},
        {"%1=10", 10, ""},
        {"%1= 3 ", 3, ""},
        {"%1=+4", 4, ""},
        {"%1=", 0, ""},
        {"", 0, ""},
        {"%1=11", 10, "%1=11 was clipped to 10"},
        {"%1=12", 10, "%1=12 was clipped to 10"},
        {"%1=99999999999999999999999", 10, "%1=99999999999999999999999 was clipped to 10"},
        {"%1=-1", 0, "%1=-1"},
        {"%1=abc", 0, "%1=abc"},
        {"%1=3x", 0, "%1=3x"},
        {"%1=0x3", 0, "%1=0x3"},
    };
    for (const char* kind : {"Vector", "Scalar"}) {
        const QString number_key = QStringLiteral("%1_File_Number").arg(kind);
        for (const Case& c : cases) {
            SCOPED_TRACE(QString::fromUtf8(c.line).arg(number_key).toStdString());
            QByteArray text = "[FileNumber]\r\n";
            if (*c.line) text += QString::fromUtf8(c.line).arg(number_key).toUtf8() + "\r\n";
            text += "[FileName]\r\n";
            for (int n = 1; n <= 12; ++n) {
                text += QStringLiteral("%1_File_Name_%2=/nowhere/%2.dat\r\n").arg(kind).arg(n).toUtf8();
            }
            const QString file = write_file(root_.path(), "counts.RVP", text);

            ProjectTables tables;
            const ProjectLoadResult result = load_project_file(file, tables);
            ASSERT_TRUE(result.ok);
            const bool vector = QByteArray(kind) == "Vector";
            const int count = vector ? tables.vector_file_count : tables.scalar_file_count;
            const auto& names = vector ? tables.vector_file_name : tables.scalar_file_name;
            EXPECT_EQ(count, c.count);
            for (int n = 0; n < kMaxSlots; ++n) {
                EXPECT_EQ(names[n], n < c.count ? QStringLiteral("/nowhere/%1.dat").arg(n + 1) : QString())
                    << "position " << n;
            }
            EXPECT_EQ(vector ? tables.scalar_file_count : tables.vector_file_count, 0);
            if (*c.note) {
                ASSERT_EQ(result.notes.size(), 1);
                EXPECT_THAT(result.notes[0].toStdString(),
                            HasSubstr(QString::fromUtf8(c.note).arg(number_key).toStdString()));
            } else {
                EXPECT_TRUE(result.notes.isEmpty()) << result.notes.join('|').toStdString();
            }
        }
    }
}

TEST_F(ProjectFileTest, MissingKeysReadAsEmptyAndTheProjectStillHasItsGrid) {
    ProjectTables tables;
    tables.set_default_masks();
    tables.grid_file_name = "/old/GRID.GRD";
    tables.vector_file_count = 2;
    tables.vector_file_name[0] = "/old/A.V";
    tables.scalar_file_count = 1;
    tables.scalar_file_name[0] = "/old/P.P";
    tables.project_modified = true;

    for (const QByteArray& text : {QByteArray(), QByteArray("[FileNumber]\r\nVector_File_Number=2\r\n"),
                                   QByteArray("[Elsewhere]\r\nGrid_File_Name=/x/GRID.GRD\r\n")}) {
        SCOPED_TRACE(text.toStdString());
        ProjectTables loaded = tables;
        const ProjectLoadResult result = load_project_file(write_file(root_.path(), "p.RVP", text), loaded);
        ASSERT_TRUE(result.ok);
        EXPECT_EQ(loaded.grid_file_count, 1);
        EXPECT_EQ(loaded.grid_file_name, "");
        EXPECT_EQ(loaded.grid_file_type, "");  // no defaults when the file has none
        EXPECT_EQ(loaded.vector_file_type, "");
        EXPECT_EQ(loaded.scalar_file_type, "");
        EXPECT_EQ(loaded.scalar_file_count, 0);
        EXPECT_EQ(loaded.vector_file_count, text.contains("Number=2") ? 2 : 0);
        for (int n = 0; n < kMaxSlots; ++n) {
            EXPECT_EQ(loaded.vector_file_name[n], "");
            EXPECT_EQ(loaded.scalar_file_name[n], "");
        }
        EXPECT_FALSE(loaded.project_modified);
    }
}

TEST_F(ProjectFileTest, KeysMatchWithoutRegardToCaseAndTheFirstOfRepeatedOnesCounts) {
    const QString file = write_file(root_.path(), "p.RVP",
                                    crlf_file({
                                        "[filetype]",
                                        ";Grid_File_Type=*.COMMENT",
                                        "  GRID_FILE_TYPE  =  *.A ; *.B  ",
                                        "Grid_File_Type=*.SECOND",
                                        "[FileNumber]",
                                        "Vector_File_Number=1",
                                        "[FileType]",
                                        "Vector_File_Type=*.IN_REPEATED_SECTION",
                                        "[FileName]",
                                        "vector_file_name_1=/a/B=C.V",
                                    }));
    ProjectTables tables;
    ASSERT_TRUE(load_project_file(file, tables).ok);
    EXPECT_EQ(tables.grid_file_type, "*.A ; *.B");
    EXPECT_EQ(tables.vector_file_type, "");
    EXPECT_EQ(tables.vector_file_count, 1);
    EXPECT_EQ(tables.vector_file_name[0], "/a/B=C.V");
}

TEST_F(ProjectFileTest, LoadingAFileThatCannotBeReadFailsAndLeavesTheTables) {
    ProjectTables tables;
    tables.grid_file_name = "/keep/GRID.GRD";
    tables.vector_file_count = 1;
    tables.vector_file_name[0] = "/keep/A.V";
    const QString huge = write_file(root_.path(), "huge.RVP", "");
    ASSERT_TRUE(QFile::resize(huge, kMaxProjectFileBytes + 1));
    for (const QString& missing : {path("absent.RVP"), root_.path(), QStringLiteral("/dev/null"), huge}) {
        SCOPED_TRACE(missing.toStdString());
        ProjectTables loaded = tables;
        const ProjectLoadResult result = load_project_file(missing, loaded);
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_EQ(loaded.grid_file_name, "/keep/GRID.GRD");
        EXPECT_EQ(loaded.vector_file_count, 1);
        EXPECT_EQ(loaded.vector_file_name[0], "/keep/A.V");
        EXPECT_EQ(loaded.grid_file_count, 0);
    }
    EXPECT_THAT(load_project_file(huge, tables).error.toStdString(), HasSubstr("larger than 4 MB"));
    EXPECT_FALSE(save_project_file(huge, tables).ok);  // saving keeps the file's other keys: it reads it first
}

// A project takes the workspace's place whole or not at all, its name too.
TEST_F(ProjectFileTest, LoadingAProjectIntoTheWorkspaceCommitsOnlyAFileThatWasRead) {
    ProjectTables tables;
    tables.grid_file_count = 1;
    tables.grid_file_name = write_file(root_.path(), "G.GRD", "0 1 0 1\n0 0\n0 1\n1 0\n1 1\n");
    ASSERT_TRUE(save_project_file(path("p.RVP"), tables).ok);
    auto ws = std::make_unique<Workspace>();
    const ProjectOpenResult opened = load_project(*ws, path("p.RVP"));
    ASSERT_TRUE(opened.project.ok && opened.grid.ok());
    EXPECT_EQ(ws->project.project_file_name, path("p.RVP"));
    EXPECT_EQ(ws->store.file_x_end, 1);

    const ProjectTables before = ws->project;
    EXPECT_FALSE(load_project(*ws, path("absent.RVP")).project.ok);
    EXPECT_TRUE(ws->project == before);
}

// --- Text encodings -----------------------------------------------------------

TEST_F(ProjectFileTest, ShiftJisFilesFromTheWindowsProgramReadCorrectly) {
    // 表 and ソ end in the byte of "\" in Shift_JIS; only a real decoder keeps
    // them whole.
    const QString flow = touch(u8("流れ.V"));
    const QString text =
        u8("[FileType]\r\n"
           "Grid_File_Type=*.格子\r\n"
           "[FileNumber]\r\n"
           "Vector_File_Number=1\r\n"
           "[FileName]\r\n"
           "コメント=表示用のソフト①\r\n"
           "Grid_File_Name=/解析/ソフト/格子.GRD\r\n"
           "Vector_File_Name_1=C:\\計算\\表\\流れ.V\r\n");
    QStringEncoder shift_jis("Shift_JIS");
    ASSERT_TRUE(shift_jis.isValid());
    const QByteArray bytes = shift_jis.encode(text);
    ASSERT_FALSE(shift_jis.hasError());
    ASSERT_NE(QString::fromUtf8(bytes), text);
    const QString file = write_file(root_.path(), "p.RVP", bytes);

    ProjectTables tables;
    ASSERT_TRUE(load_project_file(file, tables).ok);
    EXPECT_EQ(tables.grid_file_type, u8("*.格子"));
    EXPECT_EQ(tables.grid_file_name, u8("/解析/ソフト/格子.GRD"));  // no such file: kept
    EXPECT_EQ(tables.vector_file_name[0], flow);                    // found by its base name

    // Saving rewrites the file in UTF-8, keeping the Japanese key of its own.
    ASSERT_TRUE(save_project_file(file, tables).ok);
    const std::string saved = read_bytes(file);
    EXPECT_THAT(saved, HasSubstr("コメント=表示用のソフト①\r\n"));
    EXPECT_THAT(saved, HasSubstr("Grid_File_Name=/解析/ソフト/格子.GRD\r\n"));
    ProjectTables reloaded;
    ASSERT_TRUE(load_project_file(file, reloaded).ok);
    EXPECT_EQ(reloaded.grid_file_name, tables.grid_file_name);
    EXPECT_EQ(reloaded.vector_file_name[0], flow);
}

TEST_F(ProjectFileTest, UnicodeFilesReadWithOrWithoutByteOrderMark) {
    const QString text = u8("[FileType]\r\nGrid_File_Type=*.格子\r\n[FileName]\r\nGrid_File_Name=/データ/G.GRD\r\n");
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    const QByteArray forms[] = {text.toUtf8(), "\xEF\xBB\xBF" + text.toUtf8(), utf16.encode(text)};
    for (const QByteArray& bytes : forms) {
        SCOPED_TRACE(bytes.left(4).toHex().toStdString());
        ProjectTables tables;
        ASSERT_TRUE(load_project_file(write_file(root_.path(), "p.RVP", bytes), tables).ok);
        EXPECT_EQ(tables.grid_file_type, u8("*.格子"));
        EXPECT_EQ(tables.grid_file_name, u8("/データ/G.GRD"));
    }

    // A file with a mark keeps its first section when saved over.
    const QString file = write_file(root_.path(), "p.RVP", "\xEF\xBB\xBF[Mine]\r\nA=1\r\n");
    ASSERT_TRUE(save_project_file(file, ProjectTables{}).ok);
    EXPECT_TRUE(read_bytes(file).starts_with("[Mine]\r\nA=1\r\n[FileType]\r\n"));
}

// --- Where the named files are ------------------------------------------------

TEST_F(ProjectFileTest, StoredNamesAreResolvedFromTheProjectsFolder) {
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QString other_e = write_file(elsewhere.path(), "E.E", "x");
    touch("GRID.GRD");
    touch("sub/FLOW.V");
    touch("sub/FLOW2.V");
    touch("P.P");
    touch("K.K");
    touch("E.E");
    touch("back\\slash.V");  // a name of this system that holds a "\"
    QDir(root_.path()).mkpath("sub2");

    const QString file = write_file(root_.path(), "p.RVP",
                                    crlf_file({
                                        "[FileNumber]",
                                        "Vector_File_Number=5",
                                        "Scalar_File_Number=6",
                                        "[FileName]",
                                        "Grid_File_Name=GRID.GRD",
                                        "Vector_File_Name_1=sub\\FLOW.V",
                                        "Vector_File_Name_2=sub/FLOW2.V",
                                        "Vector_File_Name_3=./sub/../sub//FLOW.V",
                                        "Vector_File_Name_4=gone\\FLOW.V",
                                        "Vector_File_Name_5=back\\slash.V",
                                        "Scalar_File_Name_1=C:\\run\\P.P",
                                        "Scalar_File_Name_2=D:\\elsewhere\\MISSING.K",
                                        "Scalar_File_Name_3=" + other_e.toStdString(),
                                        "Scalar_File_Name_4=/no/such/folder/K.K",
                                        "Scalar_File_Name_5=",
                                        "Scalar_File_Name_6=C:\\run\\sub2",
                                    }));
    ProjectTables tables;
    ASSERT_TRUE(load_project_file(file, tables).ok);
    EXPECT_EQ(tables.grid_file_name, path("GRID.GRD"));
    EXPECT_EQ(tables.vector_file_name[0], path("sub/FLOW.V"));
    EXPECT_EQ(tables.vector_file_name[1], path("sub/FLOW2.V"));
    EXPECT_EQ(tables.vector_file_name[2], path("sub/FLOW.V"));
    EXPECT_EQ(tables.vector_file_name[3], path("gone/FLOW.V"));  // nowhere: kept, made full
    EXPECT_EQ(tables.vector_file_name[4], path("back\\slash.V"));
    EXPECT_EQ(tables.scalar_file_name[0], path("P.P"));                 // same base name here
    EXPECT_EQ(tables.scalar_file_name[1], "D:\\elsewhere\\MISSING.K");  // kept as written
    EXPECT_EQ(tables.scalar_file_name[2], other_e);                     // exists: not replaced
    EXPECT_EQ(tables.scalar_file_name[3], path("K.K"));
    EXPECT_EQ(tables.scalar_file_name[4], "");
    EXPECT_EQ(tables.scalar_file_name[5], "C:\\run\\sub2");  // a folder is no file
}

TEST_F(ProjectFileTest, FilesInsideTheProjectsFolderAreSavedRelativeToIt) {
    QDir(root_.path()).mkpath("proj");
    const QString project = path("proj/p.RVP");
    ProjectTables tables;
    tables.grid_file_name = write_file(path("proj"), "GRID.GRD", "x");
    tables.vector_file_count = 6;
    tables.vector_file_name[0] = write_file(path("proj/sub"), "FLOW.V", "x");
    tables.vector_file_name[1] = write_file(path("other"), "FLOW.V", "x");
    tables.vector_file_name[2] = write_file(path("proj2"), "X.V", "x");  // a neighbour, not inside
    tables.vector_file_name[3] = "C:/run/A.V";
    tables.vector_file_name[4] = path("proj/sub/../GRID.GRD");
    tables.vector_file_name[5] = write_file(path("proj"), "..dots.V", "x");
    tables.scalar_file_count = 1;
    tables.scalar_file_name[0] = "C:\\run\\P.P";
    ASSERT_TRUE(save_project_file(project, tables).ok);

    const QStringList lines = QString::fromStdString(read_bytes(project)).split("\r\n");
    EXPECT_THAT(lines, ::testing::Contains(QString("Grid_File_Name=GRID.GRD")));
    EXPECT_THAT(lines, ::testing::Contains(QString("Vector_File_Name_1=sub/FLOW.V")));
    EXPECT_THAT(lines, ::testing::Contains("Vector_File_Name_2=" + path("other/FLOW.V")));
    EXPECT_THAT(lines, ::testing::Contains("Vector_File_Name_3=" + path("proj2/X.V")));
    EXPECT_THAT(lines, ::testing::Contains(QString("Vector_File_Name_4=C:/run/A.V")));
    EXPECT_THAT(lines, ::testing::Contains(QString("Vector_File_Name_5=GRID.GRD")));
    EXPECT_THAT(lines, ::testing::Contains(QString("Vector_File_Name_6=..dots.V")));
    EXPECT_THAT(lines, ::testing::Contains(QString("Scalar_File_Name_1=C:\\run\\P.P")));

    // The folder moves as a whole: the names follow it.
    ASSERT_TRUE(QDir(root_.path()).rename("proj", "moved"));
    ProjectTables loaded;
    ASSERT_TRUE(load_project_file(path("moved/p.RVP"), loaded).ok);
    EXPECT_EQ(loaded.grid_file_name, path("moved/GRID.GRD"));
    EXPECT_EQ(loaded.vector_file_name[0], path("moved/sub/FLOW.V"));
    EXPECT_EQ(loaded.vector_file_name[1], path("other/FLOW.V"));
    EXPECT_EQ(loaded.vector_file_name[2], path("proj2/X.V"));
    EXPECT_EQ(loaded.vector_file_name[5], path("moved/..dots.V"));
}

// --- Failed saves -------------------------------------------------------------

TEST_F(ProjectFileTest, AFailedSaveSaysWhyAndLeavesThePreviousFile) {
    ProjectTables tables;
    tables.set_default_masks();
    tables.grid_file_name = "/data/GRID.GRD";
    tables.vector_file_count = 1;
    tables.vector_file_name[0] = "/data/FLOW.V";

    {
        SCOPED_TRACE("folder is a regular file");
        const QString not_a_folder = write_file(root_.path(), "plain", "x");
        const ProjectSaveResult result = save_project_file(not_a_folder + "/p.RVP", tables);
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_EQ(read_bytes(not_a_folder), "x");
    }
    {
        SCOPED_TRACE("folder does not exist");
        const ProjectSaveResult result = save_project_file(path("missing/p.RVP"), tables);
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(path("missing")));
    }
    {
        SCOPED_TRACE("project path is a folder");
        QDir(root_.path()).mkpath("folder.RVP");
        const ProjectSaveResult result = save_project_file(path("folder.RVP"), tables);
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_TRUE(QFileInfo(path("folder.RVP")).isDir());
    }

    const std::string previous = crlf_lines({"[Keep]", "Me=1", "[FileName]", "Grid_File_Name=/old/GRID.GRD"});
    const QString file = write_file(path("full"), "p.RVP", QByteArray::fromStdString(previous));
    {
        SCOPED_TRACE("writing stops part way");
        const ProjectSaveResult result = with_file_size_limit(64, [&] { return save_project_file(file, tables); });
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_EQ(read_bytes(file), previous);
        EXPECT_EQ(QDir(path("full")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                  QStringList{"p.RVP"});
    }
    {
        SCOPED_TRACE("a name with a line break");
        ProjectTables broken = tables;
        broken.vector_file_name[0] = "/data/A.V\r\nVector_File_Number=10";
        const ProjectSaveResult result = save_project_file(file, broken);
        EXPECT_FALSE(result.ok);
        EXPECT_THAT(result.error.toStdString(), HasSubstr("/data/A.V"));
        EXPECT_EQ(read_bytes(file), previous);
    }
    {
        SCOPED_TRACE("the saved file would be larger than a project file can be");
        const QByteArray near_limit = "[Keep]\r\nMe=" + QByteArray(kMaxProjectFileBytes - 100, 'x') + "\r\n";
        const QString large = write_file(path("large"), "p.RVP", near_limit);
        const ProjectSaveResult result = save_project_file(large, tables);
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_EQ(read_bytes(large), near_limit.toStdString());
    }
    // And the same tables save once the fault is gone.
    EXPECT_TRUE(save_project_file(file, tables).ok);
    EXPECT_THAT(read_bytes(file), HasSubstr("[Keep]\r\nMe=1\r\n"));
}

// --- The tables themselves ----------------------------------------------------

TEST(ProjectTablesTest, ResetEmptiesEverythingAndDefaultMasksAreTheThreeKinds) {
    ProjectTables tables;
    tables.set_default_masks();
    EXPECT_EQ(tables.grid_file_type, "*.DAT;*.D;*.GRD");
    EXPECT_EQ(tables.vector_file_type, "*.DAT;*.D;*.V");
    EXPECT_EQ(tables.scalar_file_type, "*.DAT;*.D;*.P;*.K;*.E");

    tables.project_file_name = u8(kUntitledProjectName);
    tables.project_modified = true;
    tables.grid_file_count = 1;
    tables.grid_file_name = "/g";
    tables.vector_file_count = 10;
    tables.scalar_file_count = 10;
    for (int n = 0; n < kMaxSlots; ++n) {
        tables.vector_file_name[n] = "/v";
        tables.scalar_file_name[n] = "/s";
    }
    tables.reset();
    EXPECT_EQ(tables.project_file_name, "");
    EXPECT_FALSE(tables.project_modified);
    EXPECT_EQ(tables.grid_file_count, 0);
    EXPECT_EQ(tables.grid_file_name, "");
    EXPECT_EQ(tables.vector_file_count, 0);
    EXPECT_EQ(tables.scalar_file_count, 0);
    for (int n = 0; n < kMaxSlots; ++n) {
        EXPECT_EQ(tables.vector_file_name[n], "");
        EXPECT_EQ(tables.scalar_file_name[n], "");
    }
    EXPECT_EQ(tables.grid_file_type, "");
    EXPECT_EQ(tables.vector_file_type, "");
    EXPECT_EQ(tables.scalar_file_type, "");
}

}  // namespace
}  // namespace ruvo
