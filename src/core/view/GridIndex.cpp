#include "view/GridIndex.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <limits>
#include <utility>

namespace ruvo {

namespace {

constexpr int kTileCells = 8;  // cells each way of a block at the bottom of the tree
constexpr double kInfinity = std::numeric_limits<double>::infinity();

GridPoint node(const FieldStore& store, int i, int j) { return {store.grid_x(i, j), store.grid_y(i, j)}; }

}  // namespace

struct GridIndex::Nearest {
    GridPoint p;
    double x_scale;
    double y_scale;
    double distance = kInfinity;
    ProbeNode node;
};

void GridIndex::Box::add(const Box& other) {
    x_low = std::min(x_low, other.x_low);
    x_high = std::max(x_high, other.x_high);
    y_low = std::min(y_low, other.y_low);
    y_high = std::max(y_high, other.y_high);
}

bool GridIndex::Box::holds(GridPoint p) const { return x_low <= p.x && p.x <= x_high && y_low <= p.y && p.y <= y_high; }

// No point of the box lies nearer to p on the picture than this, rounded as
// picture_distance rounds: every step of it grows with the gap between the
// coordinates, so a node's rounded distance is never smaller.
double GridIndex::Box::least_distance(GridPoint p, double x_scale, double y_scale) const {
    const double across = (p.x < x_low ? x_low - p.x : p.x > x_high ? p.x - x_high : 0.0) * std::abs(x_scale);
    const double up = (p.y < y_low ? y_low - p.y : p.y > y_high ? p.y - y_high : 0.0) * std::abs(y_scale);
    return across * across + up * up;
}

bool GridIndex::refresh(const FieldStore& store) {
    const NodeRange range = store.node_range();
    const Key key{store.grid_x.version(), store.grid_y.version(), range.i_max, range.j_max};
    if (key_ != key) {
        cells_i_ = range.i_max - 1;
        cells_j_ = range.j_max - 1;
        build(store);
        key_ = key;
    }
    return usable_;
}

GridIndex::Block GridIndex::block(int level, int a, int b) const {
    const int span = kTileCells << level;
    const int i_low = 1 + a * span;
    const int j_low = 1 + b * span;
    return {level, a, b, i_low, std::min(i_low + span - 1, cells_i_), j_low, std::min(j_low + span - 1, cells_j_)};
}

void GridIndex::build(const FieldStore& store) {
    levels_.clear();
    usable_ = false;
    Level tiles{(cells_i_ + kTileCells - 1) / kTileCells, (cells_j_ + kTileCells - 1) / kTileCells, {}};
    tiles.boxes.reserve(std::size_t(tiles.count_i) * std::size_t(tiles.count_j));
    for (int a = 0; a < tiles.count_i; ++a) {
        for (int b = 0; b < tiles.count_j; ++b) {
            const Block cells = block(0, a, b);
            Box box{kInfinity, -kInfinity, kInfinity, -kInfinity};
            for (int i = cells.i_low; i <= cells.i_high + 1; ++i) {
                for (int j = cells.j_low; j <= cells.j_high + 1; ++j) {
                    const GridPoint n = node(store, i, j);
                    if (!std::isfinite(n.x) || !std::isfinite(n.y)) return;
                    box.add({n.x, n.x, n.y, n.y});
                }
            }
            tiles.boxes.push_back(box);
        }
    }
    levels_.push_back(std::move(tiles));
    while (levels_.back().count_i > 1 || levels_.back().count_j > 1) {
        const Level& below = levels_.back();
        Level above{(below.count_i + 1) / 2, (below.count_j + 1) / 2, {}};
        for (int a = 0; a < above.count_i; ++a) {
            for (int b = 0; b < above.count_j; ++b) {
                Box box = below.at(2 * a, 2 * b);
                if (2 * a + 1 < below.count_i) box.add(below.at(2 * a + 1, 2 * b));
                if (2 * b + 1 < below.count_j) box.add(below.at(2 * a, 2 * b + 1));
                if (2 * a + 1 < below.count_i && 2 * b + 1 < below.count_j) box.add(below.at(2 * a + 1, 2 * b + 1));
                above.boxes.push_back(box);
            }
        }
        levels_.push_back(std::move(above));
    }
    usable_ = true;
}

std::vector<GridIndex::Block> GridIndex::children(const Block& parent) const {
    const Level& below = levels_[std::size_t(parent.level - 1)];
    std::vector<Block> blocks;
    for (int a = 2 * parent.a; a <= 2 * parent.a + 1 && a < below.count_i; ++a)
        for (int b = 2 * parent.b; b <= 2 * parent.b + 1 && b < below.count_j; ++b)
            blocks.push_back(block(parent.level - 1, a, b));
    return blocks;
}

namespace {

// Whether any node of the block's cells lies in the area.
template <class Block>
bool meets(const Block& block, const NodeBounds& nodes) {
    return block.i_low <= nodes.i_last && block.i_high + 1 >= nodes.i_first && block.j_low <= nodes.j_last &&
           block.j_high + 1 >= nodes.j_first;
}

}  // namespace

void GridIndex::collect_cells(const FieldStore& store, const Block& block, const NodeBounds& nodes, GridPoint p,
                              std::vector<Cell>& cells) const {
    if (!meets(block, nodes) || !box(block).holds(p)) return;
    if (block.level > 0) {
        for (const Block& child : children(block)) collect_cells(store, child, nodes, p, cells);
        return;
    }
    for (int i = std::max(block.i_low, nodes.i_first); i <= std::min(block.i_high, nodes.i_last - 1); ++i) {
        for (int j = std::max(block.j_low, nodes.j_first); j <= std::min(block.j_high, nodes.j_last - 1); ++j) {
            const std::array corners{node(store, i, j), node(store, i + 1, j), node(store, i, j + 1),
                                     node(store, i + 1, j + 1)};
            Box cell{kInfinity, -kInfinity, kInfinity, -kInfinity};
            for (const GridPoint c : corners) cell.add({c.x, c.x, c.y, c.y});
            if (cell.holds(p)) cells.push_back({i, j});
        }
    }
}

std::vector<GridIndex::Cell> GridIndex::cells_around(const FieldStore& store, const NodeBounds& nodes,
                                                     GridPoint p) const {
    assert(usable_);
    std::vector<Cell> cells;
    collect_cells(store, block(int(levels_.size()) - 1, 0, 0), nodes, p, cells);
    return cells;
}

void GridIndex::search_nearest(const FieldStore& store, const Block& block, const NodeBounds& nodes,
                               Nearest& nearest) const {
    const auto least = [&](const Block& b) {
        return box(b).least_distance(nearest.p, nearest.x_scale, nearest.y_scale);
    };
    if (!meets(block, nodes) || least(block) > nearest.distance) return;
    if (block.level > 0) {
        // The nearest blocks first, so that the rest are passed over.
        std::vector<Block> blocks = children(block);
        std::sort(blocks.begin(), blocks.end(), [&](const Block& l, const Block& r) { return least(l) < least(r); });
        for (const Block& child : blocks) search_nearest(store, child, nodes, nearest);
        return;
    }
    for (int i = std::max(block.i_low, nodes.i_first); i <= std::min(block.i_high + 1, nodes.i_last); ++i) {
        for (int j = std::max(block.j_low, nodes.j_first); j <= std::min(block.j_high + 1, nodes.j_last); ++j) {
            const double distance = picture_distance(node(store, i, j), nearest.p, nearest.x_scale, nearest.y_scale);
            const bool earlier = std::pair(i, j) < std::pair(nearest.node.i, nearest.node.j);
            if (distance < nearest.distance || (distance == nearest.distance && earlier)) {
                nearest.distance = distance;
                nearest.node = {i, j};
            }
        }
    }
}

std::optional<ProbeNode> GridIndex::nearest_node(const FieldStore& store, const NodeBounds& nodes, GridPoint p,
                                                 double x_scale, double y_scale) const {
    assert(usable_);
    Nearest nearest{p, x_scale, y_scale, kInfinity, {}};
    search_nearest(store, block(int(levels_.size()) - 1, 0, 0), nodes, nearest);
    if (nearest.distance == kInfinity) return std::nullopt;
    return nearest.node;
}

}  // namespace ruvo
