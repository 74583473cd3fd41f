#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorSpace>
#include <QFileDialog>
#include <QPainter>
#include <QProcess>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "TestSupport.h"
#include "UiTestSupport.h"
#include "Workspace.h"
#include "data/RememberedFolders.h"
#include "ui/Messages.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/PictureCommands.h"
#include "ui/viewwindow/ViewWindow.h"

namespace ruvo {
namespace {

using test::ModalScript;

// The cylinder's pressure in colour fill, opened as the user opens it. (The
// other failed saves, such as an unwritable folder, are those of every
// whole-file write, tested with the project file.)
class PictureCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        main_ = test::shown_main_window(test::example("cylinder/cylinder.RVP"));
        test::double_click_row(test::list_of(*main_, "ScalarListBox"), 0);
        ASSERT_EQ(main_->view_windows().size(), 1);
        QTest::keyClick(main_.get(), Qt::Key_F3);
    }
    const QImage& picture() const { return main_->view_windows()[0]->image()->picture(); }
    // Saves through the File menu's key (Ctrl+Shift+B, Ctrl+Shift+G) under a
    // name typed into the save dialog, which starts in the remembered folder,
    // then answers what comes up; returns the messages shown.
    QStringList save(Qt::Key key, const QString& typed, std::initializer_list<ModalScript::Answer> answers = {}) {
        ModalScript script;
        script.then([this, typed](QWidget* dialog) {
            EXPECT_EQ(qobject_cast<QFileDialog*>(dialog)->directory(), QDir(main_->remembered_folders().images));
            test::choose_file(typed)(dialog);
        });
        for (const ModalScript::Answer& answer : answers) script.then(answer);
        QApplication::setActiveWindow(main_.get());  // as on the desktop once a dialog has closed
        QTest::keyClick(main_.get(), key, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(script.finished() && script.unexpected() == 0);
        return script.messages();
    }
    QStringList save_as_bitmap(const QString& typed, bool fails = false) {
        if (fails) return save(Qt::Key_B, typed, {test::press(QMessageBox::Ok)});
        return save(Qt::Key_B, typed);
    }

    QTemporaryDir dir_;
    std::unique_ptr<TRuvo_Main_Form> main_;
};

TEST_F(PictureCommandsTest, SaveAsBitmapAddsTheExtensionReplacesWithoutAQuestionAndKeepsTheFolderOnFailure) {
    EXPECT_TRUE(save_as_bitmap(dir_.filePath("view")).isEmpty());
    EXPECT_TRUE(save_as_bitmap(dir_.filePath("view.BMP")).isEmpty());  // replaced without a question
    EXPECT_EQ(QImage(dir_.filePath("view.BMP")), picture());
    EXPECT_EQ(RememberedFolders::read().images, dir_.path() + u'/');

    // A full disk: the earlier file and the remembered folder stay.
    const QString earlier = test::write_file(dir_.filePath("full"), "view.bmp", "earlier");
    const QStringList messages = test::with_file_size_limit(4096, [&] { return save_as_bitmap(earlier, true); });
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(test::text(messages::kBitmapWriteFailed) + u'\n' + earlier + u'\n'));
    EXPECT_EQ(test::read_text(earlier), QStringLiteral("earlier"));
    EXPECT_EQ(main_->remembered_folders().images, dir_.path() + u'/');
}

