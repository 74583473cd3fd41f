#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include <memory>
#include <vector>

#include "automation/SequentialEngine.h"
#include "export/VideoWriter.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;

namespace ruvo {

struct RememberedFolders;

// The view a run converts into.
class ConversionTarget {
public:
    virtual ~ConversionTarget() = default;
    // Fixes the view's value range to the one of `files` for the run: the
    // range it is drawn with ("MIN .. MAX"), or "" when the view draws
    // none or no file can be read.
    virtual QString hold_series_range(const QStringList& files) = 0;
    // Gives the view back the range it had before the run.
    virtual void release_series_range() = 0;
    // Reads the data file `name` into the view, draws it and saves its picture to `output`.
    virtual FrameResult convert(const QString& name, const QString& output, const SeriesPictures& pictures) = 0;
    // The view's picture of the file converted last, as drawn.
    virtual const QImage& picture() const = 0;
};

// The run of a sequential conversion: every data file of the set in turn is
// read into the view, drawn and saved. The stop button ends the run after
// the file in hand; pending events run between the files, so the button and
// the elapsed time work during the run. Beside them, how the pictures are
// written: PNG, numbered names, a label, one range for the whole series.
class TSequential_Info : public QDialog {
    Q_OBJECT

public:
    TSequential_Info(const SequentialSet& set, const RememberedFolders& folders, ConversionTarget& target,
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
    QGroupBox* pictures_group();
    SeriesPictures chosen_pictures() const;
    // The range the run draws with, when one is asked for the whole series; "" otherwise.
    QString series_range_for(const SeriesPictures& pictures);
    void end_run();
    // How many pictures the run saved and why the other files got none, in a
    // box and in the log beside the pictures.
    // `video`: the line on the run's video, "" without one.
    void show_summary(const QString& series_range, const QString& video);
    QWidget* video_row();
    QString finished_video(VideoWriter& video);
    // The video the run writes beside the pictures; none when not asked for
    // or refused (then the user is told why).
    std::unique_ptr<VideoWriter> chosen_video(bool& refused);

    const SequentialSet& set_;
    const RememberedFolders& folders_;
    ConversionTarget& target_;
    bool seq_running_ = false;
    bool seq_stop_ = false;
    QElapsedTimer seq_start_;
    std::vector<FrameResult> frames_;  // the files of the run so far
    QPushButton* Sq_Start = nullptr;
    QPushButton* Sq_Quit_Close = nullptr;
    QLineEdit* Sq_FileName_Edit = nullptr;
    QLineEdit* Sq_Time_Edit = nullptr;
    QTimer* Sq_Info_Timer = nullptr;
    QGroupBox* Sq_Pictures_Group = nullptr;
    QCheckBox* Sq_Png_Box = nullptr;
    QCheckBox* Sq_Numbered_Box = nullptr;
    QCheckBox* Sq_Label_Box = nullptr;
    QCheckBox* Sq_SeriesRange_Box = nullptr;
    QLabel* Sq_Range_Label = nullptr;
    QCheckBox* Sq_Video_Box = nullptr;
    QLineEdit* Sq_Video_Edit = nullptr;
    QSpinBox* Sq_Fps_Box = nullptr;
};

}  // namespace ruvo
