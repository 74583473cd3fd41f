#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <vector>

namespace ruvo {

// Values written on a plot in their short form: the fewest decimals (or
// exponent digits, from ten million on or below a ten-millionth) such that
// every text reads back within half of `resolution` of its value and no two
// texts are equal. `resolution` is the spacing of the values (the levels'
// step, the ticks' step); a value that rounds to zero shows no sign.
QStringList short_value_texts(const std::vector<double>& values, double resolution);

// The size of texts in one font, in the units of one medium: `dots_per_inch`
// medium units an inch (96 for the pictures, 2540 for the page's 0.01 mm).
class TextMeasure {
public:
    TextMeasure(const QString& family, int point_size, double dots_per_inch);
    QSizeF size(const QString& text) const;  // advance width, ascent + descent
    double ascent() const { return metrics_.ascent() * scale_; }
    double digit_width() const { return metrics_.horizontalAdvance(QLatin1Char('0')) * scale_; }

private:
    QFontMetricsF metrics_;  // at 96 dpi, as the pictures draw
    double scale_ = 1.0;     // medium units a unit of the metrics
};

// The box of a text of `size` centred on `centre`.
QRectF centred_box(QPointF centre, QSizeF size);

// `box` lies within `area` and meets none of `taken`.
bool box_is_free(const QRectF& box, const QRectF& area, const std::vector<QRectF>& taken);

}  // namespace ruvo
