// The menus of a view window (Sub_Menu), its pop-up menu, and the switches
// of its View menu.

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <algorithm>

#include "Workspace.h"
#include "ui/frame/MenuShortcuts.h"
#include "ui/Messages.h"
#include "ui/viewwindow/ViewWindow.h"
#include "ui/WidgetNames.h"
#include "view/DisplaySwitches.h"
#include "view/Probe.h"

namespace ruvo {

namespace {

using M = ViewMenuItem;

QMenu* add_named_menu(QMenu* parent, const char* name, const char* caption) {
    QMenu* menu = parent->addMenu(QString::fromUtf8(caption));
    name_widget(menu, name);
    return menu;
}

QMenu* named_menu(QWidget* owner, const char* name, const char* caption) {
    auto* menu = new QMenu(QString::fromUtf8(caption), owner);
    name_widget(menu, name);
    return menu;
}

// The items a view window's menus start with disabled.
constexpr M kDisabledAtStart[] = {M::Beta_Color_Gray_Switch,     M::View_Cntr_SwitchAxis,    M::View_Cntr_Point_Switch,
                                  M::View_Cntr_AutoScale_Switch, M::View_Cntr_YScale_Switch, M::View_Cntr_YAxis_Switch,
                                  M::View_Cntr_Neglect_Up,       M::View_Cntr_Neglect_Down,  M::View_Cntr_MinDefault,
                                  M::View_Cntr_MaxDefault};

// The six kinds of a scalar view: one radio group.
constexpr M kKindItems[] = {M::View_Cntr_Switch,        M::View_Cntr_Beta_Switch, M::View_Cntr_KEpsilon_Switch,
                            M::View_Cntr_Column_Switch, M::View_Cntr_Row_Switch,  M::View_Cntr_Detail_Switch};

bool is_kind_item(M item) {
    return std::find(std::begin(kKindItems), std::end(kKindItems), item) != std::end(kKindItems);
}

// Magnification presets of the pop-up menu.
struct Preset {
    const char* name;
    const char* caption;
    int magni;
};
constexpr Preset kPresets[] = {{"Ratio_100", messages::kRatio100, 100}, {"Ratio_150", messages::kRatio150, 150},
                               {"Ratio_200", messages::kRatio200, 200}, {"Ratio_300", messages::kRatio300, 300},
                               {"Ratio_500", messages::kRatio500, 500}, {"Ratio_800", messages::kRatio800, 800}};

}  // namespace

QList<QMenu*> TRuvo_Sub_Form::view_menus() const { return {Edit_Sub, Show_Sub, Option_Sub}; }

QAction* TRuvo_Sub_Form::add_layout_item(QMenu* menu, ViewMenuItem which, const char* name, const char* caption,
                                         const QKeySequence& shortcut) {
    QAction* action = add_named_item(menu, name, caption, shortcut);
    items_[static_cast<std::size_t>(which)] = action;
    return action;
}

void TRuvo_Sub_Form::build_menus() {
    build_file_menu();

    Edit_Sub = named_menu(this, "Edit_Sub", messages::kEditSubMenu);
    connect(add_named_item(Edit_Sub, "Copy", messages::kCopy, QKeySequence(Qt::CTRL | Qt::Key_C)), &QAction::triggered,
            this, &TRuvo_Sub_Form::CopyClick);
    add_named_item(Edit_Sub, "CopyArea", messages::kCopyArea)->setEnabled(false);
    add_named_item(Edit_Sub, "Undo", messages::kUndo, QKeySequence(Qt::CTRL | Qt::Key_Z))->setEnabled(false);

    build_show_menu();

    Option_Sub = named_menu(this, "Option_Sub", messages::kOptionSubMenu);
    add_named_item(Option_Sub, "KT2", messages::kSpeedButtonsShowHide)->setEnabled(false);
    add_named_item(Option_Sub, "KE1", messages::kEnvironmentSettings)->setEnabled(false);

    build_popup_menu();

    for (const M checkable :
         {M::X_Dot_Mode, M::Y_Dot_Mode, M::View_Cntr_Color_Switch, M::View_Cntr_Broken_Switch, M::Cntr_Overlap_Switch,
          M::Vector_Overlap_Switch, M::View_Cntr_Point_Switch, M::View_Cntr_AutoScale_Switch,
          M::View_Cntr_YScale_Switch, M::View_Cntr_YAxis_Switch, M::Grid_Overlap_Show, M::Closed_Grid_Show}) {
        item(checkable)->setCheckable(true);
    }
    auto* kinds = new QActionGroup(this);
    kinds->setExclusive(true);
    for (const M kind : kKindItems) {
        item(kind)->setCheckable(true);
        kinds->addAction(item(kind));
    }
    item(M::View_Cntr_Neglect_Up)->setVisible(false);
    item(M::View_Cntr_Neglect_Down)->setVisible(false);
    for (const M disabled : kDisabledAtStart) marks_[static_cast<std::size_t>(disabled)].enabled = false;
    show_item_marks();
    connect_switches();
    connect_range_and_style_items();
}

QList<QAction*> TRuvo_Sub_Form::actions_of_menus() const { return findChildren<QAction*>(); }

// Qt toggles the mark as the item triggers; the main window puts back the mode.
void TRuvo_Sub_Form::show_key_select_mark(bool on) { KeyBoardAreaSelect->setChecked(on); }

// Items whose commands are not built yet carry their names, captions and
// shortcuts and follow the layout rules, but do nothing.
void TRuvo_Sub_Form::build_file_menu() {
    File_Sub = named_menu(this, "File_Sub", messages::kFileSubMenu);
    connect(add_named_item(File_Sub, "SaveAsBitmap", messages::kSaveAsBitmap,
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B)),
            &QAction::triggered, this, &TRuvo_Sub_Form::SaveAsBitmapClick);
    File_Sub->addSeparator();
    connect(add_named_item(File_Sub, "Close_File", messages::kCloseFile), &QAction::triggered, this,
            &TRuvo_Sub_Form::Close_FileClick);
    connect(add_named_item(File_Sub, "Close_All_File", messages::kCloseAllFile), &QAction::triggered, this,
            &TRuvo_Sub_Form::Close_All_FileClick);
    File_Sub->addSeparator();
    connect(add_named_item(File_Sub, "File_GRAFile", messages::kFileGRAFile,
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G)),
            &QAction::triggered, this, &TRuvo_Sub_Form::File_GRAFileClick);
    File_Sub->addSeparator();
    connect(add_named_item(File_Sub, "PrinterSetup", messages::kPrinterSetup,
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)),
            &QAction::triggered, this, &TRuvo_Sub_Form::PrinterSetupClick);
    connect(add_named_item(File_Sub, "Print", messages::kPrintItem, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)),
            &QAction::triggered, this, &TRuvo_Sub_Form::PrintClick);
    connect(add_named_item(File_Sub, "PrintPreview", messages::kPrintPreview), &QAction::triggered, this,
            &TRuvo_Sub_Form::PrintPreviewClick);
    File_Sub->addSeparator();
    connect(add_named_item(File_Sub, "Exit_Ruvo", messages::kExitRuvo), &QAction::triggered, this,
            &TRuvo_Sub_Form::exit_requested);
}

