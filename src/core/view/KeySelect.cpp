#include "view/KeySelect.h"

#include "Workspace.h"
#include "view/DisplaySwitches.h"
#include "view/ViewFields.h"
#include "view/ViewKind.h"

namespace ruvo {

namespace {

constexpr Qt::KeyboardModifiers kShiftAlt = Qt::ShiftModifier | Qt::AltModifier;
constexpr Qt::KeyboardModifiers kShiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
constexpr int kScrollStep = 100;
constexpr int kCtrlStep = 5;
constexpr int kShiftCtrlStep = 10;

// Shift, Alt and Ctrl as they are held, without the keypad's flag.
Qt::KeyboardModifiers held(Qt::KeyboardModifiers modifiers) {
    return modifiers & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier);
}

bool vector_rules(const View_Info& v) { return v.FileType == kVectorView || v.Vector_Overlap; }

struct FocusRule {
    int key;
    bool (*applies)(const View_Info& view, int views_open, bool video_mode);
    const char* (*target)(const View_Info& view);
};

// The focus keys in the order they are carried out.
constexpr FocusRule kFocusRules[] = {
    {Qt::Key_V, [](const View_Info&, int, bool) { return true; }, [](const View_Info&) { return "VectorListBox"; }},
    {Qt::Key_S, [](const View_Info&, int, bool) { return true; }, [](const View_Info&) { return "ScalarListBox"; }},
    {Qt::Key_G, [](const View_Info&, int, bool) { return true; }, [](const View_Info&) { return "GridListBox"; }},
    {Qt::Key_M, [](const View_Info&, int views_open, bool video) { return views_open > 0 && !video; },
     [](const View_Info&) { return "MagnificationBar"; }},
    {Qt::Key_X, [](const View_Info& v, int, bool) { return vector_rules(v); },
     [](const View_Info& v) { return v.x_grid_mode ? "XGridStepBar" : "XStepBar"; }},
    {Qt::Key_Y, [](const View_Info& v, int, bool) { return vector_rules(v); },
     [](const View_Info& v) { return v.y_grid_mode ? "YGridStepBar" : "YStepBar"; }},
    {Qt::Key_L, [](const View_Info& v, int, bool) { return vector_rules(v); },
     [](const View_Info&) { return "VectorLengthBar"; }},
    {Qt::Key_N, [](const View_Info& v, int, bool) { return v.ScalarViewType == kContourView || v.Cntr_Overlap; },
     [](const View_Info&) { return "ScalarLineNumberBar"; }},
    {Qt::Key_B, [](const View_Info& v, int, bool) { return v.ScalarViewType == kFillView || v.Cntr_Overlap; },
     [](const View_Info&) { return "SBDividedNumberBar"; }},
    {Qt::Key_X, [](const View_Info& v, int, bool) { return v.ScalarViewType == kKEpsilonView; },
     [](const View_Info&) { return "XGridStepBar"; }},
    {Qt::Key_L, [](const View_Info& v, int, bool) { return v.ScalarViewType == kKEpsilonView; },
     [](const View_Info&) { return "VectorLengthBar"; }},
    {Qt::Key_L, [](const View_Info& v, int, bool) { return is_line_plot(v) && !v.AutoScale; },
     [](const View_Info&) { return "VectorLengthBar"; }},
    {Qt::Key_P, [](const View_Info& v, int, bool) { return line_focus(v) == LineFocus::Column; },
     [](const View_Info&) { return "XPosBar"; }},
    {Qt::Key_P, [](const View_Info& v, int, bool) { return line_focus(v) == LineFocus::Row; },
     [](const View_Info&) { return "YPosBar"; }},
};

// The cursor direction of a key: the arrows, or the keypad's digits.
int cursor_direction(int key, bool keypad) {
    switch (key) {
    case Qt::Key_Down: return kCursorDown;
    case Qt::Key_Left: return kCursorLeft;
    case Qt::Key_Right: return kCursorRight;
    case Qt::Key_Up: return kCursorUp;
    case Qt::Key_2: return keypad ? kCursorDown : 0;
    case Qt::Key_4: return keypad ? kCursorLeft : 0;
    case Qt::Key_6: return keypad ? kCursorRight : 0;
    case Qt::Key_8: return keypad ? kCursorUp : 0;
    default: return 0;
    }
}

QPoint arrow_vector(int key) {
    switch (key) {
    case Qt::Key_Left: return {-1, 0};
    case Qt::Key_Right: return {1, 0};
    case Qt::Key_Up: return {0, -1};
    case Qt::Key_Down: return {0, 1};
    default: return {};
    }
}

void cursor_to_area_start(Workspace& ws) {
    const DrawRect area = area_of(ws.views.current());
    ws.probe.probe_i = area.x_start;
    ws.probe.probe_j = area.y_start;
}

ProbeEffect enter(Workspace& ws) {
    ProbeEffect effect;
    if (!ws.probe.selecting) {
        // No status refresh follows: the cursor's next move erases the dot
        // at the anchor, which keeps no mark of its own here.
        start_selection(ws.probe);
    } else if (finish_selection(ws)) {
        effect.redraw = true;
        cursor_to_area_start(ws);
    }
    return effect;
}

ProbeEffect escape(Workspace& ws) {
    ProbeEffect effect;
    ProbeState& p = ws.probe;
    if (p.selecting) {
        effect.toggle_band(p.anchor(), p.band());
        p.selecting = false;
    } else {
        effect.redraw = Show_AllClick(ws.views.current(), ws.store).redraw;
        cursor_to_area_start(ws);
    }
    return effect;
}

}  // namespace

