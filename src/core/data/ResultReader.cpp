#include "data/ResultReader.h"

#include <array>

#include "Texts.h"
#include "data/NumberLexer.h"
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

// Reads one file of any kind: the header into the result, then
// `values_per_node` reals per node handed to `store_value(i, j, k, value)`.
template <typename StoreValue>
ReadResult read_result_file(FileKind kind, const QString& path, int values_per_node, StoreValue store_value) {
    ReadResult result;
    result.kind = kind;
    const WholeFile file = read_whole_file(path, kMaxResultFileBytes);
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
        // Every index must address the 150 x 150 tables.
        if (number.value < 0 || number.value > kMaxNodes - 1) return fail(ReadFailure::HeaderOutOfRange);
        field = static_cast<int>(number.value);
        ++result.header_values;
    }
    bool line_ended = lexer.skip_line();

    const auto [i_first, i_last, j_first, j_last] = result.header;
    for (int i = i_first; i <= i_last; ++i) {
        for (int j = j_first; j <= j_last; ++j) {
            for (int k = 0; k < values_per_node; ++k) {
                const auto number = lexer.next_real();
                if (number.status == NumberLexer::Status::Malformed) return fail(ReadFailure::BadNumber);
                if (number.status == NumberLexer::Status::EndOfFile) result.ended_early = true;
                store_value(i + 1, j + 1, k, number.value);
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

QString ReadResult::detail() const {
    switch (failure) {
    case ReadFailure::None:
        if (ended_early)
            return QStringLiteral("the file ends after %1 nodes, before the last node of its header").arg(nodes_read);
        if (unterminated) return QStringLiteral("the file ends inside its last line, which may still be being written");
        return QStringLiteral("%1 nodes read").arg(nodes_read);
    case ReadFailure::CannotOpen: return QStringLiteral("cannot open the file: %1").arg(file_error);
    case ReadFailure::NotAFile:
    case ReadFailure::TooLarge: return QStringLiteral("the file is not read: %1").arg(file_error);
    case ReadFailure::NoHeader: return QString::fromUtf8(messages::kNoHeaderDetail);
    case ReadFailure::BadNumber:
        return QStringLiteral("line %1: \"%2\" is not a number of the expected form").arg(line).arg(token);
    case ReadFailure::HeaderOutOfRange:
        return QStringLiteral("line %1: header index %2 is outside 0..149").arg(line).arg(token);
    }
    return {};
}

void record_header(FieldStore& store, const ReadResult& read) {
    const std::array<int*, 4> fields{&store.file_x_start, &store.file_x_end, &store.file_y_start, &store.file_y_end};
    for (int n = 0; n < read.header_values; ++n)
        *fields.at(static_cast<std::size_t>(n)) = read.header.at(static_cast<std::size_t>(n));
}

ReadResult read_grid(FieldStore& store, const QString& path) {
    store.grid_x.clear();
    store.grid_y.clear();
    store.closed_x.fill(false);
    store.closed_y.fill(false);
    const ReadResult result = read_result_file(FileKind::Grid, path, 2, [&](int i, int j, int k, double value) {
        (k == 0 ? store.grid_x : store.grid_y)(i, j) = value;
    });
    record_header(store, result);
    store.compute_grid_extremes_and_flags();
    return result;
}

ReadResult read_vector(VectorSlot& slot, const QString& path) {
    slot.u.clear();
    slot.v.clear();
    return read_result_file(FileKind::Vector, path, 2,
                            [&](int i, int j, int k, double value) { (k == 0 ? slot.u : slot.v)(i, j) = value; });
}

ReadResult read_scalar(ScalarSlot& slot, const QString& path) {
    slot.value.clear();
    return read_result_file(FileKind::Scalar, path, 1,
                            [&](int i, int j, int, double value) { slot.value(i, j) = value; });
}

}  // namespace ruvo
