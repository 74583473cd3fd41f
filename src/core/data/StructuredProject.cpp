#include "data/StructuredProject.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include "data/FieldReference.h"
#include "data/FileNames.h"
#include "data/Plot3dReader.h"

namespace ruvo {

namespace {

const StructuredBlock* find_block(const StructuredCatalog& catalog, const QString& name) {
    const auto found = std::find_if(catalog.blocks.begin(), catalog.blocks.end(),
                                    [&name](const StructuredBlock& block) { return block.name == name; });
    return found == catalog.blocks.end() ? nullptr : &*found;
}

// The other half of a PLOT3D pair: the first file beside `path` of the same
// name with one of `suffixes`, "" when there is none.
QString partner_file(const QString& path, std::initializer_list<const char*> suffixes) {
    const QFileInfo info(path);
    for (const char* suffix : suffixes) {
        for (const QString& cased : {QString::fromLatin1(suffix), QString::fromLatin1(suffix).toUpper()}) {
            const QString candidate = info.dir().filePath(info.completeBaseName() + u'.' + cased);
            if (QFileInfo(candidate).isFile()) return candidate;
        }
    }
    return {};
}

// The PLOT3D halves, told by the reader the extension table gives a file.
bool is_plot3d_solution(const QString& path) { return structured_format(path) == &plot3d_solution_format(); }
bool is_plot3d_grid(const QString& path) { return structured_format(path) == &plot3d_grid_format(); }

// Takes the first ten names of a list of fields as the project's files of
// one kind, and says so when there were more.
int take_fields(const QStringList& fields, const QString& file, const QString& block, const char* kind,
                std::array<QString, kMaxSlots>& names, QStringList& notes) {
    const int count = int(std::min<qsizetype>(fields.size(), kMaxSlots));
    for (int n = 0; n < count; ++n) names[std::size_t(n)] = FieldReference{file, block, fields[n]}.text();
    if (fields.size() > kMaxSlots)
        notes << QStringLiteral("block \"%1\" holds %2 %3 fields; the project takes the first %4")
                     .arg(block)
                     .arg(fields.size())
                     .arg(QLatin1String(kind))
                     .arg(kMaxSlots);
    return count;
}

}  // namespace

QStringList StructuredOpening::block_names() const {
    QStringList names;
    for (const StructuredBlock& block : grids.blocks) names << block.name;
    return names;
}

bool is_structured_file(const QString& path) { return structured_format(path) != nullptr; }

StructuredOpening open_structured(const QString& path) {
    StructuredOpening opening;
    opening.grid_file = path;
    opening.field_file = path;
    if (is_plot3d_solution(path)) {
        opening.grid_file = partner_file(path, {"x", "xyz", "g"});
        if (opening.grid_file.isEmpty()) {
            opening.error = QStringLiteral("no grid file (.x, .xyz or .g) of the same name lies beside it");
            return opening;
        }
    } else if (is_plot3d_grid(path)) {
        opening.field_file = partner_file(path, {"q"});
    }
    if (!is_structured_file(opening.grid_file)) {
        opening.error = QStringLiteral("the file is of no format the program reads");
        return opening;
    }
    // The partner of the file named is named where it fails.
    const auto failed = [&](const QString& file, const QString& error) {
        opening.error = file == path ? error : file + QStringLiteral(": ") + error;
        return opening;
    };
    opening.grids = structured_format(opening.grid_file)->catalog(opening.grid_file);
    if (!opening.grids.ok()) return failed(opening.grid_file, opening.grids.error);
    if (opening.field_file == opening.grid_file) {
        opening.fields = opening.grids;
    } else if (!opening.field_file.isEmpty()) {
        opening.fields = structured_format(opening.field_file)->catalog(opening.field_file);
        if (!opening.fields.ok()) return failed(opening.field_file, opening.fields.error);
    }
    return opening;
}

ProjectLoadResult structured_project(const StructuredOpening& opening, const QString& block, ProjectTables& tables) {
    ProjectLoadResult result;
    const StructuredBlock* grid = find_block(opening.grids, block);
    if (!opening.ok() || !grid) {
        result.error = opening.ok() ? QStringLiteral("the file holds no block \"%1\"").arg(block) : opening.error;
        return result;
    }
    tables.reset();
    tables.set_default_masks();
    tables.project_file_name = QString::fromUtf8(kUntitledProjectName);
    tables.grid_file_name = FieldReference{opening.grid_file, block, {}}.text();
    tables.grid_file_count = 1;
    result.notes << opening.grids.notes;
    if (opening.field_file != opening.grid_file) result.notes << opening.fields.notes;

    const StructuredBlock* fields = find_block(opening.fields, block);
    if (fields && (fields->ni != grid->ni || fields->nj != grid->nj)) {
        result.notes << QStringLiteral(
                            "block \"%1\" of %2 has %3 x %4 nodes, its grid %5 x %6: its fields are left out")
                            .arg(block, opening.field_file)
                            .arg(fields->ni)
                            .arg(fields->nj)
                            .arg(grid->ni)
                            .arg(grid->nj);
        fields = nullptr;
    }
    if (fields) {
        tables.vector_file_count = take_fields(fields->vector_fields, opening.field_file, block, "vector",
                                               tables.vector_file_name, result.notes);
        tables.scalar_file_count = take_fields(fields->scalar_fields, opening.field_file, block, "scalar",
                                               tables.scalar_file_name, result.notes);
    }
    result.ok = true;
    return result;
}

std::optional<int> field_position(const ProjectTables& project, FileKind kind, const QString& name) {
    const bool vectors = kind == FileKind::Vector;
    const int count = vectors ? project.vector_file_count : project.scalar_file_count;
    for (int n = 0; n < count && n < kMaxSlots; ++n) {
        const QString& file = (vectors ? project.vector_file_name : project.scalar_file_name)[std::size_t(n)];
        const auto reference = field_reference(file);
        const QString field = reference ? reference->field : QString();
        if (base_name(file) == name || (reference && (field == name || field.endsWith(u'/' + name)))) return n;
    }
    return std::nullopt;
}

}  // namespace ruvo
