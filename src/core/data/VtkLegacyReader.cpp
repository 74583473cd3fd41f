#include <QByteArray>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <optional>
#include <string_view>
#include <utility>

#include "data/VtkReader.h"
#include "data/VtkValues.h"

namespace ruvo {

using vtk::GridLayout;
using vtk::PointArray;
using vtk::ValueType;

namespace {

// Key words are compared without regard to case.
bool same_word(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

std::optional<long long> integer(std::string_view token) {
    long long value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size()) return std::nullopt;
    return value;
}

std::optional<ValueType> value_type(std::string_view name) {
    // vtkIdType is written as a 32-bit integer.
    static constexpr std::array<std::pair<std::string_view, ValueType>, 21> kTypes{{
        {"char", ValueType::Int8},
        {"signed_char", ValueType::Int8},
        {"unsigned_char", ValueType::UInt8},
        {"short", ValueType::Int16},
        {"unsigned_short", ValueType::UInt16},
        {"int", ValueType::Int32},
        {"unsigned_int", ValueType::UInt32},
        {"vtkIdType", ValueType::Int32},
        {"long", ValueType::Int64},
        {"unsigned_long", ValueType::UInt64},
        {"float", ValueType::Float32},
        {"double", ValueType::Float64},
        {"vtktypeint8", ValueType::Int8},
        {"vtktypeuint8", ValueType::UInt8},
        {"vtktypeint16", ValueType::Int16},
        {"vtktypeuint16", ValueType::UInt16},
        {"vtktypeint32", ValueType::Int32},
        {"vtktypeuint32", ValueType::UInt32},
        {"vtktypeint64", ValueType::Int64},
        {"vtktypeuint64", ValueType::UInt64},
        {"vtktypefloat64", ValueType::Float64},
    }};
    for (const auto& [word, type] : kTypes)
        if (same_word(word, name)) return type;
    return std::nullopt;
}

// Names are written with "%XX" for white space and other special characters.
QString array_name(std::string_view token) {
    QByteArray name;
    for (std::size_t n = 0; n < token.size(); ++n) {
        int code = 0;
        if (token[n] == '%' && n + 2 < token.size() &&
            std::from_chars(token.data() + n + 1, token.data() + n + 3, code, 16).ptr == token.data() + n + 3) {
            name += char(code);
            n += 2;
        } else {
            name += token[n];
        }
    }
    return QString::fromUtf8(name);
}

// Where the values of an array start and how many there are.
struct ValueRun {
    ValueType type;
    std::size_t offset;
    std::size_t count;
};

struct LegacyFile {
    GridLayout layout;
    bool binary = false;
    std::vector<ValueRun> runs;  // by PointArray::index

    static LegacyFile parse(const QByteArray& bytes);

    QString values(std::string_view bytes, const PointArray& array, std::size_t count,
                   std::vector<double>& values) const {
        const ValueRun& run = runs[array.index];
        if (binary) return vtk::decode_binary(bytes.substr(run.offset), run.type, true, count, values);
        return vtk::decode_text(bytes.substr(run.offset), count, values);
    }
};

// Reads the sections of a file one after the other, noting where each
// array's values are and skipping over them.
class LegacyParser {
public:
    explicit LegacyParser(std::string_view text) : text_(text) {}

    LegacyFile parse() {
        if (!read_header()) return std::move(file_);
        while (file_.layout.error.isEmpty()) {
            const std::string_view word = keyword();
            if (word.empty()) break;
            section(word);
        }
        GridLayout& layout = file_.layout;
        if (layout.error.isEmpty() && !has_dataset_) layout.error = QStringLiteral("the file holds no dataset");
        if (layout.error.isEmpty() && !has_points_) layout.error = QStringLiteral("the file holds no points");
        if (layout.error.isEmpty() && !cell_arrays_.isEmpty()) layout.notes << vtk::cell_data_note(cell_arrays_);
        return std::move(file_);
    }

private:
    enum class Part { Dataset, Points, Cells };

    bool fail(const QString& error) {
        file_.layout.error = error;
        return false;
    }

    bool read_header() {
        if (!line().starts_with("# vtk DataFile")) return fail(QStringLiteral("not a VTK file"));
        line();  // the title
        const std::string_view form = token();
        if (!same_word(form, "ASCII") && !same_word(form, "BINARY"))
            return fail(QStringLiteral("neither ASCII nor BINARY"));
        file_.binary = same_word(form, "BINARY");
        return true;
    }

