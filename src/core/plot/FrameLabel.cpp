#include "plot/FrameLabel.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "plot/Fonts.h"

namespace ruvo {

namespace {
constexpr int kTextPixels = 12;
constexpr int kPadding = 3;  // between the text and the box's edge
constexpr int kMargin = 2;   // between the box and the picture's edge
}  // namespace

QImage with_frame_label(QImage picture, const QString& text) {
    if (picture.isNull() || text.isEmpty()) return picture;
    need_fonts();
    QFont font(QString::fromUtf8(kPlotFontName));
    font.setPixelSize(kTextPixels);
    const QFontMetrics metrics(font);
    const int room = picture.width() - 2 * (kMargin + kPadding);
    const QString shown = metrics.elidedText(text, Qt::ElideLeft, std::max(room, 0));
    const QSize box(metrics.horizontalAdvance(shown) + 2 * kPadding, metrics.height() + 2 * kPadding);
    const QRect frame(picture.width() - kMargin - box.width(), kMargin, box.width(), box.height());
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.drawText(frame, Qt::AlignCenter, shown);
    return picture;
}

}  // namespace ruvo
