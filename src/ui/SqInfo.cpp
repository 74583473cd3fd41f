#include "ui/SqInfo.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "data/RememberedFolders.h"
#include "ui/FileChooser.h"
#include "ui/Messages.h"
#include "ui/WidgetNames.h"

namespace ruvo {

namespace {

constexpr int kTimerInterval = 1000;  // ms
constexpr int kEditWidth = 360;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QLineEdit* read_out(QFormLayout* form, const char* name, const char* label) {
    auto* edit = new QLineEdit;
    edit->setReadOnly(true);
    edit->setMinimumWidth(kEditWidth);
    form->addRow(label_for(edit, "", label, name), edit);
    return edit;
}

}  // namespace

TSequential_Info::TSequential_Info(const SequentialSet& set, const RememberedFolders& folders, Convert convert,
                                   QWidget* parent)
    : QDialog(parent), set_(set), folders_(folders), convert_(std::move(convert)) {
    setObjectName(QStringLiteral("Sequential_Info"));
    setAccessibleDescription(objectName());
    setWindowTitle(text(messages::kSqInfoCaption));
    auto* column = new QVBoxLayout(this);
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

void TSequential_Info::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    seq_stop_ = false;
    Sq_Start->setText(text(messages::kSqStart));
}

void TSequential_Info::Sq_StartClick() {
    if (seq_running_) return;
    Sq_Start->setText(text(messages::kSqConverting));
    Sq_Quit_Close->setText(text(messages::kSqQuit));
    Sq_Info_Timer->start();
    seq_running_ = true;
    seq_start_.start();
    for (const QString& name : set_.seq_file_name) {
        if (seq_stop_) break;
        Sq_FileName_Edit->setText(sequential_output_name(folders_.sequential_save, name));
        QCoreApplication::processEvents();
        const FrameResult frame = convert_(name);
        QCoreApplication::processEvents();
        if (!report(name, frame)) break;
    }
    end_run();
}

// A file read only in part, or not drawn, gets no picture and the run goes
// on; a picture that cannot be written ends the run.
bool TSequential_Info::report(const QString& name, const FrameResult& frame) {
    const ConvertResult& converted = frame.converted;
    if (!converted.read.complete()) {
        QMessageBox::warning(this, text(messages::kWarningTitle),
                             text(messages::kFileFormatWrong) + u'\n' + name + u'\n' + converted.read.detail());
        return true;
    }
    if (!converted.drawn.ok()) {
        QMessageBox::warning(this, text(messages::kWarningTitle),
                             text(messages::kRedrawError) + u'\n' + name + u'\n' + converted.drawn.reason);
        return true;
    }
    if (frame.written.ok) return true;
    QMessageBox::critical(this, text(messages::kErrorTitle),
                          text(messages::kBitmapWriteFailed) + u'\n' + frame.output + u'\n' + frame.written.error);
    return false;
}

void TSequential_Info::end_run() {
    Sq_Info_Timer->stop();
    seq_running_ = false;
    seq_stop_ = false;
    Sq_Start->setText(text(messages::kSqStart));
    Sq_Quit_Close->setText(text(messages::kCloseButton));
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
