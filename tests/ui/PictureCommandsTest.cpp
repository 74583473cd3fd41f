#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QColorSpace>
#include <QFileDialog>
#include <QPainter>
#include <QProcess>
#include <QTest>
#include <QToolButton>

#include "TestSupport.h"
#include "UiTestSupport.h"
#include "data/RememberedFolders.h"
#include "ui/Main.h"
#include "ui/Messages.h"
#include "ui/PictureCommands.h"

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
    // Saves the picture under a name typed into the save dialog, which starts
    // in the remembered folder; returns the messages then shown.
    QStringList save_as_bitmap(const QString& typed, bool fails = false) {
        ModalScript script;
        script.then([this, typed](QWidget* dialog) {
            EXPECT_EQ(qobject_cast<QFileDialog*>(dialog)->directory(), QDir(main_->remembered_folders().images));
            test::choose_file(typed)(dialog);
        });
        if (fails) script.then(test::press(QMessageBox::Ok));
        QApplication::setActiveWindow(main_.get());  // as on the desktop once a dialog has closed
        QTest::keyClick(main_.get(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(script.finished() && script.unexpected() == 0);
        return script.messages();
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
