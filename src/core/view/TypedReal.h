#pragma once

#include <QString>

#include <cmath>
#include <optional>

namespace ruvo {

// A real typed into an edit: blanks around it are allowed, anything else
// that is no finite number is refused.
inline std::optional<double> typed_real(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace ruvo