void TRuvo_Sub_Form::build_show_menu() {
    Show_Sub = named_menu(this, "Show_Sub", messages::kShowSubMenu);

    QMenu* vectors = add_named_menu(Show_Sub, "Vector_Property", messages::kVectorProperty);
    items_[static_cast<std::size_t>(M::Vector_Property)] = vectors->menuAction();
    add_layout_item(vectors, M::X_Dot_Mode, "X_Dot_Mode", messages::kXDotMode, QKeySequence(Qt::CTRL | Qt::Key_D));
    add_layout_item(vectors, M::Y_Dot_Mode, "Y_Dot_Mode", messages::kYDotMode, QKeySequence(Qt::CTRL | Qt::Key_J));
    add_named_item(vectors, "Arrow_Shape", messages::kArrowShape);

    QMenu* scalars = add_named_menu(Show_Sub, "Scalar_Property", messages::kScalarProperty);
    items_[static_cast<std::size_t>(M::Scalar_Property)] = scalars->menuAction();
    add_layout_item(scalars, M::View_Cntr_Switch, "View_Cntr_Switch", messages::kViewCntrSwitch,
                    QKeySequence(Qt::Key_F2));
    add_layout_item(scalars, M::View_Cntr_Color_Switch, "View_Cntr_Color_Switch", messages::kViewCntrColorSwitch,
                    QKeySequence(Qt::Key_C));
    add_layout_item(scalars, M::View_Cntr_Broken_Switch, "View_Cntr_Broken_Switch", messages::kViewCntrBrokenSwitch);
    // Not one of the layout's items: it is the view's own choice, offered for
    // every scalar kind, and the mark follows the record.
    QAction* labels = add_named_item(scalars, "View_Cntr_Label_Switch", messages::kViewCntrLabelSwitch);
    labels->setCheckable(true);
    connect_switch(labels, [](Workspace&, View_Info& v) { return View_Cntr_Label_SwitchClick(v); });
    add_layout_item(scalars, M::Scalar_Line_Width, "Scalar_Line_Width", messages::kScalarLineWidth,
                    QKeySequence(Qt::Key_W));
    scalars->addSeparator();
    add_layout_item(scalars, M::View_Cntr_Beta_Switch, "View_Cntr_Beta_Switch", messages::kViewCntrBetaSwitch,
                    QKeySequence(Qt::Key_F3));
    add_layout_item(scalars, M::Beta_Color_Gray_Switch, "Beta_Color_Gray_Switch", messages::kBetaColorGraySwitch,
                    QKeySequence(Qt::ALT | Qt::Key_G));
    scalars->addSeparator();
    add_layout_item(scalars, M::Cntr_Overlap_Switch, "Cntr_Overlap_Switch", messages::kCntrOverlapSwitch,
                    QKeySequence(Qt::CTRL | Qt::Key_F2));
    add_layout_item(scalars, M::Vector_Overlap_Switch, "Vector_Overlap_Switch", messages::kVectorOverlapSwitch,
                    QKeySequence(Qt::CTRL | Qt::Key_V));
    scalars->addSeparator();
    add_layout_item(scalars, M::View_Cntr_KEpsilon_Switch, "View_Cntr_KEpsilon_Switch",
                    messages::kViewCntrKEpsilonSwitch, QKeySequence(Qt::Key_F5));
    add_layout_item(scalars, M::View_Cntr_Column_Switch, "View_Cntr_Column_Switch", messages::kViewCntrColumnSwitch,
                    QKeySequence(Qt::Key_F6));
    add_layout_item(scalars, M::View_Cntr_Row_Switch, "View_Cntr_Row_Switch", messages::kViewCntrRowSwitch,
                    QKeySequence(Qt::Key_F7));
    add_layout_item(scalars, M::View_Cntr_Detail_Switch, "View_Cntr_Detail_Switch", messages::kViewCntrDetailSwitch,
                    QKeySequence(Qt::Key_F8));
    scalars->addSeparator();
    add_layout_item(scalars, M::View_Cntr_SwitchAxis, "View_Cntr_SwitchAxis", messages::kViewCntrSwitchAxis,
                    QKeySequence(Qt::Key_Z));
    add_layout_item(scalars, M::View_Cntr_Point_Switch, "View_Cntr_Point_Switch", messages::kViewCntrPointSwitch,
                    QKeySequence(Qt::Key_O));
    add_layout_item(scalars, M::View_Cntr_AutoScale_Switch, "View_Cntr_AutoScale_Switch",
                    messages::kViewCntrAutoScaleSwitch, QKeySequence(Qt::Key_A));
    add_layout_item(scalars, M::View_Cntr_YScale_Switch, "View_Cntr_YScale_Switch", messages::kViewCntrYScaleSwitch,
                    QKeySequence(Qt::Key_U));
    add_layout_item(scalars, M::View_Cntr_YAxis_Switch, "View_Cntr_YAxis_Switch", messages::kViewCntrYAxisSwitch,
                    QKeySequence(Qt::Key_T));
    add_layout_item(scalars, M::View_Cntr_Neglect_Up, "View_Cntr_Neglect_Up", messages::kViewCntrNeglectUp,
                    QKeySequence(Qt::Key_K));
    add_layout_item(scalars, M::View_Cntr_Neglect_Down, "View_Cntr_Neglect_Down", messages::kViewCntrNeglectDown,
                    QKeySequence(Qt::Key_J));
    scalars->addSeparator();
    add_layout_item(scalars, M::View_Cntr_MinUp, "View_Cntr_MinUp", messages::kViewCntrMinUp,
                    QKeySequence(Qt::CTRL | Qt::Key_U));
    add_layout_item(scalars, M::View_Cntr_MinDefault, "View_Cntr_MinDefault", messages::kViewCntrMinDefault,
                    QKeySequence(Qt::CTRL | Qt::Key_Q));
    add_layout_item(scalars, M::View_Cntr_MaxDown, "View_Cntr_MaxDown", messages::kViewCntrMaxDown,
                    QKeySequence(Qt::CTRL | Qt::Key_M));
    add_layout_item(scalars, M::View_Cntr_MaxDefault, "View_Cntr_MaxDefault", messages::kViewCntrMaxDefault,
                    QKeySequence(Qt::CTRL | Qt::Key_X));
    add_named_item(scalars, "View_Cntr_MaxMinSet", messages::kViewCntrMaxMinSet, QKeySequence(Qt::CTRL | Qt::Key_I));

    QMenu* grid = add_named_menu(Show_Sub, "Grid_Property", messages::kGridProperty);
    add_layout_item(grid, M::Grid_Overlap_Show, "Grid_Overlap_Show", messages::kGridOverlapShow,
                    QKeySequence(Qt::CTRL | Qt::Key_G));
    add_layout_item(grid, M::Closed_Grid_Show, "Closed_Grid_Show", messages::kClosedGridShow,
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));

    KeyBoardAreaSelect =
        add_named_item(Show_Sub, "KeyBoardAreaSelect", messages::kKeyBoardAreaSelect, QKeySequence(Qt::Key_R));
    KeyBoardAreaSelect->setCheckable(true);
    connect(KeyBoardAreaSelect, &QAction::triggered, this, [this] { emit key_select_chosen(this); });
    // The mark is the view's own; the record follows it.
    QAction* nearest_probe = add_named_item(Show_Sub, "Nearest_Node_Probe", messages::kNearestNodeProbe);
    nearest_probe->setCheckable(true);
    connect(nearest_probe, &QAction::triggered, this, [this](bool checked) {
        emit switch_chosen(this, [checked](Workspace&, View_Info& v) { return Nearest_Probe_SwitchClick(v, checked); });
    });
    Show_All = add_named_item(Show_Sub, "Show_All", messages::kShowAll, QKeySequence(Qt::CTRL | Qt::Key_W));
    add_named_item(Show_Sub, "Change_Ratio", messages::kChangeRatio, QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(add_named_item(Show_Sub, "Follow_Mode_Switch", messages::kFollowModeSwitch,
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F)),
            &QAction::triggered, this, &TRuvo_Sub_Form::follow_mode_chosen);
}

