#include "data/FieldReference.h"

#include <QFileInfo>

#include <array>
#include <utility>

#include "data/CgnsReader.h"
#include "data/Plot3dReader.h"
#include "data/VtkReader.h"

namespace ruvo {

namespace {

using FormatOf = const StructuredFormat& (*)();

// Each extension (lower case) and its reader.
const std::array<std::pair<const char*, FormatOf>, 8> kFormats{{
    {"cgns", cgns_format},
    {"cgn", cgns_format},
    {"x", plot3d_grid_format},
    {"xyz", plot3d_grid_format},
    {"g", plot3d_grid_format},
    {"q", plot3d_solution_format},
    {"vtk", vtk_legacy_format},
    {"vts", vts_format},
}};

FormatOf format_of(const QString& file) {
    const QString suffix = QFileInfo(file).suffix().toLower();
    for (const auto& [extension, format] : kFormats)
        if (suffix == QLatin1String(extension)) return format;
    return nullptr;
}

}  // namespace

QString FieldReference::text() const { return file + u'#' + block + (field.isEmpty() ? QString() : u'/' + field); }

std::optional<FieldReference> field_reference(const QString& name) {
    for (qsizetype hash = name.indexOf(u'#'); hash > 0; hash = name.indexOf(u'#', hash + 1)) {
        const QString file = name.left(hash);
        if (!format_of(file)) continue;
        const QString rest = name.mid(hash + 1);
        const qsizetype slash = rest.indexOf(u'/');
        if (slash < 0) return FieldReference{file, rest, {}};
        return FieldReference{file, rest.left(slash), rest.mid(slash + 1)};
    }
    return std::nullopt;
}

const StructuredFormat* structured_format(const QString& file) {
    const FormatOf format = format_of(file);
    return format ? &format() : nullptr;
}

}  // namespace ruvo
