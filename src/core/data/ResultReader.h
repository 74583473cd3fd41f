#pragma once

#include <QString>

#include <array>
#include <string_view>

#include "Texts.h"
#include "data/FieldStore.h"
#include "data/ReadProgress.h"

namespace ruvo {

namespace messages {
// The message of a failed read, by the file's kind.
inline const char* read_error(FileKind kind) {
    switch (kind) {
    case FileKind::Grid: return kGridReadError;
    case FileKind::Vector: return kVectorReadError;
    case FileKind::Scalar: return kScalarReadError;
    }
    return kGridReadError;
}
}  // namespace messages

// Result files are read whole into memory. A real one of 150 x 150 nodes
// is about 1.5 MB; the bound leaves room for many trailing columns or
// comments on every node line and still keeps a stray huge file out. A
// header of more nodes raises it by kMaxBytesPerValue a value.
inline constexpr qint64 kMaxResultFileBytes = 64 * 1024 * 1024;
inline constexpr qint64 kMaxBytesPerValue = 512;

// The largest header index: the tables' indices, one more, stay an int.
inline constexpr int kMaxHeaderIndex = 2'000'000'000;

// The memory the tables of one file may take: half of the machine's. A
// file asking for more is refused rather than make the system swap.
double memory_for_tables();

// The largest size a result file of `values_per_node` values a node may
// have, judged from the header at the start of `head`.
qint64 result_file_cap(std::string_view head, int values_per_node);

enum class ReadFailure {
    None,
    CannotOpen,        // missing or unreadable file
    NotAFile,          // a folder, pipe or device
    TooLarge,          // larger than kMaxResultFileBytes
    NoHeader,          // the file does not start with four integers: it is no result file
    BadNumber,         // a run of characters that is not a number of the expected form
    HeaderOutOfRange,  // a header index outside 0..kMaxHeaderIndex
    TooManyNodes,      // the header asks for tables larger than memory holds
    Refused,           // another program's file whose reader refused the part asked for
};

// What a read did: which kind, whether it failed, and how far it got.
// Readers never show anything; the caller turns a failure into the kind's message.
struct ReadResult {
    FileKind kind = FileKind::Grid;
    ReadFailure failure = ReadFailure::None;
    int line = 0;  // line of the file where reading stopped (1-based, 0 when not opened)
    // The offending text, for BadNumber and HeaderOutOfRange (a long one cut
    // short); the node count asked for, for TooManyNodes. A file without a header is no result file: nothing of it is
    // quoted.
    QString token;
    QString file_error;        // why the file was not read, for CannotOpen, NotAFile, TooLarge and Refused
    long long nodes_read = 0;  // complete node lines read
    // The file ended before the node count of its header: the rest reads as
    // zeros, which is no failure, but a file still being written looks so.
    bool ended_early = false;
    // The last line read has no line end: its last number may be cut, as
    // "1.5" of a "1.55" being written, so the file may still be growing.
    bool unterminated = false;
    // The header's indices in the file's order (first i, last i, first j,
    // last j, zero-based), of which the first `header_values` were read.
    std::array<int, 4> header{};
    int header_values = 0;

    bool ok() const { return failure == ReadFailure::None; }
    // Read without a failure, to the last node of the header and to the end of its line.
    bool complete() const { return ok() && !ended_early && !unterminated; }
    // One line for logs and the command line: where and why it stopped.
    QString detail() const;
};

// Makes a read's header the store's "file read last": each value the file
// gave replaces the store's; a header cut short keeps the rest.
void record_header(FieldStore& store, const ReadResult& read);

// Clears the grid tables and closed-line flags, reads the grid and records
// its header, then (whether or not reading failed) sets the drawing rectangle
// from the header as far as it was read and computes the extremes and
// closed-line flags. A read that takes longer than half a second shows how
// far it is on `progress`.
ReadResult read_grid(FieldStore& store, const QString& path, const ReadShown& progress = {});

// Clear u and v (value) of `slot` and read the file into it. The store is
// not touched: the header is in the result, for the caller to record.
ReadResult read_vector(VectorSlot& slot, const QString& path, const ReadShown& progress = {});
ReadResult read_scalar(ScalarSlot& slot, const QString& path, const ReadShown& progress = {});

}  // namespace ruvo
