#pragma once

#include <QString>

#include <array>

namespace ruvo {

struct ViewFields;

// A value as the read-outs show it: "0.0000000", seven decimals, rounded.
QString value_text(double value);

// A read-out: the text of the program (UTF-8) followed by the value.
QString readout(const char* prefix, const QString& value);

// The read-outs Edit1..Edit7 of node (i, j): its indexes zero-based after
// the two prefixes, its coordinates, and the vector and the value of the
// current data slot there.
std::array<QString, 7> node_readout(const ViewFields& store, int i, int j, const char* i_prefix, const char* j_prefix);

}  // namespace ruvo
