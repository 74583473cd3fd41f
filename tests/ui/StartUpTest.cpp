#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "UiTestSupport.h"
#include "Workspace.h"
#include "data/RememberedFolders.h"
#include "ui/frame/MainWindow.h"
#include "ui/Messages.h"
#include "ui/frame/StartUp.h"

namespace ruvo {
namespace {

using test::ModalScript;
using test::text;

class StartUpTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        const QString data = dir_.filePath("My Data");
        const QString grid = test::write_grid(data, "G.GRD");
        project_ = test::write_project(QDir(data).filePath("run.RVP"), grid, {}, {});
        test::write_scalar(data, "notes.txt");
    }

    QTemporaryDir dir_;
    QString project_;
};

TEST_F(StartUpTest, CandidatesJoinTheParametersUntilOneNamesAProjectFile) {
    const QString start = dir_.path();
    // "My Data/run.RVP" split at its blank: the first candidate "My" is no file.
    EXPECT_EQ(command_line_project({start + "/My", "Data/run.RVP"}, "/"), project_);
    EXPECT_EQ(command_line_project({"My", "Data/run.RVP"}, start), project_);  // relative to the start folder
    EXPECT_EQ(command_line_project({start + "/My", "Data/run.RVP", "extra"}, "/"), project_);

    // The extension in any case; other extensions and folders are passed over.
    QFile::copy(project_, dir_.filePath("lower.rvp"));
    EXPECT_EQ(command_line_project({dir_.filePath("lower.rvp")}, "/"), dir_.filePath("lower.rvp"));
    EXPECT_TRUE(command_line_project({start + "/My", "Data/notes.txt"}, "/").isEmpty());
    QDir(start).mkdir("folder.RVP");
    EXPECT_TRUE(command_line_project({dir_.filePath("folder.RVP")}, "/").isEmpty());
    EXPECT_TRUE(command_line_project({}, start).isEmpty());
    EXPECT_TRUE(command_line_project({start + "/My", "Data/missing.RVP"}, "/").isEmpty());
}

// The parameters reach the project lookup as they came; an option of the
// windowing system is left to the application until it has taken its own.
TEST(DesktopCommandLine, ParametersAndOptions) {
    const DesktopCommandLine plain = read_command_line({"ruvo", "My", "Data/run.RVP"}, false);
    EXPECT_FALSE(plain.exit_status);
    EXPECT_EQ(plain.project_parameters, QStringList({"My", "Data/run.RVP"}));
    EXPECT_FALSE(read_command_line({"ruvo", "-style", "fusion", "run.RVP"}, true).exit_status);
    EXPECT_EQ(read_command_line({"ruvo", "--bogus"}, false).exit_status, 1);
    EXPECT_EQ(read_command_line({"ruvo", "--", "-odd name.RVP"}, false).project_parameters,
              QStringList({"-odd name.RVP"}));
}

TEST_F(StartUpTest, TheMainWindowOpensTheProjectNamedOnTheCommandLine) {
    ModalScript script;
    auto main = std::make_unique<TRuvo_Main_Form>(QStringList{dir_.path() + "/My", "Data/run.RVP"});
    main->show();
    EXPECT_EQ(script.unexpected(), 0);
    EXPECT_EQ(main->windowTitle(), text(messages::kProjectCaptionPrefix) + project_);
    EXPECT_EQ(test::list_of(*main, "GridListBox")->count(), 1);
}

TEST_F(StartUpTest, ACommandLineOfAnotherKindOfFileOpensNothingAndSaysNothing) {
    ModalScript script;
    auto main = std::make_unique<TRuvo_Main_Form>(QStringList{dir_.path() + "/My", "Data/notes.txt"});
    main->show();
    EXPECT_EQ(script.unexpected(), 0);
    EXPECT_EQ(main->windowTitle(), text(messages::kMainFormCaption));
    EXPECT_EQ(test::list_of(*main, "GridListBox")->count(), 0);
    EXPECT_TRUE(main->workspace().project.project_file_name.isEmpty());
}

TEST_F(StartUpTest, UnusableRememberedFoldersAreReplacedAndAllFiveWrittenBack) {
    const QString usable = dir_.path();
    const QString fallback = QDir(dir_.filePath("My Data")).absolutePath();
    RememberedFolders folders{usable, "", dir_.filePath("missing"), project_, usable + "/"};
    EXPECT_TRUE(replace_unusable_folders(folders, fallback));
    EXPECT_EQ(folders.project_load, usable);
    EXPECT_EQ(folders.project_save, fallback);         // empty
    EXPECT_EQ(folders.images, fallback);               // missing
    EXPECT_EQ(folders.sequential_load, fallback);      // a file, not a folder
    EXPECT_EQ(folders.sequential_save, usable + "/");  // a folder value keeps its separator
    EXPECT_FALSE(replace_unusable_folders(folders, "/elsewhere"));

    RememberedFolders stored{usable, usable, dir_.filePath("missing"), usable, usable};
    stored.write();
    TRuvo_Main_Form main;
    const RememberedFolders read = RememberedFolders::read();
    EXPECT_EQ(read.images, QDir::homePath());
    EXPECT_EQ(read.project_load, usable);
    EXPECT_EQ(main.remembered_folders().images, QDir::homePath());
}

TEST_F(StartUpTest, TheMainWindowStartsWithoutAProject) {
    TRuvo_Main_Form main;
    EXPECT_EQ(main.windowTitle(), text(messages::kMainFormCaption));
    EXPECT_EQ(main.workspace().views.info_number_max, 0);
    for (const char* name : {"Project_OverWrite", "Project_SaveAs", "Project_FileAddDelete", "Close_Project"}) {
        EXPECT_FALSE(main.findChild<QAction*>(QString::fromLatin1(name))->isEnabled()) << name;
    }
    for (const char* name : {"New_Project", "Open_Project", "Exit1", "Contents", "About", "Sequential_Change_Save"}) {
        EXPECT_TRUE(main.findChild<QAction*>(QString::fromLatin1(name))->isEnabled()) << name;
    }
    EXPECT_EQ(main.findChild<QAction*>("New_Project")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(main.findChild<QAction*>("Project_SaveAs")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    EXPECT_EQ(main.findChild<QAction*>("Contents")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_TRUE(main.findChild<QWidget*>("Sq_StartSB")->isHidden());
    EXPECT_TRUE(main.findChild<QWidget*>("Follow_Time_Edit")->isHidden());
    EXPECT_TRUE(main.findChild<QWidget*>("DiagnosticsPane")->isHidden());
    EXPECT_EQ(main.findChild<QWidget*>("ToolBar")->height(), 50);
    EXPECT_EQ(main.findChild<QWidget*>("RightStatusBar")->width(), 153);
    EXPECT_EQ(main.findChild<QWidget*>("GridListBox")->accessibleName(), "グリッド");
    EXPECT_EQ(main.findChild<QWidget*>("GridListBox")->accessibleDescription(), "GridListBox");
}

// The test program starts as the program does, so Qt's own buttons speak Japanese.
TEST(QtTexts, TheButtonsOfQtsOwnDialogsAreJapanese) {
    QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QStringLiteral("はい")));
    EXPECT_TRUE(box.button(QMessageBox::Cancel)->text().startsWith(QStringLiteral("キャンセル")));
}

}  // namespace
}  // namespace ruvo
