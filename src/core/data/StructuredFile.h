#pragma once

#include <QString>
#include <QStringList>

#include <algorithm>
#include <span>
#include <vector>

#include "data/Table.h"

namespace ruvo {

// Files of other programs that hold structured blocks of nodes: CGNS,
// PLOT3D and VTK. Each format's reader answers the same two questions:
// what a file holds (its catalogue), and the tables of one part of it.

// One two-dimensional structured block: its name, its node counts, and the
// names of the fields it holds, as field references name them.
struct StructuredBlock {
    QString name;
    int ni = 0;  // nodes along i, which runs fastest in the file
    int nj = 0;
    bool has_grid = true;       // a PLOT3D solution file holds no coordinates
    QStringList vector_fields;  // each read as two tables, u and v
    QStringList scalar_fields;  // each read as one table
};

struct StructuredCatalog {
    QString error;  // why nothing of the file can be shown; "" when something can
    std::vector<StructuredBlock> blocks;
    QStringList notes;  // what was left out and why (a 3D zone, cell-centred data)

    bool ok() const { return error.isEmpty(); }
};

// What one format's reader offers.
struct StructuredFormat {
    // The catalogue of the file at `path`.
    StructuredCatalog (*catalog)(const QString& path);
    // Reads part of block `block`: the grid (`field` empty) into x and y, a
    // vector field into u and v, or a scalar field into one table. Each table
    // is reset to the block's ni x nj nodes: node (i, j), zero-based in the
    // file, at (i + 1, j + 1). Returns "" or why the part cannot be read; the
    // tables' contents are then of no use.
    QString (*read)(const QString& path, const QString& block, const QString& field, std::span<Table* const> tables);
};

// Resets `table` to ni x nj nodes and fills it from a file's order, where i
// runs fastest: node (i, j), zero-based, is `value(k)` with k = j * ni + i.
// The table keeps each column's j together, so the copy goes tile by tile,
// which keeps both sides in the cache. False when the nodes do not fit in
// memory.
template <typename ValueAt>
bool fill_from_rows(Table& table, int ni, int nj, ValueAt value) {
    if (!table.reset(ni, nj)) return false;
    constexpr int kTile = 64;
    for (int j0 = 0; j0 < nj; j0 += kTile) {
        const int j1 = std::min(nj, j0 + kTile);
        for (int i0 = 0; i0 < ni; i0 += kTile) {
            const int i1 = std::min(ni, i0 + kTile);
            for (int i = i0; i < i1; ++i)
                for (int j = j0; j < j1; ++j) table.at(i + 1, j + 1) = value(std::size_t(j) * std::size_t(ni) + i);
        }
    }
    return true;
}

}  // namespace ruvo