    void section(std::string_view word) {
        if (same_word(word, "DATASET")) return dataset();
        if (same_word(word, "DIMENSIONS")) return dimensions();
        if (same_word(word, "POINTS")) return points();
        if (same_word(word, "POINT_DATA")) return attributes(Part::Points);
        if (same_word(word, "CELL_DATA")) return attributes(Part::Cells);
        if (same_word(word, "FIELD")) return field();
        if (same_word(word, "LOOKUP_TABLE")) return lookup_table();
        if (part_ == Part::Dataset) {
            fail(QStringLiteral("a section \"%1\" outside the point and cell data").arg(text_of(word)));
            return;
        }
        const QString name = array_name(token());
        if (same_word(word, "SCALARS")) return scalars(name);
        if (same_word(word, "VECTORS") || same_word(word, "NORMALS")) return attribute(name, 3, token());
        if (same_word(word, "TENSORS")) return attribute(name, 9, token());
        if (same_word(word, "TENSORS6")) return attribute(name, 6, token());
        if (same_word(word, "GLOBAL_IDS") || same_word(word, "PEDIGREE_IDS")) return attribute(name, 1, token());
        if (same_word(word, "TEXTURE_COORDINATES")) {
            const std::string_view dimension = token();
            return attribute(name, integer(dimension).value_or(0), token());
        }
        if (same_word(word, "COLOR_SCALARS")) return attribute(name, integer(token()).value_or(0), "unsigned_char");
        fail(QStringLiteral("a section \"%1\" that cannot be read").arg(text_of(word)));
    }

    void dataset() {
        const std::string_view kind = token();
        if (!same_word(kind, "STRUCTURED_GRID"))
            fail(QStringLiteral("a dataset of kind %1, not a structured grid").arg(text_of(kind)));
        has_dataset_ = true;
    }

    void dimensions() {
        const auto ni = integer(token()), nj = integer(token()), nk = integer(token());
        if (!ni || !nj || !nk) {
            fail(QStringLiteral("malformed DIMENSIONS"));
            return;
        }
        if (vtk::set_size(file_.layout, *ni, *nj, *nk, 1.0 / 3.0, text_.size()))
            nodes_ = std::size_t(file_.layout.ni) * std::size_t(file_.layout.nj);
    }

    void points() {
        const auto count = integer(token());
        if (!has_dataset_ || nodes_ == 0) {
            fail(QStringLiteral("POINTS before DATASET and DIMENSIONS"));
            return;
        }
        if (count != static_cast<long long>(nodes_)) {
            fail(QStringLiteral("POINTS does not match DIMENSIONS"));
            return;
        }
        tuples_ = nodes_;
        if (const auto run = values(3, token())) {
            file_.layout.points = {QString(), 3, *run};
            has_points_ = true;
        }
    }

    void attributes(Part part) {
        const auto count = integer(token());
        if (!count || *count < 0) {
            fail(QStringLiteral("malformed POINT_DATA or CELL_DATA"));
            return;
        }
        if (part == Part::Points && *count != static_cast<long long>(nodes_)) {
            fail(QStringLiteral("POINT_DATA does not match the points"));
            return;
        }
        part_ = part;
        tuples_ = std::size_t(*count);
    }

    // Arrays with names, in any part: those of the points are read.
    void field() {
        token();  // the name of the group
        const auto arrays = integer(token());
        if (!arrays || *arrays < 0) {
            fail(QStringLiteral("malformed FIELD"));
            return;
        }
        for (long long n = 0; n < *arrays && file_.layout.error.isEmpty(); ++n) {
            const std::string_view name = keyword();
            if (same_word(name, "NULL_ARRAY")) continue;
            const auto components = integer(token());
            const auto tuples = integer(token());
            if (!components || !tuples || *tuples < 0) {
                fail(QStringLiteral("malformed FIELD array"));
                return;
            }
            const std::size_t saved_tuples = std::exchange(tuples_, std::size_t(*tuples));
            const std::string_view type = token();
            // Only a point array of one tuple a node is a field of the grid.
            if (part_ == Part::Points && tuples_ != saved_tuples) {
                values(*components, type);
                file_.layout.notes << QStringLiteral("\"%1\" does not hold one value a node").arg(array_name(name));
            } else {
                attribute(array_name(name), *components, type);
            }
            tuples_ = saved_tuples;
        }
    }

