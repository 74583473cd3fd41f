#include "data/Plot3dReader.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <mutex>
#include <string_view>
#include <type_traits>
#include <vector>

#include "data/WholeFile.h"

namespace ruvo {

namespace {

// A larger file is refused before it is read.
constexpr qint64 kMaxFileBytes = qint64(8) << 30;
constexpr int kIntBytes = 4;
constexpr int kFreeStreamValues = 4;  // Mach, alpha, Reynolds number, time

enum class Kind { Grid, Solution };

// The words of the layout's text form, in the order they are written.
using LayoutMember = std::optional<bool> Plot3dLayout::*;
struct LayoutWord {
    const char* text;
    LayoutMember member;
    bool value;
};
constexpr LayoutWord kLayoutWords[] = {
    {"ascii", &Plot3dLayout::ascii, true},
    {"binary", &Plot3dLayout::ascii, false},
    {"records", &Plot3dLayout::records, true},
    {"stream", &Plot3dLayout::records, false},
    {"little", &Plot3dLayout::big_endian, false},
    {"big", &Plot3dLayout::big_endian, true},
    {"single", &Plot3dLayout::double_precision, false},
    {"double", &Plot3dLayout::double_precision, true},
    {"one-block", &Plot3dLayout::multi_block, false},
    {"multi-block", &Plot3dLayout::multi_block, true},
};

QString layout_text(const Plot3dLayout& layout) {
    QStringList words;
    for (const LayoutWord& word : kLayoutWords) {
        if (layout.*word.member == word.value) words << QString::fromLatin1(word.text);
    }
    return words.join(',');
}

struct SharedHint {
    std::mutex mutex;
    Plot3dLayout layout;
};
SharedHint& shared_hint() {
    static SharedHint hint;
    return hint;
}
Plot3dLayout layout_hint() {
    SharedHint& hint = shared_hint();
    const std::lock_guard lock(hint.mutex);
    return hint.layout;
}

// One way of reading a file, every choice made.
struct Layout {
    bool ascii = false;
    bool records = false;
    bool big_endian = false;
    bool double_precision = false;
    bool multi_block = false;
    bool iblank = false;  // a grid's int a node after its coordinates
    int dimensions = 2;

    int real_bytes() const { return double_precision ? 8 : 4; }
    bool swapped() const { return big_endian != (std::endian::native == std::endian::big); }
    // In the words of the text form; those of binary files are left out of a text file's.
    Plot3dLayout described() const {
        Plot3dLayout words{.ascii = ascii, .multi_block = multi_block};
        if (!ascii) {
            words.records = records;
            words.big_endian = big_endian;
            words.double_precision = double_precision;
        }
        return words;
    }
};

bool agrees_with(const Layout& layout, const Plot3dLayout& hint) {
    const Plot3dLayout actual = layout.described();
    return std::ranges::all_of(kLayoutWords, [&](const LayoutWord& word) {
        const std::optional<bool>& said = hint.*word.member;
        const std::optional<bool>& is = actual.*word.member;
        return !said || !is || *said == *is;
    });
}

// The layouts a file may have: text ones only when it is all numbers.
std::vector<Layout> candidate_layouts(bool text, int dimensions, bool iblank) {
    std::vector<Layout> layouts;
    for (bool multi_block : {false, true}) {
        if (text)
            layouts.push_back({.ascii = true, .multi_block = multi_block, .iblank = iblank, .dimensions = dimensions});
        for (bool records : {true, false})
            for (bool big_endian : {false, true})
                for (bool double_precision : {false, true})
                    layouts.push_back({.records = records,
                                       .big_endian = big_endian,
                                       .double_precision = double_precision,
                                       .multi_block = multi_block,
                                       .iblank = iblank,
                                       .dimensions = dimensions});
    }
    return layouts;
}

// The file as the layouts read it: its bytes, and a text file's numbers.
struct Contents {
    QByteArray file;
    std::vector<double> numbers;  // empty unless the file is a text of numbers

