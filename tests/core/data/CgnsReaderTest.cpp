#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cgnslib.h>

#include <vector>

#include "TestSupport.h"
#include "Workspace.h"
#include "data/CgnsReader.h"
#include "data/ResultReader.h"
#include "data/StructuredProject.h"
#include "view/ViewOpening.h"

namespace ruvo {
namespace {

using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// A value of node (i, j) that tells every array and node apart.
double value_of(int array, int i, int j) { return array * 1000.0 + i + 0.25 * j; }

std::vector<double> nodes(int array, int ni, int nj) {
    std::vector<double> values;
    for (int j = 0; j < nj; ++j)
        for (int i = 0; i < ni; ++i) values.push_back(value_of(array, i, j));
    return values;
}

// A file of what solvers write and what the viewer leaves out: two
// structured zones of a 2D base, one with solutions at the nodes (two time
// steps) and at the cell centres; an unstructured zone; and a 3D base.
QString write_sample(const QString& folder) {
    const QString path = folder + QStringLiteral("/run.cgns");
    int fn = 0, b = 0, z = 0, s = 0, id = 0;
    EXPECT_EQ(cg_open(path.toUtf8().constData(), CG_MODE_WRITE, &fn), CG_OK);
    cg_base_write(fn, "Plane", 2, 2, &b);
    const cgsize_t left[6] = {4, 3, 3, 2, 0, 0};
    cg_zone_write(fn, b, "Left", left, CGNS_ENUMV(Structured), &z);
    cg_coord_write(fn, b, z, CGNS_ENUMV(RealDouble), "CoordinateX", nodes(1, 4, 3).data(), &id);
    cg_coord_write(fn, b, z, CGNS_ENUMV(RealDouble), "CoordinateY", nodes(2, 4, 3).data(), &id);
    cg_sol_write(fn, b, z, "Step1", CGNS_ENUMV(Vertex), &s);
    int array = 3;
    for (const char* name : {"VelocityX", "VelocityY", "Pressure", "MomentumX"})
        cg_field_write(fn, b, z, s, CGNS_ENUMV(RealDouble), name, nodes(array++, 4, 3).data(), &id);
    cg_sol_write(fn, b, z, "Step2", CGNS_ENUMV(Vertex), &s);
    const std::vector<double> step2 = nodes(7, 4, 3);
    const std::vector<float> single(step2.begin(), step2.end());
    cg_field_write(fn, b, z, s, CGNS_ENUMV(RealSingle), "Pressure", single.data(), &id);
    cg_sol_write(fn, b, z, "Cells", CGNS_ENUMV(CellCenter), &s);
    cg_field_write(fn, b, z, s, CGNS_ENUMV(RealDouble), "Density", nodes(8, 3, 2).data(), &id);
    const cgsize_t right[6] = {5, 2, 4, 1, 0, 0};
    cg_zone_write(fn, b, "Right", right, CGNS_ENUMV(Structured), &z);
    cg_coord_write(fn, b, z, CGNS_ENUMV(RealDouble), "CoordinateX", nodes(9, 5, 2).data(), &id);
    cg_coord_write(fn, b, z, CGNS_ENUMV(RealDouble), "CoordinateY", nodes(10, 5, 2).data(), &id);
    const cgsize_t mesh[3] = {4, 2, 0};
    cg_zone_write(fn, b, "Mesh", mesh, CGNS_ENUMV(Unstructured), &z);
    cg_base_write(fn, "Volume", 3, 3, &b);
    EXPECT_EQ(cg_close(fn), CG_OK);
    return path;
}

void expect_nodes(const Table& table, int array, int ni, int nj) {
    ASSERT_EQ(table.i_max(), ni);
    ASSERT_EQ(table.j_max(), nj);
    for (int j = 0; j < nj; ++j)
        for (int i = 0; i < ni; ++i) EXPECT_EQ(table(i + 1, j + 1), value_of(array, i, j)) << array;
}

TEST(CgnsReader, CataloguesWhatCanBeShownAndReadsEveryValue) {
    QTemporaryDir folder;
    const QString path = write_sample(folder.path());
    const StructuredCatalog catalog = cgns_format().catalog(path);
    ASSERT_TRUE(catalog.ok()) << catalog.error.toStdString();
    ASSERT_EQ(catalog.blocks.size(), 2u);
    const StructuredBlock& left = catalog.blocks[0];
    EXPECT_EQ(left.name, "Left");
    EXPECT_EQ(catalog.blocks[1].name, "Right");
    EXPECT_EQ(left.vector_fields, QStringList{"Step1/Velocity"});
    EXPECT_EQ(left.scalar_fields, (QStringList{"Step1/Pressure", "Step1/MomentumX", "Step2/Pressure"}));
    EXPECT_THAT(catalog.notes.join('\n').toStdString(),
                AllOf(HasSubstr("\"Cells\" is left out: its values lie at cell centres"),
                      HasSubstr("\"Mesh\": unstructured"), HasSubstr("\"Volume\": 3D")));

    FieldStore store;
    ASSERT_TRUE(read_grid(store, path + "#Left").ok());
    expect_nodes(store.grid_x, 1, 4, 3);
    expect_nodes(store.grid_y, 2, 4, 3);
    EXPECT_EQ(store.file_rect(), (DrawRect{1, 1, 4, 3}));
    VectorSlot vectors;
    ASSERT_TRUE(read_vector(vectors, path + "#Left/Step1/Velocity").complete());
    expect_nodes(vectors.u, 3, 4, 3);
    expect_nodes(vectors.v, 4, 4, 3);
    ScalarSlot scalar;
    for (const auto& [field, array] : {std::pair{"Step1/Pressure", 5}, {"Step1/MomentumX", 6}, {"Step2/Pressure", 7}}) {
        ASSERT_TRUE(read_scalar(scalar, path + "#Left/" + field).complete()) << field;
        expect_nodes(scalar.value, array, 4, 3);
    }
    ASSERT_TRUE(read_grid(store, path + "#Right").ok());
    expect_nodes(store.grid_y, 10, 5, 2);
}

TEST(CgnsReader, RefusesWhatItCannotShowNamingTheReason) {
    QTemporaryDir folder;
    const QString path = write_sample(folder.path());
    ScalarSlot scalar;
    const struct {
        QString name;
        const char* reason;
    } refused[] = {
        {path + "#Left/Cells/Density", "no field \"Cells/Density\""},
        {path + "#Left/Step1/Velocity", "array Velocity not found"},
        {path + "#Left/Step3/Pressure", "no field"},
        {path + "#Mesh/Step1/Pressure", "no two-dimensional structured zone \"Mesh\""},
        {test::write_file(folder.path(), "text.cgns", "0 149 0 149\n"), ""},
        {folder.path() + "/missing.cgns#Left/Step1/Pressure", "not found"},
    };
    for (const auto& [name, reason] : refused) {
        const ReadResult read = read_scalar(scalar, name.contains('#') ? name : name + "#Left/Step1/Pressure");
        EXPECT_EQ(read.failure, ReadFailure::Refused) << name.toStdString();
        EXPECT_THAT(read.detail().toStdString(), HasSubstr(reason));
        EXPECT_TRUE(scalar.value.empty());
    }
    int fn = 0, b = 0;
    const QString volume = folder.path() + "/volume.cgns";
    cg_open(volume.toUtf8().constData(), CG_MODE_WRITE, &fn);
    cg_base_write(fn, "Volume", 3, 3, &b);
    cg_close(fn);
    EXPECT_THAT(open_structured(volume).error.toStdString(),
                AllOf(HasSubstr("volume.cgns: the file holds no two-dimensional structured zone"), HasSubstr("3D")));
}

TEST(CgnsReader, AZoneOpensAsAProjectWhoseFieldsArePickedByName) {
    QTemporaryDir folder;
    const QString path = write_sample(folder.path());
    const StructuredOpening opening = open_structured(path);
    EXPECT_EQ(opening.block_names(), (QStringList{"Left", "Right"}));
    ProjectTables tables;
    ASSERT_TRUE(structured_project(opening, "Left", tables).ok);
    EXPECT_EQ(tables.project_file_name, kUntitledProjectName);
    EXPECT_EQ(tables.grid_file_name, path + "#Left");
    EXPECT_EQ(tables.scalar_file_count, 3);
    EXPECT_EQ(tables.scalar_file_name[2], path + "#Left/Step2/Pressure");
    EXPECT_EQ(field_position(tables, FileKind::Scalar, "Pressure"), 0);
    EXPECT_EQ(field_position(tables, FileKind::Scalar, "Step2/Pressure"), 2);
    EXPECT_EQ(field_position(tables, FileKind::Vector, "Velocity"), 0);
    EXPECT_EQ(field_position(tables, FileKind::Vector, "Pressure"), std::nullopt);

    // Saved as a project file and opened again, it names the same fields.
    Workspace ws;
    ASSERT_TRUE(load_project(ws, path, "Right").grid.ok());
    EXPECT_EQ(ws.store.file_rect(), (DrawRect{1, 1, 5, 2}));
    ASSERT_TRUE(structured_project(opening, "Left", ws.project).ok);
    const QString saved = folder.path() + "/run.RVP";
    ASSERT_TRUE(save_project_file(saved, ws.project).ok);
    ProjectTables reopened;
    ASSERT_TRUE(load_project_file(saved, reopened).ok);
    EXPECT_EQ(reopened.vector_file_name, tables.vector_file_name);
    EXPECT_EQ(reopened.scalar_file_name, tables.scalar_file_name);
}

}  // namespace
}  // namespace ruvo
