#pragma once

#include <QString>
#include <QStringList>

namespace ruvo {

inline constexpr int kMaxSequentialFiles = 2000;

enum class SequentialKind { Nothing, Vector, Scalar };

// The files of a sequential conversion: one grid and up to 2000 data files
// of one kind. Data files are names while they are chosen and full paths
// once the choice is confirmed.
struct SequentialSet {
    int seq_grid_count = 0;
    QString seq_grid_file;
    QStringList seq_file_name;
    SequentialKind seq_kind = SequentialKind::Nothing;

    int seq_file_count() const { return static_cast<int>(seq_file_name.size()); }
    bool operator==(const SequentialSet&) const = default;
};

}  // namespace ruvo
