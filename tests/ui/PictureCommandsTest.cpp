#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QColorSpace>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "TestSupport.h"
#include "UiTestSupport.h"
#include "data/RememberedFolders.h"
#include "ui/Main.h"
#include "ui/Messages.h"
#include "ui/PictureCommands.h"
#include "ui/Sub.h"

namespace ruvo {
namespace {

using test::ModalScript;
using test::text;

// A view of the cylinder sample's pressure, opened as the user opens it.
class PictureCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        main_ = test::shown_main_window(test::example("cylinder/cylinder.RVP"));
        test::double_click_row(test::list_of(*main_, "ScalarListBox"), 0);
        ASSERT_EQ(main_->view_windows().size(), 1);
        view_ = main_->view_windows().first();
        ASSERT_FALSE(picture().isNull());
    }

    QImage picture() const { return view_->image()->picture().convertToFormat(QImage::Format_RGB32); }
    void trigger(const char* item) { view_->findChild<QAction*>(QString::fromLatin1(item))->trigger(); }
    // Saves the view's picture under the name typed into the save dialog
    // and returns the messages shown: one when `fails`.
    QStringList save_as_bitmap(const QString& typed, bool fails = false) {
        ModalScript script;
        script.then([this, typed](QWidget* dialog) {
            EXPECT_EQ(qobject_cast<QFileDialog*>(dialog)->directory(), QDir(images_folder()));
            test::choose_file(typed)(dialog);
        });
        if (fails) script.then(test::press(QMessageBox::Ok));
        trigger("SaveAsBitmap");
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(script.unexpected(), 0);
        return script.messages();
    }
    QString images_folder() const { return main_->remembered_folders().images; }

    QTemporaryDir dir_;
    std::unique_ptr<TRuvo_Main_Form> main_;
    TRuvo_Sub_Form* view_ = nullptr;
};

TEST_F(PictureCommandsTest, SaveAsBitmapAddsTheExtensionReplacesWithoutAskingAndRemembersTheFolder) {
    EXPECT_TRUE(save_as_bitmap(dir_.filePath("view")).isEmpty());
    EXPECT_EQ(QImage(dir_.filePath("view.BMP"), "BMP").convertToFormat(QImage::Format_RGB32), picture());
    EXPECT_EQ(images_folder(), dir_.path() + u'/');
    EXPECT_EQ(RememberedFolders::read().images, dir_.path() + u'/');

    const QString earlier = test::write_file(dir_.filePath("again"), "old.bmp", "earlier");
    EXPECT_TRUE(save_as_bitmap(earlier).isEmpty());
    EXPECT_EQ(QImage(earlier, "BMP").convertToFormat(QImage::Format_RGB32), picture());
    EXPECT_EQ(images_folder(), dir_.filePath("again") + u'/');
}

TEST_F(PictureCommandsTest, AFailedSaveShowsWhyAndKeepsTheFileAndTheFolder) {
    const QString folder_before = images_folder();
    const QString earlier = test::write_file(dir_.filePath("full"), "view.bmp", "earlier");
    const QStringList messages = test::with_file_size_limit(4096, [&] { return save_as_bitmap(earlier, true); });
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(text(messages::kBitmapWriteFailed) + u'\n' + earlier + u'\n'));
    EXPECT_GT(messages[0].size(), (text(messages::kBitmapWriteFailed) + earlier).size() + 2);  // the reason
    EXPECT_EQ(test::read_text(earlier), QStringLiteral("earlier"));
    EXPECT_EQ(images_folder(), folder_before);
}

TEST_F(PictureCommandsTest, CopyPutsThePictureOnTheClipboard) {
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(main_.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), picture());
}

// Printed to a PDF file at 600 dots per inch, the page shows the picture
// dot for dot in its top left corner and nothing else.
TEST_F(PictureCommandsTest, ThePrintButtonPrintsThePictureDotForDotAtThePaperCorner) {
    QPrinter& printer = main_->picture_commands().printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir_.filePath("view.pdf"));
    printer.setResolution(600);
    ModalScript script;
    // The set-up applies to the next print. Letter is a whole number of dots
    // high (792 pt, 6600 dots); on A4 the renderer below sets the page's top
    // edge off its grid of dots and blurs the picture.
    script.then([](QWidget* setup) {
        auto* paper = setup->findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
        ASSERT_NE(paper, nullptr);
        const int letter = paper->findData(QVariant::fromValue(QPageSize(QPageSize::Letter)));
        ASSERT_GE(letter, 0);
        paper->setCurrentIndex(letter);
        qobject_cast<QDialog*>(setup)->accept();
    });
    script.then([](QWidget* print) { qobject_cast<QDialog*>(print)->accept(); });
    trigger("PrinterSetup");
    main_->findChild<QToolButton*>(QStringLiteral("PrintSB"))->click();
    EXPECT_TRUE(script.finished());
    EXPECT_TRUE(script.messages().isEmpty());

    // The corner of the page, a little larger than the picture.
    const QImage shown = picture();
    const QSize corner = shown.size() + QSize(100, 100);
    QProcess render;
    render.start(QStringLiteral("pdftocairo"),
                 {"-r", "600", "-png", "-singlefile", "-W", QString::number(corner.width()), "-H",
                  QString::number(corner.height()), dir_.filePath("view.pdf"), dir_.filePath("page")});
    ASSERT_TRUE(render.waitForFinished(60000) && render.exitCode() == 0) << "pdftocairo (poppler-utils) is needed";
    QImage page = QImage(dir_.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
    page.setColorSpace({});  // the renderer's sRGB label is no difference
    ASSERT_EQ(page.size(), corner);
    EXPECT_EQ(page.copy(shown.rect()), shown);
    QImage rest = page;
    QPainter(&rest).fillRect(shown.rect(), Qt::white);
    QImage blank(page.size(), QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_EQ(rest, blank);
}

}  // namespace
}  // namespace ruvo
