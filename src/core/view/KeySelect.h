#pragma once

#include <Qt>

#include <vector>

#include "view/Probe.h"

namespace ruvo {

struct View_Info;
struct Workspace;

// How KBMode_Edit shows the keyboard selection mode: its text red while the
// mode is on, grey once a view's activation or a focus key ended it, in the
// edit's own background (unseen) once the menu item switched it off.
enum class KeyModeShade { On, Ended, SwitchedOff };

// KeyBoardAreaSelect: switches the keyboard selection mode. Switched on, the
// cursor (the probe) goes to the first node of the drawing area, not drawn
// yet. Returns the new mode.
bool KeyBoardAreaSelectClick(Workspace& ws);

// The controls of the main window (by object name) that a key pressed in a
// view gives the focus to, in the order of the rules; a later one takes the
// focus from an earlier one. The key is compared by its code alone.
std::vector<const char*> focus_key_targets(int key, const View_Info& view, int views_open, bool video_mode);

// V, S, G, M, P, X, Y, L, N and B end the keyboard selection mode, whether or
// not their control takes the focus.
bool is_focus_letter(int key);

// A key of the keyboard selection mode: the arrows and the keypad digits move
// the cursor in a plan view, Shift (and Shift+Alt) with the arrows scroll the
// current view's window, Enter fixes a corner, Esc cancels the
// selection or shows the whole area. Modifiers are compared as exact sets of
// Shift, Alt and Ctrl; the keypad's own flag tells its digits from the others.
ProbeEffect Key_Select_Step(Workspace& ws, int key, Qt::KeyboardModifiers modifiers);

// Keypad directions of the cursor.
inline constexpr int kCursorDown = 2;
inline constexpr int kCursorLeft = 4;
inline constexpr int kCursorRight = 6;
inline constexpr int kCursorUp = 8;

// One step of the cursor (5 with Ctrl, 10 with Shift+Ctrl), not made at all
// when it would leave the drawing area; the marker and the band follow it.
ProbeEffect Move_Key_Cursor(Workspace& ws, int direction, Qt::KeyboardModifiers modifiers);

}  // namespace ruvo