    void scalars(const QString& name) {
        const std::string_view type = token();
        const std::string_view rest = trimmed(line());
        const auto components = rest.empty() ? std::optional<long long>(1) : integer(rest);
        if (!components) {
            fail(QStringLiteral("malformed SCALARS"));
            return;
        }
        // The table the values are looked up in, if named, comes first.
        std::size_t after_space = pos_;
        if (!file_.binary)
            while (after_space < text_.size() && std::isspace(uchar(text_[after_space]))) ++after_space;
        if (same_word(text_.substr(after_space, 12), "LOOKUP_TABLE")) {
            pos_ = after_space + 12;
            line();
        }
        add(name, *components, values(*components, type, false));
    }

    void attribute(const QString& name, long long components, std::string_view type) {
        add(name, components, values(components, type));
    }

    void add(const QString& name, long long components, std::optional<std::size_t> run) {
        if (!run) return;
        if (part_ == Part::Cells)
            cell_arrays_ << name;
        else if (part_ == Part::Points)
            file_.layout.arrays.push_back({name, int(components), *run});
    }

    // A table of colours: four values of each of its entries.
    void lookup_table() {
        token();
        const auto entries = integer(token());
        if (!entries || *entries < 0) {
            fail(QStringLiteral("malformed LOOKUP_TABLE"));
            return;
        }
        const std::size_t saved_tuples = std::exchange(tuples_, std::size_t(*entries));
        values(4, "unsigned_char");
        tuples_ = saved_tuples;
    }

    // Steps over `components` values of `type` of each tuple, which start on
    // the next line (`end_line`) or where the text stands; where their run is
    // noted, or nothing when they cannot be.
    std::optional<std::size_t> values(long long components, std::string_view type_name, bool end_line = true) {
        const auto type = value_type(type_name);
        if (!type) {
            fail(QStringLiteral("values of type \"%1\", which cannot be read").arg(text_of(type_name)));
            return std::nullopt;
        }
        std::uint64_t count = 0;
        if (components < 1 || std::uint64_t(components) > text_.size() ||
            vtk::multiply_overflows(tuples_, std::uint64_t(components), count) || count > text_.size()) {
            fail(QStringLiteral("more values than the file can hold"));
            return std::nullopt;
        }
        if (end_line) line();
        const ValueRun run{*type, pos_, std::size_t(count)};
        if (file_.binary) {
            if (count * vtk::size_of(*type) > text_.size() - pos_) {
                fail(QStringLiteral("the file ends before its values do"));
                return std::nullopt;
            }
            pos_ += count * vtk::size_of(*type);
        } else {
            for (std::uint64_t n = 0; n < count; ++n) {
                if (token().empty()) {
                    fail(QStringLiteral("the file ends before its values do"));
                    return std::nullopt;
                }
            }
        }
        file_.runs.push_back(run);
        return file_.runs.size() - 1;
    }

    // The next word; a block of metadata, which ends at an empty line, is
    // skipped.
    std::string_view keyword() {
        std::string_view word = token();
        while (same_word(word, "METADATA")) {
            line();
            while (pos_ < text_.size() && !trimmed(line()).empty()) {
            }
            word = token();
        }
        return word;
    }

    std::string_view token() {
        while (pos_ < text_.size() && std::isspace(uchar(text_[pos_]))) ++pos_;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !std::isspace(uchar(text_[pos_]))) ++pos_;
        return text_.substr(start, pos_ - start);
    }

    // The rest of the line, its end passed over.
    std::string_view line() {
        const std::size_t start = pos_;
        const std::size_t end = std::min(text_.find('\n', start), text_.size());
        pos_ = std::min(end + 1, text_.size());
        return text_.substr(start, end - start);
    }

    static std::string_view trimmed(std::string_view text) {
        while (!text.empty() && std::isspace(uchar(text.front()))) text.remove_prefix(1);
        while (!text.empty() && std::isspace(uchar(text.back()))) text.remove_suffix(1);
        return text;
    }

    static QString text_of(std::string_view word) {
        return QString::fromUtf8(word.data(), qsizetype(word.size())).left(40);
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    LegacyFile file_;
    Part part_ = Part::Dataset;
    std::size_t nodes_ = 0;
    std::size_t tuples_ = 0;  // of the current part
    bool has_dataset_ = false;
    bool has_points_ = false;
    QStringList cell_arrays_;
};

LegacyFile LegacyFile::parse(const QByteArray& bytes) {
    return LegacyParser(std::string_view(bytes.constData(), std::size_t(bytes.size()))).parse();
}

}  // namespace

const StructuredFormat& vtk_legacy_format() {
    using Legacy = vtk::Format<LegacyFile>;
    static const StructuredFormat format{Legacy::catalog, Legacy::read};
    return format;
}

}  // namespace ruvo
