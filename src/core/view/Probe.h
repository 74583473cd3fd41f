#pragma once

#include <QPoint>
#include <QString>

#include <array>
#include <vector>

namespace ruvo {

struct FieldStore;
struct SwitchEffect;
struct View_Info;
struct Workspace;

// A grid node by its one-based indexes. The probe's pairs start at (0, 0),
// which is no node: nothing is drawn or shown for them until they are set.
struct ProbeNode {
    int i = 0;
    int j = 0;
    bool is_set() const { return i >= 1 && j >= 1; }
    friend bool operator==(const ProbeNode&, const ProbeNode&) = default;
};

// The mouse probe and the area selection, one for all view windows (there is
// one mouse and one keyboard); only the current view's handlers touch it.
struct ProbeState {
    int probe_i = 0;  // the node found last under the mouse, or the keyboard's cursor
    int probe_j = 0;
    int marker_i = 0;  // where the marker dot was toggled last
    int marker_j = 0;
    int anchor_i = 0;  // the first corner of the selection
    int anchor_j = 0;
    int band_i = 0;  // the corner up to which the band is drawn
    int band_j = 0;
    bool selecting = false;
    // The next probe step does not erase the marker first: a redraw took it
    // away, or a click left it as the anchor's mark. Every status refresh sets it.
    bool skip_erase = false;

    ProbeNode probe() const { return {probe_i, probe_j}; }
    ProbeNode marker() const { return {marker_i, marker_j}; }
    ProbeNode anchor() const { return {anchor_i, anchor_j}; }
    ProbeNode band() const { return {band_i, band_j}; }
};

// A temporary mark on the current view's picture, drawn with the not-xor
// marker pen: drawing it a second time removes it.
struct ProbeMark {
    enum class Kind { Dot, Band };
    Kind kind = Kind::Dot;
    ProbeNode from;  // the dot's node, or the band's lower-left corner
    ProbeNode to;    // the band's upper-right corner
    friend bool operator==(const ProbeMark&, const ProbeMark&) = default;
};

// What a probe or selection step asks of the windows once it has changed the
// state: marks to toggle on the current view's picture, the read-out, a
// redraw, a status refresh, a scroll of the current view's window.
class ProbeEffect {
public:
    // A mark of an unset node is left out, and a mark toggled twice within
    // one step is dropped: together they leave the picture as it was.
    void toggle_dot(ProbeNode node);
    void toggle_band(ProbeNode a, ProbeNode b);
    const std::vector<ProbeMark>& marks() const { return marks_; }

    bool show_values = false;
    bool redraw = false;
    bool refresh_status = false;
    QPoint scroll;  // pixels, right and down

private:
    void toggle(const ProbeMark& mark);
    std::vector<ProbeMark> marks_;
};

// The node under the pixel (x, y) of the current view's picture. Each cell of
// the drawing area is split into quarters along the lines joining the
// midpoints of its opposite edges: the lower-left quarter finds node (i, j),
// the upper-right quarter node (i + 1, j + 1), the other two nothing. A
// quarter keeps its lower and left edges (in grid x and y) and leaves its
// upper and right ones to the next. Rows are scanned upwards, a later row
// replacing an earlier find; within a row the first cell found wins. With the
// view's nearest_probe, any point in a cell of the drawing area finds the
// area's node nearest to it on the picture. On a find the probe moves there;
// otherwise it stays where it was.
bool Find_Probe_Node(Workspace& ws, QPoint pixel);

// The marker dot moves to the probe (erased where it was, unless a redraw or
// a click asked to skip that), and during a selection the band follows the
// probe when it `moved`.
ProbeEffect marks_follow_probe(ProbeState& p, bool moved);

// The mouse over the picture of a plan view: the marker follows the probe,
// and during a selection the band follows it too.
ProbeEffect probe_mouse_move(Workspace& ws, QPoint pixel);

// A selection starts at the probe, whose marker dot marks the anchor; not
// before the probe has found a node.
void start_selection(ProbeState& p);

enum class ProbeButton { Left, Right, Other };

// A click on the picture of a plan view: the left button starts a selection
// at the probe (once a node has been found) or finishes it, the right button
// cancels it, or without a selection takes the marker dot away. The status is
// refreshed after every click.
ProbeEffect probe_mouse_down(Workspace& ws, ProbeButton button);

// The current view's window is left for another: its marker dot goes, if it
// is on the picture, and a selection ends (its band stays until the next redraw). A line plot carries
// no marks.
ProbeEffect probe_view_left(Workspace& ws);

// The anchor and the probe span the current view's new area, corners
// included, and the area shown before becomes its previous area; false, with
// nothing changed, when they share a row or a column.
bool finish_selection(Workspace& ws);

// Pre_Area: the view's area and its previous area swap.
SwitchEffect Pre_AreaClick(View_Info& view);

// The read-outs Edit1..Edit7 of the probe node; nothing before a node is set.
std::array<QString, 7> probe_readout(const Workspace& ws);

}  // namespace ruvo
