#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "TestSupport.h"
#include "data/Plot3dReader.h"

namespace ruvo {
namespace {

struct Variant {
    bool ascii = false, records = false, big = false, dbl = false, multi = false, iblank = false;

    std::string name() const {
        return std::string(ascii ? "ascii" : "binary") + (records ? " records" : "") + (big ? " big" : "") +
               (dbl ? " double" : "") + (multi ? " multi" : "") + (iblank ? " iblank" : "");
    }
};

constexpr std::array<std::array<int, 2>, 2> kSizes{{{5, 4}, {3, 6}}};

// Array a of block b at node (i, j); the arrays of a grid are x and y.
double value(int b, int a, int i, int j) { return 100.0 * a + 10.0 * b + 0.3 * i + 0.07 * j + 1e-9; }

// Writes PLOT3D files of the blocks above in one variant.
class Writer {
public:
    explicit Writer(const Variant& variant) : v_(variant) {}

    template <class T>
    QByteArray encode(const std::vector<T>& values) const {
        QByteArray body;
        for (const T x : values) {
            if (v_.ascii)
                body += std::is_integral_v<T> ? QByteArray::number(x) + ' ' : text(x);
            else if constexpr (std::is_integral_v<T>)
                body += bytes(x);
            else
                body += v_.dbl ? bytes(x) : bytes(float(x));
        }
        return body;
    }
    void raw_record(const QByteArray& body) {
        out += v_.records ? bytes(std::int32_t(body.size())) + body + bytes(std::int32_t(body.size())) : body;
    }
    template <class T>
    void record(const std::vector<T>& values) {
        raw_record(encode(values));
    }
    void block_sizes(int dims) {
        const int blocks = v_.multi ? 2 : 1;
        if (v_.multi) record(std::vector<std::int32_t>{blocks});
        std::vector<std::int32_t> sizes;
        for (int b = 0; b < blocks; ++b) sizes.insert(sizes.end(), kSizes[b].begin(), kSizes[b].end());
        sizes.resize(std::size_t(blocks * dims), 1);
        record(sizes);
    }
    std::vector<double> arrays(int b, int from, int to) const {
        std::vector<double> values;
        for (int a = from; a < to; ++a)
            for (int j = 0; j < kSizes[b][1]; ++j)
                for (int i = 0; i < kSizes[b][0]; ++i) values.push_back(value(b, a, i, j));
        return values;
    }

