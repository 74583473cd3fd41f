#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

#include "ui/dialogs/RatioDialog.h"
#include "ui/viewwindow/ViewWindow.h"

class QAction;
class QPlainTextEdit;
class QWidget;

namespace ruvo {

class ControlPanel;
class PictureCommands;
class Progress;
class StatusBoxes;
class TArrow_Shape_Change;
class TChangeRatio;
class TMaxMinSet;
class TScalarLineWidth;
class ControlLayout;
struct RangeStep;
struct RememberedFolders;
struct SwitchEffect;
struct Workspace;

// What the view commands need of the main window.
struct ViewCommandsFrame {
    QWidget& window;      // parents the dialogs and takes the current view's unlisted keys
    ControlPanel& panel;  // shows the groups a command's layout asks for
    Progress& progress;   // ProgressBar1
    StatusBoxes& status;  // Edit1..Edit7
    QPlainTextEdit& log;  // why a picture was not drawn
    std::function<TRuvo_Sub_Form*()> current_view;
    std::function<void()> redraw;  // the redraw dispatcher, on the current view
};

// The commands of a view window's menus: the display switches, the range
// commands and their announcements, the neglect steps and the range and style
// dialogs (created once, reused for every view), which act only when their
// window is the current one; and the picture commands with the GRAF export,
// which take the chosen view's picture as last drawn.
class ViewCommands : public QObject {
    Q_OBJECT

public:
    ViewCommands(Workspace& ws, RememberedFolders& folders, PictureCommands& pictures, ViewCommandsFrame frame);

    void connect_view(TRuvo_Sub_Form* view);
    // The panel's groups and the window's items as `layout` has them.
    void apply_layout(TRuvo_Sub_Form& view, const ControlLayout& layout);
    // The keys of `view` that no menu lists work in the main window while it is current.
    void merge_unlisted_keys(const TRuvo_Sub_Form* view);

private:
    // A switch changes the record, then the panel, the window's items and
    // the picture follow what it asks for.
    void apply_view_switch(TRuvo_Sub_Form* view, const ViewSwitch& change);
    void apply_switch(TRuvo_Sub_Form& view, const SwitchEffect& effect);
    void draw_grid_over(TRuvo_Sub_Form& view);
    void apply_range_command(TRuvo_Sub_Form* view, RangeCommand command);
    void Announce_Range_Node(TRuvo_Sub_Form& view, const RangeStep& step);
    void step_other_coordinate(TRuvo_Sub_Form* view, int delta);
    void open_view_dialog(TRuvo_Sub_Form* view, ViewDialog which);
    void set_current_ratio(double ratio, RatioChoice choice);
    void run_picture_command(TRuvo_Sub_Form* view, PictureCommand command);
    void File_GRAFileClick(TRuvo_Sub_Form* view);
    void warn(const char* message);

    Workspace& ws_;
    RememberedFolders& folders_;
    PictureCommands& pictures_;
    ViewCommandsFrame frame_;
    TChangeRatio* ChangeRatio;
    TMaxMinSet* MaxMinSet;
    TScalarLineWidth* ScalarLineWidth;
    TArrow_Shape_Change* Arrow_Shape_Change;
    QList<QPointer<QAction>> merged_keys_;
};

}  // namespace ruvo
