#include "data/VtkValues.h"

#include <QtEndian>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>

namespace ruvo::vtk {

namespace {
// The tables of a larger grid would take more than a gigabyte each.
constexpr double kMaxNodes = double(1 << 27);

template <typename T>
void decode(const char* bytes, bool big_endian, std::size_t count, double* values) {
    for (std::size_t n = 0; n < count; ++n, bytes += sizeof(T))
        values[n] = double(big_endian ? qFromBigEndian<T>(bytes) : qFromLittleEndian<T>(bytes));
}

bool all_finite(const std::vector<double>& values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

bool is_space(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\v'; }

bool readable(const PointArray& array) {
    return !array.name.isEmpty() && array.components >= 1 && array.components <= 3;
}

// The first array of that name a field can be read from.
const PointArray* field_array(const GridLayout& layout, const QString& name) {
    const auto found = std::find_if(layout.arrays.begin(), layout.arrays.end(),
                                    [&name](const PointArray& a) { return readable(a) && a.name == name; });
    return found == layout.arrays.end() ? nullptr : &*found;
}
}  // namespace

std::size_t size_of(ValueType type) {
    switch (type) {
    case ValueType::Int8:
    case ValueType::UInt8: return 1;
    case ValueType::Int16:
    case ValueType::UInt16: return 2;
    case ValueType::Int32:
    case ValueType::UInt32:
    case ValueType::Float32: return 4;
    case ValueType::Int64:
    case ValueType::UInt64:
    case ValueType::Float64: return 8;
    }
    return 8;
}

QString decode_binary(std::string_view bytes, ValueType type, bool big_endian, std::size_t count,
                      std::vector<double>& values) {
    std::uint64_t size = 0;
    if (multiply_overflows(count, size_of(type), size) || size > bytes.size())
        return QStringLiteral("the file ends before its values do");
    values.resize(count);
    const char* data = bytes.data();
    switch (type) {
    case ValueType::Int8: decode<std::int8_t>(data, big_endian, count, values.data()); break;
    case ValueType::UInt8: decode<std::uint8_t>(data, big_endian, count, values.data()); break;
    case ValueType::Int16: decode<std::int16_t>(data, big_endian, count, values.data()); break;
    case ValueType::UInt16: decode<std::uint16_t>(data, big_endian, count, values.data()); break;
    case ValueType::Int32: decode<std::int32_t>(data, big_endian, count, values.data()); break;
    case ValueType::UInt32: decode<std::uint32_t>(data, big_endian, count, values.data()); break;
    case ValueType::Int64: decode<std::int64_t>(data, big_endian, count, values.data()); break;
    case ValueType::UInt64: decode<std::uint64_t>(data, big_endian, count, values.data()); break;
    case ValueType::Float32: decode<float>(data, big_endian, count, values.data()); break;
    case ValueType::Float64: decode<double>(data, big_endian, count, values.data()); break;
    }
    return all_finite(values) ? QString() : QStringLiteral("a value that is not a finite number");
}

QString decode_text(std::string_view text, std::size_t count, std::vector<double>& values, std::size_t* end) {
    // Each number takes two characters at least: the count is judged first.
    if (count > text.size() / 2 + 1) return QStringLiteral("the file ends before its values do");
    values.resize(count);
    const char* pos = text.data();
    const char* const last = pos + text.size();
    for (double& value : values) {
        while (pos != last && is_space(*pos)) ++pos;
        if (pos == last) return QStringLiteral("the file ends before its values do");
        const auto [next, error] = std::from_chars(pos, last, value);
        // Out of range: too small, read as the nearest double, or too large.
        if (error == std::errc::result_out_of_range) value = std::strtod(std::string(pos, next).c_str(), nullptr);
        if ((error != std::errc() && error != std::errc::result_out_of_range) || (next != last && !is_space(*next)))
            return QStringLiteral("\"%1\" is not a number")
                .arg(QString::fromLatin1(pos, std::find_if(pos, std::min(last, pos + 40), is_space) - pos));
        if (!std::isfinite(value)) return QStringLiteral("a value that is not a finite number");
        pos = next;
    }
    if (end) *end = std::size_t(pos - text.data());
    return {};
}

bool set_size(GridLayout& layout, long long ni, long long nj, long long nk, double nodes_per_byte,
              std::size_t file_bytes) {
    // A slice across i or j of a 3D grid (a single node that way) is a 2D
    // grid of the other two directions, in the same order of its nodes.
    if (nk > 1 && (ni == 1 || nj == 1)) {
        if (ni == 1) ni = nj;
        nj = std::exchange(nk, 1);
    }
    if (nk > 1) {
        layout.error = QStringLiteral("a 3D grid: only 2D grids can be shown");
    } else if (ni < 1 || nj < 1 || nk < 1) {
        layout.error = QStringLiteral("the grid holds no nodes");
    } else if (double(ni) * double(nj) > std::min(kMaxNodes, nodes_per_byte * double(file_bytes))) {
        layout.error = QStringLiteral("a grid of %1 x %2 nodes, more than the file can hold").arg(ni).arg(nj);
    } else {
        layout.ni = int(ni);
        layout.nj = int(nj);
    }
    return layout.error.isEmpty();
}

QString cell_data_note(const QStringList& names) {
    return QStringLiteral("cell-centred arrays cannot be placed on nodes: %1").arg(names.join(QStringLiteral(", ")));
}

StructuredCatalog catalog_of(const GridLayout& layout) {
    StructuredCatalog catalog;
    catalog.error = layout.error;
    if (!catalog.ok()) return catalog;
    catalog.notes = layout.notes;
    StructuredBlock block;
    block.name = QStringLiteral("1");
    block.ni = layout.ni;
    block.nj = layout.nj;
    for (const PointArray& array : layout.arrays) {
        if (array.name.isEmpty()) {
            catalog.notes << QStringLiteral("an array without a name is left out");
        } else if (!readable(array)) {
            catalog.notes << QStringLiteral("\"%1\" has %2 components: only arrays of 1, 2 or 3 are read")
                                 .arg(array.name)
                                 .arg(array.components);
        } else if (field_array(layout, array.name) != &array) {
            catalog.notes << QStringLiteral("a second array named \"%1\" is left out").arg(array.name);
        } else {
            (array.components == 1 ? block.scalar_fields : block.vector_fields) << array.name;
        }
    }
    catalog.blocks.push_back(block);
    return catalog;
}

QString read_part(const GridLayout& layout, const QString& block, const QString& field, std::span<Table* const> tables,
                  const ValuesOf& values_of) {
    if (!layout.error.isEmpty()) return layout.error;
    if (block != QStringLiteral("1")) return QStringLiteral("no block named \"%1\": the file holds block 1").arg(block);
    const PointArray* array = field.isEmpty() ? &layout.points : field_array(layout, field);
    if (!array) return QStringLiteral("no field named \"%1\"").arg(field);
    const std::size_t filled = field.isEmpty() || array->components > 1 ? 2 : 1;
    if (tables.size() != filled)
        return QStringLiteral("%1 tables for a part that fills %2").arg(tables.size()).arg(filled);

    const std::size_t nodes = std::size_t(layout.ni) * std::size_t(layout.nj);
    const std::size_t components = std::size_t(array->components);
    std::vector<double> values;
    const QString error = values_of(*array, nodes * components, values);
    const QString what = field.isEmpty() ? QStringLiteral("the points") : QStringLiteral("\"%1\"").arg(field);
    if (!error.isEmpty()) return QStringLiteral("%1: %2").arg(what, error);
    if (values.size() != nodes * components) return QStringLiteral("%1: not one value a node").arg(what);
    for (std::size_t k = 0; k < filled; ++k) {
        const auto component = [&values, components, k](std::size_t node) { return values[node * components + k]; };
        if (!fill_from_rows(*tables[k], layout.ni, layout.nj, component))
            return QStringLiteral("no memory for %1 values").arg(nodes);
    }
    return {};
}

}  // namespace ruvo::vtk
