#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "data/FieldStore.h"
#include "view/Probe.h"

namespace ruvo {

// A point in grid coordinates.
struct GridPoint {
    double x;
    double y;
};

// The nodes of a drawing area, first to last each way; its cells lie between them.
struct NodeBounds {
    int i_first, i_last, j_first, j_last;
};

// The square of the distance from a node to a point as the picture shows it,
// in pixels: the two axes may be scaled apart.
inline double picture_distance(GridPoint node, GridPoint p, double x_scale, double y_scale) {
    const double across = (node.x - p.x) * x_scale;
    const double up = (node.y - p.y) * y_scale;
    return across * across + up * up;
}

// Boxes around blocks of the grid's cells, in a tree: blocks of 8 x 8 cells at
// the bottom, each level above joining 2 x 2 blocks of the one below. The
// mouse probe asks it for the few cells around a point and for the nearest
// node, instead of walking every cell. It covers the nodes that the tables
// answer for (beyond the grid's own tables they all lie at 0, 0) and is
// rebuilt whenever the grid's tables or that range change.
class GridIndex {
public:
    struct Cell {
        int i;
        int j;
    };

    // Builds the index for the store's grid unless it holds it already. False
    // when it cannot be used: a coordinate is not finite.
    bool refresh(const FieldStore& store);

    // Every cell of the area whose corners' box, edges included, holds the
    // point, in no set order.
    std::vector<Cell> cells_around(const FieldStore& store, const NodeBounds& nodes, GridPoint p) const;

    // The node of the area nearest to the point on the picture; of nodes
    // equally near, the first in memory order. Nothing when no node's
    // distance is finite.
    std::optional<ProbeNode> nearest_node(const FieldStore& store, const NodeBounds& nodes, GridPoint p, double x_scale,
                                          double y_scale) const;

private:
    struct Box {
        double x_low, x_high, y_low, y_high;
        void add(const Box& other);
        bool holds(GridPoint p) const;
        double least_distance(GridPoint p, double x_scale, double y_scale) const;
    };
    struct Level {
        int count_i = 0;
        int count_j = 0;
        std::vector<Box> boxes;
        const Box& at(int a, int b) const { return boxes[std::size_t(a) * std::size_t(count_j) + std::size_t(b)]; }
    };
    // A block of one level: the cells it spans, within the grid.
    struct Block {
        int level, a, b;
        int i_low, i_high, j_low, j_high;  // cells
    };
    struct Key {
        std::uint64_t x = 0;  // the tables' versions
        std::uint64_t y = 0;
        int i_max = 0;
        int j_max = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };
    struct Nearest;

    void build(const FieldStore& store);
    Block block(int level, int a, int b) const;
    std::vector<Block> children(const Block& parent) const;
    const Box& box(const Block& block) const { return levels_[std::size_t(block.level)].at(block.a, block.b); }
    void collect_cells(const FieldStore& store, const Block& block, const NodeBounds& nodes, GridPoint p,
                       std::vector<Cell>& cells) const;
    void search_nearest(const FieldStore& store, const Block& block, const NodeBounds& nodes, Nearest& nearest) const;

    std::optional<Key> key_;
    bool usable_ = false;
    int cells_i_ = 0;
    int cells_j_ = 0;
    std::vector<Level> levels_;  // levels_[0] the blocks of 8 x 8 cells, the last one block
};

}  // namespace ruvo
