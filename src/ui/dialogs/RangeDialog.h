#pragma once

#include <QDialog>

#include "view/RangeSetting.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ruvo {

class TTrackBarEx;
struct Workspace;

// Sets both ends of the current view's range with bars or typed values (Enter
// in an edit, which leaves the dialog open). Each opening reads the view
// again; OK stores both ends and marks both changed (the caller redraws),
// Cancel stores nothing.
class TMaxMinSet : public QDialog {
    Q_OBJECT

public:
    explicit TMaxMinSet(Workspace& ws, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormShow();
    void Max_TrackBarExChange(int position);
    void Min_TrackBarEXChange(int position);
    void Max_EditKeyDown();  // Enter
    void Min_EditKeyDown();
    void MaxMIn_OKClick();
    // A typed end: refused when it is no number or would reach the other end;
    // a refused edit shows the end it had again.
    void take_typed_end(QLineEdit* edit, bool (*type)(MaxMinWork&, double), const double& end, const char* refusal);
    void Set_Track_Bars();
    void Set_Definition_Labels();
    void warn(const char* text);

    Workspace& ws_;
    MaxMinWork work_;

    QGroupBox* MaxGB;
    QLabel* Max_Definition;
    QLineEdit* Max_Edit;
    TTrackBarEx* Max_TrackBarEx;
    QGroupBox* MinGB;
    QLabel* Min_Definition;
    QLineEdit* Min_Edit;
    TTrackBarEx* Min_TrackBarEX;
    QPushButton* MaxMIn_Ok;
    QPushButton* MaxMIn_Cancel;
};

}  // namespace ruvo
