#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "Texts.h"
#include "UiTestSupport.h"
#include "VideoDecode.h"
#include "Workspace.h"
#include "data/RememberedFolders.h"
#include "ui/dialogs/FileChooser.h"
#include "ui/frame/MainWindow.h"
#include "ui/Messages.h"
#include "ui/dialogs/SequentialDialog.h"
#include "ui/dialogs/ConversionProgressDialog.h"
#include "ui/viewwindow/ViewWindow.h"

namespace ruvo {
namespace {

using test::ModalScript;
using test::text;

template <typename T>
T* child(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Chooses rows [first, first + count) of the file list, the kind, and adds them.
void add_rows(QWidget* dialog, int first, int count, int kind) {
    auto* files = child<QListWidget>(dialog, "FileListBox1");
    files->clearSelection();
    for (int row = first; row < first + count; ++row) files->item(row)->setSelected(true);
    child<QGroupBox>(dialog, "KindRadioGroup")->findChildren<QRadioButton*>()[kind]->click();
    child<QPushButton>(dialog, "AddButton")->click();
}

void add_named(QWidget* dialog, const QString& name, int kind) {
    auto* files = child<QListWidget>(dialog, "FileListBox1");
    add_rows(dialog, files->row(files->findItems(name, Qt::MatchExactly).value(0)), 1, kind);
}

TEST(SequentialDialog, RefusesBeyond2000FilesMixedKindsAndTheKindOtherAndCancelKeepsTheSet) {
    QTemporaryDir dir;
    for (int n = 1; n <= 2100; ++n) QFile(dir.filePath(QStringLiteral("f%1.p").arg(n))).open(QIODevice::WriteOnly);
    RememberedFolders folders;
    folders.sequential_load = dir.path();
    SequentialSet set;
    TSequential_Dialog dialog(set, folders);
    auto* files = child<QListWidget>(&dialog, "FileListBox1");
    EXPECT_EQ(files->item(8)->text(), "f9.p");  // natural order
    EXPECT_EQ(files->item(9)->text(), "f10.p");
    auto* chosen = child<QListWidget>(&dialog, "ProjectFileList");

    const struct {
        int first, count, kind;
        const char* refusal;  // nullptr: accepted
        int listed;
    } steps[] = {
        {0, 1500, FileChooser::kScalar, nullptr, 1500},
        {1500, 600, FileChooser::kScalar, messages::kCannotAddMore, 1500},
        {1500, 1, FileChooser::kVector, messages::kOneDataKindOnly, 1500},
        {1500, 1, FileChooser::kOther, messages::kChooseKindFirst, 1500},
        {0, 2, FileChooser::kGrid, messages::kOneGridOnly, 1500},
        {1500, 500, FileChooser::kScalar, nullptr, 2000},
    };
    for (const auto& step : steps) {
        ModalScript script;
        if (step.refusal) script.then(test::press(QMessageBox::Ok));
        add_rows(&dialog, step.first, step.count, step.kind);
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(script.messages().value(0), step.refusal ? text(step.refusal) : QString()) << step.first;
        EXPECT_EQ(chosen->count(), step.listed) << step.first;
    }
    EXPECT_EQ(chosen->item(1999)->text(), "f2000.p");
    child<QPushButton>(&dialog, "CancelButton")->click();
    EXPECT_EQ(set, SequentialSet{});
}

TEST(SequentialDialog, RefusesAtOkTwoFilesThatGiveOnePicture) {
    QTemporaryDir dir;
    for (const char* name : {"GRID.GRD", "run1.K", "run1.P"}) QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
    RememberedFolders folders;
    folders.sequential_load = folders.sequential_save = dir.path();
    SequentialSet set;
    TSequential_Dialog dialog(set, folders);
    add_named(&dialog, "GRID.GRD", FileChooser::kGrid);
    add_named(&dialog, "run1.K", FileChooser::kScalar);
    add_named(&dialog, "run1.P", FileChooser::kScalar);
    ModalScript script;
    script.then(test::press(QMessageBox::Ok));
    child<QPushButton>(&dialog, "OkButton")->click();
    EXPECT_EQ(script.messages(), QStringList{text(messages::kSamePictureName) + "\nrun1.K\nrun1.P"});
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(set, SequentialSet{});
}

// A first file whose header holds no node: the view is opened on the grid's
// area all the same, the file is named with its reason and gets no picture,
// and the others get theirs.
TEST(SequentialRun, ABadFirstFileIsReportedAndSkippedAndTheRunEndsWithItsSummaryAndLog) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out");
    QDir().mkpath(out);
    QFile reversed(dir.filePath("run0.p"));
    ASSERT_TRUE(reversed.open(QIODevice::WriteOnly));
    reversed.write("2 0 2 0\n1\n");
    reversed.close();
    SequentialSet set{1, test::write_grid(dir.path(), "GRID.GRD"), {reversed.fileName()}, SequentialKind::Scalar};
    set.seq_file_name << test::write_scalar(dir.path(), "run1.p") << test::write_scalar(dir.path(), "run2.p");
    RememberedFolders folders;
    folders.sequential_save = out;
    folders.write();
    auto main = test::shown_main_window();
    main->workspace().sequential = set;
    ModalScript script;  // a box on opening the view would be unexpected
    main->OpenSequentialSet();
    script.then([](QWidget* info) {
        QTimer::singleShot(0, info, [info] {
            child<QPushButton>(info, "Sq_Start")->click();
            static_cast<QDialog*>(info)->accept();
        });
    });
    script.then(test::press(QMessageBox::Ok)).then(test::press(QMessageBox::Ok));
    child<QToolButton>(main.get(), "Sq_StartSB")->click();
    ASSERT_TRUE(script.finished() && script.unexpected() == 0);
    const QString reason = text(messages::kHeaderMissesArea).arg("i 2..0, j 2..0", "i 0..2, j 0..2");
    EXPECT_EQ(script.messages()[0], text(messages::kFileFormatWrong) + '\n' + reversed.fileName() + '\n' + reason);
    EXPECT_TRUE(script.messages()[1].startsWith(text(messages::kConversionSummary).arg(2).arg(3)));
    EXPECT_TRUE(script.messages()[1].contains(text(messages::kFileAndReason).arg("run0.p", reason)));
    EXPECT_EQ(QDir(out).entryList({"*.bmp"}, QDir::Files), (QStringList{"run1.bmp", "run2.bmp"}));
    EXPECT_EQ(test::read_text(out + "/ruvo-conversion.log").count(": ok "), 2);
    // The run's final time, though it ended before the timer's first tick.
    const QString elapsed = main->findChild<TSequential_Info*>()->findChild<QLineEdit*>("Sq_Time_Edit")->text();
    EXPECT_TRUE(elapsed.startsWith(text(messages::kSqTimeBefore)) && elapsed.endsWith(text(messages::kSecondsSuffix)))
        << elapsed.toStdString();
}

// Numbered PNG pictures drawn with one range for the whole series, and a
// video of them: the dialog, the summary and the log say the range, the
// video plays the pictures, and the view has its own range back after the run.
TEST(SequentialRun, OneRangeForTheSeriesIsSaidAndTheViewGetsItsOwnBackAfterTheRun) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out");
    QDir().mkpath(out);
    SequentialSet set{1, test::write_grid(dir.path(), "GRID.GRD"), {}, SequentialKind::Scalar};
    set.seq_file_name << test::write_scalar(dir.path(), "run1.p") << test::write_scalar(dir.path(), "run2.p", 3, 3, 10);
    RememberedFolders folders;
    folders.sequential_save = out;
    folders.write();
    auto main = test::shown_main_window();
    main->workspace().sequential = set;
    main->OpenSequentialSet();
    ModalScript script;
    script.then([](QWidget* info) {
        QTimer::singleShot(0, info, [info] {
            for (const char* box : {"Sq_Png_Box", "Sq_Numbered_Box", "Sq_SeriesRange_Box", "Sq_Video_Box"})
                child<QCheckBox>(info, box)->setChecked(true);
            child<QLineEdit>(info, "Sq_Video_Edit")->setText("run.mp4");
            child<QPushButton>(info, "Sq_Start")->click();
            static_cast<QDialog*>(info)->accept();
        });
    });
    script.then(test::press(QMessageBox::Ok));  // the summary
    child<QToolButton>(main.get(), "Sq_StartSB")->click();
    ASSERT_TRUE(script.finished() && script.unexpected() == 0);
    EXPECT_EQ(main->findChild<QLabel*>("Sq_Range_Label")->text(), text(messages::kSqRangeUsed) + "\n1 .. 18");
    EXPECT_TRUE(script.messages().value(0).contains(text(messages::kSqRangeUsed) + "1 .. 18"));
    EXPECT_EQ(QDir(out).entryList({"0*"}, QDir::Files), (QStringList{"0001.png", "0002.png"}));
    EXPECT_TRUE(
        test::read_text(out + "/ruvo-conversion.log").startsWith(text(messages::kSeriesRangeUsed) + "1 .. 18\n"));
    const View_Info& view = main->workspace().views.at(main->current_view()->slot());
    EXPECT_FALSE(view.min_changed || view.max_changed);
    const std::vector<QImage> frames = test::decode_video(out + "/run.mp4");
    ASSERT_EQ(frames.size(), 2U);
    EXPECT_GE(test::psnr(QImage(out + "/0001.png"), frames[0]), 30);
    EXPECT_GE(test::psnr(QImage(out + "/0002.png"), frames[1]), 30);
    EXPECT_TRUE(script.messages().value(0).contains(text(messages::kSqVideoWritten).arg(2) + out + "/run.mp4"));
}

// A set chosen through the dialog, run from the run dialog and stopped
// during its second file; the batch draws the same pictures.
TEST(SequentialRun, StopsAfterTheFileInHandAndDrawsWhatTheBatchDraws) {
    QTemporaryDir dir;
    const QString data = dir.filePath("data"), out = dir.filePath("out");
    QDir().mkpath(data);
    QDir().mkpath(out);
    const QString cylinder = QStringLiteral(RUVO_EXAMPLES_DIR "/cylinder/");
    QFile::copy(cylinder + "CYLINDER.GRD", data + "/GRID.GRD");
    const QStringList names{"run0001.v", "run0002", "run9.v", "run10.v"};
    for (const QString& name : names) QFile::copy(cylinder + "CYLINDER.V", data + '/' + name);
    RememberedFolders folders;
    folders.sequential_load = data;
    folders.sequential_save = out;
    folders.write();
    auto main = test::shown_main_window();

    ModalScript script;
    script.then([&](QWidget* dialog) {
        ASSERT_NE(qobject_cast<TSequential_Dialog*>(dialog), nullptr);
        add_named(dialog, "GRID.GRD", FileChooser::kGrid);
        add_rows(dialog, 1, 4, FileChooser::kVector);  // after GRID.GRD
        EXPECT_EQ(child<QListWidget>(dialog, "ProjectFileList")->item(3)->text(), "run10.v");
        child<QPushButton>(dialog, "OkButton")->click();
    });
    child<QToolButton>(main.get(), "OpenSequentialSB")->click();
    EXPECT_EQ(main->windowTitle(), text(messages::kSequentialMainCaption));
    EXPECT_TRUE(main->workspace().fixed_size_mode);
    EXPECT_EQ(main->view_windows().size(), 2);
    EXPECT_FALSE(child<QToolButton>(main.get(), "MagniUpSB")->isEnabled());
    EXPECT_FALSE(child<QToolButton>(main.get(), "FollowSB")->isEnabled());
    auto* start = child<QToolButton>(main.get(), "Sq_StartSB");
    ASSERT_TRUE(start->isVisible() && start->isEnabled());

    // The stop button is pressed while the second file is in hand; the
    // close button, once idle, asks first.
    auto* info = main->findChild<TSequential_Info*>();
    QTimer watcher;
    int stage = 0;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* quit = child<QPushButton>(info, "Sq_Quit_Close");
        if (stage == 0 && child<QLineEdit>(info, "Sq_FileName_Edit")->text().endsWith("run0002.bmp")) {
            EXPECT_EQ(quit->text(), text(messages::kSqQuit));
            quit->click();
            stage = 1;
        } else if (stage == 1 && !info->seq_running() && QApplication::activeModalWidget() == info) {
            stage = 2;
            watcher.stop();
            EXPECT_EQ(quit->text(), text(messages::kCloseButton));
            quit->click();
        }
    });
    script.then([&](QWidget* dialog) {
        ASSERT_EQ(dialog, info);
        watcher.start(0);
        QTimer::singleShot(0, child<QPushButton>(info, "Sq_Start"), &QPushButton::click);
    });
    script.then(test::press(QMessageBox::Ok));  // the summary
    script.then(test::press(QMessageBox::Ok));
    start->click();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.messages().value(1), text(messages::kReally));
    EXPECT_EQ(QDir(out).entryList({"*.bmp"}, QDir::Files), (QStringList{"run0001.bmp", "run0002.bmp"}));
    EXPECT_EQ(main->current_view()->windowTitle(), data + "/run0002");

    const QString project = test::write_project(dir.filePath("p.RVP"), data + "/GRID.GRD", {data + "/run0001.v"}, {});
    QProcess render;
    render.start(QStringLiteral(RUVO_RENDER), {project, "--vector", "0", "--fixed", "--batch", data + "/run0001.v",
                                               data + "/run0002", "--out-dir", dir.filePath("batch")});
    ASSERT_TRUE(render.waitForFinished(60000));
    EXPECT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
    for (const char* picture : {"/run0001.bmp", "/run0002.bmp"}) {
        QFile dialog_picture(out + picture), batch_picture(dir.filePath("batch") + picture);
        ASSERT_TRUE(dialog_picture.open(QIODevice::ReadOnly) && batch_picture.open(QIODevice::ReadOnly));
        EXPECT_TRUE(dialog_picture.readAll() == batch_picture.readAll()) << picture;
    }
}

}  // namespace
}  // namespace ruvo
