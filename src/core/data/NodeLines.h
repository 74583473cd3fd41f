#pragma once

#include <array>
#include <span>
#include <string_view>

#include "data/Table.h"

namespace ruvo {

class ReadProgress;

// The nodes of a result file's body read on several cores at once. This
// holds only for the regular form solvers write: every node on a line of its
// own, its values first on the line, each line ended by LF or CR LF, and at
// least as many lines as the header has nodes. Then node n is line n, and
// lines can be read anywhere in any order. Anything else (a node spread
// over lines, a bad number, a file cut short) returns false, and the caller
// reads the file the plain way from its start, which finds and words the
// fault exactly.
//
// `body` starts at the first node's line; `header` is the file's (zero-based
// first and last i, first and last j). Values go to `tables`, one a value.
bool read_regular_node_lines(std::string_view body, const std::array<int, 4>& header, std::span<Table* const> tables,
                             ReadProgress& progress);

// Bodies smaller than this are read the plain way: threads would not pay.
inline constexpr std::size_t kParallelBodyBytes = 4 * 1024 * 1024;

}  // namespace ruvo
