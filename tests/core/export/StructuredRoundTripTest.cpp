#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include <memory>

#include "TestSupport.h"
#include "Workspace.h"
#include "export/CgnsWriter.h"
#include "export/VtkWriter.h"
#include "view/ViewOpening.h"

namespace ruvo {
namespace {

// A project with every one of its files read.
std::unique_ptr<Workspace> opened_whole(const QString& project) {
    auto ws = std::make_unique<Workspace>();
    EXPECT_TRUE(load_project(*ws, project).grid.complete()) << project.toStdString();
    for (const FileKind kind : {FileKind::Vector, FileKind::Scalar}) {
        const int count = kind == FileKind::Vector ? ws->project.vector_file_count : ws->project.scalar_file_count;
        for (int position = 0; position < count; ++position)
            EXPECT_TRUE(open_view(*ws, kind, position).read.complete());
    }
    return ws;
}

// Both samples written as CGNS and as VTK and opened again as projects: the
// same tables to the last bit, and every kind of view the same picture.
TEST(StructuredRoundTrip, SamplesReadBackToEveryValueAndPixel) {
    QTemporaryDir folder;
    for (const char* sample : {"cavity/cavity.RVP", "cylinder/cylinder.RVP"}) {
        const auto text = opened_whole(test::example(sample));
        const FieldStore& a = text->store;
        const QString cgns = folder.filePath("sample.cgns");
        const QString vts = folder.filePath("sample.vts");
        ASSERT_TRUE(write_cgns_file(cgns, a).ok);
        ASSERT_TRUE(write_whole_file(vts, vts_file_bytes(a)).ok);
        for (const QString& written : {cgns, vts}) {
            SCOPED_TRACE(written.toStdString() + " of " + sample);
            const auto back = opened_whole(written);
            const FieldStore& b = back->store;
            EXPECT_EQ(b.file_rect(), a.file_rect());
            ASSERT_EQ(b.vector_count, a.vector_count);
            ASSERT_EQ(b.scalar_count, a.scalar_count);
            std::vector<std::pair<const Table*, const Table*>> tables{{&a.grid_x, &b.grid_x}, {&a.grid_y, &b.grid_y}};
            for (std::size_t k = 1; k <= std::size_t(a.vector_count); ++k) {
                tables.emplace_back(&a.vector_data[k].u, &b.vector_data[k].u);
                tables.emplace_back(&a.vector_data[k].v, &b.vector_data[k].v);
            }
            for (std::size_t k = 1; k <= std::size_t(a.scalar_count); ++k)
                tables.emplace_back(&a.scalar_data[k].value, &b.scalar_data[k].value);
            const DrawRect r = a.file_rect();
            int differing = 0;
            for (const auto& [from_text, read_back] : tables)
                for (int i = r.x_start; i <= r.x_end; ++i)
                    for (int j = r.y_start; j <= r.y_end; ++j) differing += (*from_text)(i, j) != (*read_back)(i, j);
            EXPECT_EQ(differing, 0);

            using Adjust = void (*)(View_Info&);
            const std::pair<FileKind, Adjust> views[] = {
                {FileKind::Grid, [](View_Info&) {}},
                {FileKind::Vector, [](View_Info& v) { v.show_grid = true; }},
                {FileKind::Scalar, [](View_Info& v) { v.Color = v.numbers_on_plot = true; }},
                {FileKind::Scalar,
                 [](View_Info& v) {
                     v.ScalarViewType = kFillView;
                     v.Cntr_Overlap = true;
                 }},
                {FileKind::Scalar, [](View_Info& v) { v.ScalarViewType = kKEpsilonView; }},
                {FileKind::Scalar, [](View_Info& v) { v.ScalarViewType = kDetailView; }},
            };
            for (const auto& [kind, adjust] : views)
                EXPECT_EQ(test::sample_picture(written, kind, adjust), test::sample_picture(sample, kind, adjust));
        }
    }
}

}  // namespace
}  // namespace ruvo
