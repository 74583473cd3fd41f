#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <tuple>
#include <vector>

#include "TestSupport.h"
#include "data/Plot3dReader.h"

namespace ruvo {
namespace {

struct Variant {
    bool ascii = false, records = false, big = false, dbl = false, multi = false, iblank = false;
};

constexpr std::array<std::array<int, 2>, 2> kSizes{{{5, 4}, {3, 6}}};

// Array a of block b at node (i, j): x, y (, z) of a grid; density, momentum, energy of a solution.
double value(int b, int a, int i, int j) { return 100.0 * a + 10.0 * b + 0.3 * i + 0.07 * j + 1e-9; }

std::vector<double> arrays(int b, int count) {
    std::vector<double> values;
    for (int a = 0; a < count; ++a)
        for (int j = 0; j < kSizes[b][1]; ++j)
            for (int i = 0; i < kSizes[b][0]; ++i) values.push_back(value(b, a, i, j));
    return values;
}

// Writes the records of a PLOT3D file in one variant.
struct Writer {
    Variant v = {};
    QByteArray out = {};

    template <class T>
    QByteArray encode(const std::vector<T>& values) const {
        QByteArray body;
        for (const T x : values) {
            body += v.ascii ? (std::is_integral_v<T> ? QByteArray::number(x) + ' '
                                                     : QByteArray::number(x, 'E', 17).replace('E', 'D') + '\n')
                            : (std::is_integral_v<T> || v.dbl ? bytes(x) : bytes(float(x)));
        }
        return body;
    }
    template <class T>
    void record(const std::vector<T>& values, const QByteArray& more = {}) {
        const QByteArray body = encode(values) + more;
        out += v.records ? bytes(std::int32_t(body.size())) + body + bytes(std::int32_t(body.size())) : body;
    }
    template <class T>
    QByteArray bytes(T x) const {
        QByteArray b(sizeof x, 0);
        std::memcpy(b.data(), &x, sizeof x);
        if (v.big) std::reverse(b.begin(), b.end());
        return b;
    }
};

QByteArray plot3d_file(const Variant& v, bool solution, int dims = 2) {
    Writer w{v};
    const int blocks = v.multi ? 2 : 1;
    if (v.multi) w.record(std::vector<std::int32_t>{blocks});
    std::vector<std::int32_t> sizes;
    for (int b = 0; b < blocks; ++b)
        for (int d = 0; d < dims; ++d) sizes.push_back(d < 2 ? kSizes[b][d] : 1);
    w.record(sizes);
    for (int b = 0; b < blocks; ++b) {
        if (solution) w.record(std::vector<double>{0.5, 2, 1e6, double(b)});
        const std::vector<double> values = arrays(b, solution ? 4 : dims);
        w.record(values,
                 v.iblank && !solution ? w.encode(std::vector<std::int32_t>(values.size() / 2, 1)) : QByteArray());
    }
    return w.out;
}

std::vector<Variant> variants() {
    std::vector<Variant> all{{.ascii = true},
                             {.ascii = true, .multi = true},
                             {.iblank = true},
                             {.records = true, .big = true, .multi = true, .iblank = true}};
    for (int k = 0; k < 16; ++k)
        all.push_back({.records = bool(k & 1), .big = bool(k & 2), .dbl = bool(k & 4), .multi = bool(k & 8)});
    return all;
}

class Plot3dReaderTest : public ::testing::Test {
protected:
    QString file(const char* name, const QByteArray& content) { return test::write_file(dir_.path(), name, content); }
    void TearDown() override { set_plot3d_layout_hint({}); }

