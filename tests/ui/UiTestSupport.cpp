#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "data/ProjectFile.h"
#include "ui/frame/MainWindow.h"

namespace ruvo::test {

namespace {
constexpr int kPollMilliseconds = 5;
constexpr int kPollsBeforeGivingUp = 4000;

// Two scripts would race for the same dialogs.
int scripts_alive = 0;
}  // namespace

ModalScript::ModalScript() {
    EXPECT_EQ(scripts_alive++, 0) << "one modal script at a time";
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start(kPollMilliseconds);
}

ModalScript::~ModalScript() {
    timer_.stop();
    --scripts_alive;
}

ModalScript& ModalScript::then(Answer answer) {
    answers_.push_back(std::move(answer));
    return *this;
}

void ModalScript::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    if (modal == last_) {
        // An answer that does not close its dialog would leave the test
        // waiting for ever; after a generous while it fails instead.
        if (++polls_on_last_ == kPollsBeforeGivingUp) {
            ADD_FAILURE() << "a dialog stayed open after its answer";
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        }
        return;
    }
    last_ = modal;
    polls_on_last_ = 0;
    // A dialog that is up again once a box it opened has closed was answered
    // already; one that was closed in between is a new dialog.
    answered_.removeIf([](const QPointer<QWidget>& dialog) { return !dialog || !dialog->isVisible(); });
    if (answered_.contains(modal)) return;
    answered_ << modal;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) messages_ << box->text();
    if (answers_.empty()) {
        ++unexpected_;
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        return;
    }
    // Answered from a posted call, not from this timer's slot: an answer may
    // open the next dialog (an overwrite question, say), and a timer is not
    // run again while its slot is still running.
    QMetaObject::invokeMethod(
        &timer_,
        [answer = std::move(answers_.front()), dialog = QPointer<QWidget>(modal)] {
            if (dialog) answer(dialog);
        },
        Qt::QueuedConnection);
    answers_.pop_front();
}

ModalScript::Answer press(QMessageBox::StandardButton button) {
    return [button](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr) << "expected a message box";
        ASSERT_NE(box->button(button), nullptr) << "the message box has no such button";
        box->button(button)->click();
    };
}

ModalScript::Answer choose_file(const QString& path) {
    return [path](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr) << "expected a file dialog";
        // Typed into the name field, as a user does (selectFile() leaves a
        // field that has the keyboard alone).
        auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(path);
        QMetaObject::invokeMethod(files, "accept");
    };
}

ModalScript::Answer cancel() {
    return [](QWidget* dialog) {
        auto* modal = qobject_cast<QDialog*>(dialog);
        ASSERT_NE(modal, nullptr);
        modal->reject();
    };
}

QString write_nodes(const QString& dir, const QString& name, int ni, int nj,
                    const std::function<QString(int i, int j, int n)>& line) {
    QDir().mkpath(dir);
    const QString path = QDir(dir).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    QString content = QStringLiteral("0 %1 0 %2\n").arg(ni - 1).arg(nj - 1);
    int n = 0;
    for (int i = 0; i < ni; ++i) {
        for (int j = 0; j < nj; ++j) content += line(i, j, n++) + u'\n';
    }
    file.write(content.toUtf8());
    return path;
}

QString write_grid(const QString& dir, const QString& name, int ni, int nj) {
    return write_nodes(dir, name, ni, nj, [ni, nj](int i, int j, int) {
        return QStringLiteral("%1 %2").arg(double(i) / (ni - 1)).arg(0.02 * j / (nj - 1));
    });
}

QString write_vector(const QString& dir, const QString& name, int ni, int nj, double first) {
    return write_nodes(dir, name, ni, nj, [first](int, int, int n) { return QStringLiteral("%1 %1").arg(first + n); });
}

QString write_scalar(const QString& dir, const QString& name, int ni, int nj, double first) {
    return write_nodes(dir, name, ni, nj, [first](int, int, int n) { return QString::number(first + n); });
}

QString write_project(const QString& path, const QString& grid, const QStringList& vectors,
                      const QStringList& scalars) {
    ProjectTables tables;
    tables.set_default_masks();
    tables.grid_file_count = 1;
    tables.grid_file_name = grid;
    tables.vector_file_count = static_cast<int>(vectors.size());
    tables.scalar_file_count = static_cast<int>(scalars.size());
    for (int n = 0; n < vectors.size(); ++n) tables.vector_file_name[n] = vectors[n];
    for (int n = 0; n < scalars.size(); ++n) tables.scalar_file_name[n] = scalars[n];
    QFile::remove(path);
    return save_project_file(path, tables).ok ? path : QString();
}

std::unique_ptr<TRuvo_Main_Form> shown_main_window(const QString& project) {
    auto main = std::make_unique<TRuvo_Main_Form>(project.isEmpty() ? QStringList{} : QStringList{project});
    main->show();
    QApplication::processEvents();
    return main;
}

QListWidget* list_of(TRuvo_Main_Form& main, const char* name) {
    return main.findChild<QListWidget*>(QString::fromLatin1(name));
}

void double_click_row(QListWidget* list, int row) {
    const QPoint centre = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

void select_and_press_enter(QListWidget* list, int row) {
    list->setCurrentRow(row);
    QTest::keyClick(list, Qt::Key_Return);
}

QString read_text(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace ruvo::test
