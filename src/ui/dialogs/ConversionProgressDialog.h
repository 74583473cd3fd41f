#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include <functional>
#include <vector>

#include "automation/SequentialEngine.h"

class QLineEdit;
class QPushButton;
class QTimer;

namespace ruvo {

struct RememberedFolders;

// The run of a sequential conversion: every data file of the set in turn is
// read into the view, drawn and saved. The stop button ends the run after
// the file in hand; pending events run between the files, so the button and
// the elapsed time work during the run.
class TSequential_Info : public QDialog {
    Q_OBJECT

public:
    // Reads one data file into the view, draws it and saves its picture.
    using Convert = std::function<FrameResult(const QString& name)>;

    TSequential_Info(const SequentialSet& set, const RememberedFolders& folders, Convert convert,
                     QWidget* parent = nullptr);

    bool seq_running() const { return seq_running_; }

    void Sq_StartClick();
    void Sq_Quit_CloseClick();
    void Sq_Info_TimerTimer();

protected:
    void showEvent(QShowEvent* event) override;  // FormShow
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    // Whether the run may go on after `frame`; tells what went wrong.
    bool report(const QString& name, const FrameResult& frame);
    void end_run();
    // How many pictures the run saved and why the other files got none, in a
    // box and in the log beside the pictures.
    void show_summary();

    const SequentialSet& set_;
    const RememberedFolders& folders_;
    Convert convert_;
    bool seq_running_ = false;
    bool seq_stop_ = false;
    QElapsedTimer seq_start_;
    std::vector<FrameResult> frames_;  // the files of the run so far
    QPushButton* Sq_Start = nullptr;
    QPushButton* Sq_Quit_Close = nullptr;
    QLineEdit* Sq_FileName_Edit = nullptr;
    QLineEdit* Sq_Time_Edit = nullptr;
    QTimer* Sq_Info_Timer = nullptr;
};

}  // namespace ruvo