// The save dialog's type, or the name's extension, says the file's type; its
// scale enlarges a bitmap or PNG.
TEST_F(PictureCommandsTest, SaveAsBitmapWritesPngSvgAndPdfTooAndEnlargesBitmaps) {
    {
        ModalScript script;
        script.then([this](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            files->selectNameFilter(QStringLiteral("PNG(*.png)"));
            files->findChild<QSpinBox*>(QStringLiteral("PictureScale"))->setValue(3);
            test::choose_file(dir_.filePath("large"))(dialog);
        });
        QTest::keyClick(main_.get(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(script.finished() && script.messages().isEmpty());
    }
    EXPECT_EQ(QImage(dir_.filePath("large.png")).size(), picture().size() * 3);

    const QByteArray starts[][2] = {{"view.svg", "<?xml"}, {"view.pdf", "%PDF-"}};
    for (const auto& [name, start] : starts) {
        EXPECT_TRUE(save_as_bitmap(dir_.filePath(name)).isEmpty());
        EXPECT_TRUE(test::read_text(dir_.filePath(name)).startsWith(start)) << name.constData();
    }
}

// Fitted to the page, the print fills the printable width; the preview's
// switch sets it for the prints that follow.
TEST_F(PictureCommandsTest, PrintsFitToThePageByTheDialogsOrThePreviewsSwitch) {
    QPrinter& printer = main_->picture_commands().printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir_.filePath("fitted.pdf"));
    printer.setResolution(72);
    {
        ModalScript script;
        script.then([](QWidget* print) {
            print->findChild<QCheckBox*>(QStringLiteral("FitToPage"))->setChecked(true);
            qobject_cast<QDialog*>(print)->accept();
        });
        main_->view_windows()[0]->PrintClick();
        EXPECT_TRUE(script.finished() && script.messages().isEmpty());
    }
    EXPECT_TRUE(main_->picture_commands().fit_to_page());
    QProcess render;
    render.start("pdftocairo", {"-r", "72", "-png", "-singlefile", dir_.filePath("fitted.pdf"), dir_.filePath("page")});
    ASSERT_TRUE(render.waitForFinished(60000) && render.exitCode() == 0);
    const QImage page(dir_.filePath("page.png"));
    const QRect printable = printer.pageLayout().paintRectPixels(72);
    EXPECT_GE(test::changed_area(page, QImage(page.size(), page.format())).width(), printable.width() - 2);

    ModalScript preview;
    preview.then([](QWidget* dialog) {
        dialog->findChild<QAction*>(QStringLiteral("FitToPage"))->toggle();
        qobject_cast<QDialog*>(dialog)->reject();
    });
    main_->view_windows()[0]->PrintPreviewClick();
    EXPECT_TRUE(preview.finished());
    EXPECT_FALSE(main_->picture_commands().fit_to_page());
}

// An earlier file is replaced only after a question; a plot that the screen
// cannot draw either (all values 0 in a row view) writes nothing.
TEST_F(PictureCommandsTest, GrafExportAsksBeforeReplacingAndWritesWholeFilesOnly) {
    const QString path = test::write_file(dir_.path(), "view.gra", "earlier");
    // "No" to the question, then the save dialog cancelled.
    const ModalScript::Answer keep = [](QWidget* question) {
        auto* files = qobject_cast<QDialog*>(question->parentWidget());
        test::press(QMessageBox::No)(question);
        QMetaObject::invokeMethod(files, &QDialog::reject, Qt::QueuedConnection);
    };
    EXPECT_EQ(save(Qt::Key_G, dir_.filePath("view"), {keep}).size(), 1);
    EXPECT_EQ(test::read_text(path), QStringLiteral("earlier"));

    EXPECT_EQ(save(Qt::Key_G, path, {test::press(QMessageBox::Yes)}).size(), 1);
    const QString file = test::read_text(path);
    EXPECT_TRUE(file.startsWith(QStringLiteral("%Ngraph GRAF\r\n")) && file.endsWith(QStringLiteral("E,0\r\n")));
    EXPECT_GT(file.count(QStringLiteral("\nD,12,5,1,")), 4000);  // the fill's cells
    EXPECT_EQ(main_->remembered_folders().images, dir_.path() + u'/');

    Workspace& ws = main_->workspace();
    ws.store.scalar_data[static_cast<std::size_t>(data_slot_of(ws.store, ws.views.current()))].value = Table{};
    ws.views.at(ws.views.current_active_window).ScalarViewType = kRowView;
    const QStringList refused = save(Qt::Key_G, path, {test::press(QMessageBox::Yes), test::press(QMessageBox::Ok)});
    ASSERT_EQ(refused.size(), 2);
    EXPECT_EQ(refused[1], test::text(messages::kRedrawError));
    EXPECT_EQ(test::read_text(path), file);
}

// A magnification bar moved but not committed leaves the picture as it is
// drawn, and the file with it: the one ruvo-render writes of the view.
TEST_F(PictureCommandsTest, GrafExportWritesTheViewAsDrawnWhateverTheBarShows) {
    main_->findChild<QSlider*>("MagnificationBar")->setValue(300);
    const QString exported = dir_.filePath("window.gra"), rendered = dir_.filePath("render.gra");
    save(Qt::Key_G, exported);
    QProcess render;
    render.start(QStringLiteral(RUVO_RENDER),
                 {test::example("cylinder/cylinder.RVP"), "--scalar", "0", "--view", "fill", "-o", rendered});
    ASSERT_TRUE(render.waitForFinished(60000) && render.exitCode() == 0);
    EXPECT_EQ(test::read_text(exported), test::read_text(rendered));
}

TEST_F(PictureCommandsTest, CopyPutsThePictureOnTheClipboard) {
    QTest::keyClick(main_.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->image(), picture());
}

// The print button prints to a PDF file at 720 dots per inch (ten dots a
// point, so that the renderer below keeps to the grid of dots) a page that
// shows the picture dot for dot in its top left corner.
TEST_F(PictureCommandsTest, ThePrintButtonPrintsThePictureDotForDotAtThePaperCorner) {
    QPrinter& printer = main_->picture_commands().printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir_.filePath("view.pdf"));
    printer.setResolution(720);
    ModalScript script;
    script.then([](QWidget* print) { qobject_cast<QDialog*>(print)->accept(); });
    main_->findChild<QToolButton*>(QStringLiteral("PrintSB"))->click();
    EXPECT_TRUE(script.finished() && script.messages().isEmpty());

    const QImage shown = picture();
    const QSize corner = shown.size() + QSize(100, 100);
    QProcess render;  // poppler-utils
    render.start("pdftocairo", {"-r", "720", "-png", "-singlefile", "-W", QString::number(corner.width()), "-H",
                                QString::number(corner.height()), dir_.filePath("view.pdf"), dir_.filePath("page")});
    ASSERT_TRUE(render.waitForFinished(60000) && render.exitCode() == 0);
    QImage page = QImage(dir_.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
    page.setColorSpace({});  // the renderer's sRGB label is no difference
    ASSERT_EQ(page.size(), corner);
    QImage expected(corner, QImage::Format_RGB32);
    expected.fill(Qt::white);
    QPainter(&expected).drawImage(0, 0, shown);
    EXPECT_EQ(page, expected);
}

}  // namespace
}  // namespace ruvo
