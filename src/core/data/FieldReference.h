#pragma once

#include <QString>

#include <optional>

#include "data/StructuredFile.h"

namespace ruvo {

// A part of a file of another program, as a project names it in place of a
// file: the file's path, "#", the block, and for a field "/" and the field's
// name. "run.cgns#Zone1" is the grid of block Zone1,
// "run.cgns#Zone1/FlowSolution/Pressure" a field of it, "wing.q#1/Density"
// the density of the first block of a PLOT3D solution. Only a "#" that
// follows the extension of such a file starts the reference, so the
// program's own result files, whatever their names, are never taken for one.
struct FieldReference {
    QString file;
    QString block;
    QString field;  // "" for the grid

    QString text() const;
};

std::optional<FieldReference> field_reference(const QString& name);

// The reader of a file of another program, told by its extension; null for
// any other file.
const StructuredFormat* structured_format(const QString& file);

}  // namespace ruvo
