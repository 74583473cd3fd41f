#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <utility>
#include <string_view>
#include <vector>

#include "data/StructuredFile.h"
#include "data/VtkReader.h"
#include "data/WholeFile.h"

// What the legacy and the XML VTK readers share: the values' types and their
// decoding, and how a grid and its point arrays become a catalogue and tables.
namespace ruvo::vtk {

enum class ValueType { Int8, UInt8, Int16, UInt16, Int32, UInt32, Int64, UInt64, Float32, Float64 };

std::size_t size_of(ValueType type);

// `count` values of `type`, as many bytes as they take at the start of
// `bytes`, into `values`. Returns "" or why they cannot be read.
QString decode_binary(std::string_view bytes, ValueType type, bool big_endian, std::size_t count,
                      std::vector<double>& values);

// `count` numbers separated by white space from the start of `text` into
// `values`. Returns "" or why they cannot be read; `end` receives where the
// text after the last one starts.
QString decode_text(std::string_view text, std::size_t count, std::vector<double>& values, std::size_t* end = nullptr);

// An array of one value (of `components` components) a node; `index` tells
// its reader where its values are.
struct PointArray {
    QString name;
    int components = 1;
    std::size_t index = 0;
};

// What a reader found in a file.
struct GridLayout {
    QString error;  // "" when the grid can be shown
    int ni = 0;
    int nj = 0;
    PointArray points;  // three components
    std::vector<PointArray> arrays;
    QStringList notes;
};

// Judges the node counts of a grid and stores them in `layout`; false, with
// the error set, when they cannot be shown: more than one node in each of
// the three directions, no node, or more than a file of `file_bytes` bytes,
// which holds at most `nodes_per_byte` nodes a byte, can hold. A grid of a
// single node in i or j is taken as the grid of the other two.
bool set_size(GridLayout& layout, long long ni, long long nj, long long nk, double nodes_per_byte,
              std::size_t file_bytes);

// The note for arrays of cells, which have no values at the nodes.
QString cell_data_note(const QStringList& names);

StructuredCatalog catalog_of(const GridLayout& layout);

// The `count` values of one array, components of a node together, nodes i
// fastest, into `values`; "" or why they cannot be read.
using ValuesOf = std::function<QString(const PointArray& array, std::size_t count, std::vector<double>& values)>;

// Reads the grid (`field` empty) or a field of block "1" into `tables`.
QString read_part(const GridLayout& layout, const QString& block, const QString& field, std::span<Table* const> tables,
                  const ValuesOf& values_of);

// The catalogue and reading of a format whose `File::parse(bytes)` finds the
// grid of a file (its `layout`) and whose `values(bytes, array, count,
// values)` decodes an array, as ValuesOf does.
template <typename File>
struct Format {
    static StructuredCatalog catalog(const QString& path) { return catalog_of(Opened(path).file.layout); }

    static QString read(const QString& path, const QString& block, const QString& field,
                        std::span<Table* const> tables) {
        const Opened opened(path);
        const std::string_view bytes(opened.bytes.constData(), std::size_t(opened.bytes.size()));
        return read_part(opened.file.layout, block, field, tables,
                         [&](const PointArray& array, std::size_t count, std::vector<double>& values) {
                             return opened.file.values(bytes, array, count, values);
                         });
    }

private:
    struct Opened {
        explicit Opened(const QString& path) {
            WholeFile whole = read_whole_file(path, kMaxVtkFileBytes);
            if (!whole.ok()) {
                file.layout.error = whole.reason;
                return;
            }
            bytes = std::move(whole.bytes);
            file = File::parse(bytes);
        }
        QByteArray bytes;
        File file;
    };
};

// Reports whether a * b overflows; the product in `product` when it does not.
inline bool multiply_overflows(std::uint64_t a, std::uint64_t b, std::uint64_t& product) {
    return __builtin_mul_overflow(a, b, &product);
}

}  // namespace ruvo::vtk
