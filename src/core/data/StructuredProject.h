#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "data/ProjectFile.h"
#include "data/StructuredFile.h"

namespace ruvo {

// Another program's file opened as a project: the file of the coordinates
// and the file of the fields, which are one file but for PLOT3D, where a
// grid file (.x, .xyz, .g) and a solution file (.q) of the same name go
// together; and what each holds.
struct StructuredOpening {
    QString error;  // why nothing can be shown; "" when a block can
    QString grid_file;
    QString field_file;  // "" when a PLOT3D grid has no solution beside it
    StructuredCatalog grids;
    StructuredCatalog fields;

    bool ok() const { return error.isEmpty(); }
    // The blocks to choose from, in the file's order.
    QStringList block_names() const;
};

// Whether `path` is a file the program opens as another program's.
bool is_structured_file(const QString& path);

StructuredOpening open_structured(const QString& path);

// The project of one block: its grid, and its vector and scalar fields as
// the project's files (the first ten of each kind). `notes` tells what the
// catalogues left out; the project is untitled and unmodified.
ProjectLoadResult structured_project(const StructuredOpening& opening, const QString& block, ProjectTables& tables);

// The list position of the project's file of `kind` that `name` names: by
// its base name, or for a field by the field's name, whole
// ("FlowSolution/Pressure") or its last part ("Pressure"). The first that
// fits; nothing when none does.
std::optional<int> field_position(const ProjectTables& project, FileKind kind, const QString& name);

}  // namespace ruvo
