#include "plot/PlotNumbers.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <set>

#include "data/Nearest.h"
#include "plot/ColourScale.h"
#include "plot/Fonts.h"

namespace ruvo {

namespace {
// Fixed decimals beyond this many read as a row of zeros: the exponent form
// takes over, as the range texts do from ten million on.
constexpr int kMostDecimals = 7;
constexpr int kMostDigits = 16;  // a double holds no more

QString value_text(double value, bool exponent, int digits) {
    QString text = QString::number(value, exponent ? 'E' : 'f', digits);
    if (text.startsWith(QLatin1Char('-')) && text.toDouble() == 0.0) text.remove(0, 1);
    return text;
}

bool texts_fit(const std::vector<double>& values, const QStringList& texts, double tolerance) {
    std::set<QString> seen;
    for (std::size_t k = 0; k < values.size(); ++k) {
        const QString& text = texts[static_cast<qsizetype>(k)];
        if (!(std::abs(text.toDouble() - values[k]) < tolerance) || !seen.insert(text).second) return false;
    }
    return true;
}
}  // namespace

QStringList short_value_texts(const std::vector<double>& values, double resolution) {
    double largest = 0.0;
    for (const double value : values) largest = std::max(largest, std::abs(value));
    const bool exponent =
        largest >= kRangeLabelScientificFrom || (resolution > 0.0 && resolution < std::pow(10.0, -kMostDecimals));
    QStringList texts;
    for (int digits = 0; digits <= kMostDigits; ++digits) {
        texts.clear();
        for (const double value : values) texts.append(value_text(value, exponent, digits));
        // Values that cannot be told apart (a constant field) take the shortest form.
        if (!(resolution > 0.0) || texts_fit(values, texts, resolution / 2)) break;
    }
    return texts;
}

namespace {
constexpr double kMeasureDpi = 96.0;

QFontMetricsF metrics_at_measure_dpi(const QString& family, int point_size) {
    need_fonts();
    QFont font(family);
    font.setPointSize(std::max(point_size, 1));
    QImage device(1, 1, QImage::Format_RGB32);
    const int dots_per_metre = Nearest(kMeasureDpi / 0.0254);
    device.setDotsPerMeterX(dots_per_metre);
    device.setDotsPerMeterY(dots_per_metre);
    return QFontMetricsF(font, &device);
}
}  // namespace

TextMeasure::TextMeasure(const QString& family, int point_size, double dots_per_inch)
    : metrics_(metrics_at_measure_dpi(family, point_size)), scale_(dots_per_inch / kMeasureDpi) {}

QSizeF TextMeasure::size(const QString& text) const {
    return {metrics_.horizontalAdvance(text) * scale_, metrics_.height() * scale_};
}

QRectF centred_box(QPointF centre, QSizeF size) {
    return {centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(), size.height()};
}

bool box_is_free(const QRectF& box, const QRectF& area, const std::vector<QRectF>& taken) {
    if (!area.contains(box)) return false;
    return std::none_of(taken.begin(), taken.end(), [&](const QRectF& other) { return other.intersects(box); });
}

}  // namespace ruvo
