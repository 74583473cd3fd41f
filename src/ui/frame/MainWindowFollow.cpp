// Follow mode in the main window: the set-up dialog, the update check and
// countdown timers, and the read-outs beside the tool bar. The engine
// decides; the window shows.

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>

#include "Workspace.h"
#include "automation/FollowEngine.h"
#include "ui/dialogs/FollowSetupDialog.h"
#include "ui/frame/MainWindow.h"
#include "view/ViewFields.h"
#include "ui/Messages.h"
#include "ui/viewwindow/ViewWindow.h"

namespace ruvo {

namespace {
QString text(const char* utf8) { return QString::fromUtf8(utf8); }
}  // namespace

void TRuvo_Main_Form::build_follow_mode() {
    follow_clock_ = std::make_unique<SteadyClock>();
    follow_ = std::make_unique<FollowEngine>(*ws_, *follow_clock_);
    Follow_Mode_Setup = new TFollow_Mode_Setup(*ws_, *follow_, folders_, this);
    Follow_Timer = new QTimer(this);
    Follow_Timer->setObjectName(QStringLiteral("Follow_Timer"));
    Progress_Timer = new QTimer(this);
    Progress_Timer->setObjectName(QStringLiteral("Progress_Timer"));
    connect(Follow_Timer, &QTimer::timeout, this, &TRuvo_Main_Form::Follow_TimerTimer);
    connect(Progress_Timer, &QTimer::timeout, this, &TRuvo_Main_Form::Progress_TimerTimer);
    connect(Follow_Mode_Setup, &TFollow_Mode_Setup::follow_started, this, &TRuvo_Main_Form::follow_started);
    connect(Follow_Mode_Setup, &TFollow_Mode_Setup::follow_stopped, this, &TRuvo_Main_Form::follow_stopped);
    connect(FollowSB, &QToolButton::clicked, this, &TRuvo_Main_Form::FollowSBClick);
}

// The dialog does not hold the windows: the views stay usable while following.
void TRuvo_Main_Form::FollowSBClick() {
    Follow_Mode_Setup->show();
    Follow_Mode_Setup->raise();
    Follow_Mode_Setup->activateWindow();
}

void TRuvo_Main_Form::follow_started() {
    show_follow_failure({});
    Follow_Info_Edit->show();
    Follow_Time_Edit->show();
    wait_for_check(follow_->check_interval_ms());
}

void TRuvo_Main_Form::follow_stopped() {
    Follow_Timer->stop();
    Progress_Timer->stop();
    Follow_Info_Edit->hide();
    Follow_Time_Edit->hide();
}

bool TRuvo_Main_Form::may_end_following() { return !follow_->follow_active() || TFollow_Mode_Setup::ask_to_stop(this); }

void TRuvo_Main_Form::end_following() {
    if (follow_->follow_active()) Follow_Mode_Setup->stop_following();
}

void TRuvo_Main_Form::wait_for_check(int interval_ms) {
    show_countdown();
    Follow_Timer->start(interval_ms);
    Progress_Timer->start(1000);
}

void TRuvo_Main_Form::show_countdown() {
    show_follow_info(follow_failure_.isEmpty() ? text(messages::kUntilUpdateCheck) : follow_failure_);
    Follow_Time_Edit->setText(QString::number(follow_->follow_countdown()) + text(messages::kSecondsSuffix));
}

// Following has ended: no next check to count down to.
void TRuvo_Main_Form::show_follow_finished() {
    Follow_Timer->stop();
    Progress_Timer->stop();
    show_follow_info(follow_failure_.isEmpty() ? text(messages::kFollowFinished) : follow_failure_);
    Follow_Time_Edit->clear();
}

void TRuvo_Main_Form::Progress_TimerTimer() {
    if (follow_->count_down()) return show_countdown();
    show_follow_finished();
}

void TRuvo_Main_Form::Follow_TimerTimer() {
    Follow_Timer->stop();
    Progress_Timer->stop();
    const QList<TRuvo_Sub_Form*> views = view_windows();
    std::vector<FollowWindow> windows;
    for (TRuvo_Sub_Form* view : views) windows.push_back({view->slot(), &view->image()->picture()});
    Follow_Info_Edit->setText(text(messages::kRereading));
    // Only the screen is brought up to date between windows: no click may
    // close a window while its picture is being drawn.
    const FollowCheck check = follow_->check(windows, [&](std::size_t n) {
        TRuvo_Sub_Form* view = views[static_cast<qsizetype>(n)];
        view->image()->picture_changed();
        view->fit_to_image(view_space());
        const int drawn_slot = data_slot_of(ws_->store, ws_->views.at(view->slot()));
        Memo3->appendPlainText(QStringLiteral("current_file=") + QString::number(drawn_slot));
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    show_follow_check(check);
}

void TRuvo_Main_Form::show_follow_check(const FollowCheck& check) {
    if (check.result == FollowCheck::Result::StillWriting) Memo3->appendPlainText(check.unfinished_file);
    const bool drawn =
        check.result == FollowCheck::Result::Updated || !check.saved.isEmpty() || !check.failures.empty();
    if (drawn) show_follow_failure(check.failures);
    if (check.result == FollowCheck::Result::Finished) return show_follow_finished();
    wait_for_check(check.next_check_ms);
    if (follow_failure_.isEmpty() && !check.saved.isEmpty()) show_follow_info(check.saved.join(u' '));
}

// A text longer than the box shows its beginning: what went wrong, and where.
void TRuvo_Main_Form::show_follow_info(const QString& info) {
    Follow_Info_Edit->setText(info);
    Follow_Info_Edit->setCursorPosition(0);
}

// The first failure of the last update stays in view, whole in the tool
// tip, until an update has none.
void TRuvo_Main_Form::show_follow_failure(const std::vector<FollowFailure>& failures) {
    for (const FollowFailure& failure : failures)
        Memo3->appendPlainText(failure.name + QStringLiteral(": ") + failure.reason);
    if (failures.empty()) {
        follow_failure_.clear();
    } else if (const FollowFailure& first = failures.front(); first.kind == FollowFailure::Kind::NotSaved) {
        follow_failure_ = text(messages::kBitmapWriteFailed) + u' ' + first.name + u' ' + first.reason;
    } else {
        follow_failure_ = text(messages::kFollowNotDrawn) + first.name;
    }
    Follow_Info_Edit->setToolTip(follow_failure_);
}

}  // namespace ruvo
