#include "data/CgnsReader.h"

#include "data/ResultReader.h"

#include <QFile>

#include <cgnslib.h>

#include <array>
#include <optional>
#include <vector>

namespace ruvo {

namespace {

QString library_error() { return QString::fromUtf8(cg_get_error()); }

// An open file, closed when it goes.
class CgnsFile {
public:
    explicit CgnsFile(const QString& path) {
        if (cg_open(QFile::encodeName(path).constData(), CG_MODE_READ, &fn_) != CG_OK) {
            error_ = library_error();
            fn_ = -1;
        }
    }
    ~CgnsFile() {
        if (fn_ >= 0) cg_close(fn_);
    }
    CgnsFile(const CgnsFile&) = delete;
    CgnsFile& operator=(const CgnsFile&) = delete;

    int fn() const { return fn_; }
    const QString& error() const { return error_; }

private:
    int fn_ = -1;
    QString error_;
};

// Where a zone lies in the file, and its node counts.
struct ZonePlace {
    int base = 0;
    int zone = 0;
    QString name;
    int ni = 0;
    int nj = 0;
};

using NameBuffer = std::array<char, 64>;

QString name_of(const NameBuffer& name) { return QString::fromUtf8(name.data()); }

// The structured zones of two-dimensional bases; what else the file holds
// goes into `notes`.
std::vector<ZonePlace> zones_of(int fn, QStringList& notes) {
    std::vector<ZonePlace> zones;
    int bases = 0;
    if (cg_nbases(fn, &bases) != CG_OK) return zones;
    for (int b = 1; b <= bases; ++b) {
        NameBuffer base_name{};
        int cell_dim = 0;
        int phys_dim = 0;
        if (cg_base_read(fn, b, base_name.data(), &cell_dim, &phys_dim) != CG_OK) continue;
        int count = 0;
        if (cg_nzones(fn, b, &count) != CG_OK) continue;
        if (cell_dim != 2) {
            notes << QStringLiteral("base \"%1\": %2D zones cannot be shown").arg(name_of(base_name)).arg(cell_dim);
            continue;
        }
        for (int z = 1; z <= count; ++z) {
            NameBuffer zone_name{};
            std::array<cgsize_t, 9> size{};
            CGNS_ENUMT(ZoneType_t) type = CGNS_ENUMV(ZoneTypeNull);
            if (cg_zone_type(fn, b, z, &type) != CG_OK ||
                cg_zone_read(fn, b, z, zone_name.data(), size.data()) != CG_OK)
                continue;
            if (type != CGNS_ENUMV(Structured)) {
                notes << QStringLiteral("zone \"%1\": unstructured zones cannot be shown").arg(name_of(zone_name));
                continue;
            }
            if (size[0] < 1 || size[1] < 1) continue;
            zones.push_back({b, z, name_of(zone_name), int(size[0]), int(size[1])});
        }
    }
    return zones;
}

bool has_coordinates(int fn, const ZonePlace& zone) {
    int count = 0;
    if (cg_ncoords(fn, zone.base, zone.zone, &count) != CG_OK) return false;
    bool x = false;
    bool y = false;
    for (int c = 1; c <= count; ++c) {
        NameBuffer name{};
        CGNS_ENUMT(DataType_t) type{};
        if (cg_coord_info(fn, zone.base, zone.zone, c, &type, name.data()) != CG_OK) continue;
        x = x || name_of(name) == u"CoordinateX";
        y = y || name_of(name) == u"CoordinateY";
    }
    return x && y;
}

// A solution drawn at the nodes: at the vertices and without rind layers.
std::optional<QString> unplaceable(int fn, const ZonePlace& zone, int s, CGNS_ENUMT(GridLocation_t) location) {
    if (location != CGNS_ENUMV(Vertex)) return QStringLiteral("its values lie at cell centres or faces");
    std::array<int, 6> rind{};
    if (cg_goto(fn, zone.base, "Zone_t", zone.zone, "FlowSolution_t", s, "end") == CG_OK &&
        cg_rind_read(rind.data()) == CG_OK) {
        for (int layers : rind)
            if (layers != 0) return QStringLiteral("it has rind layers");
    }
    return std::nullopt;
}

// Sorts the fields of one solution into vector pairs and scalars.
void add_solution_fields(const QString& solution, const QStringList& fields, StructuredBlock& block) {
    QStringList paired;
    for (const QString& field : fields) {
        if (!field.endsWith(u'X')) continue;
        const QString stem = field.chopped(1);
        if (!stem.isEmpty() && fields.contains(stem + u'Y')) {
            block.vector_fields << solution + u'/' + stem;
            paired << field << stem + u'Y';
        }
    }
    for (const QString& field : fields)
        if (!paired.contains(field)) block.scalar_fields << solution + u'/' + field;
}

void add_fields(int fn, const ZonePlace& zone, StructuredBlock& block, QStringList& notes) {
    int solutions = 0;
    if (cg_nsols(fn, zone.base, zone.zone, &solutions) != CG_OK) return;
    for (int s = 1; s <= solutions; ++s) {
        NameBuffer solution{};
        CGNS_ENUMT(GridLocation_t) location{};
        if (cg_sol_info(fn, zone.base, zone.zone, s, solution.data(), &location) != CG_OK) continue;
        if (const auto reason = unplaceable(fn, zone, s, location)) {
            notes << QStringLiteral("zone \"%1\", solution \"%2\" is left out: %3")
                         .arg(zone.name, name_of(solution), *reason);
            continue;
        }
        int count = 0;
        if (cg_nfields(fn, zone.base, zone.zone, s, &count) != CG_OK) continue;
        QStringList fields;
        for (int f = 1; f <= count; ++f) {
            NameBuffer field{};
            CGNS_ENUMT(DataType_t) type{};
            if (cg_field_info(fn, zone.base, zone.zone, s, f, &type, field.data()) == CG_OK) fields << name_of(field);
        }
        add_solution_fields(name_of(solution), fields, block);
    }
}

StructuredCatalog cgns_catalog(const QString& path) {
    const std::scoped_lock lock(cgns_library_lock());
    StructuredCatalog catalog;
    const CgnsFile file(path);
    if (file.fn() < 0) {
        catalog.error = file.error();
        return catalog;
    }
    for (const ZonePlace& zone : zones_of(file.fn(), catalog.notes)) {
        if (!has_coordinates(file.fn(), zone)) {
            catalog.notes << QStringLiteral("zone \"%1\" has no CoordinateX and CoordinateY").arg(zone.name);
            continue;
        }
        StructuredBlock block{zone.name, zone.ni, zone.nj, true, {}, {}};
        add_fields(file.fn(), zone, block, catalog.notes);
        catalog.blocks.push_back(std::move(block));
    }
    if (catalog.blocks.empty()) {
        catalog.error = QStringLiteral("the file holds no two-dimensional structured zone with coordinates");
        if (!catalog.notes.isEmpty())
            catalog.error += QStringLiteral(" (") + catalog.notes.join(QStringLiteral("; ")) + u')';
    }
    return catalog;
}

// Reads one array of the zone's nodes (i fastest, as CGNS keeps them) into
// a table.
template <typename ReadArray>
QString read_nodes(const ZonePlace& zone, Table& table, ReadArray read_array) {
    const double nodes = double(zone.ni) * double(zone.nj);
    if (nodes * 2 * sizeof(double) > double(memory_for_tables()))
        return QStringLiteral("the zone's %1 nodes do not fit in memory").arg(nodes, 0, 'g', 3);
    std::vector<double> values(std::size_t(zone.ni) * std::size_t(zone.nj));
    const std::array<cgsize_t, 2> first{1, 1};
    const std::array<cgsize_t, 2> last{zone.ni, zone.nj};
    if (read_array(first.data(), last.data(), values.data()) != CG_OK) return library_error();
    if (!fill_from_rows(table, zone.ni, zone.nj, [&values](std::size_t k) { return values[k]; }))
        return QStringLiteral("the zone's nodes do not fit in memory");
    return {};
}

// The solution of that name in the zone, 0 when there is none or its
// values do not lie at the nodes.
int solution_index(int fn, const ZonePlace& zone, const QString& name) {
    int solutions = 0;
    if (cg_nsols(fn, zone.base, zone.zone, &solutions) != CG_OK) return 0;
    for (int s = 1; s <= solutions; ++s) {
        NameBuffer solution{};
        CGNS_ENUMT(GridLocation_t) location{};
        if (cg_sol_info(fn, zone.base, zone.zone, s, solution.data(), &location) == CG_OK && name_of(solution) == name)
            return unplaceable(fn, zone, s, location) ? 0 : s;
    }
    return 0;
}

QString cgns_read(const QString& path, const QString& block, const QString& field, std::span<Table* const> tables) {
    const std::scoped_lock lock(cgns_library_lock());
    const CgnsFile file(path);
    if (file.fn() < 0) return file.error();
    QStringList notes;
    std::optional<ZonePlace> zone;
    for (const ZonePlace& place : zones_of(file.fn(), notes))
        if (place.name == block && !zone) zone = place;
    if (!zone) return QStringLiteral("the file holds no two-dimensional structured zone \"%1\"").arg(block);

    const int fn = file.fn();
    const auto coordinate = [&](const char* name) {
        return [=](const cgsize_t* first, const cgsize_t* last, double* values) {
            return cg_coord_read(fn, zone->base, zone->zone, name, CGNS_ENUMV(RealDouble), first, last, values);
        };
    };
    if (field.isEmpty()) {
        if (tables.size() != 2) return QStringLiteral("a grid is read into two tables");
        QString error = read_nodes(*zone, *tables[0], coordinate("CoordinateX"));
        if (error.isEmpty()) error = read_nodes(*zone, *tables[1], coordinate("CoordinateY"));
        return error;
    }
    const qsizetype slash = field.indexOf(u'/');
    const int s = slash < 0 ? 0 : solution_index(fn, *zone, field.left(slash));
    if (s == 0) return QStringLiteral("zone \"%1\" holds no field \"%2\"").arg(block, field);
    const QString name = field.mid(slash + 1);
    const QStringList names = tables.size() == 2 ? QStringList{name + u'X', name + u'Y'} : QStringList{name};
    if (tables.size() != 1 && tables.size() != 2) return QStringLiteral("a field is read into one or two tables");
    for (std::size_t t = 0; t < tables.size(); ++t) {
        const QByteArray array = names[qsizetype(t)].toUtf8();
        const QString error =
            read_nodes(*zone, *tables[t], [&](const cgsize_t* first, const cgsize_t* last, double* values) {
                return cg_field_read(fn, zone->base, zone->zone, s, array.constData(), CGNS_ENUMV(RealDouble), first,
                                     last, values);
            });
        if (!error.isEmpty()) return QStringLiteral("field \"%1\": %2").arg(names[qsizetype(t)], error);
    }
    return {};
}

}  // namespace

std::mutex& cgns_library_lock() {
    static std::mutex lock;
    return lock;
}

const StructuredFormat& cgns_format() {
    static const StructuredFormat format{cgns_catalog, cgns_read};
    return format;
}

}  // namespace ruvo
