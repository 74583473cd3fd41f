#include "export/VtkWriter.h"

#include <QtEndian>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace ruvo {

namespace {
// One array of the file: its name, its components at node (i, j).
struct PointArray {
    QString name;
    int components = 1;
    std::function<std::array<double, 3>(int i, int j)> at;
};

// The arrays' values, each after the count of its bytes, as the appended
// section holds them; `offsets` receives where each array starts.
QByteArray appended_values(const std::vector<PointArray>& arrays, const DrawRect& r,
                           std::vector<std::uint64_t>& offsets) {
    QByteArray bytes;
    const auto put = [&bytes](auto value) {
        const auto little = qToLittleEndian(value);
        bytes.append(reinterpret_cast<const char*>(&little), sizeof(little));
    };
    const std::uint64_t nodes = std::uint64_t(r.x_end - r.x_start + 1) * std::uint64_t(r.y_end - r.y_start + 1);
    for (const PointArray& array : arrays) {
        offsets.push_back(std::uint64_t(bytes.size()));
        put(std::uint64_t(nodes * std::uint64_t(array.components) * sizeof(double)));
        for (int j = r.y_start; j <= r.y_end; ++j) {
            for (int i = r.x_start; i <= r.x_end; ++i) {
                const std::array<double, 3> value = array.at(i, j);
                for (int c = 0; c < array.components; ++c) put(value[std::size_t(c)]);
            }
        }
    }
    return bytes;
}

QString escaped(const QString& name) { return name.toHtmlEscaped(); }
}  // namespace

QByteArray vts_file_bytes(const FieldStore& store) {
    const DrawRect r = store.file_rect();
    std::vector<PointArray> point_data;
    for (int k = 1; k <= store.vector_count && k <= kMaxSlots; ++k) {
        const VectorSlot& slot = store.vector_data[std::size_t(k)];
        if (slot.u.empty() && slot.v.empty()) continue;
        point_data.push_back({slot.file_name, 3, [&slot](int i, int j) {
                                  return std::array<double, 3>{slot.u(i, j), slot.v(i, j), 0.0};
                              }});
    }
    for (int k = 1; k <= store.scalar_count && k <= kMaxSlots; ++k) {
        const ScalarSlot& slot = store.scalar_data[std::size_t(k)];
        if (slot.value.empty()) continue;
        point_data.push_back({slot.file_name, 1, [&slot](int i, int j) {
                                  return std::array<double, 3>{slot.value(i, j), 0.0, 0.0};
                              }});
    }
    std::vector<PointArray> arrays = point_data;
    arrays.push_back({QStringLiteral("Points"), 3, [&store](int i, int j) {
                          return std::array<double, 3>{store.grid_x(i, j), store.grid_y(i, j), 0.0};
                      }});
    std::vector<std::uint64_t> offsets;
    const QByteArray values = appended_values(arrays, r, offsets);

    const QString extent = QStringLiteral("0 %1 0 %2 0 0").arg(r.x_end - r.x_start).arg(r.y_end - r.y_start);
    const auto data_array = [&](std::size_t n) {
        return QStringLiteral(
                   "        <DataArray type=\"Float64\" Name=\"%1\" NumberOfComponents=\"%2\" "
                   "format=\"appended\" offset=\"%3\"/>\n")
            .arg(escaped(arrays[n].name))
            .arg(arrays[n].components)
            .arg(offsets[n]);
    };
    QString xml = QStringLiteral(
                      "<?xml version=\"1.0\"?>\n"
                      "<VTKFile type=\"StructuredGrid\" version=\"1.0\" byte_order=\"LittleEndian\" "
                      "header_type=\"UInt64\">\n"
                      "  <StructuredGrid WholeExtent=\"%1\">\n"
                      "    <Piece Extent=\"%1\">\n"
                      "      <PointData>\n")
                      .arg(extent);
    for (std::size_t n = 0; n < point_data.size(); ++n) xml += QStringLiteral("  ") + data_array(n);
    xml += QStringLiteral("      </PointData>\n      <Points>\n");
    xml += data_array(point_data.size());
    xml += QStringLiteral(
        "      </Points>\n"
        "    </Piece>\n"
        "  </StructuredGrid>\n"
        "  <AppendedData encoding=\"raw\">\n"
        "   _");
    QByteArray bytes = xml.toUtf8();
    bytes += values;
    bytes += "\n  </AppendedData>\n</VTKFile>\n";
    return bytes;
}

}  // namespace ruvo
