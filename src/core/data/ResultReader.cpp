#include "data/ResultReader.h"

#include <array>
#include <span>

#include <unistd.h>

#include "Texts.h"
#include "data/FieldReference.h"
#include "data/NodeLines.h"
#include "data/NumberLexer.h"
#include "data/ReadProgress.h"
#include "data/WholeFile.h"

namespace ruvo {

namespace {

// Messages quote at most this many characters of an offending token: a
// hostile file may hold a run of millions.
constexpr std::size_t kMaxQuotedChars = 40;

QString quoted_token(std::string_view token) {
    const std::string_view head = token.substr(0, kMaxQuotedChars);
    QString text = QString::fromLatin1(head.data(), static_cast<qsizetype>(head.size()));
    if (head.size() < token.size()) text += QStringLiteral("...");
    return text;
}

ReadFailure read_failure_of(WholeFile::Failure failure) {
    switch (failure) {
    case WholeFile::Failure::None: return ReadFailure::None;
    case WholeFile::Failure::CannotOpen: return ReadFailure::CannotOpen;
    case WholeFile::Failure::NotAFile: return ReadFailure::NotAFile;
    case WholeFile::Failure::TooLarge: return ReadFailure::TooLarge;
    }
    return ReadFailure::CannotOpen;
}

// The tables of a file as large as its header asks for, all 0. False when
// they would not fit in memory: a hostile or mistaken header must not make
// the system swap or the allocation fail.
bool make_room(const std::array<int, 4>& header, std::span<Table* const> tables) {
    const int i_max = header[1] + 1;
    const int j_max = header[3] + 1;
    const double bytes = double(i_max) * double(j_max) * double(sizeof(double)) * double(tables.size());
    if (bytes > memory_for_tables()) return false;
    for (Table* table : tables) {
        if (!table->reset(i_max, j_max)) return false;
    }
    return true;
}

// A part of another program's file, read by its format's reader: the
// header is the block's whole range.
ReadResult read_structured(FileKind kind, const FieldReference& reference, std::span<Table* const> tables) {
    ReadResult result;
    result.kind = kind;
    const QString error =
        structured_format(reference.file)->read(reference.file, reference.block, reference.field, tables);
    if (!error.isEmpty()) {
        for (Table* table : tables) table->clear();
        result.failure = ReadFailure::Refused;
        result.file_error = error;
        return result;
    }
    const Table& first = *tables.front();
    result.header = {0, first.i_max() - 1, 0, first.j_max() - 1};
    result.header_values = 4;
    result.nodes_read = (long long)first.i_max() * first.j_max();
    return result;
}

// Reads one file of any kind: the header into the result, then one value per
// table for each node.
ReadResult read_result_file(FileKind kind, const QString& path, std::span<Table* const> tables,
                            const ReadShown& shown) {
    if (const auto reference = field_reference(path)) return read_structured(kind, *reference, tables);
    ReadProgress progress(shown);
    ReadResult result;
    result.kind = kind;
    const int values_per_node = static_cast<int>(tables.size());
    const WholeFile file = read_whole_file(
        path, [values_per_node](std::string_view head) { return result_file_cap(head, values_per_node); });
    if (!file.ok()) {
        result.failure = read_failure_of(file.failure);
        result.file_error = file.reason;
        return result;
    }
    NumberLexer lexer(std::string_view(file.bytes.constData(), static_cast<std::size_t>(file.bytes.size())));
    auto fail = [&](ReadFailure failure) {
        result.failure = failure;
        result.line = lexer.line();
        result.token = quoted_token(lexer.last_token());
        return result;
    };

    for (int& field : result.header) {
        const auto number = lexer.next_integer();
        if (number.status == NumberLexer::Status::Malformed) {
            result.failure = ReadFailure::NoHeader;
            result.line = lexer.line();
            return result;
        }
        // An empty file, or one cut inside its header, has no area of its
        // own: the previous header stays rather than a one-node area of zeros.
        if (number.status == NumberLexer::Status::EndOfFile) {
            result.ended_early = true;
            result.line = lexer.line();
            return result;
        }
        if (number.value < 0 || number.value > kMaxHeaderIndex) return fail(ReadFailure::HeaderOutOfRange);
        field = static_cast<int>(number.value);
        ++result.header_values;
    }
    // A header asking for more than memory holds is refused as a whole, as
    // one outside the indices is: the earlier file's stays.
    if (!make_room(result.header, tables)) {
        result.failure = ReadFailure::TooManyNodes;
        result.line = lexer.line();
        result.token = QString::number(double(result.header[1] + 1LL) * double(result.header[3] + 1LL), 'g', 3);
        result.header_values = 0;
        return result;
    }
    bool line_ended = lexer.skip_line();
    const auto [i_first, i_last, j_first, j_last] = result.header;

    const std::string_view body(lexer.position(), std::size_t(lexer.end() - lexer.position()));
    if (line_ended && body.size() >= kParallelBodyBytes) {
        if (read_regular_node_lines(body, result.header, tables, progress)) {
            result.nodes_read = IndexArea{i_first, i_last, j_first, j_last}.node_count();
            result.line = lexer.line() + int(result.nodes_read);
            return result;
        }
        // Read again the plain way, from zeros: values past a fault stay 0.
        make_room(result.header, tables);
    }
    for (int i = i_first; i <= i_last && !result.ended_early; ++i) {
        progress.at(double(i - i_first) / (double(i_last) - i_first + 1));
        for (int j = j_first; j <= j_last && !result.ended_early; ++j) {
            for (Table* table : tables) {
                const auto number = lexer.next_real();
                if (number.status == NumberLexer::Status::Malformed) return fail(ReadFailure::BadNumber);
                // Past its end a file reads as zeros, which the tables hold.
                if (number.status == NumberLexer::Status::EndOfFile) {
                    result.ended_early = true;
                    break;
                }
                table->at(i + 1, j + 1) = number.value;
            }
            line_ended = lexer.skip_line();
            if (!result.ended_early) ++result.nodes_read;
        }
    }
    result.unterminated = !result.ended_early && !line_ended;
    result.line = lexer.line();
    return result;
}

}  // namespace

double memory_for_tables() {
    static const double bytes = double(::sysconf(_SC_PHYS_PAGES)) * double(::sysconf(_SC_PAGE_SIZE)) / 2;
    return bytes;
}

qint64 result_file_cap(std::string_view head, int values_per_node) {
    NumberLexer lexer(head);
    std::array<long long, 4> header{};
    for (long long& field : header) {
        const auto number = lexer.next_integer();
        if (number.status != NumberLexer::Status::Ok || number.value < 0 || number.value > kMaxHeaderIndex)
            return kMaxResultFileBytes;
        field = number.value;
    }
    // A head that ends inside the last index may hold only its first digits.
    const std::string_view last = lexer.last_token();
    if (last.data() + last.size() == head.data() + head.size()) return kMaxResultFileBytes;
    const IndexArea area{int(header[0]), int(header[1]), int(header[2]), int(header[3])};
    const double cap = double(area.node_count()) * values_per_node * double(kMaxBytesPerValue);
    return qint64(std::clamp(cap, double(kMaxResultFileBytes), memory_for_tables()));
}

QString ReadResult::detail() const {
    switch (failure) {
    case ReadFailure::None:
        if (ended_early)
            return QStringLiteral("the file ends after %1 nodes, before the last node of its header").arg(nodes_read);
        if (unterminated) return QStringLiteral("the file ends inside its last line, which may still be being written");
        return QStringLiteral("%1 nodes read").arg(nodes_read);
    case ReadFailure::CannotOpen: return QStringLiteral("cannot open the file: %1").arg(file_error);
    case ReadFailure::NotAFile:
    case ReadFailure::TooLarge:
    case ReadFailure::Refused: return QStringLiteral("the file is not read: %1").arg(file_error);
    case ReadFailure::NoHeader: return QString::fromUtf8(messages::kNoHeaderDetail);
    case ReadFailure::BadNumber:
        return QStringLiteral("line %1: \"%2\" is not a number of the expected form").arg(line).arg(token);
    case ReadFailure::HeaderOutOfRange:
        return QStringLiteral("line %1: header index %2 is outside 0..%3").arg(line).arg(token).arg(kMaxHeaderIndex);
    case ReadFailure::TooManyNodes:
        return QStringLiteral("line %1: the header's %2 nodes do not fit in memory").arg(line).arg(token);
    }
    return {};
}

void record_header(FieldStore& store, const ReadResult& read) {
    const std::array<int*, 4> fields{&store.file_x_start, &store.file_x_end, &store.file_y_start, &store.file_y_end};
    for (int n = 0; n < read.header_values; ++n)
        *fields.at(static_cast<std::size_t>(n)) = read.header.at(static_cast<std::size_t>(n));
    // A header cut short got no tables of its own: its values count only as
    // far as the tables reach, or the area it leaves could run to billions
    // of lines of zeros. A whole header's tables always reach its end.
    const NodeRange range = store.node_range();
    store.file_x_end = std::min(store.file_x_end, range.i_max - 1);
    store.file_y_end = std::min(store.file_y_end, range.j_max - 1);
}

ReadResult read_grid(FieldStore& store, const QString& path, const ReadShown& progress) {
    store.grid_x.clear();
    store.grid_y.clear();
    store.closed_x.clear();
    store.closed_y.clear();
    const std::array tables{&store.grid_x, &store.grid_y};
    const ReadResult result = read_result_file(FileKind::Grid, path, tables, progress);
    record_header(store, result);
    store.compute_grid_extremes_and_flags();
    return result;
}

ReadResult read_vector(VectorSlot& slot, const QString& path, const ReadShown& progress) {
    slot.u.clear();
    slot.v.clear();
    const std::array tables{&slot.u, &slot.v};
    return read_result_file(FileKind::Vector, path, tables, progress);
}

ReadResult read_scalar(ScalarSlot& slot, const QString& path, const ReadShown& progress) {
    slot.value.clear();
    const std::array tables{&slot.value};
    return read_result_file(FileKind::Scalar, path, tables, progress);
}

}  // namespace ruvo
