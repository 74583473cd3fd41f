#pragma once

#include <QDialog>

#include <functional>
#include <optional>

class QLineEdit;
class QPushButton;

namespace ruvo {

class TUpDown;

// How the dialog hands a ratio on: to be shown at once, or fixed.
enum class RatioChoice { Shown, Fixed };

// Edits the aspect ratio of a view. The up-down, a percentage of the area's
// natural ratio, hands its ratio on to be shown at once; OK hands on the
// ratio the edit holds, typed or stepped, to be fixed (the caller redraws);
// a ratio out of the allowed range is refused and the dialog stays open.
// Escape or the close box hand back the ratio it opened with.
class TChangeRatio : public QDialog {
    Q_OBJECT

public:
    using HandOn = std::function<void(double ratio, RatioChoice choice)>;

    explicit TChangeRatio(HandOn hand_on, QWidget* parent = nullptr);

    // The ratio to edit, and the natural ratio of the view's area that the
    // up-down's percentages scale (none for an area without extent).
    void edit(double ratio, std::optional<double> natural);

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void C_Ratio_UpDownClick(int position);
    void C_Ratio_OKClick();

    HandOn hand_on_;
    double opening_ratio_ = 0.0;
    std::optional<double> natural_;
    QPushButton* C_Ratio_OK;
    TUpDown* C_Ratio_UpDown;
    QLineEdit* C_Ratio_Edit;
};

}  // namespace ruvo
