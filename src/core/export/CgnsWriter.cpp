#include "export/CgnsWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cgnslib.h>

#include "data/CgnsReader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace ruvo {

namespace {

// CGNS names hold at most 32 characters and no "/"; the suffix X or Y
// needs one more.
constexpr qsizetype kMaxNameChars = 31;

QString field_name(const QString& slot_name, QStringList& taken) {
    QString name = slot_name.mid(std::max(slot_name.lastIndexOf(u'/'), slot_name.lastIndexOf(u'#')) + 1);
    name = QString::fromUtf8(name.toUtf8().left(kMaxNameChars));
    const QString stem = name.left(kMaxNameChars - 3);
    for (int n = 2; taken.contains(name); ++n) name = stem + u'_' + QString::number(n);
    taken << name;
    return name;
}

class Writer {
public:
    Writer(const FieldStore& store, const DrawRect& r) : store_(store), r_(r) {}

    // Writes the file; "" or the library's reason.
    QString write(const QString& path) {
        if (cg_open(QFile::encodeName(path).constData(), CG_MODE_WRITE, &fn_) != CG_OK) return cg_get_error();
        const bool written = write_contents();
        const QString error = written ? QString() : QString::fromUtf8(cg_get_error());
        if (cg_close(fn_) != CG_OK && written) return cg_get_error();
        return error;
    }

private:
    bool write_contents() {
        const int ni = r_.x_end - r_.x_start + 1;
        const int nj = r_.y_end - r_.y_start + 1;
        const cgsize_t size[6] = {ni, nj, std::max(ni - 1, 1), std::max(nj - 1, 1), 0, 0};
        int c = 0;
        if (cg_base_write(fn_, "Base", 2, 2, &base_) != CG_OK ||
            cg_zone_write(fn_, base_, "Zone", size, CGNS_ENUMV(Structured), &zone_) != CG_OK ||
            cg_coord_write(fn_, base_, zone_, CGNS_ENUMV(RealDouble), "CoordinateX", nodes(store_.grid_x).data(), &c) !=
                CG_OK ||
            cg_coord_write(fn_, base_, zone_, CGNS_ENUMV(RealDouble), "CoordinateY", nodes(store_.grid_y).data(), &c) !=
                CG_OK ||
            cg_sol_write(fn_, base_, zone_, "FlowSolution", CGNS_ENUMV(Vertex), &solution_) != CG_OK)
            return false;
        QStringList taken;
        for (int k = 1; k <= store_.vector_count && k <= kMaxSlots; ++k) {
            const VectorSlot& slot = store_.vector_data[std::size_t(k)];
            if (slot.u.empty() && slot.v.empty()) continue;
            const QString name = field_name(slot.file_name, taken);
            if (!write_field(name + u'X', slot.u) || !write_field(name + u'Y', slot.v)) return false;
        }
        for (int k = 1; k <= store_.scalar_count && k <= kMaxSlots; ++k) {
            const ScalarSlot& slot = store_.scalar_data[std::size_t(k)];
            if (!slot.value.empty() && !write_field(field_name(slot.file_name, taken), slot.value)) return false;
        }
        return true;
    }

    bool write_field(const QString& name, const Table& table) {
        int f = 0;
        return cg_field_write(fn_, base_, zone_, solution_, CGNS_ENUMV(RealDouble), name.toUtf8().constData(),
                              nodes(table).data(), &f) == CG_OK;
    }

    // The table's values over the area, i running fastest.
    std::vector<double> nodes(const Table& table) const {
        std::vector<double> values;
        values.reserve(std::size_t(r_.x_end - r_.x_start + 1) * std::size_t(r_.y_end - r_.y_start + 1));
        for (int j = r_.y_start; j <= r_.y_end; ++j)
            for (int i = r_.x_start; i <= r_.x_end; ++i) values.push_back(table(i, j));
        return values;
    }

    const FieldStore& store_;
    DrawRect r_;
    int fn_ = -1;
    int base_ = 0;
    int zone_ = 0;
    int solution_ = 0;
};

}  // namespace

WriteResult write_cgns_file(const QString& path, const FieldStore& store) {
    const std::scoped_lock lock(cgns_library_lock());
    QTemporaryFile aside(path + QStringLiteral(".XXXXXX"));
    if (!aside.open()) return {false, aside.errorString()};
    aside.close();
    const QString error = Writer(store, store.file_rect()).write(aside.fileName());
    if (!error.isEmpty()) return {false, error};
    if (std::rename(QFile::encodeName(aside.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return {false, QString::fromLocal8Bit(std::strerror(errno))};
    aside.setAutoRemove(false);
    return {true, {}};
}

}  // namespace ruvo
