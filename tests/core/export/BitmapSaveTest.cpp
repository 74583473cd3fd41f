#include <gtest/gtest.h>

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

QByteArray read_bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The cylinder's pressure as a colour fill, drawn as its view window draws it.
QImage cylinder_fill_view() {
    auto ws = std::make_unique<Workspace>();  // too large for the stack
    load_project(*ws, test::example("cylinder/cylinder.RVP"));
    const int slot = open_view(*ws, FileKind::Scalar, 0).slot;
    ws->views.at(slot).ScalarViewType = kFillView;
    QImage picture;
    NoProgress progress;
    NoStatusBoxes status;
    EXPECT_TRUE(render_view(*ws, slot, picture, progress, status).ok());
    return picture;
}

// Failed saves are those of every whole-file write (see the project file tests).
TEST(BitmapSaveTest, EveryPixelComesBackFromTwentyFourBitsOverTheEarlierFile) {
    const QImage view = cylinder_fill_view();
    QTemporaryDir dir;
    const QString path = test::write_file(dir.path(), "view.bmp", "earlier");
    for (const QImage::Format held : {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_Indexed8}) {
        const QImage picture = view.convertToFormat(held);
        ASSERT_TRUE(save_bitmap(picture, path).ok);
        const QByteArray bytes = read_bytes(path);
        EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), 24) << held;
        EXPECT_EQ(QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32),
                  picture.convertToFormat(QImage::Format_RGB32)) << held;
    }
}

}  // namespace
}  // namespace ruvo
