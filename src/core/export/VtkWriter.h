#pragma once

#include <QByteArray>

#include "data/FieldStore.h"

namespace ruvo {

// The grid and every loaded field of the store as one VTK XML structured
// grid (.vts), the form ParaView and VisIt read: the grid's nodes of its
// file's area as points (z = 0, i running fastest), each vector file as a
// three-component point array (u, v, 0) and each scalar file as a point
// array, named by their files. The values follow as raw little-endian
// doubles, each array after a 64-bit count of its bytes, in the file's
// appended section. A slot whose file was not read is left out.
QByteArray vts_file_bytes(const FieldStore& store);

}  // namespace ruvo
