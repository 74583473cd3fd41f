#include "view/StyleSettings.h"

#include "data/Nearest.h"
#include "view/BarLimits.h"
#include "view/ViewTable.h"

namespace ruvo {

double ratio_at(double natural_ratio, int position) { return natural_ratio * position * 0.01; }

void fix_ratio(View_Info& view, double ratio, std::optional<double> natural_ratio) {
    view.ratio = ratio;
    view.ratio_fixed = !natural_ratio || ratio != *natural_ratio;
}

QString ratio_text(double ratio) { return QString::number(ratio, 'f', 3); }

int arrow_shape_position(double fraction) { return kArrowShapeBar.clamped(Truncate(fraction * 1000)); }

double arrow_shape_fraction(int position) { return position * 0.001; }

QString arrow_shape_text(double fraction) { return QString::number(fraction, 'f', 2); }

}  // namespace ruvo