void TRuvo_Sub_Form::build_popup_menu() {
    PopupMenu = named_menu(this, "PopupMenu", "");
    Pre_Area = add_named_item(PopupMenu, "Pre_Area", messages::kPreArea);
    All_Area = add_named_item(PopupMenu, "All_Area", messages::kAllArea);
    PopupMenu->addSeparator();
    for (const Preset& preset : kPresets) {
        connect(add_named_item(PopupMenu, preset.name, preset.caption), &QAction::triggered, this,
                [this, magni = preset.magni] { emit magnification_chosen(this, magni); });
    }
    Image1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Image1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu->popup(Image1->mapToGlobal(at)); });
}

void TRuvo_Sub_Form::connect_switches() {
    using Switch = SwitchEffect (*)(Workspace & ws, View_Info & view);
    const std::pair<M, Switch> switches[] = {
        {M::X_Dot_Mode, [](Workspace&, View_Info& v) { return X_Grid_ModeClick(v); }},
        {M::Y_Dot_Mode, [](Workspace&, View_Info& v) { return Y__Dot_ModeClick(v); }},
        {M::View_Cntr_Switch, [](Workspace&, View_Info& v) { return View_Cntr_SwitchClick(v); }},
        {M::View_Cntr_Color_Switch, [](Workspace&, View_Info& v) { return View_Cntr_Color_SwitchClick(v); }},
        {M::View_Cntr_Broken_Switch, [](Workspace&, View_Info& v) { return View_Cntr_Broken_SwitchClick(v); }},
        {M::View_Cntr_Beta_Switch, [](Workspace&, View_Info& v) { return View_Cntr_Beta_SwitchClick(v); }},
        {M::Beta_Color_Gray_Switch, [](Workspace&, View_Info& v) { return Beta_Color_Gray_SwitchClick(v); }},
        {M::Cntr_Overlap_Switch, [](Workspace&, View_Info& v) { return Cntr_Overlap_SwitchClick(v); }},
        {M::Vector_Overlap_Switch, [](Workspace& ws, View_Info& v) { return Vector_Overlap_SwitchClick(v, ws.store); }},
        {M::View_Cntr_KEpsilon_Switch, [](Workspace&, View_Info& v) { return View_Cntr_KEpsilon_SwitchClick(v); }},
        {M::View_Cntr_Column_Switch, [](Workspace&, View_Info& v) { return View_Cntr_Column_SwitchClick(v); }},
        {M::View_Cntr_Row_Switch, [](Workspace&, View_Info& v) { return View_Cntr_Row_SwitchClick(v); }},
        {M::View_Cntr_Detail_Switch, [](Workspace&, View_Info& v) { return View_Cntr_Detail_SwitchClick(v); }},
        {M::View_Cntr_SwitchAxis, [](Workspace&, View_Info& v) { return View_Cntr_SwitchAxisClick(v); }},
        {M::View_Cntr_Point_Switch, [](Workspace&, View_Info& v) { return View_Cntr_Point_SwitchClick(v); }},
        {M::View_Cntr_AutoScale_Switch, [](Workspace&, View_Info& v) { return View_Cntr_AutoScale_SwitchClick(v); }},
        {M::View_Cntr_YScale_Switch, [](Workspace&, View_Info& v) { return View_Cntr_YScale_SwitchClick(v); }},
        {M::View_Cntr_YAxis_Switch, [](Workspace&, View_Info& v) { return View_Cntr_YAxis_SwitchClick(v); }},
        {M::Grid_Overlap_Show, [](Workspace&, View_Info& v) { return Grid_Overlap_ShowClick(v); }},
    };
    for (const auto& [which, handler] : switches) connect_switch(item(which), handler);
    connect_switch(Show_All, [](Workspace& ws, View_Info& v) { return Show_AllClick(v, ws.store); });
    connect_switch(All_Area, [](Workspace& ws, View_Info& v) { return Show_AllClick(v, ws.store); });
    connect_switch(Pre_Area, [](Workspace&, View_Info& v) { return Pre_AreaClick(v); });

    // The flag is one for all windows; the switch reads this window's mark.
    QAction* closed_grid = item(M::Closed_Grid_Show);
    connect(closed_grid, &QAction::triggered, this, [this, closed_grid] {
        if (reachable(closed_grid)) {
            const bool marked = marks_[static_cast<std::size_t>(M::Closed_Grid_Show)].checked;
            emit switch_chosen(this,
                               [marked](Workspace& ws, View_Info&) { return Closed_Grid_ShowClick(ws.store, marked); });
        }
        show_item_marks();
    });
}

