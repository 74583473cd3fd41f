#pragma once

#include <QImage>
#include <QString>

namespace ruvo {

// The picture with `text` written small into its top right corner, where
// the plots leave room in the fixed layout and no legend or range label
// lies: dark type in a white box with a dark edge, readable on any colour.
// A text wider than the picture is shortened at its start, so that the end
// of a file name (its step number) stays.
QImage with_frame_label(QImage picture, const QString& text);

}  // namespace ruvo
