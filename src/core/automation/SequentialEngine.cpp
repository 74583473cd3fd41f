#include "automation/SequentialEngine.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

#include "Workspace.h"
#include "export/BitmapSave.h"
#include "view/ViewOpening.h"

namespace ruvo {

AddRefusal add_sequential_files(SequentialSet& set, std::optional<FileKind> kind, const QStringList& chosen) {
    if (!kind) return AddRefusal::KindNotChosen;
    if (*kind == FileKind::Grid) {
        if (set.seq_grid_count > 0) return AddRefusal::Full;
        if (chosen.size() > 1) return AddRefusal::OneGridOnly;
        if (chosen.isEmpty()) return AddRefusal::None;
        set.seq_grid_file = chosen.front();
        set.seq_grid_count = 1;
        return AddRefusal::None;
    }
    const SequentialKind wanted = *kind == FileKind::Vector ? SequentialKind::Vector : SequentialKind::Scalar;
    if (set.seq_kind != SequentialKind::Nothing && set.seq_kind != wanted) return AddRefusal::OtherKind;
    if (set.seq_file_count() + chosen.size() > kMaxSequentialFiles) return AddRefusal::Full;
    if (chosen.isEmpty()) return AddRefusal::None;
    for (const QString& path : chosen) set.seq_file_name.append(QFileInfo(path).fileName());
    set.seq_kind = wanted;
    return AddRefusal::None;
}

void remove_sequential_files(SequentialSet& set, QList<int> rows) {
    std::sort(rows.begin(), rows.end(), std::greater<>());
    for (const int row : rows) {
        if (row >= 0 && row < set.seq_file_count()) set.seq_file_name.removeAt(row);
    }
    if (set.seq_file_name.isEmpty()) set.seq_kind = SequentialKind::Nothing;
}

void resolve_sequential_files(SequentialSet& set, const QString& folder) {
    const QDir dir(folder);
    for (QString& name : set.seq_file_name) name = dir.filePath(QFileInfo(name).fileName());
}

void sort_naturally(QStringList& names) {
    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(),
                     [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
}

QString sequential_output_name(const QString& folder, const QString& data_file) {
    const QString name = QFileInfo(data_file).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return QDir(folder).filePath((dot < 0 ? name : name.left(dot)) + QStringLiteral(".bmp"));
}

QString duplicate_picture_name(const QStringList& files) {
    QSet<QString> names;
    for (const QString& file : files) {
        const QString name = sequential_output_name({}, file);
        if (names.contains(name)) return file;
        names.insert(name);
    }
    return {};
}

ConvertResult ConvertOneFile(Workspace& ws, int slot, const QString& name, QImage& image, Progress& progress,
                             StatusBoxes& status) {
    ConvertResult result;
    result.read = reread_view_data(ws, slot, name);
    result.drawn = render_view(ws, slot, image, progress, status);
    return result;
}

FrameResult convert_and_save(Workspace& ws, int slot, const QString& name, const QString& folder, QImage& image,
                             Progress& progress, StatusBoxes& status) {
    FrameResult frame;
    frame.output = sequential_output_name(folder, name);
    frame.converted = ConvertOneFile(ws, slot, name, image, progress, status);
    if (frame.converted.usable()) frame.written = save_bitmap(image, frame.output);
    return frame;
}

}  // namespace ruvo