void TRuvo_Sub_Form::connect_switch(QAction* action, const ViewSwitch& change) {
    on_reachable(action, [this, change] { emit switch_chosen(this, change); });
}

void TRuvo_Sub_Form::on_reachable(QAction* action, const std::function<void()>& act) {
    connect(action, &QAction::triggered, this, [this, action, act] {
        if (reachable(action)) act();
        show_item_marks();
    });
}

// The range commands, the neglect steps and the items that open dialogs.
void TRuvo_Sub_Form::connect_range_and_style_items() {
    const std::pair<M, RangeCommand> range_commands[] = {
        {M::View_Cntr_MinUp, View_Cntr_MinUpClick},
        {M::View_Cntr_MinDefault, View_Cntr_MinDefaultClick},
        {M::View_Cntr_MaxDown, View_Cntr_MaxDownClick},
        {M::View_Cntr_MaxDefault, View_Cntr_MaxDefaultClick},
    };
    for (const auto& [which, command] : range_commands) {
        on_reachable(item(which), [this, command = command] { emit range_command_chosen(this, command); });
    }

    const std::pair<const char*, ViewDialog> dialogs[] = {
        {"View_Cntr_MaxMinSet", ViewDialog::MaxMinSet},
        {"Change_Ratio", ViewDialog::ChangeRatio},
        {"Scalar_Line_Width", ViewDialog::ScalarLineWidth},
        {"Arrow_Shape", ViewDialog::ArrowShape},
    };
    for (const auto& [name, dialog] : dialogs) {
        on_reachable(findChild<QAction*>(QString::fromLatin1(name)),
                     [this, dialog = dialog] { emit dialog_chosen(this, dialog); });
    }

    // The neglect items are not shown, so their keys are actions of their own
    // that act while the item is enabled and reachable.
    for (const auto& [which, delta] :
         {std::pair{M::View_Cntr_Neglect_Up, 1}, std::pair{M::View_Cntr_Neglect_Down, -1}}) {
        QAction* hidden = item(which);
        auto* key = new QAction(hidden->text(), this);
        key->setShortcut(hidden->shortcut());
        const ItemMark& mark = marks_[static_cast<std::size_t>(which)];
        connect(key, &QAction::triggered, this, [this, hidden, &mark, delta = delta] {
            if (mark.enabled && reachable(hidden)) emit neglect_step_chosen(this, delta);
        });
        unlisted_keys_ << key;
    }
}

