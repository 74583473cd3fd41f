#include "ui/frame/ViewProbe.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>

#include "Workspace.h"
#include "plot/ProbeMarks.h"
#include "ui/frame/StatusBindings.h"
#include "ui/viewwindow/ViewWindow.h"
#include "view/KeySelect.h"
#include "view/ViewFields.h"
#include "view/ViewKind.h"

namespace ruvo {

namespace {
ProbeButton probe_button(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return ProbeButton::Left;
    case Qt::RightButton: return ProbeButton::Right;
    default: return ProbeButton::Other;
    }
}
}  // namespace

ViewProbe::ViewProbe(Workspace& ws, ProbeFrame frame) : QObject(&frame.window), ws_(ws), frame_(std::move(frame)) {
    show_key_mode(KeyModeShade::Ended);
}

// The mouse acts on the plan of the current view only.
bool ViewProbe::probes(const TRuvo_Sub_Form* view) const {
    return view != nullptr && view == frame_.current_view() && !is_line_plot(ws_.views.current());
}

void ViewProbe::mouse_moved(TRuvo_Sub_Form* view, QPoint pixel) {
    if (probes(view)) apply_effect(*view, probe_mouse_move(ws_, pixel));
}

void ViewProbe::mouse_pressed(TRuvo_Sub_Form* view, Qt::MouseButton button) {
    if (probes(view)) apply_effect(*view, probe_mouse_down(ws_, probe_button(button)));
}

void ViewProbe::view_left(TRuvo_Sub_Form& view) { apply_effect(view, probe_view_left(ws_)); }

// FormKeyDown: the focus keys first, then the keyboard selection while no
// control of the main window has the focus.
void ViewProbe::key_pressed(TRuvo_Sub_Form* receiver, int key, Qt::KeyboardModifiers modifiers) {
    for (const char* name :
         focus_key_targets(key, ws_.views.current(), ws_.views.info_number_max, ws_.fixed_size_mode)) {
        auto* target = frame_.window.findChild<QWidget*>(QString::fromLatin1(name));
        if (target && target->isVisible()) target->setFocus(Qt::ShortcutFocusReason);
    }
    if (is_focus_letter(key)) {
        ws_.key_select = false;
        show_key_mode(KeyModeShade::Ended);
    }
    if (ws_.key_select && !panel_control_focused()) {
        const ProbeNode cursor = ws_.probe.probe();
        const ProbeEffect effect = Key_Select_Step(ws_, key, modifiers);
        apply_effect(*receiver, effect);
        if (ws_.probe.probe() != cursor && !effect.redraw) keep_cursor_in_sight();
    }
}

// A picture larger than its window follows the keyboard's cursor.
void ViewProbe::keep_cursor_in_sight() {
    if (TRuvo_Sub_Form* view = frame_.current_view()) {
        const ProbeNode cursor = ws_.probe.probe();
        view->keep_in_sight(mapping_of(ws_.views.at(view->slot())).node_pixel(ws_.store, cursor.i, cursor.j));
    }
}

void ViewProbe::key_select_chosen(TRuvo_Sub_Form* view) {
    if (view != frame_.current_view()) return;
    if (KeyBoardAreaSelectClick(ws_)) {
        // The keys then come to the main window, which hands them on.
        if (QWidget* control = QApplication::focusWidget()) control->clearFocus();
        frame_.window.setFocus(Qt::OtherFocusReason);
        show_key_mode(KeyModeShade::On);
    } else {
        frame_.right_panel.setFocus(Qt::OtherFocusReason);
        show_key_mode(KeyModeShade::SwitchedOff);
    }
}

// Whether a list, bar or other control of the main window has the focus;
// the window itself and the view windows are not controls.
bool ViewProbe::panel_control_focused() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && focus != &frame_.window && focus != &frame_.view_area &&
           !frame_.view_area.isAncestorOf(focus);
}

void ViewProbe::apply_effect(TRuvo_Sub_Form& receiver, const ProbeEffect& effect) {
    if (TRuvo_Sub_Form* view = frame_.current_view(); view && !effect.marks().empty()) {
        ViewImage& image = *view->image();
        const PlotState mapping = mapping_of(ws_.views.at(view->slot()));
        for (const QRect& changed : draw_probe_marks(image.picture(), ws_.store, mapping, effect.marks())) {
            image.update(changed);
        }
    }
    if (effect.show_values) frame_.status.show(probe_readout(ws_));
    if (!effect.scroll.isNull()) receiver.scroll_by(effect.scroll);
    if (effect.redraw) frame_.redraw();
    if (effect.refresh_status) frame_.refresh_status();
}

// KBMode_Edit's text: red while the mode is on, grey when it ended, the
// edit's own background when the menu switched it off. The current view's
// item shows the mode too.
void ViewProbe::show_key_mode(KeyModeShade shade) {
    QPalette palette = frame_.key_mode_edit.palette();
    const QColor text = shade == KeyModeShade::On      ? QColor(255, 0, 0)
                        : shade == KeyModeShade::Ended ? QColor(128, 128, 128)
                                                       : palette.color(QPalette::Base);
    palette.setColor(QPalette::Text, text);
    frame_.key_mode_edit.setPalette(palette);
    if (TRuvo_Sub_Form* view = frame_.current_view()) view->show_key_select_mark(ws_.key_select);
}

}  // namespace ruvo
