#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include <charconv>
#include <cmath>
#include <memory>
#include <string>

#include "TestSupport.h"
#include "Workspace.h"
#include "data/NodeLines.h"
#include "data/ReadProgress.h"
#include "export/GrafExport.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"
#include "plot/Renderer.h"
#include "view/ViewKind.h"
#include "view/ViewOpening.h"

namespace ruvo {
namespace {

// A result file of ni x nj nodes: the values of each node from `values`,
// written as solvers write them, one node a line.
template <class Values>
QByteArray result_file(int ni, int nj, Values values, const char* line_end = "\n") {
    std::string text = "0 " + std::to_string(ni - 1) + " 0 " + std::to_string(nj - 1) + line_end;
    text.reserve(std::size_t(ni) * std::size_t(nj) * 30);
    char number[32];
    for (int i = 0; i < ni; ++i) {
        for (int j = 0; j < nj; ++j) {
            for (const double value : values(i, j)) {
                text += "  ";
                text.append(number, std::to_chars(number, number + 32, value, std::chars_format::fixed, 7).ptr);
            }
            text += line_end;
        }
    }
    return QByteArray::fromStdString(text);
}

// A twisted quarter ring of ni x nj nodes (a curve when one node wide), a
// swirl on it and a wavy scalar, with the project naming them.
QString write_case(const QString& dir, int ni, int nj) {
    const auto angle = [=](int i, int j) { return 1.5 * i / std::max(ni - 1, 1) + 0.3 * j / std::max(nj - 1, 1); };
    const auto radius = [=](int j) { return 1.0 + (nj > 1 ? double(j) / (nj - 1) : 0.0); };
    test::write_file(dir, "G.GRD", result_file(ni, nj, [&](int i, int j) {
                         return std::array{radius(j) * std::cos(angle(i, j)), radius(j) * std::sin(angle(i, j))};
                     }));
    test::write_file(dir, "F.V", result_file(ni, nj, [&](int i, int j) {
                         return std::array{-std::sin(angle(i, j)) * radius(j), std::cos(angle(i, j)) * radius(j)};
                     }));
    test::write_file(dir, "F.P", result_file(ni, nj, [&](int i, int j) {
                         return std::array{std::sin(7 * angle(i, j)) * radius(j) + 0.001 * j};
                     }));
    return test::write_file(dir, "CASE.RVP",
                            "[FileNumber]\nVector_File_Number=1\nScalar_File_Number=1\n[FileName]\n"
                            "Grid_File_Name=G.GRD\nVector_File_Name_1=F.V\nScalar_File_Name_1=F.P\n");
}

// Grids on both sides of the former 150 x 150 limit and far beyond it, open
// every view kind and export its GRAF file; the last node's values are read.
TEST(LargeGrids, EveryViewKindDrawsAndExportsAtAnySize) {
    const struct { int ni, nj; } sizes[] = {{149, 150}, {150, 151}, {512, 128}, {1025, 1025}, {1, 2000}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(testing::Message() << size.ni << " x " << size.nj);
        QTemporaryDir dir;
        auto ws = std::make_unique<Workspace>();
        const ProjectOpenResult opened = load_project(*ws, write_case(dir.path(), size.ni, size.nj));
        ASSERT_TRUE(opened.project.ok && opened.grid.complete());
        EXPECT_EQ(opened.grid.nodes_read, size.ni * size.nj);
        EXPECT_NEAR(ws->store.grid_x(size.ni, size.nj), 2 * std::cos(size.ni > 1 ? 1.8 : 0.3), 1e-7);
        EXPECT_EQ(ws->store.node_range().i_max, std::max(size.ni, kBaseNodes));

        for (int k = 1; k < kViewKindCount; ++k) {
            const ViewKindInfo& kind = kind_info(static_cast<ViewKind>(k));
            SCOPED_TRACE(kind.command_word);
            const FileKind file = kind.file_type == kScalarView   ? FileKind::Scalar
                                  : kind.file_type == kVectorView ? FileKind::Vector
                                                                  : FileKind::Grid;
            const OpenViewResult view = open_view(*ws, file, 0);
            ASSERT_TRUE(view.ok() && view.read.complete());
            View_Info& info = ws->views.at(view.slot);
            info.ScalarViewType = kind.scalar_type;
            info.XPos = size.ni;  // the last line of the grid
            info.YPos = size.nj;
            NoProgress progress;
            NoStatusBoxes status;
            QImage picture;
            const RenderResult drawn = render_view(*ws, view.slot, picture, progress, status);
            ASSERT_TRUE(drawn.ok()) << drawn.reason.toStdString();
            const GrafFileText graf = graf_file_text(ws->store, info, false, picture.size(), progress);
            EXPECT_TRUE(graf.drawn.ok()) << graf.drawn.reason.toStdString();
            EXPECT_GT(graf.text.size(), 1000);
            ws->views.Reset_View_Info();
        }
    }
}

// Files large enough to be read on several cores read exactly as the plain
// reading does: every form that is not one node a line falls back to it,
// which finds and places the fault.
TEST(LargeGrids, FilesReadOnSeveralCoresReadAsThePlainReaderDoes) {
    constexpr int n = 500;  // 250 000 nodes, some 7 MB a file
    const auto values = [](int i, int j) { return std::array{i + j / 1000.0, -1.0 * j}; };
    const QByteArray regular = result_file(n, n, values);
    const auto line_of = [&](const char* start) { return regular.indexOf(start) + 1; };
    const int middle = line_of("\n  250.2000000  -200");  // node (250, 200)
    const int late = line_of("\n  400.0000000  ");        // node (400, 0), past the first 4 MB
    ASSERT_GT(std::size_t(late), kParallelBodyBytes);
    const auto changed = [&](QByteArray text, qsizetype at, const QByteArray& with) {
        return text.replace(at, with.size(), with);
    };
    const struct {
        const char* name;
        QByteArray text;
        ReadFailure failure;
        long long nodes;
        int line;       // where reading stopped; 0: one past the last node's line
        bool on_cores;  // read on several cores
    } cases[] = {
        {"LF", regular, ReadFailure::None, n * n, 0, true},
        {"CR LF", result_file(n, n, values, "\r\n"), ReadFailure::None, n * n, 0, true},
        {"a node over two lines", changed(regular, middle + 14, "\n"), ReadFailure::None, n * n, n * n + 3, false},
        {"a bad number", changed(regular, middle + 3, "x"), ReadFailure::BadNumber, 250 * n + 200, 250 * n + 202,
         false},
        {"cut short", regular.left(late), ReadFailure::None, 400 * n, 400 * n + 2, false},
        {"lone CR", changed(regular, middle - 1, "\r"), ReadFailure::None, n * n, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        VectorSlot slot;
        const ReadResult read = read_vector(slot, test::write_file(dir.path(), "A.V", c.text));
        EXPECT_EQ(read.failure, c.failure);
        EXPECT_EQ(read.nodes_read, c.nodes);
        EXPECT_EQ(read.line, c.line ? c.line : n * n + 2);
        EXPECT_EQ(slot.u(n, n), c.nodes == n * n ? 499.499 : 0.0);
        EXPECT_EQ(slot.v(201, 200), -199.0);
        EXPECT_EQ(slot.u(200, 200), 199.199);

        const std::string_view body(c.text.constData(), std::size_t(c.text.size()));
        ReadProgress progress({});
        EXPECT_EQ(read_regular_node_lines(body.substr(body.find('\n') + 1), {0, n - 1, 0, n - 1},
                                          std::array{&slot.u, &slot.v}, progress),
                  c.on_cores);
    }
}

}  // namespace
}  // namespace ruvo