// A shortcut reaches an item even when the menu holding it is disabled;
// the item acts only when every menu above it is enabled.
bool TRuvo_Sub_Form::reachable(const QAction* action) const {
    for (QObject* holder : action->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(holder)) {
            if (!menu->menuAction()->isEnabled() || !reachable(menu->menuAction())) return false;
        }
    }
    return true;
}

void TRuvo_Sub_Form::apply_item_layout(const ControlLayout& layout) {
    for (int k = 0; k < kViewMenuItemCount; ++k) {
        const auto which = static_cast<M>(k);
        const ItemState& state = layout.item(which);
        ItemMark& mark = marks_[static_cast<std::size_t>(k)];
        if (state.enabled) mark.enabled = *state.enabled;
        if (!state.checked) continue;
        if (*state.checked && is_kind_item(which)) {
            for (const M kind : kKindItems) marks_[static_cast<std::size_t>(kind)].checked = false;
        }
        mark.checked = *state.checked;
    }
    show_item_marks();
}

void TRuvo_Sub_Form::show_item_marks() {
    for (int k = 0; k < kViewMenuItemCount; ++k) {
        QAction* action = items_[static_cast<std::size_t>(k)];
        const ItemMark& mark = marks_[static_cast<std::size_t>(k)];
        action->setEnabled(mark.enabled);
        if (action->isCheckable()) action->setChecked(mark.checked);
    }
}

}  // namespace ruvo
