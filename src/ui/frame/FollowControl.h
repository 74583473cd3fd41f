#pragma once

#include <QList>
#include <QObject>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QLineEdit;
class QPlainTextEdit;
class QTimer;
class QWidget;

namespace ruvo {

struct FollowCheck;
struct FollowFailure;
struct RememberedFolders;
struct Workspace;
class FollowEngine;
class SteadyClock;
class TFollow_Mode_Setup;
class TRuvo_Sub_Form;

// What follow mode shows in: the two read-outs beside the tool bar and the
// diagnostic log.
struct FollowReadouts {
    QLineEdit& info;
    QLineEdit& time;
    QPlainTextEdit& log;
};

// Follow mode in the main window: the set-up dialog, the update check and
// countdown timers, and the read-outs. The engine decides; this shows.
class FollowControl : public QObject {
    Q_OBJECT

public:
    // `window` parents the dialog and the timers; `views` lists the open view
    // windows, `view_space` is the room a redrawn one may grow to.
    FollowControl(Workspace& ws, RememberedFolders& folders, QWidget& window, FollowReadouts readouts,
                  std::function<QList<TRuvo_Sub_Form*>()> views, std::function<QSize()> view_space);
    ~FollowControl() override;

    // The dialog does not hold the windows: the views stay usable while following.
    void show_setup();
    // True when nothing follows, or the user agrees to stop.
    bool may_end();
    // Following ends without a question.
    void end();

private:
    void follow_started();
    void follow_stopped();
    void Follow_TimerTimer();
    void Progress_TimerTimer();
    void show_check(const FollowCheck& check);
    void show_failure(const std::vector<FollowFailure>& failures);
    void show_finished();
    void show_info(const QString& info);
    void wait_for_check(int interval_ms);
    void show_countdown();

    Workspace& ws_;
    QWidget& window_;
    FollowReadouts readouts_;
    std::function<QList<TRuvo_Sub_Form*>()> views_;
    std::function<QSize()> view_space_;
    std::unique_ptr<SteadyClock> clock_;
    std::unique_ptr<FollowEngine> engine_;
    TFollow_Mode_Setup* Follow_Mode_Setup;
    QTimer* Follow_Timer;
    QTimer* Progress_Timer;
    QString failure_;  // the last view not drawn or saved: shown until an update without one
};

}  // namespace ruvo