bool KeyBoardAreaSelectClick(Workspace& ws) {
    ws.key_select = !ws.key_select;
    if (ws.key_select) cursor_to_area_start(ws);
    return ws.key_select;
}

std::vector<const char*> focus_key_targets(int key, const View_Info& view, int views_open, bool video_mode) {
    std::vector<const char*> targets;
    for (const FocusRule& rule : kFocusRules) {
        if (rule.key == key && rule.applies(view, views_open, video_mode)) targets.push_back(rule.target(view));
    }
    return targets;
}

bool is_focus_letter(int key) {
    for (const FocusRule& rule : kFocusRules) {
        if (rule.key == key) return true;
    }
    return false;
}

ProbeEffect Key_Select_Step(Workspace& ws, int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers keys_held = held(modifiers);
    const bool scrolling = keys_held == Qt::ShiftModifier || keys_held == kShiftAlt;
    const int direction = cursor_direction(key, modifiers.testFlag(Qt::KeypadModifier));
    if (direction != 0 && !scrolling) {
        return is_line_plot(ws.views.current()) ? ProbeEffect{} : Move_Key_Cursor(ws, direction, modifiers);
    }
    if (const QPoint arrow = arrow_vector(key); scrolling && !arrow.isNull()) {
        ProbeEffect effect;
        effect.scroll = arrow * (keys_held == Qt::ShiftModifier ? kScrollStep : 2 * kScrollStep);
        return effect;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return enter(ws);
    if (key == Qt::Key_Escape) return escape(ws);
    return {};
}

ProbeEffect Move_Key_Cursor(Workspace& ws, int direction, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers keys_held = held(modifiers);
    const int n = keys_held == Qt::ControlModifier ? kCtrlStep : keys_held == kShiftCtrl ? kShiftCtrlStep : 1;
    const DrawRect area = area_of(ws.views.current());
    ProbeState& p = ws.probe;
    switch (direction) {
    case kCursorUp:
        if (p.probe_j <= area.y_end - n) p.probe_j += n;
        break;
    case kCursorDown:
        if (p.probe_j >= area.y_start + n) p.probe_j -= n;
        break;
    case kCursorLeft:
        if (p.probe_i >= area.x_start + n) p.probe_i -= n;
        break;
    case kCursorRight:
        if (p.probe_i <= area.x_end - n) p.probe_i += n;
        break;
    default: break;
    }
    return marks_follow_probe(p, true);
}

}  // namespace ruvo
