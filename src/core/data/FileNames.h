#pragma once

#include <QString>

namespace ruvo {

// The part of a path after its last separator. Project files written on
// Windows use "\" and drive letters ("C:"), so "\", "/" and ":" all separate.
// The text is Unicode, so a double-byte character can never be mistaken for a
// separator. A field of another program's file is named by the file's base
// name and the field ("run.cgns#Zone1/FlowSolution/Pressure").
QString base_name(const QString& path);

// The folder part of a path, separator included ("" when there is none).
QString folder_part(const QString& path);

// The folder of a file, absolute and with its separator, as the remembered
// folders keep it.
QString folder_of(const QString& path);

}  // namespace ruvo
