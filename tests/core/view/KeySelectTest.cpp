#include <gtest/gtest.h>

#include "core/plot/PlotTestSupport.h"
#include "view/KeySelect.h"

namespace ruvo {
namespace {

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;
constexpr Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;

// A grid view of 20 x 12 nodes with the keyboard selection mode on.
class KeySelect : public ::testing::Test {
protected:
    KeySelect() { EXPECT_TRUE(KeyBoardAreaSelectClick(*ws_)); }
    ProbeEffect press(int key, Qt::KeyboardModifiers held = kNone) { return Key_Select_Step(*ws_, key, held); }
    ProbeNode cursor() const { return ws_->probe.probe(); }

    std::unique_ptr<Workspace> ws_ = test::grid_workspace(20, 12);
};

TEST_F(KeySelect, CursorStepsAndScrollsByTheExactModifiers) {
    struct Step {
        int key;
        Qt::KeyboardModifiers modifiers;
        ProbeNode cursor;  // where it is after the key
        QPoint scroll;
    };
    // From the first node, (1, 1); the top row is j = 12.
    const Step steps[] = {
        {Qt::Key_Up, kCtrl, {1, 6}, {}},
        {Qt::Key_8, kKeypad | kCtrl, {1, 11}, {}},
        {Qt::Key_Up, kCtrl, {1, 11}, {}},  // 5 would overshoot: no step at all
        {Qt::Key_Up, kNone, {1, 12}, {}},
        {Qt::Key_8, kNone, {1, 12}, {}},  // not the keypad's 8
        {Qt::Key_Right, kShift | kCtrl, {11, 12}, {}},
        {Qt::Key_Right, kShift | kCtrl, {11, 12}, {}},
        {Qt::Key_Right, kShift, {11, 12}, {100, 0}},
        {Qt::Key_Up, kShift | kAlt, {11, 12}, {0, -200}},
        {Qt::Key_6, kKeypad | kShift, {11, 12}, {}},  // the keypad does not scroll
        {Qt::Key_Left, kAlt | kCtrl, {10, 12}, {}},
        {Qt::Key_2, kKeypad, {10, 11}, {}},
    };
    for (const Step& s : steps) {
        const ProbeEffect effect = press(s.key, s.modifiers);
        EXPECT_EQ(cursor(), s.cursor) << s.key << " " << s.modifiers.toInt();
        EXPECT_EQ(effect.scroll, s.scroll) << s.key << " " << s.modifiers.toInt();
    }
    // A Row view scrolls but keeps the cursor.
    ws_->views.current().FileType = kScalarView;
    ws_->views.current().ScalarViewType = kRowView;
    EXPECT_TRUE(press(Qt::Key_Right).marks().empty());
    EXPECT_EQ(press(Qt::Key_Down, kShift).scroll, QPoint(0, 100));
    EXPECT_EQ(cursor(), (ProbeNode{10, 11}));
}

TEST_F(KeySelect, EnterThreeRightTwoUpEnterSelectsFourByThreeNodes) {
    press(Qt::Key_Right);
    press(Qt::Key_Up);                                   // the cursor at (2, 2)
    EXPECT_FALSE(press(Qt::Key_Return, kShift).redraw);  // Enter whatever the modifiers
    for (int k = 0; k < 3; ++k) press(Qt::Key_Right);
    ProbeEffect effect = press(Qt::Key_Up);
    EXPECT_EQ(effect.marks().back(), (ProbeMark{ProbeMark::Kind::Band, {2, 2}, {5, 3}}));
    press(Qt::Key_Up);
    EXPECT_TRUE(press(Qt::Key_Enter, kKeypad).redraw);
    const View_Info& view = ws_->views.current();
    EXPECT_EQ((std::array{view.x_start, view.y_start, view.x_end, view.y_end}), (std::array{2, 2, 5, 4}));
    EXPECT_EQ(cursor(), (ProbeNode{2, 2}));
    EXPECT_FALSE(ws_->probe.selecting);

    // Esc ends a selection, then shows the whole grid with the cursor on its first node.
    press(Qt::Key_Return);
    press(Qt::Key_Right);
    effect = press(Qt::Key_Escape);
    EXPECT_EQ(effect.marks(), (std::vector<ProbeMark>{{ProbeMark::Kind::Band, {2, 2}, {3, 2}}}));
    EXPECT_FALSE(ws_->probe.selecting);
    EXPECT_TRUE(press(Qt::Key_Escape).redraw);
    EXPECT_EQ(view.x_end, 20);
    EXPECT_EQ(cursor(), (ProbeNode{1, 1}));
}

TEST(FocusKeys, EachApplicableRuleInItsOrder) {
    const auto targets = [](int key, const View_Info& view, bool video_mode = false) {
        const std::vector<const char*> names = focus_key_targets(key, view, 1, video_mode);
        return std::vector<std::string>(names.begin(), names.end());
    };
    View_Info vectors;
    vectors.FileType = kVectorView;
    vectors.x_grid_mode = false;
    EXPECT_EQ(targets(Qt::Key_X, vectors), std::vector<std::string>{"XStepBar"});
    EXPECT_TRUE(targets(Qt::Key_M, vectors, true).empty());  // not in video mode
    View_Info detail;
    detail.FileType = kScalarView;
    detail.ScalarViewType = kDetailView;
    detail.Detail_Axis = false;
    detail.Vector_Overlap = true;
    EXPECT_EQ(targets(Qt::Key_L, detail), (std::vector<std::string>{"VectorLengthBar", "VectorLengthBar"}));
    EXPECT_EQ(targets(Qt::Key_P, detail), std::vector<std::string>{"YPosBar"});
    EXPECT_TRUE(is_focus_letter(Qt::Key_B));
    EXPECT_FALSE(is_focus_letter(Qt::Key_R));
}

}  // namespace
}  // namespace ruvo