    QTemporaryDir dir_;
};

TEST_F(Plot3dReaderTest, ReadsEveryLayoutBackExactly) {
    for (const Variant& v : variants()) {
        SCOPED_TRACE(testing::Message() << v.ascii << v.records << v.big << v.dbl << v.multi << v.iblank);
        const QString grid = file("g.x", plot3d_file(v, false));
        const QString solution = file("s.q", plot3d_file(v, true));
        const StructuredCatalog grids = plot3d_grid_format().catalog(grid);
        const StructuredCatalog fields = plot3d_solution_format().catalog(solution);
        ASSERT_EQ(grids.error + fields.error, "");
        ASSERT_EQ(grids.blocks.size(), v.multi ? 2u : 1u);
        for (int b = 0; b < int(grids.blocks.size()); ++b) {
            const StructuredBlock& block = grids.blocks[std::size_t(b)];
            const StructuredBlock& solved = fields.blocks[std::size_t(b)];
            EXPECT_EQ(std::tuple(block.name, block.ni, block.nj, block.has_grid, solved.has_grid),
                      std::tuple(QString::number(b + 1), kSizes[b][0], kSizes[b][1], true, false));
            EXPECT_EQ(solved.vector_fields + solved.scalar_fields, QStringList({"Momentum", "Density", "Energy"}));
            EXPECT_EQ(fields.notes[b],
                      QString("block %1: Mach 0.5, alpha 2, Reynolds number 1e+06, time %2").arg(b + 1).arg(b));
            std::array<Table, 6> t;  // x, y, density, the momentum's u and v, energy
            ASSERT_EQ(plot3d_grid_format().read(grid, block.name, "", std::array{&t[0], &t[1]}), "");
            const StructuredFormat& format = plot3d_solution_format();
            ASSERT_EQ(format.read(solution, block.name, "Density", std::array{&t[2]}), "");
            ASSERT_EQ(format.read(solution, block.name, "Momentum", std::array{&t[3], &t[4]}), "");
            ASSERT_EQ(format.read(solution, block.name, "Energy", std::array{&t[5]}), "");
            constexpr int kArray[] = {0, 1, 0, 1, 2, 3};
            for (int k = 0; k < 6; ++k) {
                EXPECT_EQ(std::pair(t[k].i_max(), t[k].j_max()), std::pair(block.ni, block.nj));
                for (int j = 0; j < block.nj; ++j) {
                    for (int i = 0; i < block.ni; ++i) {
                        const double x = value(b, kArray[k], i, j);
                        ASSERT_EQ(t[k](i + 1, j + 1), v.ascii || v.dbl ? x : double(float(x))) << k;
                    }
                }
            }
        }
    }
}

TEST_F(Plot3dReaderTest, RefusesHostileFilesPartsAndHintsWithAReason) {
    const Variant records{.records = true};
    const QByteArray grid = plot3d_file(records, false);
    Writer huge{records}, negative{}, ambiguous{records};
    huge.record(std::vector<std::int32_t>{INT32_MAX});
    negative.record(std::vector<std::int32_t>{-5, -4});
    negative.record(std::vector<double>(40, 1.0));
    // Read as a stream, its first marker and block size are those of an 8 x 2 grid.
    ambiguous.record(std::vector<std::int32_t>{2, 7});
    ambiguous.record(std::vector<double>(28, 1.0));
    EXPECT_EQ(parse_plot3d_layout(" Binary, big ,double,multi-block"),
              (Plot3dLayout{.ascii = false, .big_endian = true, .double_precision = true, .multi_block = true}));
    for (const char* bad : {"ascii,records,stream", "ascii,fast"}) EXPECT_EQ(parse_plot3d_layout(bad), std::nullopt);
    const char* no_fit = "its sizes fit no 2D PLOT3D grid";
    struct Case {
        QByteArray content;
        const char *hint, *block, *field;
        int tables;
        const char* error;  // how it starts
    };
    const Case cases[] = {
        {"", "", "1", "", 2, "the file is empty"},
        {grid.chopped(1), "", "1", "", 2, no_fit},
        {"5 4 x", "", "1", "", 2, no_fit},
        {huge.out, "", "1", "", 2, no_fit},
        {negative.out, "", "1", "", 2, no_fit},
        {plot3d_file(records, false, 3), "", "1", "", 2, "a 3D PLOT3D file: only 2D files can be shown"},
        {ambiguous.out, "", "1", "", 2,
         "its layout cannot be told from the file, which reads as binary,records,little,single,one-block or "
         "binary,stream,little,single,one-block: choose one with --plot3d"},
        {ambiguous.out, "records", "1", "", 2, ""},
        {grid, "big", "1", "", 2,
         "the layout given with --plot3d (big) does not fit the file, which reads as "
         "binary,records,little,single,one-block"},
        {grid, "", "2", "", 2, "it holds no block \"2\""},
        {grid, "", "1", "Density", 1, "a PLOT3D grid holds no field \"Density\""},
        {grid, "", "1", "", 1, "1 tables given where 2 are read"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        set_plot3d_layout_hint(*parse_plot3d_layout(c.hint));
        std::array<Table, 2> tables;
        const std::array<Table*, 2> pointers{&tables[0], &tables[1]};
        const QString error = plot3d_grid_format().read(file("f.x", c.content), c.block, c.field,
                                                        std::span(pointers).first(std::size_t(c.tables)));
        EXPECT_TRUE(*c.error ? error.startsWith(c.error) : error.isEmpty()) << error.toStdString();
    }
    Table t;
    EXPECT_EQ(plot3d_solution_format().read(file("s.q", grid), "1", "", std::array{&t}),
              "a PLOT3D solution holds no grid");
    EXPECT_EQ(plot3d_solution_format().read(file("s.q", grid), "1", "Pressure", std::array{&t}),
              "a PLOT3D solution holds no field \"Pressure\", only Density, Momentum and Energy");
}

}  // namespace
}  // namespace ruvo
