#pragma once

#include <QDialog>

class QPushButton;
class QSpinBox;

namespace ruvo {

struct Workspace;

// The contour lines' width of the current view, shown when the dialog opens
// and written at once as the up-down moves; OK asks for the redraw. Escape or
// the close box give the view back the width it had when the dialog opened.
class TScalarLineWidth : public QDialog {
    Q_OBJECT

public:
    explicit TScalarLineWidth(Workspace& ws, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void SLWidth_UpDownClick(int position);

    Workspace& ws_;
    int opening_width_ = 0;
    QPushButton* SLWidth_OK;
    QSpinBox* SLWidth_UpDown;  // its edit is SLWidth_Edit
};

}  // namespace ruvo
