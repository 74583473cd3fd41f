#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "data/FieldStore.h"
#include "data/ProjectFile.h"

namespace ruvo {

// One line of the project dialog's lists: a file of the project by kind and
// position in its table (0 for the grid).
struct ProjectLine {
    FileKind kind = FileKind::Grid;
    int index = 0;
};

// The lines in list order: the grid (when there is one), the vector files,
// then the scalar files, each in table order.
std::vector<ProjectLine> project_lines(const ProjectTables& tables);

QString path_of(const ProjectTables& tables, ProjectLine line);

// Adds a file of a kind at the end of its table (the grid only when there is
// none yet). Returns the list line it now stands on, or nothing when the kind
// is full (one grid, ten vector, ten scalar files). Duplicates are allowed.
std::optional<int> add_project_file(ProjectTables& tables, FileKind kind, const QString& path);

// Removes the file on list line `line`; later files of its kind move up.
// Returns false when there is no such line.
bool delete_project_line(ProjectTables& tables, int line);

// The name filters of a mask of ";"-separated patterns. "*.*" matches every
// name, as on the system the masks come from, names without a dot too.
QStringList name_filters_of(const QString& mask);

// The kind a clicked file's extension stands for: ".GRD" grid, ".V" vector,
// ".P" scalar (any case); other extensions stand for none.
std::optional<FileKind> kind_of_extension(const QString& file_name);

}  // namespace ruvo
