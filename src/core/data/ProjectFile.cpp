#include "data/ProjectFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringConverter>
#include <QStringDecoder>

#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "Texts.h"
#include "data/FieldReference.h"
#include "data/FileNames.h"
#include "data/IniDocument.h"
#include "data/WholeFile.h"

namespace ruvo {

void ProjectTables::set_default_masks() {
    grid_file_type = QString::fromUtf8(kDefaultGridMask);
    vector_file_type = QString::fromUtf8(kDefaultVectorMask);
    scalar_file_type = QString::fromUtf8(kDefaultScalarMask);
}

void ProjectTables::reset() { *this = ProjectTables{}; }

namespace {

const QString kTypeSection = QStringLiteral("FileType");
const QString kNumberSection = QStringLiteral("FileNumber");
const QString kNameSection = QStringLiteral("FileName");

const QString kGridTypeKey = QStringLiteral("Grid_File_Type");
const QString kVectorTypeKey = QStringLiteral("Vector_File_Type");
const QString kScalarTypeKey = QStringLiteral("Scalar_File_Type");
const QString kVectorNumberKey = QStringLiteral("Vector_File_Number");
const QString kScalarNumberKey = QStringLiteral("Scalar_File_Number");
const QString kGridNameKey = QStringLiteral("Grid_File_Name");

QString vector_name_key(int n) { return QStringLiteral("Vector_File_Name_%1").arg(n); }
QString scalar_name_key(int n) { return QStringLiteral("Scalar_File_Name_%1").arg(n); }

// Project files come from the Windows program (Shift_JIS, the Japanese code
// page) or from us (UTF-8). Shift_JIS text with Japanese characters is almost
// never valid UTF-8, so valid UTF-8 is taken as UTF-8. A file saved with a
// UTF-16 byte order mark (Notepad's "Unicode") is read as such. Qt's
// Shift_JIS (from ICU) includes the Windows additions such as circled digits.
QString decode_project_text(QByteArray bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    if (const auto bom = QStringConverter::encodingForData(bytes); bom && *bom != QStringConverter::Utf8) {
        QStringDecoder decoder(*bom);
        return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    QStringDecoder shift_jis("Shift_JIS", QStringConverter::Flag::Stateless);
    if (shift_jis.isValid()) return shift_jis.decode(bytes);
    return QString::fromLatin1(bytes);  // a Qt built without ICU
}

// The line break of an existing file, so that rewriting it keeps its style.
// New files get "\r\n": project files travel to and from Windows, where INI
// files have always used it, and our reader accepts either.
QString line_break_of(QStringView text) {
    const qsizetype lf = text.indexOf(u'\n');
    if (lf > 0 && text[lf - 1] == u'\r') return QStringLiteral("\r\n");
    if (lf >= 0) return QStringLiteral("\n");
    return QStringLiteral("\r\n");
}

QString text_value(const IniDocument& doc, const QString& section, const QString& key) {
    return doc.value(section, key).value_or(QString());
}

// A count of file names: decimal, 0..10. Anything else cannot name more files
// than there are name positions, so it is clipped or read as 0, and the user
// is told.
int read_count(const IniDocument& doc, const QString& key, QStringList& notes) {
    const QString text = text_value(doc, kNumberSection, key);
    if (text.isEmpty()) return 0;
    static const QRegularExpression kInteger(QStringLiteral("^[+-]?[0-9]+$"));
    if (!kInteger.match(text).hasMatch()) {
        notes << QStringLiteral("%1=%2 is not a number and was read as 0").arg(key, text);
        return 0;
    }
    bool ok = false;
    long long count = text.toLongLong(&ok);
    if (!ok) {  // too many digits for any integer type
        count = text.startsWith(u'-') ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
    }
    if (count < 0) {
        notes << QStringLiteral("%1=%2 is negative and was read as 0").arg(key, text);
        return 0;
    }
    if (count > kMaxSlots) {
        notes << QStringLiteral("%1=%2 was clipped to %3").arg(key, text).arg(kMaxSlots);
        return kMaxSlots;
    }
    return static_cast<int>(count);
}

bool is_file(const QString& path) { return QFileInfo(path).isFile(); }

bool has_drive_letter(const QString& path) {
    return path.size() >= 2 && path[1] == u':' && path[0].isLetter() && path[0].unicode() < 128;
}

// Turns a stored file name into the path to read. Projects move between
// machines (and from Windows), so a name that does not lead to a file is
// looked for under its base name in the project's folder.
QString resolve_name(const QString& stored, const QString& project_folder) {
    if (stored.isEmpty()) return {};
    if (auto reference = field_reference(stored)) {
        reference->file = resolve_name(reference->file, project_folder);
        return reference->text();
    }
    const QDir folder(project_folder);
    const auto full_path = [&folder](const QString& name) { return QDir::cleanPath(folder.absoluteFilePath(name)); };

    // As written: a file name on this system may itself contain "\".
    const QString literal = full_path(stored);
    if (is_file(literal)) return literal;

    // As a Windows path, where "\" separates folders. A path with a drive
    // letter cannot lead anywhere here.
    const bool on_a_drive = has_drive_letter(stored);
    QString resolved;
    if (!on_a_drive) {
        QString slashed = stored;
        slashed.replace(u'\\', u'/');
        resolved = full_path(slashed);
        if (is_file(resolved)) return resolved;
    }

    const QString base = base_name(stored);
    if (!base.isEmpty() && base != u"." && base != u"..") {
        const QString nearby = folder.filePath(base);
        if (is_file(nearby)) return nearby;
    }
    // Missing: the reader says so when it tries the file. A Windows path is
    // kept exactly as written, so that saving the project gives it back
    // unchanged to the machine it came from.
    return on_a_drive ? stored : resolved;
}

// The name written to the project file: relative to the project's folder when
// the file lies inside it (so that the folder can be moved as a whole),
// otherwise as it is.
QString stored_name(const QString& name, const QString& project_folder) {
    if (auto reference = field_reference(name)) {
        reference->file = stored_name(reference->file, project_folder);
        return reference->text();
    }
    if (name.isEmpty() || !QDir::isAbsolutePath(name)) return name;
    const QString relative = QDir(project_folder).relativeFilePath(QDir::cleanPath(name));
    if (relative.isEmpty() || relative == u"." || relative == u".." || relative.startsWith(QStringLiteral("../")) ||
        QDir::isAbsolutePath(relative)) {
        return name;
    }
    return relative;
}

bool has_line_break(const QString& text) { return text.contains(u'\n') || text.contains(u'\r'); }

}  // namespace

ProjectLoadResult load_project_file(const QString& path, ProjectTables& tables) {
    ProjectLoadResult result;
    const WholeFile file = read_whole_file(path, kMaxProjectFileBytes);
    if (!file.ok()) {
        result.error = file.reason;
        return result;
    }
    const IniDocument doc = IniDocument::from_text(decode_project_text(file.bytes));
    const QString folder = QFileInfo(path).absolutePath();

    // Filled aside and assigned at the end, so the tables change only when
    // the whole file was read.
    ProjectTables loaded;
    loaded.project_file_name = tables.project_file_name;
    loaded.grid_file_type = text_value(doc, kTypeSection, kGridTypeKey);
    loaded.vector_file_type = text_value(doc, kTypeSection, kVectorTypeKey);
    loaded.scalar_file_type = text_value(doc, kTypeSection, kScalarTypeKey);
    loaded.vector_file_count = read_count(doc, kVectorNumberKey, result.notes);
    loaded.scalar_file_count = read_count(doc, kScalarNumberKey, result.notes);
    loaded.grid_file_name = resolve_name(text_value(doc, kNameSection, kGridNameKey), folder);
    // Positions beyond a count are not in use and stay empty.
    for (int n = 0; n < loaded.vector_file_count; ++n) {
        loaded.vector_file_name[n] = resolve_name(text_value(doc, kNameSection, vector_name_key(n + 1)), folder);
    }
    for (int n = 0; n < loaded.scalar_file_count; ++n) {
        loaded.scalar_file_name[n] = resolve_name(text_value(doc, kNameSection, scalar_name_key(n + 1)), folder);
    }
    // A project always has its one grid, even when the name is missing; the
    // grid reader then reports the file it cannot read.
    loaded.grid_file_count = 1;
    loaded.project_modified = false;

    tables = std::move(loaded);
    result.ok = true;
    return result;
}

ProjectSaveResult save_project_file(const QString& path, const ProjectTables& tables) {
    ProjectSaveResult result;
    const int vector_count = std::clamp(tables.vector_file_count, 0, kMaxSlots);
    const int scalar_count = std::clamp(tables.scalar_file_count, 0, kMaxSlots);

    // A line break inside a value would end the line and let the rest be read
    // as other keys of the file.
    QStringList values{tables.grid_file_type, tables.vector_file_type, tables.scalar_file_type, tables.grid_file_name};
    for (int n = 0; n < vector_count; ++n) values << tables.vector_file_name[n];
    for (int n = 0; n < scalar_count; ++n) values << tables.scalar_file_name[n];
    for (const QString& value : values) {
        if (has_line_break(value)) {
            result.error = QStringLiteral("\"%1\" contains a line break, which a project file cannot hold")
                               .arg(QString(value).replace(u'\r', u' ').replace(u'\n', u' '));
            return result;
        }
    }

    // The keys are written into the file as it is, keeping whatever else it holds.
    IniDocument doc;
    QString line_break = QStringLiteral("\r\n");
    if (QFileInfo::exists(path)) {
        const WholeFile existing = read_whole_file(path, kMaxProjectFileBytes);
        if (!existing.ok()) {
            result.error = existing.reason;
            return result;
        }
        const QString text = decode_project_text(existing.bytes);
        line_break = line_break_of(text);
        doc = IniDocument::from_text(text);
    }

    const QString folder = QFileInfo(path).absolutePath();
    doc.set_values(kTypeSection, {{kGridTypeKey, tables.grid_file_type},
                                  {kVectorTypeKey, tables.vector_file_type},
                                  {kScalarTypeKey, tables.scalar_file_type}});
    doc.set_values(kNumberSection, {{kVectorNumberKey, QString::number(vector_count)},
                                    {kScalarNumberKey, QString::number(scalar_count)}});
    std::vector<std::pair<QString, QString>> names;
    names.emplace_back(kGridNameKey, stored_name(tables.grid_file_name, folder));
    for (int n = 0; n < kMaxSlots; ++n) {
        names.emplace_back(vector_name_key(n + 1),
                           n < vector_count ? stored_name(tables.vector_file_name[n], folder) : QString());
    }
    for (int n = 0; n < kMaxSlots; ++n) {
        names.emplace_back(scalar_name_key(n + 1),
                           n < scalar_count ? stored_name(tables.scalar_file_name[n], folder) : QString());
    }
    doc.set_values(kNameSection, names);

    // A file the loader would refuse is not written: the earlier one stays.
    const QByteArray bytes = doc.to_text(line_break).toUtf8();
    if (bytes.size() > kMaxProjectFileBytes) {
        result.error = QString::fromUtf8(messages::kProjectTooLarge).arg(kMaxProjectFileBytes / (1024 * 1024));
        return result;
    }
    return write_whole_file(path, bytes);
}

}  // namespace ruvo
