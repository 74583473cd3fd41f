#pragma once

#include <mutex>

#include "data/StructuredFile.h"

namespace ruvo {

// CGNS files, read through the CGNS library. Each two-dimensional
// structured zone is a block named by its zone, its CoordinateX and
// CoordinateY the grid. Its flow solutions at the nodes give the fields,
// named "SOLUTION/FIELD"; a pair "NameX" and "NameY" of one solution (as
// VelocityX and VelocityY) is the vector field "SOLUTION/Name", every other
// field a scalar field. 3D and unstructured zones, and solutions at cell
// centres or with rind layers, are left out with a note.
const StructuredFormat& cgns_format();

// The CGNS library keeps its open files and its last error in globals: every
// use of it holds this lock.
std::mutex& cgns_library_lock();

}  // namespace ruvo
