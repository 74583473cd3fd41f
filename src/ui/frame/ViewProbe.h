#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

#include "view/KeySelect.h"

class QLineEdit;
class QMdiArea;
class QWidget;

namespace ruvo {

class StatusBoxes;
class TRuvo_Sub_Form;
class ProbeEffect;
struct Workspace;

// What the probe needs of the main window: the widgets it moves the focus
// among and shows in, and the current view's window, redraw and status.
struct ProbeFrame {
    QWidget& window;           // the main window: the focus keys' targets, and the keys' home
    QMdiArea& view_area;       // the view windows are no controls of the main window
    QWidget& right_panel;      // takes the focus when the keyboard selection is switched off
    QLineEdit& key_mode_edit;  // KBMode_Edit
    StatusBoxes& status;       // Edit1..Edit7
    std::function<TRuvo_Sub_Form*()> current_view;
    std::function<void()> redraw;
    std::function<void()> refresh_status;
};

// The main window's side of the mouse probe, the area selection and the keys
// of the view windows: the core decides, the windows draw and show.
class ViewProbe : public QObject {
    Q_OBJECT

public:
    ViewProbe(Workspace& ws, ProbeFrame frame);

    void mouse_moved(TRuvo_Sub_Form* view, QPoint pixel);
    void mouse_pressed(TRuvo_Sub_Form* view, Qt::MouseButton button);
    void view_left(TRuvo_Sub_Form& view);
    // `receiver` is the window that got the key; the marks go on the current view's picture.
    void key_pressed(TRuvo_Sub_Form* receiver, int key, Qt::KeyboardModifiers modifiers);
    void key_select_chosen(TRuvo_Sub_Form* view);
    void show_key_mode(KeyModeShade shade);

private:
    bool probes(const TRuvo_Sub_Form* view) const;
    bool panel_control_focused() const;
    void apply_effect(TRuvo_Sub_Form& receiver, const ProbeEffect& effect);
    void keep_cursor_in_sight();

    Workspace& ws_;
    ProbeFrame frame_;
};

}  // namespace ruvo
