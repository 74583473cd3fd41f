#pragma once

#include <QString>

#include "data/ResultReader.h"

namespace ruvo {

// Where and why the reading of a result file stopped short, in the window's
// words; `header_nodes` is the node count of the file's header. "" for a
// file read whole.
QString read_detail_text(const ReadResult& read, long long header_nodes);

}  // namespace ruvo
