#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace ruvo {

class TUpDown;
struct Workspace;

// The aspect ratio of the current view. The up-down, a percentage of the
// area's natural ratio, writes the ratio into the view at once; OK stores the
// ratio the edit holds, typed or stepped, and fixes it unless it is the
// natural one (the caller redraws); a ratio out of the allowed range is
// refused and the dialog stays open. Escape or the close box give the view
// back the ratio it had when the dialog opened.
class TChangeRatio : public QDialog {
    Q_OBJECT

public:
    explicit TChangeRatio(Workspace& ws, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void C_Ratio_UpDownClick(int position);
    void C_Ratio_OKClick();

    Workspace& ws_;
    double opening_ratio_ = 0.0;
    QPushButton* C_Ratio_OK;
    TUpDown* C_Ratio_UpDown;
    QLineEdit* C_Ratio_Edit;
};

}  // namespace ruvo
