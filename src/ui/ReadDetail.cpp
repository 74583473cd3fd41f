#include "ui/ReadDetail.h"

#include "ui/Messages.h"

namespace ruvo {

QString read_detail_text(const ReadResult& read, long long header_nodes) {
    const auto text = [](const char* utf8) { return QString::fromUtf8(utf8); };
    switch (read.failure) {
    case ReadFailure::None:
        if (read.ended_early) return text(messages::kReadEndedEarly).arg(header_nodes).arg(read.nodes_read);
        if (!read.complete()) return text(messages::kReadLastLineCut);
        return {};
    case ReadFailure::CannotOpen: return text(messages::kReadCannotOpen) + read.file_error;
    case ReadFailure::NotAFile:
    case ReadFailure::TooLarge:
    case ReadFailure::Refused: return text(messages::kReadNotRead) + read.file_error;
    case ReadFailure::NoHeader: return text(messages::kReadNoHeader);
    case ReadFailure::BadNumber: return text(messages::kReadBadNumber).arg(read.line).arg(read.token);
    case ReadFailure::HeaderOutOfRange:
        return text(messages::kReadHeaderOutOfRange).arg(read.line).arg(read.token).arg(kMaxHeaderIndex);
    case ReadFailure::TooManyNodes: return text(messages::kReadTooManyNodes).arg(read.line).arg(read.token);
    }
    return {};
}

}  // namespace ruvo