    QByteArray out;

private:
    template <class T>
    QByteArray bytes(T x) const {
        QByteArray b(sizeof x, 0);
        std::memcpy(b.data(), &x, sizeof x);
        if (v_.big) std::reverse(b.begin(), b.end());
        return b;
    }
    static QByteArray text(double x) { return QByteArray::number(x, 'E', 17).replace('E', 'D') + '\n'; }
    Variant v_;
};

QByteArray grid_file(const Variant& v) {
    Writer w(v);
    w.block_sizes(2);
    for (int b = 0; b < (v.multi ? 2 : 1); ++b) {
        const std::vector<double> xy = w.arrays(b, 0, 2);
        if (!v.iblank)
            w.record(xy);
        else
            w.raw_record(w.encode(xy) + w.encode(std::vector<std::int32_t>(xy.size() / 2, 1)));
    }
    return w.out;
}

QByteArray solution_file(const Variant& v) {
    Writer w(v);
    w.block_sizes(2);
    for (int b = 0; b < (v.multi ? 2 : 1); ++b) {
        w.record(std::vector<double>{0.5, 2, 1e6, double(b)});
        w.record(w.arrays(b, 0, 4));
    }
    return w.out;
}

std::vector<Variant> variants() {
    std::vector<Variant> all;
    for (bool multi : {false, true}) {
        all.push_back({.ascii = true, .multi = multi});
        for (bool records : {false, true})
            for (bool big : {false, true})
                for (bool dbl : {false, true})
                    all.push_back({.records = records, .big = big, .dbl = dbl, .multi = multi});
    }
    all.push_back({.records = true, .big = true, .multi = true, .iblank = true});
    all.push_back({.iblank = true});
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
        SCOPED_TRACE(v.name());
        const int blocks = v.multi ? 2 : 1;
        const auto expected = [&](int b, int a, int i, int j) {
            const double x = value(b, a, i, j);
            return v.ascii || v.dbl ? x : double(float(x));
        };
        const QString grid = file("g.x", grid_file(v));
        const StructuredCatalog grids = plot3d_grid_format().catalog(grid);
        ASSERT_TRUE(grids.ok()) << grids.error.toStdString();
        ASSERT_EQ(grids.blocks.size(), std::size_t(blocks));
        const QString solution = file("s.q", solution_file(v));  // IBLANK arrays belong to grids only
        const StructuredCatalog fields = plot3d_solution_format().catalog(solution);
        ASSERT_TRUE(fields.ok()) << fields.error.toStdString();
        for (int b = 0; b < blocks; ++b) {
            const StructuredBlock& block = grids.blocks[std::size_t(b)];
            EXPECT_EQ(block.name, QString::number(b + 1));
            EXPECT_EQ(block.ni, kSizes[b][0]);
            EXPECT_EQ(block.nj, kSizes[b][1]);
            EXPECT_TRUE(block.has_grid);
            Table x, y, density, u, v, energy;
            ASSERT_EQ(plot3d_grid_format().read(grid, block.name, "", std::array{&x, &y}), "");
            EXPECT_FALSE(fields.blocks[std::size_t(b)].has_grid);
            EXPECT_EQ(fields.blocks[std::size_t(b)].vector_fields, QStringList{"Momentum"});
            EXPECT_EQ(fields.notes[b],
                      QString("block %1: Mach 0.5, alpha 2, Reynolds number 1e+06, time %2").arg(b + 1).arg(b));
            const auto& format = plot3d_solution_format();
            ASSERT_EQ(format.read(solution, block.name, "Density", std::array{&density}), "");
            ASSERT_EQ(format.read(solution, block.name, "Momentum", std::array{&u, &v}), "");
            ASSERT_EQ(format.read(solution, block.name, "Energy", std::array{&energy}), "");
            for (int j = 0; j < block.nj; ++j) {
                for (int i = 0; i < block.ni; ++i) {
                    ASSERT_EQ(x(i + 1, j + 1), expected(b, 0, i, j));
                    ASSERT_EQ(y(i + 1, j + 1), expected(b, 1, i, j));
                    ASSERT_EQ(density(i + 1, j + 1), expected(b, 0, i, j));
                    ASSERT_EQ(u(i + 1, j + 1), expected(b, 1, i, j));
                    ASSERT_EQ(v(i + 1, j + 1), expected(b, 2, i, j));
                    ASSERT_EQ(energy(i + 1, j + 1), expected(b, 3, i, j));
                }
            }
            EXPECT_EQ(x.i_max(), block.ni);
            EXPECT_EQ(x.j_max(), block.nj);
        }
    }
}

TEST_F(Plot3dReaderTest, RefusesHostileFilesAndPartsWithAReason) {
    const Variant records{.records = true};
    const QByteArray grid = grid_file(records);
    Writer huge(Variant{.records = true});
    huge.record(std::vector<std::int32_t>{INT32_MAX});
    huge.record(std::vector<std::int32_t>{5, 4});
    Writer negative(Variant{});
    negative.record(std::vector<std::int32_t>{-5, -4});
    negative.record(std::vector<double>(40, 1.0));
    Writer three_d(records);
    three_d.block_sizes(3);
    three_d.record(three_d.arrays(0, 0, 3));
    // Read as a stream, its first marker and block size are those of an 8 x 2 grid.
    Writer ambiguous(records);
    ambiguous.record(std::vector<std::int32_t>{2, 7});
    ambiguous.record(std::vector<double>(28, 1.0));
    struct Case {
        const char* what;
        QByteArray content;
        const char* hint;
        bool solution;
        const char* field;
        int tables;
        const char* block;
        const char* error;
    };
    const Case cases[] = {
        {"empty", "", "", false, "", 2, "1", "the file is empty"},
        {"cut short", grid.chopped(1), "", false, "", 2, "1", "its sizes fit no 2D PLOT3D grid"},
        {"text", "5 4 x", "", false, "", 2, "1", "its sizes fit no 2D PLOT3D grid"},
        {"huge block count", huge.out, "", false, "", 2, "1", "its sizes fit no 2D PLOT3D grid"},
        {"negative sizes", negative.out, "", false, "", 2, "1", "its sizes fit no 2D PLOT3D grid"},
        {"3D", three_d.out, "", false, "", 2, "1", "a 3D PLOT3D file: only 2D files can be shown"},
        {"ambiguous", ambiguous.out, "", false, "", 2, "1",
         "its layout cannot be told from the file, which reads as binary,records,little,single,one-block or "
         "binary,stream,little,single,one-block: choose one with --plot3d"},
        {"decided", ambiguous.out, "records", false, "", 2, "1", ""},
        {"hint fits not", grid, "big", false, "", 2, "1",
         "the layout given with --plot3d (big) does not fit the file, which reads as "
         "binary,records,little,single,one-block"},
        {"no block", grid, "", false, "", 2, "2", "it holds no block \"2\""},
        {"grid field", grid, "", false, "Density", 1, "1", "a PLOT3D grid holds no field \"Density\""},
        {"no grid", grid, "", true, "", 2, "1", "a PLOT3D solution holds no grid"},
        {"no field", grid, "", true, "Pressure", 1, "1",
         "a PLOT3D solution holds no field \"Pressure\", only Density, Momentum and Energy"},
        {"tables", grid, "", false, "", 1, "1", "1 tables given where 2 are read"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        set_plot3d_layout_hint(*parse_plot3d_layout(c.hint));
        const StructuredFormat& format = c.solution ? plot3d_solution_format() : plot3d_grid_format();
        const QString path = file("f.x", c.content);
        std::array<Table, 2> tables;
        const std::array<Table*, 2> pointers{&tables[0], &tables[1]};
        const QString error = format.read(path, c.block, c.field, std::span(pointers).first(std::size_t(c.tables)));
        EXPECT_TRUE(*c.error ? error.startsWith(c.error) : error.isEmpty()) << error.toStdString();
    }
}

TEST(Plot3dLayoutText, TakesAnySubsetOfConsistentWords) {
    EXPECT_EQ(parse_plot3d_layout(""), Plot3dLayout{});
    EXPECT_EQ(parse_plot3d_layout(" Binary, big ,double,multi-block"),
              (Plot3dLayout{.ascii = false, .big_endian = true, .double_precision = true, .multi_block = true}));
    EXPECT_EQ(parse_plot3d_layout("ascii,records,stream"), std::nullopt);
    EXPECT_EQ(parse_plot3d_layout("ascii,fast"), std::nullopt);
}

}  // namespace
}  // namespace ruvo
