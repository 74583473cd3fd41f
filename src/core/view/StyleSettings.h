#pragma once

#include <QString>

#include <optional>

namespace ruvo {

struct View_Info;

// TChangeRatio: its up-down's position is a percentage of the natural ratio.
double ratio_at(double natural_ratio, int position);
// OK with the ratio the edit holds: the layout keeps it unless it is the
// natural ratio exactly (or the area has none).
void fix_ratio(View_Info& view, double ratio, std::optional<double> natural_ratio);
// The ratio as the dialog's edit shows it.
QString ratio_text(double ratio);

// TArrow_Shape_Change: the head's opening and length, as fractions of the
// arrow's length, on bars of thousandths.
int arrow_shape_position(double fraction);
double arrow_shape_fraction(int position);
QString arrow_shape_text(double fraction);

}  // namespace ruvo