    std::string_view bytes() const { return {file.constData(), std::size_t(file.size())}; }
    bool text() const { return !numbers.empty(); }
};

bool is_blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// A number of a text file, Fortran's D exponents included ("1.5D+03").
std::optional<double> text_number(std::string_view token) {
    constexpr std::size_t kLongest = 64;
    if (token.size() > kLongest) return {};
    std::array<char, kLongest> text{};
    std::ranges::transform(token, text.begin(), [](char c) { return c == 'D' || c == 'd' ? 'E' : c; });
    const char* first = text.data();
    const char* const last = first + token.size();
    // from_chars takes no plus sign; a sign stands once.
    if (first != last && *first == '+' && ++first != last && (*first == '-' || *first == '+')) return {};
    double value = 0.0;
    const auto [rest, error] = std::from_chars(first, last, value);
    if (error != std::errc() || rest != last) return {};
    return value;
}

// Every number of a text file; nothing when anything else is in it.
std::optional<std::vector<double>> text_numbers(std::string_view text) {
    std::vector<double> numbers;
    for (std::size_t pos = 0;;) {
        while (pos < text.size() && is_blank(text[pos])) ++pos;
        if (pos == text.size()) return numbers;
        const std::size_t start = pos;
        while (pos < text.size() && !is_blank(text[pos])) ++pos;
        const std::optional<double> number = text_number(text.substr(start, pos - start));
        if (!number) return {};
        numbers.push_back(*number);
    }
}

template <class Value>
Value load(const char* bytes, bool swapped) {
    static_assert(sizeof(Value) == 4 || sizeof(Value) == 8);
    using Bits = std::conditional_t<sizeof(Value) == 4, std::uint32_t, std::uint64_t>;
    Bits bits;
    std::memcpy(&bits, bytes, sizeof bits);
    if (swapped) {
        if constexpr (sizeof bits == 4)
            bits = __builtin_bswap32(bits);
        else
            bits = __builtin_bswap64(bits);
    }
    return std::bit_cast<Value>(bits);
}

// Walks through a file as one layout reads it. Positions count bytes in a
// binary file and numbers in a text file.
class Cursor {
public:
    Cursor(const Contents& contents, const Layout& layout) : contents_(contents), layout_(layout) {}

    std::size_t position() const { return pos_; }
    bool at_end() const { return pos_ == size(); }

    // Whether `count` more values of `bytes` bytes each follow.
    bool holds(std::uint64_t count, int bytes) const { return count <= (size() - pos_) / step(bytes); }
    bool skip(std::uint64_t count, int bytes) {
        if (!holds(count, bytes)) return false;
        pos_ += count * step(bytes);
        return true;
    }

    // The record marker before or after a record of `length` bytes, where the layout has them.
    bool marker(std::uint64_t length) {
        if (!layout_.records) return true;
        const std::optional<std::int64_t> value = integer();
        return value && *value >= 0 && std::uint64_t(*value) == length;
    }

    std::optional<std::int64_t> integer() {
        if (!holds(1, kIntBytes)) return {};
        if (layout_.ascii) {
            const double value = contents_.numbers[pos_++];
            if (!(value >= INT32_MIN && value <= INT32_MAX) || value != std::int64_t(value)) return {};
            return std::int64_t(value);
        }
        pos_ += kIntBytes;
        return load<std::int32_t>(contents_.bytes().data() + pos_ - kIntBytes, layout_.swapped());
    }

    std::optional<double> real() {
        if (!holds(1, layout_.real_bytes())) return {};
        if (layout_.ascii) return contents_.numbers[pos_++];
        const char* bytes = contents_.bytes().data() + pos_;
        pos_ += std::size_t(layout_.real_bytes());
        return layout_.double_precision ? load<double>(bytes, layout_.swapped())
                                        : double(load<float>(bytes, layout_.swapped()));
    }

private:
    std::size_t size() const { return layout_.ascii ? contents_.numbers.size() : contents_.bytes().size(); }
    std::uint64_t step(int bytes) const { return layout_.ascii ? 1 : std::uint64_t(bytes); }

