#include "ui/dialogs/ProjectEditing.h"

#include <QFileInfo>

namespace ruvo {

namespace {

int& count_of(ProjectTables& tables, FileKind kind) {
    switch (kind) {
    case FileKind::Grid: return tables.grid_file_count;
    case FileKind::Vector: return tables.vector_file_count;
    case FileKind::Scalar: return tables.scalar_file_count;
    }
    return tables.grid_file_count;
}

int capacity_of(FileKind kind) { return kind == FileKind::Grid ? 1 : kMaxSlots; }

// First list line of a kind's files.
int first_line_of(const ProjectTables& tables, FileKind kind) {
    switch (kind) {
    case FileKind::Grid: return 0;
    case FileKind::Vector: return tables.grid_file_count;
    case FileKind::Scalar: return tables.grid_file_count + tables.vector_file_count;
    }
    return 0;
}

// The name at a kind's position, writable or not as the tables are.
template <typename Tables>
auto& name_of(Tables& tables, FileKind kind, int index) {
    if (kind == FileKind::Grid) return tables.grid_file_name;
    auto& names = kind == FileKind::Vector ? tables.vector_file_name : tables.scalar_file_name;
    return names[static_cast<std::size_t>(index)];
}

}  // namespace

std::vector<ProjectLine> project_lines(const ProjectTables& tables) {
    std::vector<ProjectLine> lines;
    if (tables.grid_file_count > 0) lines.push_back({FileKind::Grid, 0});
    for (int n = 0; n < tables.vector_file_count; ++n) lines.push_back({FileKind::Vector, n});
    for (int n = 0; n < tables.scalar_file_count; ++n) lines.push_back({FileKind::Scalar, n});
    return lines;
}

QString path_of(const ProjectTables& tables, ProjectLine line) { return name_of(tables, line.kind, line.index); }

std::optional<int> add_project_file(ProjectTables& tables, FileKind kind, const QString& path) {
    int& count = count_of(tables, kind);
    if (count >= capacity_of(kind)) return std::nullopt;
    name_of(tables, kind, count) = path;
    ++count;
    return first_line_of(tables, kind) + count - 1;
}

bool delete_project_line(ProjectTables& tables, int line) {
    const std::vector<ProjectLine> lines = project_lines(tables);
    if (line < 0 || line >= static_cast<int>(lines.size())) return false;
    const ProjectLine target = lines[static_cast<std::size_t>(line)];
    int& count = count_of(tables, target.kind);
    for (int n = target.index; n + 1 < count; ++n) {
        name_of(tables, target.kind, n) = name_of(tables, target.kind, n + 1);
    }
    name_of(tables, target.kind, count - 1).clear();
    --count;
    return true;
}

QStringList name_filters_of(const QString& mask) {
    QStringList filters;
    for (const QString& pattern : mask.split(u';', Qt::SkipEmptyParts)) {
        const QString filter = pattern.trimmed();
        filters << (filter == u"*.*" ? QStringLiteral("*") : filter);
    }
    return filters;
}

std::optional<FileKind> kind_of_extension(const QString& file_name) {
    const QString extension = QFileInfo(file_name).suffix().toUpper();
    if (extension == u"GRD") return FileKind::Grid;
    if (extension == u"V") return FileKind::Vector;
    if (extension == u"P") return FileKind::Scalar;
    return std::nullopt;
}

}  // namespace ruvo
