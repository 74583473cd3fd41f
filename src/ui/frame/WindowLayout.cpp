#include "ui/frame/WindowLayout.h"

#include <algorithm>
#include <cmath>

#include "data/Nearest.h"

namespace ruvo {

QSize fitted_client_size(QSize image, QSize space, QSize client, int scroll_bar) {
    const bool width_fits = image.width() < space.width();
    const bool height_fits = image.height() < space.height();
    QSize fitted(width_fits ? image.width() : client.width(), height_fits ? image.height() : client.height());
    const bool scrolls_down = fitted.height() < image.height();
    const bool scrolls_across = fitted.width() < image.width();
    if (width_fits && scrolls_down && fitted.width() + scroll_bar < space.width()) {
        fitted.rwidth() += scroll_bar;
    }
    if (height_fits && scrolls_across && fitted.height() + scroll_bar < space.height()) {
        fitted.rheight() += scroll_bar;
    }
    return fitted;
}

std::vector<QRect> tiled_rects(QSize area, int count, TileDirection direction) {
    std::vector<QRect> rects;
    if (count <= 0) return rects;
    const int bands = std::max(1, Truncate(std::sqrt(static_cast<double>(count))));
    // Side by side: bands are rows of windows next to each other. One above
    // the other: bands are columns of stacked windows. Worked out for rows
    // and transposed for columns.
    const bool rows = direction == TileDirection::SideBySide;
    const int across = rows ? area.width() : area.height();
    const int along = rows ? area.height() : area.width();
    for (int band = 0; band < bands; ++band) {
        const int in_band = count / bands + (band >= bands - count % bands ? 1 : 0);
        const int top = along * band / bands;
        const int bottom = along * (band + 1) / bands;
        for (int k = 0; k < in_band; ++k) {
            const int left = across * k / in_band;
            const int right = across * (k + 1) / in_band;
            rects.push_back(rows ? QRect(left, top, right - left, bottom - top)
                                 : QRect(top, left, bottom - top, right - left));
        }
    }
    return rects;
}

std::vector<QRect> cascaded_rects(QSize area, const std::vector<QSize>& sizes, int step) {
    std::vector<QRect> rects;
    const int steps_that_fit = step > 0 ? std::max(1, std::min(area.width(), area.height()) / (2 * step)) : 1;
    for (std::size_t k = 0; k < sizes.size(); ++k) {
        const int offset = static_cast<int>(k % static_cast<std::size_t>(steps_that_fit)) * step;
        rects.emplace_back(offset, offset, std::min(sizes[k].width(), area.width() - offset),
                           std::min(sizes[k].height(), area.height() - offset));
    }
    return rects;
}

QPoint placed_inside(const QRect& window, QSize area) {
    return {std::max(0, std::min(window.left(), area.width() - window.width())),
            std::max(0, std::min(window.top(), area.height() - window.height()))};
}

std::vector<QPoint> icon_positions(QSize area, QSize icon, int count) {
    std::vector<QPoint> positions;
    positions.reserve(static_cast<std::size_t>(std::max(0, count)));
    const int per_row = std::max(1, icon.width() > 0 ? area.width() / icon.width() : 1);
    for (int k = 0; k < count; ++k) {
        positions.emplace_back(k % per_row * icon.width(), area.height() - (k / per_row + 1) * icon.height());
    }
    return positions;
}

}  // namespace ruvo
