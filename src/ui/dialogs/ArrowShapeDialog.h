#pragma once

#include <QDialog>
#include <QImage>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ruvo {

class TTrackBarEx;
struct Workspace;

// The arrow head shape of the current view: opening and length as fractions
// of the arrow's length, on bars of thousandths, with a picture of the head
// as it is set. OK stores both (the caller redraws), Cancel neither.
class TArrow_Shape_Change : public QDialog {
    Q_OBJECT

public:
    explicit TArrow_Shape_Change(Workspace& ws, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void Arrow_Width_TBExChange(int position);
    void Arrow_Span_TBExChange(int position);
    void Arrow_OKClick();
    void show_shape();

    Workspace& ws_;
    double work_arrow_width = 0.0;
    double work_arrow_span = 0.0;
    QImage shape_;

    QLabel* Arrow_Width_Label;
    TTrackBarEx* Arrow_Width_TBEx;
    QLineEdit* Arrow_Width_Edit;
    QLabel* Arrow_Span_Label;
    TTrackBarEx* Arrow_Span_TBEx;
    QLineEdit* Arrow_Span_Edit;
    QFrame* Arrow_Panel;
    QLabel* Arrow_Image;
    QPushButton* Arrow_OK;
    QPushButton* Arrow_Cancel;
};

}  // namespace ruvo
