#pragma once

#include <QString>

#include <optional>

#include "data/StructuredFile.h"

namespace ruvo {

// PLOT3D files of 2D structured blocks: grids (.x, .xyz, .g) and solutions
// (.q). The reader tells from the file itself how it is laid out: text or
// binary, with Fortran record markers or as a plain stream, byte order, 4- or
// 8-byte reals, and whether a block count opens it. It tries every layout
// and keeps those whose record markers agree and whose sizes use up the file
// exactly (every byte of a binary file, every number of a text file). A grid
// may carry an IBLANK array after its coordinates, which is not shown.
//
// Blocks are named "1", "2", ... in the order of the file. A solution block
// holds the fields Density, Momentum (a vector) and Energy.
const StructuredFormat& plot3d_grid_format();
const StructuredFormat& plot3d_solution_format();

// What is known of a file's layout beforehand: each member left empty is
// judged from the file. Written as comma-separated words, any subset, one of
// each pair at most:
//   ascii | binary                   text of numbers, or binary values
//   records | stream                 Fortran record markers, or none
//   little | big                     byte order
//   single | double                  4- or 8-byte reals
//   one-block | multi-block          whether a block count opens the file
// as in "binary,big,double". The words about binary files do not apply to a
// text file; "" leaves everything to the file.
struct Plot3dLayout {
    std::optional<bool> ascii = std::nullopt;
    std::optional<bool> records = std::nullopt;
    std::optional<bool> big_endian = std::nullopt;
    std::optional<bool> double_precision = std::nullopt;
    std::optional<bool> multi_block = std::nullopt;

    bool operator==(const Plot3dLayout&) const = default;
};

// The layout of the text form above; nothing when a word is unknown or
// contradicts another.
std::optional<Plot3dLayout> parse_plot3d_layout(const QString& text);

// The layout every PLOT3D file read from now on is taken to have, as far as
// it says (the command line's --plot3d). Where several layouts fit a file it
// decides among them; a file it does not fit is refused.
void set_plot3d_layout_hint(const Plot3dLayout& hint);

}  // namespace ruvo
