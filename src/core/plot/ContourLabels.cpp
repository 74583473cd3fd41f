#include "plot/ContourLabels.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "plot/PlotNumbers.h"

namespace ruvo {

namespace {
constexpr double kLabelSpacing = 0.4;    // of the area's larger side, along a line
constexpr double kShortestLine = 3.0;    // label widths: shorter lines get none
constexpr double kMarginOfHeight = 0.2;  // the box's margin round the text
constexpr int kShiftsEachWay = 4;        // tries along the line from the preferred place
constexpr double kShiftOfWidth = 0.75;   // each try this many label widths further

double length_of(const ContourChain& line) {
    double length = 0.0;
    for (std::size_t k = 1; k < line.size(); ++k) length += QLineF(line[k - 1], line[k]).length();
    return length;
}

// The point `distance` along the line from its start.
QPointF point_along(const ContourChain& line, double distance) {
    for (std::size_t k = 1; k < line.size(); ++k) {
        const double step = QLineF(line[k - 1], line[k]).length();
        if (distance <= step && step > 0.0) return line[k - 1] + (line[k] - line[k - 1]) * (distance / step);
        distance -= step;
    }
    return line.back();
}

// The stretch t0..t1 of segment a-b (t from 0 at a to 1 at b) inside `box`;
// empty when t0 >= t1.
std::pair<double, double> inside_stretch(QPointF a, QPointF b, const QRectF& box) {
    double t0 = 0.0;
    double t1 = 1.0;
    const QPointF d = b - a;
    // Each side of the box bounds t from one end: p t <= q.
    const double p[4] = {-d.x(), d.x(), -d.y(), d.y()};
    const double q[4] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(), box.bottom() - a.y()};
    for (int side = 0; side < 4; ++side) {
        if (p[side] == 0.0) {
            if (q[side] < 0.0) return {1.0, 0.0};
            continue;
        }
        const double t = q[side] / p[side];
        if (p[side] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
    }
    return {t0, t1};
}
}  // namespace

std::vector<ContourLabel> place_contour_labels(const std::vector<LevelLines>& levels, const TextMeasure& measure,
                                               const QRectF& area, const std::vector<QRectF>& taken) {
    std::vector<ContourLabel> labels;
    std::vector<QRectF> boxes = taken;
    const double spacing = kLabelSpacing * std::max(area.width(), area.height());
    for (std::size_t level = 0; level < levels.size(); ++level) {
        const LevelLines& lines = levels[level];
        const QSizeF text = measure.size(lines.text);
        const double margin = kMarginOfHeight * text.height();
        const QSizeF size(text.width() + 2 * margin, text.height() + 2 * margin);
        std::vector<double> lengths;
        for (const ContourChain& line : lines.lines) lengths.push_back(length_of(line));
        std::vector<std::size_t> longest_first(lines.lines.size());
        std::iota(longest_first.begin(), longest_first.end(), 0);
        std::stable_sort(longest_first.begin(), longest_first.end(),
                         [&](std::size_t l, std::size_t r) { return lengths[l] > lengths[r]; });
        for (const std::size_t n : longest_first) {
            const double length = lengths[n];
            if (!(length >= kShortestLine * size.width())) continue;
            const double count = std::max(1.0, std::floor(length / spacing));
            for (double c = 0.5; c < count; c += 1.0) {
                const double preferred = c * length / count;
                for (int shift = 0; shift <= 2 * kShiftsEachWay; ++shift) {
                    // 0, +1, -1, +2, -2, ... steps away from the preferred place
                    const int steps = shift % 2 == 0 ? -shift / 2 : (shift + 1) / 2;
                    const double distance = preferred + steps * kShiftOfWidth * size.width();
                    if (distance < size.width() / 2 || distance > length - size.width() / 2) continue;
                    const QPointF centre = point_along(lines.lines[n], distance);
                    const QRectF box = centred_box(centre, size);
                    if (!box_is_free(box, area, boxes)) continue;
                    labels.push_back({level, lines.text, centre, box});
                    boxes.push_back(box);
                    break;
                }
            }
        }
    }
    return labels;
}

std::vector<QRectF> label_gaps(const std::vector<ContourLabel>& labels, double margin) {
    std::vector<QRectF> gaps;
    gaps.reserve(labels.size());
    for (const ContourLabel& label : labels) gaps.push_back(label.box.adjusted(-margin, -margin, margin, margin));
    return gaps;
}

void pieces_outside_gaps(QPointF a, QPointF b, const std::vector<QRectF>& gaps, std::vector<LinePiece>& pieces) {
    pieces.clear();
    // Stretches of t still drawn, in order, once a gap has cut one; most
    // segments meet no gap and are passed on whole without allocating.
    std::vector<std::pair<double, double>> kept;
    std::vector<std::pair<double, double>> next;
    bool cut = false;
    for (const QRectF& gap : gaps) {
        const bool near = std::max(a.x(), b.x()) >= gap.left() && std::min(a.x(), b.x()) <= gap.right() &&
                          std::max(a.y(), b.y()) >= gap.top() && std::min(a.y(), b.y()) <= gap.bottom();
        if (!near) continue;
        const auto [t0, t1] = inside_stretch(a, b, gap);
        if (t0 >= t1) continue;
        if (!cut) kept = {{0.0, 1.0}};
        cut = true;
        next.clear();
        for (const auto& [from, to] : kept) {
            if (t1 <= from || t0 >= to) {
                next.emplace_back(from, to);
                continue;
            }
            if (from < t0) next.emplace_back(from, t0);
            if (t1 < to) next.emplace_back(t1, to);
        }
        kept.swap(next);
    }
    if (!cut) {
        pieces.push_back({a, b});
        return;
    }
    for (const auto& [from, to] : kept) {
        pieces.push_back({from == 0.0 ? a : a + (b - a) * from, to == 1.0 ? b : a + (b - a) * to});
    }
}

}  // namespace ruvo
