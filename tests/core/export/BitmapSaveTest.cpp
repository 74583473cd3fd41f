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

// The cylinder's pressure as a colour fill, saved over an earlier file:
// every pixel comes back from three bytes. (Failed saves are those of every
// whole-file write, tested with the project file.)
TEST(BitmapSaveTest, EveryPixelOfAViewComesBackFromTwentyFourBits) {
    auto ws = std::make_unique<Workspace>();
    load_project(*ws, test::example("cylinder/cylinder.RVP"));
    const int slot = open_view(*ws, FileKind::Scalar, 0).slot;
    ws->views.at(slot).ScalarViewType = kFillView;
    QImage picture;
    NoProgress progress;
    NoStatusBoxes status;
    ASSERT_TRUE(render_view(*ws, slot, picture, progress, status).ok());

    QTemporaryDir dir;
    QFile file(test::write_file(dir.path(), "view.bmp", "earlier"));
    ASSERT_TRUE(save_bitmap(picture, file.fileName()).ok);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), 24);
    EXPECT_EQ(QImage::fromData(bytes, "BMP").convertToFormat(picture.format()), picture);
}

}  // namespace
}  // namespace ruvo
