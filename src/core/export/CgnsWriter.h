#pragma once

#include <QString>

#include "data/FieldStore.h"
#include "data/WholeFile.h"

namespace ruvo {

// The grid and every loaded field of the store as one CGNS file: one 2D
// structured zone "Zone" of the grid's file area in base "Base", and one
// solution "FlowSolution" at the nodes holding each vector file as the pair
// NameX, NameY and each scalar file as Name, Name being the file's base
// name (for a field of another program's file, the field's own name), cut
// to the 32 characters CGNS allows. The file is written aside and renamed
// into place, so a failure leaves an earlier file as it was.
WriteResult write_cgns_file(const QString& path, const FieldStore& store);

}  // namespace ruvo
