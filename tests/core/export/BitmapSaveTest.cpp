#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "TestSupport.h"
#include "Workspace.h"
#include "export/BitmapSave.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"
#include "plot/Renderer.h"
#include "view/ViewOpening.h"

namespace ruvo {
namespace {

using test::write_file;

QByteArray read_bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The cylinder's pressure as a colour fill, drawn as its view window draws it.
QImage cylinder_fill_view() {
    auto ws = std::make_unique<Workspace>();
    load_project(*ws, test::example("cylinder/cylinder.RVP"));
    const int slot = open_view(*ws, FileKind::Scalar, 0).slot;
    ws->views.at(slot).ScalarViewType = kFillView;
    QImage picture;
    NoProgress progress;
    NoStatusBoxes status;
    EXPECT_TRUE(render_view(*ws, slot, picture, progress, status).ok());
    return picture;
}

class BitmapSaveTest : public ::testing::Test {
protected:
    QTemporaryDir dir_;
    const QImage view_ = cylinder_fill_view();
};

TEST_F(BitmapSaveTest, EveryPixelComesBackFromATwentyFourBitFileThatReplacesTheEarlierOne) {
    const QString path = write_file(dir_.path(), "view.bmp", "earlier");
    // However the picture is held, the file has three bytes a pixel.
    for (const QImage::Format held : {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_Indexed8}) {
        SCOPED_TRACE(held);
        const QImage picture = view_.convertToFormat(held);
        ASSERT_TRUE(save_bitmap(picture, path).ok);
        const QByteArray bytes = read_bytes(path);
        ASSERT_GT(bytes.size(), 30);
        EXPECT_EQ(bytes.left(2), "BM");
        EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), 24);
        const QImage read = QImage::fromData(bytes, "BMP");
        EXPECT_EQ(read.size(), view_.size());
        EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), picture.convertToFormat(QImage::Format_RGB32));
    }
}

TEST_F(BitmapSaveTest, AFailedSaveSaysWhyAndLeavesTheEarlierFile) {
    const QString not_a_folder = write_file(dir_.path(), "plain", "x");
    QDir(dir_.path()).mkpath("folder.bmp");
    const QString earlier = write_file(dir_.filePath("full"), "view.bmp", "earlier");
    const struct {
        const char* what;
        QString path;
        rlim_t size_limit;
    } cases[] = {
        {"folder is a regular file", not_a_folder + "/view.bmp", RLIM_INFINITY},
        {"folder does not exist", dir_.filePath("missing/view.bmp"), RLIM_INFINITY},
        {"the name is a folder", dir_.filePath("folder.bmp"), RLIM_INFINITY},
        {"the disk fills up", earlier, 4096},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const WriteResult saved = test::with_file_size_limit(c.size_limit, [&] { return save_bitmap(view_, c.path); });
        EXPECT_FALSE(saved.ok);
        EXPECT_FALSE(saved.error.isEmpty());
    }
    EXPECT_EQ(read_bytes(not_a_folder), "x");
    EXPECT_FALSE(QDir(dir_.filePath("missing")).exists());
    EXPECT_EQ(read_bytes(earlier), "earlier");
    EXPECT_EQ(QDir(dir_.filePath("full")).entryList(QDir::Files | QDir::Hidden), QStringList{"view.bmp"});
}

}  // namespace
}  // namespace ruvo
