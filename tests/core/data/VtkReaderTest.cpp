#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <map>
#include <vector>

#include "TestSupport.h"
#include "data/VtkReader.h"
#include "export/VtkWriter.h"

namespace ruvo {
namespace {

QString fixture(const QString& name) { return QStringLiteral(RUVO_TEST_DATA_DIR "/vtk/") + name; }

QByteArray fixture_bytes(const QString& name) {
    QFile file(fixture(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The grid's tables and those of its fields, by name.
struct Read {
    QString error;  // or the notes, when nothing failed
    StructuredBlock block;
    Table x, y;
    std::map<QString, std::array<Table, 2>> fields;
};

// Everything of block 1 of the file, or the first fault met.
Read read_everything(const StructuredFormat& format, const QString& path) {
    Read read;
    const StructuredCatalog catalog = format.catalog(path);
    read.error = catalog.ok() ? catalog.notes.join(QStringLiteral("; ")) : catalog.error;
    if (!catalog.ok()) return read;
    read.block = catalog.blocks.at(0);
    const std::array<Table*, 2> grid{&read.x, &read.y};
    QString failure = format.read(path, QStringLiteral("1"), QString(), grid);
    for (const QStringList* names : {&read.block.scalar_fields, &read.block.vector_fields}) {
        for (const QString& name : *names) {
            std::array<Table, 2>& tables = read.fields[name];
            const std::array<Table*, 2> both{&tables[0], &tables[1]};
            const std::span<Table* const> wanted(both.data(), names == &read.block.scalar_fields ? 1 : 2);
            const QString error = format.read(path, QStringLiteral("1"), name, wanted);
            if (failure.isEmpty()) failure = error;
        }
    }
    if (!failure.isEmpty()) read.error = failure;
    return read;
}

TEST(VtkReaderTest, EveryFixtureHoldsTheValuesVtkWrote) {
    // expected.txt: ni nj, then x y Pressure u v of each node, i fastest.
    std::ifstream expected_file(fixture(QStringLiteral("expected.txt")).toStdString());
    int ni = 0, nj = 0;
    expected_file >> ni >> nj;
    std::vector<std::array<double, 5>> nodes(std::size_t(ni * nj));
    for (auto& node : nodes)
        for (double& value : node) expected_file >> value;
    ASSERT_TRUE(expected_file) << "expected.txt";

    struct Case {
        const char* file;
        const StructuredFormat& format;
        double tolerance;  // the legacy ASCII writer keeps 11 digits
    };
    const Case cases[] = {
        {"grid-ascii.vtk", vtk_legacy_format(), 1e-10},
        {"grid-binary.vtk", vtk_legacy_format(), 0},
        {"grid-ascii.vts", vts_format(), 0},
        {"grid-binary.vts", vts_format(), 0},
        {"grid-binary-zlib.vts", vts_format(), 0},
        {"grid-binary-zlib-uint64.vts", vts_format(), 0},
        {"grid-appended-raw.vts", vts_format(), 0},
        {"grid-appended-raw-big-endian.vts", vts_format(), 0},
        {"grid-appended-base64-zlib.vts", vts_format(), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Read read = read_everything(c.format, fixture(QString::fromLatin1(c.file)));
        EXPECT_EQ(read.error.toStdString(), "cell-centred arrays cannot be placed on nodes: CellId");
        EXPECT_EQ(read.block.name.toStdString(), "1");
        EXPECT_EQ(read.block.ni, ni);
        EXPECT_EQ(read.block.nj, nj);
        EXPECT_EQ(read.block.scalar_fields, QStringList{QStringLiteral("Pressure")});
        EXPECT_EQ(read.block.vector_fields, QStringList{QStringLiteral("Velocity")});
        const std::array<const Table*, 5> tables{&read.x, &read.y, &read.fields["Pressure"][0],
                                                 &read.fields["Velocity"][0], &read.fields["Velocity"][1]};
        for (const Table* table : tables) ASSERT_EQ(table->i_max(), ni);
        for (int n = 0; n < ni * nj; ++n)
            for (std::size_t k = 0; k < tables.size(); ++k) {
                const double want = nodes[std::size_t(n)][k];
                EXPECT_NEAR((*tables[k])(n % ni + 1, n / ni + 1), want, c.tolerance * std::max(1.0, std::abs(want)))
                    << "node " << n << " value " << k;
            }
    }
}

TEST(VtkReaderTest, ReadsBackWhatTheProgramWrites) {
    FieldStore store;
    store.file_x_end = 2;
    store.file_y_end = 1;
    store.vector_count = 1;
    store.scalar_count = 1;
    store.vector_data[1].file_name = QStringLiteral("FLOW <1>");
    store.scalar_data[1].file_name = QStringLiteral("T.DAT");
    const auto value = [](int i, int j, int k) { return 1.0 / (i + 3 * j) + k * 1e10; };
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 2; ++j) {
            store.grid_x.at(i, j) = value(i, j, 0);
            store.grid_y.at(i, j) = value(i, j, 1);
            store.vector_data[1].u.at(i, j) = value(i, j, 2);
            store.vector_data[1].v.at(i, j) = value(i, j, 3);
            store.scalar_data[1].value.at(i, j) = value(i, j, 4);
        }
    QTemporaryDir dir;
    const QString path = test::write_file(dir.path(), "out.vts", vts_file_bytes(store));
    Read read = read_everything(vts_format(), path);
    EXPECT_EQ(read.error.toStdString(), "");
    EXPECT_EQ(read.block.vector_fields, QStringList{QStringLiteral("FLOW <1>")});
    const std::array<const Table*, 5> tables{&read.x, &read.y, &read.fields["FLOW <1>"][0], &read.fields["FLOW <1>"][1],
                                             &read.fields["T.DAT"][0]};
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 2; ++j)
            for (std::size_t k = 0; k < tables.size(); ++k) EXPECT_EQ((*tables[k])(i, j), value(i, j, int(k)));
}

// The bytes with the first `from` replaced.
QByteArray replaced(QByteArray bytes, const QByteArray& from, const QByteArray& to) {
    const qsizetype at = bytes.indexOf(from);
    EXPECT_GE(at, 0) << from.toStdString();
    return at < 0 ? bytes : bytes.replace(at, from.size(), to);
}

// A compressed array given inline: its header (the numbers, each as a
// UInt64 in `words`) and a few bytes of data, in base64.
QByteArray inline_compressed(std::vector<quint64> words) {
    QByteArray header(reinterpret_cast<const char*>(words.data()), qsizetype(words.size() * sizeof(quint64)));
    return "<VTKFile type=\"StructuredGrid\" header_type=\"UInt64\" compressor=\"vtkZLibDataCompressor\">"
           "<StructuredGrid><Piece Extent=\"0 3 0 2 0 0\"><Points>"
           "<DataArray type=\"Float64\" NumberOfComponents=\"3\" format=\"binary\">" +
           header.toBase64() + QByteArray("eJzLSM3JyQcABiwCFQ==") +
           "</DataArray></Points></Piece></StructuredGrid></VTKFile>";
}

TEST(VtkReaderTest, HostileFilesAreRefusedWithAReason) {
    const QByteArray ascii_vtk = fixture_bytes(QStringLiteral("grid-ascii.vtk"));
    const QByteArray binary_vtk = fixture_bytes(QStringLiteral("grid-binary.vtk"));
    const QByteArray raw = fixture_bytes(QStringLiteral("grid-appended-raw.vts"));
    const QByteArray binary_vts = fixture_bytes(QStringLiteral("grid-binary.vts"));
    const QByteArray ascii_vts = fixture_bytes(QStringLiteral("grid-ascii.vts"));
    const qsizetype points_start = ascii_vts.indexOf("<Points>"), points_end = ascii_vts.indexOf("</Points>") + 9;
    struct Case {
        const char* what;
        const StructuredFormat& format;
        QByteArray bytes;
        const char* reason;  // part of the error, or of the notes
    };
    const Case cases[] = {
        {"empty", vtk_legacy_format(), "", "not a VTK file"},
        {"empty", vts_format(), "", "malformed XML"},
        {"cut legacy", vtk_legacy_format(), binary_vtk.left(300), "the file ends before its values do"},
        {"cut appended", vts_format(), raw.left(raw.size() - 40), "the points: the file ends before its values do"},
        {"3D", vtk_legacy_format(), replaced(ascii_vtk, "DIMENSIONS 4 3 1", "DIMENSIONS 4 3 2"), "a 3D grid"},
        {"3D", vts_format(), replaced(raw, "Piece Extent=\"0 3 0 2 0 0\"", "Piece Extent=\"0 3 0 2 0 1\""),
         "a 3D grid"},
        // A slice across i of a 3D grid is read, as the grid of j and k.
        {"slice", vtk_legacy_format(), replaced(ascii_vtk, "DIMENSIONS 4 3 1", "DIMENSIONS 1 4 3"),
         "cell-centred arrays cannot be placed on nodes: CellId"},
        {"billions", vts_format(),
         replaced(raw, "Piece Extent=\"0 3 0 2 0 0\"", "Piece Extent=\"0 99999 0 99999 0 0\""),
         "more than the file can hold"},
        {"billions", vtk_legacy_format(), replaced(ascii_vtk, "DIMENSIONS 4 3 1", "DIMENSIONS 99999 99999 1"),
         "more than the file can hold"},
        {"unstructured", vtk_legacy_format(), replaced(ascii_vtk, "STRUCTURED_GRID", "UNSTRUCTURED_GRID"),
         "a dataset of kind UNSTRUCTURED_GRID"},
        {"unstructured", vts_format(), replaced(raw, "\"StructuredGrid\"", "\"UnstructuredGrid\""),
         "a file of kind UnstructuredGrid"},
        {"offset", vts_format(), replaced(raw, "offset=\"0\"", "offset=\"99999999999999\""),
         "\"Pressure\": its values start past the end of the file"},
        {"size", vts_format(), replaced(raw, "\"Float64\" Name=\"Pressure\"", "\"Float32\" Name=\"Pressure\""),
         "its size does not match the grid's nodes"},
        {"base64", vts_format(), replaced(binary_vts, "AAAAAAAAA", "AAAA*AAAA"), "malformed base64"},
        {"blocks", vts_format(), inline_compressed({quint64(1) << 63, 96, 96}), "more blocks than the file can hold"},
        {"sizes", vts_format(), inline_compressed({1, 288, 288, 100000}), "compressed sizes larger than the file"},
        {"sizes", vts_format(), inline_compressed({1, 288, 288, 13}), "a block that does not inflate"},
        {"no points", vts_format(), QByteArray(ascii_vts).remove(points_start, points_end - points_start),
         "the file holds no points"},
        {"no points", vtk_legacy_format(), ascii_vtk.left(ascii_vtk.indexOf("POINTS")), "the file holds no points"},
        {"pieces", vts_format(), replaced(ascii_vts, "</Piece>", "</Piece><Piece Extent=\"0 0 0 0 0 0\"/>"),
         "2 pieces"},
        {"components", vts_format(),
         replaced(raw, "Name=\"Points\" NumberOfComponents=\"3\"", "NumberOfComponents=\"0\""),
         "points of 0 components"},
        {"components", vts_format(),
         replaced(raw, "NumberOfComponents=\"3\" format", "NumberOfComponents=\"9999999999\" format"),
         "\"Velocity\" has 0 components"},
        {"tuples", vtk_legacy_format(), replaced(binary_vtk, "CellId 1 6 int", "CellId 1 999999999999 int"),
         "more values than the file can hold"},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = test::write_file(dir.path(), QStringLiteral("hostile"), c.bytes);
        const Read read = read_everything(c.format, path);
        EXPECT_TRUE(read.error.contains(QString::fromUtf8(c.reason))) << read.error.toStdString();
    }
}

}  // namespace
}  // namespace ruvo
