#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include "Workspace.h"
#include "automation/FollowEngine.h"
#include "ui/dialogs/FollowSetupDialog.h"
#include "ui/frame/FollowControl.h"
#include "ui/Messages.h"
#include "ui/viewwindow/ViewWindow.h"
#include "view/ViewFields.h"

namespace ruvo {

namespace {
QString text(const char* utf8) { return QString::fromUtf8(utf8); }
}  // namespace

FollowControl::FollowControl(Workspace& ws, RememberedFolders& folders, QWidget& window, FollowReadouts readouts,
                             std::function<QList<TRuvo_Sub_Form*>()> views, std::function<QSize()> view_space)
    : QObject(&window),
      ws_(ws),
      window_(window),
      readouts_(readouts),
      views_(std::move(views)),
      view_space_(std::move(view_space)),
      clock_(std::make_unique<SteadyClock>()),
      engine_(std::make_unique<FollowEngine>(ws, *clock_)),
      Follow_Mode_Setup(new TFollow_Mode_Setup(ws, *engine_, folders, &window)),
      Follow_Timer(new QTimer(this)),
      Progress_Timer(new QTimer(this)) {
    Follow_Timer->setObjectName(QStringLiteral("Follow_Timer"));
    Progress_Timer->setObjectName(QStringLiteral("Progress_Timer"));
    connect(Follow_Timer, &QTimer::timeout, this, &FollowControl::Follow_TimerTimer);
    connect(Progress_Timer, &QTimer::timeout, this, &FollowControl::Progress_TimerTimer);
    connect(Follow_Mode_Setup, &TFollow_Mode_Setup::follow_started, this, &FollowControl::follow_started);
    connect(Follow_Mode_Setup, &TFollow_Mode_Setup::follow_stopped, this, &FollowControl::follow_stopped);
}

FollowControl::~FollowControl() = default;

void FollowControl::show_setup() {
    Follow_Mode_Setup->show();
    Follow_Mode_Setup->raise();
    Follow_Mode_Setup->activateWindow();
}

void FollowControl::follow_started() {
    show_failure({});
    readouts_.info.show();
    readouts_.time.show();
    wait_for_check(engine_->check_interval_ms());
}

void FollowControl::follow_stopped() {
    Follow_Timer->stop();
    Progress_Timer->stop();
    readouts_.info.hide();
    readouts_.time.hide();
}

bool FollowControl::may_end() { return !engine_->follow_active() || TFollow_Mode_Setup::ask_to_stop(&window_); }

void FollowControl::end() {
    if (engine_->follow_active()) Follow_Mode_Setup->stop_following();
}

void FollowControl::wait_for_check(int interval_ms) {
    show_countdown();
    Follow_Timer->start(interval_ms);
    Progress_Timer->start(1000);
}

void FollowControl::show_countdown() {
    show_info(failure_.isEmpty() ? text(messages::kUntilUpdateCheck) : failure_);
    readouts_.time.setText(QString::number(engine_->follow_countdown()) + text(messages::kSecondsSuffix));
}

// Following has ended: no next check to count down to.
void FollowControl::show_finished() {
    Follow_Timer->stop();
    Progress_Timer->stop();
    show_info(failure_.isEmpty() ? text(messages::kFollowFinished) : failure_);
    readouts_.time.clear();
}

void FollowControl::Progress_TimerTimer() {
    if (engine_->count_down()) return show_countdown();
    show_finished();
}

void FollowControl::Follow_TimerTimer() {
    Follow_Timer->stop();
    Progress_Timer->stop();
    const QList<TRuvo_Sub_Form*> views = views_();
    std::vector<FollowWindow> windows;
    for (TRuvo_Sub_Form* view : views) windows.push_back({view->slot(), &view->image()->picture()});
    readouts_.info.setText(text(messages::kRereading));
    // Only the screen is brought up to date between windows: no click may
    // close a window while its picture is being drawn.
    const FollowCheck check = engine_->check(windows, [&](std::size_t n) {
        TRuvo_Sub_Form* view = views[static_cast<qsizetype>(n)];
        view->image()->picture_changed();
        view->fit_to_image(view_space_());
        const int drawn_slot = data_slot_of(ws_.store, ws_.views.at(view->slot()));
        readouts_.log.appendPlainText(QStringLiteral("current_file=") + QString::number(drawn_slot));
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    show_check(check);
}

void FollowControl::show_check(const FollowCheck& check) {
    if (check.result == FollowCheck::Result::StillWriting) readouts_.log.appendPlainText(check.unfinished_file);
    const bool drawn =
        check.result == FollowCheck::Result::Updated || !check.saved.isEmpty() || !check.failures.empty();
    if (drawn) show_failure(check.failures);
    if (check.result == FollowCheck::Result::Finished) return show_finished();
    wait_for_check(check.next_check_ms);
    if (failure_.isEmpty() && !check.saved.isEmpty()) show_info(check.saved.join(u' '));
}

// A text longer than the box shows its beginning: what went wrong, and where.
void FollowControl::show_info(const QString& info) {
    readouts_.info.setText(info);
    readouts_.info.setCursorPosition(0);
}

// The first failure of the last update stays in view, whole in the tool
// tip, until an update has none.
void FollowControl::show_failure(const std::vector<FollowFailure>& failures) {
    for (const FollowFailure& failure : failures)
        readouts_.log.appendPlainText(failure.name + QStringLiteral(": ") + failure.reason);
    if (failures.empty()) {
        failure_.clear();
    } else if (const FollowFailure& first = failures.front(); first.kind == FollowFailure::Kind::NotSaved) {
        failure_ = text(messages::kBitmapWriteFailed) + u' ' + first.name + u' ' + first.reason;
    } else {
        failure_ = text(messages::kFollowNotDrawn) + first.name;
    }
    readouts_.info.setToolTip(failure_);
}

}  // namespace ruvo
