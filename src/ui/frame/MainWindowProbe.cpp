// The main window's side of the mouse probe, the area selection and the keys
// of the view windows: the core decides, the windows draw and show.

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>

#include "Workspace.h"
#include "plot/ProbeMarks.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/StatusBindings.h"
#include "ui/viewwindow/ViewWindow.h"
#include "view/KeySelect.h"
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

// The mouse acts on the plan of the current view only.
bool TRuvo_Main_Form::probes(const TRuvo_Sub_Form* view) const {
    return view != nullptr && view == current_view() && !is_line_plot(ws_->views.current());
}

void TRuvo_Main_Form::view_mouse_moved(TRuvo_Sub_Form* view, QPoint pixel) {
    if (probes(view)) apply_probe_effect(*view, probe_mouse_move(*ws_, pixel));
}

void TRuvo_Main_Form::view_mouse_pressed(TRuvo_Sub_Form* view, Qt::MouseButton button) {
    if (probes(view)) apply_probe_effect(*view, probe_mouse_down(*ws_, probe_button(button)));
}

void TRuvo_Main_Form::view_deactivated(TRuvo_Sub_Form& view) { apply_probe_effect(view, probe_view_left(*ws_)); }

// FormKeyDown: the focus keys first, then the keyboard selection while no
// control of the main window has the focus.
void TRuvo_Main_Form::view_key_pressed(TRuvo_Sub_Form* receiver, int key, Qt::KeyboardModifiers modifiers) {
    for (const char* name :
         focus_key_targets(key, ws_->views.current(), ws_->views.info_number_max, ws_->fixed_size_mode)) {
        auto* target = findChild<QWidget*>(QString::fromLatin1(name));
        if (target && target->isVisible()) target->setFocus(Qt::ShortcutFocusReason);
    }
    if (is_focus_letter(key)) {
        ws_->key_select = false;
        show_key_mode(KeyModeShade::Ended);
    }
    if (ws_->key_select && !panel_control_focused()) {
        apply_probe_effect(*receiver, Key_Select_Step(*ws_, key, modifiers));
    }
}

void TRuvo_Main_Form::key_select_chosen(TRuvo_Sub_Form* view) {
    if (view != current_view()) return;
    if (KeyBoardAreaSelectClick(*ws_)) {
        // The keys then come to the main window, which hands them on.
        if (QWidget* control = QApplication::focusWidget()) control->clearFocus();
        setFocus(Qt::OtherFocusReason);
        show_key_mode(KeyModeShade::On);
    } else {
        RightStatusBar->setFocus(Qt::OtherFocusReason);
        show_key_mode(KeyModeShade::SwitchedOff);
    }
}

// Whether a list, bar or other control of the main window has the focus;
// the window itself and the view windows are not controls.
bool TRuvo_Main_Form::panel_control_focused() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && focus != this && focus != mdi_area_ && !mdi_area_->isAncestorOf(focus);
}

void TRuvo_Main_Form::apply_probe_effect(TRuvo_Sub_Form& receiver, const ProbeEffect& effect) {
    if (TRuvo_Sub_Form* view = current_view(); view && !effect.marks().empty()) {
        ViewImage& image = *view->image();
        const PlotState mapping = mapping_of(ws_->views.at(view->slot()));
        for (const QRect& changed : draw_probe_marks(image.picture(), ws_->store, mapping, effect.marks())) {
            image.update(changed);
        }
    }
    if (effect.show_values) Show_Probe_Values();
    if (!effect.scroll.isNull()) receiver.scroll_by(effect.scroll);
    if (effect.redraw) Redraw();
    if (effect.refresh_status) Status_Refresh();
}

void TRuvo_Main_Form::Show_Probe_Values() { status_boxes_->show(probe_readout(*ws_)); }

// KBMode_Edit's text: red while the mode is on, grey when it ended, the
// edit's own background when the menu switched it off. The current view's
// item shows the mode too.
void TRuvo_Main_Form::show_key_mode(KeyModeShade shade) {
    QPalette palette = KBMode_Edit->palette();
    const QColor text = shade == KeyModeShade::On      ? QColor(255, 0, 0)
                        : shade == KeyModeShade::Ended ? QColor(128, 128, 128)
                                                       : palette.color(QPalette::Base);
    palette.setColor(QPalette::Text, text);
    KBMode_Edit->setPalette(palette);
    if (TRuvo_Sub_Form* view = current_view()) view->show_key_select_mark(ws_->key_select);
}

}  // namespace ruvo
