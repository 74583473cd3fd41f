#pragma once

#include <QWidget>

#include <array>

#include "view/LayoutRules.h"

class QLineEdit;
class QPushButton;

namespace ruvo {

struct FieldStore;
struct View_Info;
struct Workspace;
class TTrackBarEx;

// One group of the panel: a label (a button where the group commits by
// button), a track bar and a read-only field showing the number.
struct ControlGroupWidgets {
    QWidget* label = nullptr;
    TTrackBarEx* bar = nullptr;
    QLineEdit* number = nullptr;

    void set_visible(bool visible) const;
    void set_enabled(bool enabled) const;
};

// The control bars of the right-hand panel, which set the drawing values of
// the active view. Moving the magnification or the contour-line bar only
// prepares a change, committed by its button or Enter; the other bars store
// their value in the view at once and ask for a redraw when the user lets
// go of them.
class ControlPanel : public QWidget {
    Q_OBJECT

public:
    explicit ControlPanel(Workspace& ws, QWidget* parent = nullptr);

    // The groups a layout shows (with their values) or hides; the others
    // stay as they are.
    void apply(const ControlLayout& layout);

    // Activation: the bar and its number show the view's magnification.
    void show_magnification(int magni);
    void enable_magnification(bool enabled);
    bool magnification_enabled() const;

    // After a grid read: the position bars span the grid's indices.
    void set_position_ranges(const FieldStore& store);

    // No view left, or the project closed: the magnification group is
    // disabled and every other group hidden.
    void reset();

    // The magnify tool buttons: the bar moves to `step` of its position and
    // the view is drawn at it.
    void magnify(int (*step)(int));
    // A magnification preset of the pop-up menu.
    void set_magnification_preset(int magni);

signals:
    void redraw_requested();
    void status_refresh_requested();

private:
    enum class Commit { ByButton, OnRelease, Position };
    struct GroupSpec;

    ControlGroupWidgets add_group(const GroupSpec& spec);
    void connect_two_step_bar(TTrackBarEx* bar, QPushButton* button, void (ControlPanel::*moved)(int),
                              void (ControlPanel::*commit)());
    void connect_immediate_bar(ControlGroup kind, Commit commit);
    ControlGroupWidgets& group(ControlGroup group) { return groups_[static_cast<std::size_t>(group)]; }
    void show_group(ControlGroup group, int value);
    View_Info* current_view() const;

    void on_magnification_moved(int position);
    void on_line_count_moved(int position);
    void on_setting_moved(ControlGroup group, int position);
    void on_position_moved(ControlGroup group, int position);
    void commit_magnification();
    void commit_line_count();
    void commit_both();
    void show_two_step_captions();
    void store_magnification(int position);

    // Where a two-step bar's change stands.
    enum class TwoStepChange { None, Pending, Committed };

    Workspace& ws_;
    ControlGroupWidgets magnification_;
    std::array<ControlGroupWidgets, kControlGroupCount> groups_;
    QPushButton* Magnification = nullptr;
    QPushButton* ScalarLineNumber = nullptr;
    TwoStepChange magnification_change_ = TwoStepChange::None;
    TwoStepChange line_count_change_ = TwoStepChange::None;
};

}  // namespace ruvo
