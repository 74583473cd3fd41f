#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace ruvo {

// The client size of a view window after a redraw. Each direction in which
// the image is smaller than the space the main window leaves for views
// (`space`) is fitted to the image; the others keep the current size and
// scroll. A direction that scrolls shows its scroll bar inside the client
// area, so the fitted other direction is widened by the bar (`scroll_bar`)
// while there is room, and the image stays fully visible in that direction.
QSize fitted_client_size(QSize image, QSize space, QSize client, int scroll_bar);

enum class TileDirection {
    OneAboveTheOther,  // Tile_Horizon
    SideBySide,        // Tile_Vertical
};

// Rectangles that tile `area` with `count` windows. Up to three windows share
// one band; more are spread over floor(sqrt(count)) bands, later bands taking
// one window more when they do not divide evenly.
std::vector<QRect> tiled_rects(QSize area, int count, TileDirection direction);

// Cascade: window k is placed k steps right of and below the area's
// top-left corner and keeps its size, clipped to the area. The offsets start
// again at the corner before they take more than half the area, so every
// window keeps at least half of the area's width and height when it needs it.
std::vector<QRect> cascaded_rects(QSize area, const std::vector<QSize>& sizes, int step);

// Where a window goes so that it lies inside `area`: moved up and left as far
// as needed, but never past the area's top-left corner, so a window larger
// than the area shows its top-left part.
QPoint placed_inside(const QRect& window, QSize area);

// Places of `count` minimised windows of size `icon`, in rows along the
// bottom of `area`, left to right, each full row pushing the next one up.
std::vector<QPoint> icon_positions(QSize area, QSize icon, int count);

}  // namespace ruvo
