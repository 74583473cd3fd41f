#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "view/ViewTable.h"

namespace ruvo {

class ControlLayout;

// What a view shows: the record's file type and, for a scalar file, its kind.
enum class ViewKind : std::uint8_t { Free, Grid, Vectors, Contour, Fill, KEpsilon, Row, Column, Detail };
inline constexpr int kViewKindCount = 9;
static_assert(static_cast<int>(ViewKind::Detail) + 1 == kViewKindCount);

// The layers a picture or GRAF file is made of, in the order they are laid
// down. The screen and the file draw the same plots; only their frames differ
// (the screen's area frame, the file's grid outline).
enum class Layer : std::uint8_t {
    Grid,
    Vectors,
    Contours,
    KEpsilon,
    Row,
    Column,
    Detail,
    Fill,
    AreaFrame,  // the screen's frame round the drawing area
    GridLines,  // the grid over the plot (show_grid)
    Outline,    // the file's outline of the grid
};

// Which of the two index positions a line plot follows.
enum class LineFocus : std::uint8_t { None, Column, Row };  // XPos (a line of constant i), YPos

struct ViewKindInfo {
    ViewKind kind;
    std::uint8_t file_type;    // the record's FileType
    std::uint8_t scalar_type;  // its ScalarViewType (scalar kinds)
    const char* command_word;  // ruvo-render's --view; empty: none
    const char* picture_tag;   // start of follow mode's numbered picture names; empty: none
    std::optional<Layer> plot;
    bool field;      // a plan of the field: takes the contour/fill overlap and the arrows
    bool line_plot;  // values along one grid line (Row, Column, Detail)
    void (*layout)(const View_Info& view, ControlLayout& layout);  // the panel and menus of the kind
};

// Every kind, indexed by ViewKind.
std::span<const ViewKindInfo> view_kinds();
const ViewKindInfo& kind_info(ViewKind kind);
const ViewKindInfo& kind_info(const View_Info& view);
inline ViewKind kind_of(const View_Info& view) { return kind_info(view).kind; }
// The kind of a command-line word, if it names one, and every word in the
// kinds' order.
std::optional<ViewKind> kind_of_word(const QString& word);
QStringList command_words();

// Row, Column and Detail views plot values along one grid line; every other
// view is a plan of the grid.
bool is_line_plot(const View_Info& view);

// The line a line plot follows: the Column view and the Detail view along a
// line of constant i follow XPos, the Row view and the Detail view along a
// line of constant j YPos. Read from the record's scalar kind.
LineFocus line_focus(const View_Info& view);

enum class Medium : std::uint8_t { Screen, GrafFile };

// The layers of the view's picture (Screen) or GRAF file, in drawing order:
// the kind's own plot, the overlap of fill and contour lines, the arrows,
// the grid and the frame of each medium.
struct Layers {
    std::array<Layer, 6> layer{};
    int count = 0;
    void add(Layer l) { layer.at(static_cast<std::size_t>(count++)) = l; }
    std::span<const Layer> all() const { return {layer.data(), static_cast<std::size_t>(count)}; }
};
Layers view_layers(const View_Info& view, Medium medium);

}  // namespace ruvo
