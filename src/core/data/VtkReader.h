#pragma once

#include <QtGlobal>

#include "data/StructuredFile.h"

namespace ruvo {

// VTK structured grids of two dimensions, in the legacy form (.vtk, ASCII or
// big-endian binary) and the XML form (.vts: ascii, base64 or appended data,
// raw or zlib-compressed). A file holds one block, named "1": its points and
// its point arrays, of one component as scalar fields and of two or three
// (u, v and an ignored w) as vector fields, named by the arrays.
const StructuredFormat& vtk_legacy_format();
const StructuredFormat& vts_format();

// Larger files are refused before they are read.
inline constexpr qint64 kMaxVtkFileBytes = qint64(1) << 30;

}  // namespace ruvo
