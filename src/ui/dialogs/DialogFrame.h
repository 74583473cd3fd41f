#pragma once

class QDialog;
class QWidget;

namespace ruvo {

// The frame of the small fixed dialogs (range, ratio, line width): a title
// bar with only a close box.
void use_close_box_only(QDialog& dialog);

// Moves a window to the middle of the screen it is on.
void centre_on_screen(QWidget& window);

}  // namespace ruvo
