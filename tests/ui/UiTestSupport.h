#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

#include <ostream>

class QListWidget;

// Readable texts in the failure messages of the tests.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace ruvo {
class TRuvo_Main_Form;
struct ProjectTables;
}  // namespace ruvo

namespace ruvo::test {

// Answers the modal dialogs that the code under test opens, one answer per
// dialog in order, from a polling timer that runs inside their event loops.
// A modal dialog beyond the script is closed and counted as unexpected.
class ModalScript {
public:
    using Answer = std::function<void(QWidget* dialog)>;

    ModalScript();
    ~ModalScript();

    ModalScript& then(Answer answer);
    bool finished() const { return answers_.empty(); }
    int unexpected() const { return unexpected_; }
    // The texts of the message boxes seen, in order.
    const QStringList& messages() const { return messages_; }

private:
    void poll();

    std::deque<Answer> answers_;
    QPointer<QWidget> last_;
    QList<QPointer<QWidget>> answered_;  // the dialogs up and answered
    QTimer timer_;
    int polls_on_last_ = 0;
    int unexpected_ = 0;
    QStringList messages_;
};

// Answers for the script.
ModalScript::Answer press(QMessageBox::StandardButton button);
ModalScript::Answer choose_file(const QString& path);  // a file dialog: the file, accepted
ModalScript::Answer cancel();                          // any dialog: rejected

// A message text of the program.
inline QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// A result file of `ni` x `nj` nodes, one line per node (i outer, j inner,
// both zero-based, n counting the lines) after the header.
QString write_nodes(const QString& dir, const QString& name, int ni, int nj,
                    const std::function<QString(int i, int j, int n)>& line);

// Result files of `ni` x `nj` nodes over a flat strip 1 wide and 0.02 high,
// so that their pictures stay small (500 x 10 pixels). Values grow with the
// node number from `first`.
QString write_grid(const QString& dir, const QString& name, int ni = 3, int nj = 3);
QString write_vector(const QString& dir, const QString& name, int ni = 3, int nj = 3, double first = 1.0);
QString write_scalar(const QString& dir, const QString& name, int ni = 3, int nj = 3, double first = 1.0);

// A project file naming the given files.
QString write_project(const QString& path, const QString& grid, const QStringList& vectors, const QStringList& scalars);

// A main window, shown, with a project loaded when `project` is given.
std::unique_ptr<TRuvo_Main_Form> shown_main_window(const QString& project = {});

QListWidget* list_of(TRuvo_Main_Form& main, const char* name);
// Opens the file on `row` of a list the way the user does: double-click.
void double_click_row(QListWidget* list, int row);
// ... or by choosing it and pressing Enter.
void select_and_press_enter(QListWidget* list, int row);

QString read_text(const QString& path);

}  // namespace ruvo::test
