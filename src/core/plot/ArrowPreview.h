#pragma once

class QImage;

namespace ruvo {

// The head shape being set, as the vector plot draws heads at 100 %: one
// black arrow across the middle of a white `image` (its size kept), the head
// opening `width` and `span` long as fractions of the arrow's length. The
// arrow spans 0.8 of the width, so a square image holds every shape.
void Draw_Arrow_Preview(QImage& image, double width, double span);

}  // namespace ruvo