    const Contents& contents_;
    const Layout& layout_;
    std::size_t pos_ = 0;
};

// Where one block lies in the file.
struct BlockPlace {
    int ni = 0;
    int nj = 0;
    std::size_t values = 0;  // its first value: x of a grid, density of a solution
    std::array<double, kFreeStreamValues> free_stream{};

    std::size_t nodes() const { return std::size_t(ni) * std::size_t(nj); }
};

// The product of a block's node counts, when each is positive and it is at most `limit`.
std::optional<std::uint64_t> node_count(std::span<const std::int32_t> counts, std::uint64_t limit) {
    std::uint64_t nodes = 1;
    for (const std::int32_t count : counts) {
        if (count < 1 || std::uint64_t(count) > limit / nodes) return {};
        nodes *= std::uint64_t(count);
    }
    return nodes;
}

// The blocks of the file as `layout` reads it; nothing unless the layout
// reads the file exactly to its end. Each count is checked against what is
// left of the file before anything is allocated for it.
std::optional<std::vector<BlockPlace>> plan(const Contents& contents, const Layout& layout, Kind kind) {
    Cursor file(contents, layout);
    const int dims = layout.dimensions;
    std::int64_t blocks = 1;
    if (layout.multi_block) {
        const std::optional<std::int64_t> count = file.marker(kIntBytes) ? file.integer() : std::nullopt;
        if (!count || !file.marker(kIntBytes)) return {};
        blocks = *count;
    }
    if (blocks < 1 || !file.holds(std::uint64_t(blocks) * dims, kIntBytes)) return {};
    const std::uint64_t counts_length = std::uint64_t(blocks) * dims * kIntBytes;
    if (!file.marker(counts_length)) return {};
    std::vector<std::int32_t> counts(std::size_t(blocks) * dims);
    for (std::int32_t& count : counts) {
        const std::optional<std::int64_t> value = file.integer();
        if (!value) return {};
        count = std::int32_t(*value);
    }
    if (!file.marker(counts_length)) return {};

    const int real_bytes = layout.real_bytes();
    std::vector<BlockPlace> places;  // as they are found, not as many as the count claims
    for (std::size_t b = 0; b < std::size_t(blocks); ++b) {
        const std::span<const std::int32_t> block_counts(counts.data() + b * dims, std::size_t(dims));
        const std::optional<std::uint64_t> nodes = node_count(block_counts, contents.bytes().size());
        if (!nodes) return {};
        BlockPlace place{.ni = block_counts[0], .nj = block_counts[1]};
        if (kind == Kind::Solution) {
            const std::uint64_t length = kFreeStreamValues * std::uint64_t(real_bytes);
            if (!file.marker(length)) return {};
            for (double& value : place.free_stream) {
                const std::optional<double> read = file.real();
                if (!read) return {};
                value = *read;
            }
            if (!file.marker(length)) return {};
        }
        // A grid: a coordinate array a dimension; a solution: density, a momentum array a dimension, energy.
        const std::uint64_t reals = *nodes * std::uint64_t(kind == Kind::Grid ? dims : dims + 2);
        const std::uint64_t ints = kind == Kind::Grid && layout.iblank ? *nodes : 0;
        const std::uint64_t length = reals * real_bytes + ints * kIntBytes;
        if (!file.marker(length)) return {};
        place.values = file.position();
        if (!file.skip(reals, real_bytes) || !file.skip(ints, kIntBytes) || !file.marker(length)) return {};
        places.push_back(place);
    }
    if (!file.at_end()) return {};
    return places;
}

struct Reading {
    QString error;
    Layout layout;
    std::vector<BlockPlace> blocks;
};

Reading refused(const QString& error) { return {error, {}, {}}; }

std::vector<Reading> fitting(const Contents& contents, Kind kind, int dimensions, bool iblank) {
    std::vector<Reading> fits;
    for (const Layout& layout : candidate_layouts(contents.text(), dimensions, iblank)) {
        if (auto blocks = plan(contents, layout, kind)) fits.push_back({{}, layout, std::move(*blocks)});
    }
    return fits;
}

QString layouts_text(const std::vector<Reading>& readings) {
    QStringList texts;
    for (const Reading& reading : readings) texts << layout_text(reading.layout.described());
    return texts.join(QStringLiteral(" or "));
}

// How the file is laid out, from the layouts that read it exactly and the
// hint. Grids are first tried without IBLANK arrays.
Reading detect(const Contents& contents, Kind kind) {
    if (contents.file.isEmpty()) return refused(QStringLiteral("the file is empty"));
    std::vector<Reading> fits = fitting(contents, kind, 2, false);
    if (fits.empty() && kind == Kind::Grid) fits = fitting(contents, kind, 2, true);
    if (fits.empty()) {
        const bool three_d = !fitting(contents, kind, 3, false).empty() ||
                             (kind == Kind::Grid && !fitting(contents, kind, 3, true).empty());
        if (three_d) return refused(QStringLiteral("a 3D PLOT3D file: only 2D files can be shown"));
        return refused(kind == Kind::Grid
                           ? QStringLiteral("its sizes fit no 2D PLOT3D grid: the file is cut short or holds "
                                            "something else")
                           : QStringLiteral("its sizes fit no 2D PLOT3D solution: the file is cut short or holds "
                                            "something else"));
    }
    const Plot3dLayout hint = layout_hint();
    std::vector<Reading> chosen;
    for (Reading& fit : fits) {
        if (agrees_with(fit.layout, hint)) chosen.push_back(std::move(fit));
    }
    if (chosen.size() == 1) return std::move(chosen.front());
    if (chosen.empty()) {
        return refused(QStringLiteral("the layout given with --plot3d (%1) does not fit the file, which reads as %2")
                           .arg(layout_text(hint), layouts_text(fits)));
    }
    return refused(QStringLiteral("its layout cannot be told from the file, which reads as %1: choose one with "
                                  "--plot3d")
                       .arg(layouts_text(chosen)));
}

// The file read and its layout found; `error` says why not.
struct OpenedFile {
    Contents contents;
    Reading reading;
};

void open_file(const QString& path, Kind kind, OpenedFile& opened) {
    WholeFile whole = read_whole_file(path, kMaxFileBytes);
    if (!whole.ok()) {
        opened.reading = refused(whole.reason);
        return;
    }
    opened.contents.file = std::move(whole.bytes);
    if (auto numbers = text_numbers(opened.contents.bytes())) opened.contents.numbers = std::move(*numbers);
    opened.reading = detect(opened.contents, kind);
}

QString block_name(std::size_t index) { return QString::number(index + 1); }

StructuredCatalog catalog_file(Kind kind, const QString& path) {
    StructuredCatalog catalog;
    OpenedFile file;
    open_file(path, kind, file);
    catalog.error = file.reading.error;
    const std::vector<BlockPlace>& places = file.reading.blocks;
    for (std::size_t b = 0; b < places.size(); ++b) {
        StructuredBlock block;
        block.name = block_name(b);
        block.ni = places[b].ni;
        block.nj = places[b].nj;
        if (kind == Kind::Solution) {
            block.has_grid = false;
            block.vector_fields = QStringList{QStringLiteral("Momentum")};
            block.scalar_fields = QStringList{QStringLiteral("Density"), QStringLiteral("Energy")};
            const auto& value = places[b].free_stream;
            catalog.notes << QStringLiteral("block %1: Mach %2, alpha %3, Reynolds number %4, time %5")
                                 .arg(block.name)
                                 .arg(value[0])
                                 .arg(value[1])
                                 .arg(value[2])
                                 .arg(value[3]);
        }
        catalog.blocks.push_back(std::move(block));
    }
    return catalog;
}

// Fills `table` with array `array` of the block: x, y of a grid; density,
// the two momentum components, energy of a solution. False when the block
// does not fit in memory.
bool read_array(const Contents& contents, const Layout& layout, const BlockPlace& block, int array, Table& table) {
    const std::size_t nodes = block.nodes();
    if (layout.ascii) {
        const double* values = contents.numbers.data() + block.values + std::size_t(array) * nodes;
        return fill_from_rows(table, block.ni, block.nj, [values](std::size_t k) { return values[k]; });
    }
    const int real_bytes = layout.real_bytes();
    const char* bytes = contents.bytes().data() + block.values + std::size_t(array) * nodes * std::size_t(real_bytes);
    const bool swapped = layout.swapped();
    if (layout.double_precision) {
        return fill_from_rows(table, block.ni, block.nj,
                              [bytes, swapped](std::size_t k) { return load<double>(bytes + 8 * k, swapped); });
    }
    return fill_from_rows(table, block.ni, block.nj,
                          [bytes, swapped](std::size_t k) { return double(load<float>(bytes + 4 * k, swapped)); });
}

// The arrays of a block that a field reference names, by their place in the
// block; an error when there is no such field.
struct Arrays {
    QString error;
    std::vector<int> arrays;
};

Arrays arrays_of(Kind kind, const QString& field) {
    if (kind == Kind::Grid) {
        if (field.isEmpty()) return {{}, {0, 1}};
        return {QStringLiteral("a PLOT3D grid holds no field \"%1\"").arg(field), {}};
    }
    if (field.isEmpty()) return {QStringLiteral("a PLOT3D solution holds no grid"), {}};
    if (field == QLatin1String("Density")) return {{}, {0}};
    if (field == QLatin1String("Momentum")) return {{}, {1, 2}};
    if (field == QLatin1String("Energy")) return {{}, {3}};
    return {QStringLiteral("a PLOT3D solution holds no field \"%1\", only Density, Momentum and Energy").arg(field),
            {}};
}

QString read_part(Kind kind, const QString& path, const QString& block, const QString& field,
                  std::span<Table* const> tables) {
    const Arrays wanted = arrays_of(kind, field);
    if (!wanted.error.isEmpty()) return wanted.error;
    if (std::ranges::count(tables, nullptr) > 0) return QStringLiteral("a table to read into is missing");
    if (tables.size() != wanted.arrays.size()) {
        return QStringLiteral("%1 tables given where %2 are read").arg(tables.size()).arg(wanted.arrays.size());
    }
    OpenedFile file;
    open_file(path, kind, file);
    if (!file.reading.error.isEmpty()) return file.reading.error;
    const std::vector<BlockPlace>& places = file.reading.blocks;
    std::size_t index = 0;
    while (index < places.size() && block_name(index) != block) ++index;
    if (index == places.size()) return QStringLiteral("it holds no block \"%1\"").arg(block);
    const BlockPlace& place = places[index];
    for (std::size_t t = 0; t < tables.size(); ++t) {
        if (!read_array(file.contents, file.reading.layout, place, wanted.arrays[t], *tables[t]))
            return QStringLiteral("there is no memory for a block of %1 x %2 nodes").arg(place.ni).arg(place.nj);
    }
    return {};
}

template <Kind kind>
const StructuredFormat& format_of() {
    static const StructuredFormat format{
        [](const QString& path) { return catalog_file(kind, path); },
        [](const QString& path, const QString& block, const QString& field, std::span<Table* const> tables) {
            return read_part(kind, path, block, field, tables);
        }};
    return format;
}

}  // namespace

std::optional<Plot3dLayout> parse_plot3d_layout(const QString& text) {
    Plot3dLayout layout;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QString word = part.trimmed().toLower();
        if (word.isEmpty()) continue;
        const auto known = std::ranges::find_if(kLayoutWords, [&](const LayoutWord& w) { return word == w.text; });
        if (known == std::end(kLayoutWords)) return {};
        std::optional<bool>& member = layout.*known->member;
        if (member && *member != known->value) return {};
        member = known->value;
    }
    return layout;
}

void set_plot3d_layout_hint(const Plot3dLayout& hint) {
    SharedHint& shared = shared_hint();
    const std::lock_guard lock(shared.mutex);
    shared.layout = hint;
}

const StructuredFormat& plot3d_grid_format() { return format_of<Kind::Grid>(); }
const StructuredFormat& plot3d_solution_format() { return format_of<Kind::Solution>(); }

}  // namespace ruvo
