#include "ui/dialogs/ConversionProgressDialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "data/FileNames.h"
#include "data/RememberedFolders.h"
#include "ui/dialogs/FileChooser.h"
#include "ui/Messages.h"
#include "ui/ReadDetail.h"
#include "ui/WidgetNames.h"

namespace ruvo {

namespace {

constexpr int kTimerInterval = 1000;  // ms
constexpr int kEditWidth = 360;
constexpr qsizetype kFailuresListed = 10;  // in the summary; the log has them all

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QLineEdit* read_out(QFormLayout* form, const char* name, const char* label) {
    auto* edit = new QLineEdit;
    edit->setReadOnly(true);
    edit->setMinimumWidth(kEditWidth);
    form->addRow(label_for(edit, "", label, name), edit);
    return edit;
}

const char* drawing_failure_text(RenderFailure failure) {
    switch (failure) {
    case RenderFailure::Geometry: return messages::kLayoutFailed;
    case RenderFailure::Numeric: return messages::kValuesNotDrawable;
    case RenderFailure::AllZeroVectors: return messages::kVectorsAllZero;
    case RenderFailure::None: break;
    }
    return "";
}

// Why a file got no picture; "" when it got one.
QString failure_text(const FrameResult& frame) {
    const ConvertResult& converted = frame.converted;
    switch (frame.fault()) {
    case FrameFault::None: return {};
    case FrameFault::NotReadWhole: return read_detail_text(converted.read, converted.header.node_count());
    case FrameFault::HeaderMissesArea:
        return text(messages::kHeaderMissesArea).arg(converted.header.text(), converted.area.text());
    case FrameFault::NotDrawn: return text(drawing_failure_text(converted.drawn.failure));
    case FrameFault::NotSaved: return text(messages::kBitmapWriteFailed) + frame.written.error;
    }
    return {};
}

}  // namespace

TSequential_Info::TSequential_Info(const SequentialSet& set, const RememberedFolders& folders, ConversionTarget& target,
                                   QWidget* parent)
    : QDialog(parent), set_(set), folders_(folders), target_(target) {
    setObjectName(QStringLiteral("Sequential_Info"));
    setAccessibleDescription(objectName());
    setWindowTitle(text(messages::kSqInfoCaption));
    auto* sides = new QHBoxLayout(this);
    auto* column = new QVBoxLayout;
    sides->addLayout(column);
    sides->addWidget(pictures_group());
    auto* form = new QFormLayout;
    Sq_FileName_Edit = read_out(form, "Sq_FileName_Edit", messages::kSqFileNameLabel);
    Sq_Time_Edit = read_out(form, "Sq_Time_Edit", messages::kSqTimeLabel);
    column->addLayout(form);
    auto* buttons = new QHBoxLayout;
    Sq_Start = new QPushButton(text(messages::kSqStart));
    name_widget(Sq_Start, "Sq_Start");
    Sq_Quit_Close = new QPushButton(text(messages::kCloseButton));
    name_widget(Sq_Quit_Close, "Sq_Quit_Close");
    for (QPushButton* button : {Sq_Start, Sq_Quit_Close}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    column->addLayout(buttons);
    connect(Sq_Start, &QPushButton::clicked, this, &TSequential_Info::Sq_StartClick);
    connect(Sq_Quit_Close, &QPushButton::clicked, this, &TSequential_Info::Sq_Quit_CloseClick);
    Sq_Info_Timer = new QTimer(this);
    Sq_Info_Timer->setObjectName(QStringLiteral("Sq_Info_Timer"));
    Sq_Info_Timer->setInterval(kTimerInterval);
    connect(Sq_Info_Timer, &QTimer::timeout, this, &TSequential_Info::Sq_Info_TimerTimer);
}

QGroupBox* TSequential_Info::pictures_group() {
    Sq_Pictures_Group = new QGroupBox(text(messages::kSqPicturesGroup));
    name_widget(Sq_Pictures_Group, "Sq_Pictures_Group");
    auto* boxes = new QVBoxLayout(Sq_Pictures_Group);
    const auto add_box = [boxes](const char* name, const char* caption) {
        auto* box = new QCheckBox(text(caption));
        name_widget(box, name);
        boxes->addWidget(box);
        return box;
    };
    Sq_Png_Box = add_box("Sq_Png_Box", messages::kSqPngBox);
    Sq_Numbered_Box = add_box("Sq_Numbered_Box", messages::kSqNumberedBox);
    Sq_Label_Box = add_box("Sq_Label_Box", messages::kSqLabelBox);
    Sq_SeriesRange_Box = add_box("Sq_SeriesRange_Box", messages::kSqSeriesRangeBox);
    Sq_Range_Label = new QLabel;
    name_widget(Sq_Range_Label, "Sq_Range_Label");
    Sq_Range_Label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    boxes->addWidget(Sq_Range_Label);
    boxes->addWidget(video_row());
    boxes->addStretch(1);
    return Sq_Pictures_Group;
}

// The video's file (a bare name goes into the save folder) and its frames per second.
QWidget* TSequential_Info::video_row() {
    auto* row = new QWidget;
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    Sq_Video_Box = new QCheckBox(text(messages::kSqVideoBox));
    name_widget(Sq_Video_Box, "Sq_Video_Box");
    Sq_Video_Edit = new QLineEdit(text(messages::kSqVideoName));
    name_widget(Sq_Video_Edit, "Sq_Video_Edit", Sq_Video_Box->text());
    // The whole default name shows, with room for a longer one.
    Sq_Video_Edit->setMinimumWidth(Sq_Video_Edit->fontMetrics().horizontalAdvance(Sq_Video_Edit->text()) * 3 / 2);
    Sq_Fps_Box = new QSpinBox;
    name_widget(Sq_Fps_Box, "Sq_Fps_Box", text(messages::kMovieFps));
    Sq_Fps_Box->setRange(kFramesPerSecondUpDown.min, kFramesPerSecondUpDown.max);
    Sq_Fps_Box->setValue(kFramesPerSecondUpDown.start);
    Sq_Fps_Box->setSuffix(QStringLiteral(" fps"));
    line->addWidget(Sq_Video_Box);
    line->addWidget(Sq_Video_Edit, 1);
    line->addWidget(Sq_Fps_Box);
    const auto enable = [this](bool on) {
        Sq_Video_Edit->setEnabled(on);
        Sq_Fps_Box->setEnabled(on);
    };
    enable(false);
    connect(Sq_Video_Box, &QCheckBox::toggled, this, enable);
    return row;
}

std::unique_ptr<VideoWriter> TSequential_Info::chosen_video(bool& refused) {
    refused = false;
    if (!Sq_Video_Box->isChecked()) return nullptr;
    const QString path = QDir(folders_.sequential_save).filePath(Sq_Video_Edit->text().trimmed());
    const VideoSettings settings{Sq_Fps_Box->value(), VideoColour::Standard, false};
    if (const QString refusal = video_refusal(path, settings); !refusal.isEmpty()) {
        QMessageBox::critical(this, text(messages::kErrorTitle), text(messages::kSqVideoRefused) + u'\n' + refusal);
        refused = true;
        return nullptr;
    }
    return std::make_unique<VideoWriter>(path, settings);
}

SeriesPictures TSequential_Info::chosen_pictures() const {
    return {Sq_Png_Box->isChecked() ? PictureFormat::Png : PictureFormat::Bmp, Sq_Numbered_Box->isChecked(),
            Sq_Label_Box->isChecked(), Sq_SeriesRange_Box->isChecked()};
}

QString TSequential_Info::series_range_for(const SeriesPictures& pictures) {
    Sq_Range_Label->clear();
    if (!pictures.series_range) return {};
    Sq_Range_Label->setText(text(messages::kSqRangeMeasuring));
    QCoreApplication::processEvents();
    const QString range = target_.hold_series_range(set_.seq_file_name);
    // On a line of its own, so that the dialog widens to show it whole.
    Sq_Range_Label->setText(range.isEmpty() ? text(messages::kSqRangeNotFixed)
                                            : text(messages::kSqRangeUsed) + u'\n' + range);
    return range;
}

void TSequential_Info::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    seq_stop_ = false;
    Sq_Start->setText(text(messages::kSqStart));
}

void TSequential_Info::Sq_StartClick() {
    if (seq_running_) return;
    bool refused = false;
    const std::unique_ptr<VideoWriter> video = chosen_video(refused);
    if (refused) return;
    Sq_Start->setText(text(messages::kSqConverting));
    Sq_Quit_Close->setText(text(messages::kSqQuit));
    Sq_Info_Timer->start();
    seq_running_ = true;
    seq_start_.start();
    frames_.clear();
    const SeriesPictures pictures = chosen_pictures();
    Sq_Pictures_Group->setEnabled(false);
    const QString series_range = series_range_for(pictures);
    const QStringList& files = set_.seq_file_name;
    for (qsizetype k = 0; k < files.size() && !seq_stop_; ++k) {
        const QString output = series_picture_name(folders_.sequential_save, files, k, pictures);
        Sq_FileName_Edit->setText(output);
        QCoreApplication::processEvents();
        frames_.push_back(target_.convert(files[k], output, pictures));
        QCoreApplication::processEvents();
        if (!report(files[k], frames_.back())) break;
        if (video && frames_.back().converted.usable() &&
            !video->add_frame(series_picture(target_.picture(), files[k], pictures)).ok) {
            break;  // the finish below says why
        }
    }
    if (!series_range.isEmpty()) target_.release_series_range();
    Sq_Pictures_Group->setEnabled(true);
    end_run();
    show_summary(series_range, video ? finished_video(*video) : QString());
}

// Finishes the run's video: the summary's line on it, or a box that says why
// it could not be written.
QString TSequential_Info::finished_video(VideoWriter& video) {
    const WriteResult finished = video.finish();
    if (!finished.ok) {
        QMessageBox::critical(this, text(messages::kErrorTitle),
                              text(messages::kSqVideoFailed) + u'\n' + video.path() + u'\n' + finished.error);
        return {};
    }
    return text(messages::kSqVideoWritten).arg(video.frames()) + video.path();
}

// A file read only in part, not covering the view, or not drawn, gets no
// picture and the run goes on; a picture that cannot be written ends the run.
bool TSequential_Info::report(const QString& name, const FrameResult& frame) {
    switch (frame.fault()) {
    case FrameFault::None: return true;
    case FrameFault::NotSaved:
        QMessageBox::critical(this, text(messages::kErrorTitle),
                              text(messages::kBitmapWriteFailed) + u'\n' + frame.output + u'\n' + frame.written.error);
        return false;
    case FrameFault::NotDrawn:
        QMessageBox::warning(this, text(messages::kWarningTitle),
                             text(messages::kRedrawError) + u'\n' + name + u'\n' + failure_text(frame));
        return true;
    case FrameFault::NotReadWhole:
    case FrameFault::HeaderMissesArea: break;
    }
    QMessageBox::warning(this, text(messages::kWarningTitle),
                         text(messages::kFileFormatWrong) + u'\n' + name + u'\n' + failure_text(frame));
    return true;
}

// The time shown is the run's whole time, not its last tick's.
void TSequential_Info::end_run() {
    Sq_Info_Timer->stop();
    Sq_Info_TimerTimer();
    seq_running_ = false;
    seq_stop_ = false;
    Sq_Start->setText(text(messages::kSqStart));
    Sq_Quit_Close->setText(text(messages::kCloseButton));
}

void TSequential_Info::show_summary(const QString& series_range, const QString& video) {
    const QStringList& files = set_.seq_file_name;
    const QString log_path = QDir(folders_.sequential_save).filePath(QString::fromLatin1(kConversionLogName));
    const WriteResult log = write_conversion_log(folders_.sequential_save, files, frames_, series_range);
    const auto saved = std::count_if(frames_.begin(), frames_.end(), [](const FrameResult& f) { return f.saved(); });
    QStringList lines{text(messages::kConversionSummary).arg(saved).arg(files.size())};
    if (!series_range.isEmpty()) lines << text(messages::kSqRangeUsed) + series_range;
    QStringList failures;
    for (std::size_t k = 0; k < frames_.size(); ++k) {
        if (frames_[k].saved()) continue;
        const QString name = base_name(files[static_cast<qsizetype>(k)]);
        failures << text(messages::kFileAndReason).arg(name, failure_text(frames_[k]));
    }
    if (!failures.isEmpty()) {
        lines << text(messages::kConversionFailures) << failures.mid(0, kFailuresListed);
        if (failures.size() > kFailuresListed) {
            lines << text(messages::kConversionMoreFailures).arg(failures.size() - kFailuresListed);
        }
    }
    if (const auto left = files.size() - static_cast<qsizetype>(frames_.size()); left > 0) {
        lines << text(messages::kConversionNotReached).arg(left);
    }
    if (!video.isEmpty()) lines << video;
    if (log.ok) lines << text(messages::kConversionLogIn) + log_path;
    QMessageBox::information(this, text(messages::kInformationTitle), lines.join(u'\n'));
    if (!log.ok) {
        QMessageBox::critical(this, text(messages::kErrorTitle),
                              text(messages::kConversionLogFailed) + u'\n' + log_path + u'\n' + log.error);
    }
}

void TSequential_Info::Sq_Quit_CloseClick() {
    if (seq_running_) {
        seq_stop_ = true;
        return;
    }
    if (QMessageBox::question(this, text(messages::kSqInfoCaption), text(messages::kReally),
                              QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok) {
        accept();
    }
}

void TSequential_Info::Sq_Info_TimerTimer() {
    const double seconds = static_cast<double>(seq_start_.elapsed()) / 1000.0;
    Sq_Time_Edit->setText(text(messages::kSqTimeBefore) + QString::asprintf("%3.2f", seconds) +
                          text(messages::kSecondsSuffix));
}

// The window's close box and Escape stop a run as the stop button does; the
// dialog closes only when idle.
void TSequential_Info::closeEvent(QCloseEvent* event) {
    if (!seq_running_) {
        QDialog::closeEvent(event);
        return;
    }
    seq_stop_ = true;
    event->ignore();
}

void TSequential_Info::reject() {
    if (seq_running_) {
        seq_stop_ = true;
        return;
    }
    QDialog::reject();
}

}  // namespace ruvo
