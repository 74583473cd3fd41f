#pragma once

#include <QDialog>

class QPushButton;
class QSpinBox;

namespace ruvo {

struct Workspace;

// The contour lines' width of the current view, written at once as the
// up-down moves; OK asks for the redraw. The width shown is that of the last
// use, not read from the view.
class TScalarLineWidth : public QDialog {
    Q_OBJECT

public:
    explicit TScalarLineWidth(Workspace& ws, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SLWidth_UpDownClick(int position);

    Workspace& ws_;
    QPushButton* SLWidth_OK;
    QSpinBox* SLWidth_UpDown;  // its edit is SLWidth_Edit
};

}  // namespace ruvo
