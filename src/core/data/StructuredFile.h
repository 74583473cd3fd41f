#pragma once

#include <QString>
#include <QStringList>

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

}  // namespace ruvo
