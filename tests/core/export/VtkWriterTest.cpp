#include <gtest/gtest.h>

#include <QXmlStreamReader>
#include <QtEndian>

#include <cstring>
#include <map>

#include "TestSupport.h"
#include "Workspace.h"
#include "export/VtkWriter.h"
#include "view/ViewOpening.h"

namespace ruvo {
namespace {

// Both samples with every file read, written as one .vts and taken apart
// again: the extent, the arrays by name and every value of every node.
TEST(VtkWriter, SamplesKeepEveryValueOfEveryFile) {
    for (const char* project : {"cavity/cavity.RVP", "cylinder/cylinder.RVP"}) {
        auto ws = std::make_unique<Workspace>();
        ASSERT_TRUE(load_project(*ws, test::example(project)).grid.complete());
        for (const FileKind kind : {FileKind::Vector, FileKind::Scalar}) {
            const int count = kind == FileKind::Vector ? ws->project.vector_file_count : ws->project.scalar_file_count;
            for (int position = 0; position < count; ++position) ASSERT_TRUE(open_view(*ws, kind, position).ok());
        }
        const FieldStore& s = ws->store;
        const QByteArray bytes = vts_file_bytes(s);
        const qsizetype data = bytes.indexOf("   _") + 4;
        QXmlStreamReader xml(bytes.left(data - 4));
        std::map<QString, std::pair<int, std::uint64_t>> arrays;  // components, offset
        QString extent;
        while (!xml.atEnd() && xml.name() != QStringLiteral("AppendedData")) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QStringLiteral("Piece")) extent = xml.attributes().value("Extent").toString();
            if (xml.name() == QStringLiteral("DataArray")) {
                arrays[xml.attributes().value("Name").toString()] = {
                    xml.attributes().value("NumberOfComponents").toInt(),
                    xml.attributes().value("offset").toULongLong()};
            }
        }
        const DrawRect r = s.file_rect();
        EXPECT_EQ(extent, QStringLiteral("0 %1 0 %2 0 0").arg(r.x_end - r.x_start).arg(r.y_end - r.y_start));
        ASSERT_EQ(arrays.size(), std::size_t(s.vector_count + s.scalar_count + 1)) << project;

        const auto value_at = [&](const QString& name, long long node, int component) {
            const auto [components, offset] = arrays.at(name);
            double value = 0.0;
            std::memcpy(&value, bytes.constData() + data + offset + 8 + (node * components + component) * 8, 8);
            return qFromLittleEndian(value);
        };
        int differing = 0;
        long long node = 0;
        for (int j = r.y_start; j <= r.y_end; ++j) {
            for (int i = r.x_start; i <= r.x_end; ++i, ++node) {
                differing +=
                    value_at("Points", node, 0) != s.grid_x(i, j) || value_at("Points", node, 1) != s.grid_y(i, j);
                for (int k = 1; k <= s.vector_count; ++k) {
                    const VectorSlot& v = s.vector_data[std::size_t(k)];
                    differing +=
                        value_at(v.file_name, node, 0) != v.u(i, j) || value_at(v.file_name, node, 1) != v.v(i, j);
                }
                for (int k = 1; k <= s.scalar_count; ++k) {
                    const ScalarSlot& v = s.scalar_data[std::size_t(k)];
                    differing += value_at(v.file_name, node, 0) != v.value(i, j);
                }
            }
        }
        EXPECT_EQ(differing, 0) << project;
        EXPECT_TRUE(bytes.endsWith("</AppendedData>\n</VTKFile>\n"));
    }
}

}  // namespace
}  // namespace ruvo
