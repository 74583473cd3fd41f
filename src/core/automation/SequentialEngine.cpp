#include "automation/SequentialEngine.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

#include "Texts.h"
#include "Workspace.h"
#include "plot/FrameLabel.h"
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

namespace {
// Compares runs of digits by their value (leading zeros aside) and other
// characters without case. QCollator's numeric mode needs ICU, which not
// every Qt is built with.
int natural_compare(const QString& a, const QString& b) {
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype a_start = i, b_start = j;
            while (i < a.size() && a[i].isDigit()) ++i;
            while (j < b.size() && b[j].isDigit()) ++j;
            const QStringView a_digits = QStringView(a).mid(a_start, i - a_start);
            const QStringView b_digits = QStringView(b).mid(b_start, j - b_start);
            const auto value = [](QStringView digits) {
                while (digits.size() > 1 && digits.front() == u'0') digits = digits.mid(1);
                return digits;
            };
            const QStringView a_value = value(a_digits), b_value = value(b_digits);
            if (a_value.size() != b_value.size()) return a_value.size() < b_value.size() ? -1 : 1;
            if (const int order = a_value.compare(b_value); order != 0) return order;
            continue;
        }
        const QChar a_char = a[i++].toCaseFolded(), b_char = b[j++].toCaseFolded();
        if (a_char != b_char) return a_char < b_char ? -1 : 1;
    }
    if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
    return a.compare(b);
}
}  // namespace

void sort_naturally(QStringList& names) {
    std::stable_sort(names.begin(), names.end(),
                     [](const QString& a, const QString& b) { return natural_compare(a, b) < 0; });
}

QString sequential_output_name(const QString& folder, const QString& data_file) {
    return series_picture_name(folder, {data_file}, 0, SeriesPictures{});
}

std::optional<std::pair<QString, QString>> duplicate_picture_name(const QStringList& files) {
    QHash<QString, QString> file_of_picture;
    for (const QString& file : files) {
        const QString picture = sequential_output_name({}, file);
        if (const auto earlier = file_of_picture.constFind(picture); earlier != file_of_picture.cend()) {
            return std::pair{*earlier, file};
        }
        file_of_picture.insert(picture, file);
    }
    return std::nullopt;
}

FrameFault ConvertResult::fault() const {
    if (!read.complete()) return FrameFault::NotReadWhole;
    if (!header.covers(area)) return FrameFault::HeaderMissesArea;
    if (!drawn.ok()) return FrameFault::NotDrawn;
    return FrameFault::None;
}

FrameFault FrameResult::fault() const {
    if (const FrameFault fault = converted.fault(); fault != FrameFault::None) return fault;
    return written.ok ? FrameFault::None : FrameFault::NotSaved;
}

QString FrameResult::failure() const {
    const ConvertResult& c = converted;
    switch (fault()) {
    case FrameFault::None: return {};
    case FrameFault::NotReadWhole: return c.read.detail();
    case FrameFault::HeaderMissesArea:
        return QStringLiteral("the file's header %1 %2 the view's area %3")
            .arg(c.header.text(), c.header.meets(c.area) ? "leaves out nodes of" : "holds no node of", c.area.text());
    case FrameFault::NotDrawn: return QStringLiteral("the view cannot be drawn: %1").arg(c.drawn.reason);
    case FrameFault::NotSaved: return QStringLiteral("%1: cannot write the file: %2").arg(output, written.error);
    }
    return {};
}

ConvertResult ConvertOneFile(Workspace& ws, int slot, const QString& name, QImage& image, Progress& progress,
                             StatusBoxes& status) {
    ConvertResult result;
    result.read = reread_view_data(ws, slot, name);
    result.header = ws.store.file_area();
    const View_Info& view = ws.views.at(slot);
    result.area = {view.x_start - 1, view.x_end - 1, view.y_start - 1, view.y_end - 1};
    result.drawn = render_view(ws, slot, image, progress, status);
    return result;
}

// The label goes on the saved picture only: the view keeps its plot.
QImage series_picture(const QImage& image, const QString& name, const SeriesPictures& pictures) {
    return pictures.labelled ? with_frame_label(image, QFileInfo(name).fileName()) : image;
}

FrameResult convert_and_save(Workspace& ws, int slot, const QString& name, const QString& output,
                             const SeriesPictures& pictures, QImage& image, Progress& progress, StatusBoxes& status) {
    FrameResult frame;
    frame.output = output;
    frame.converted = ConvertOneFile(ws, slot, name, image, progress, status);
    if (!frame.converted.usable()) return frame;
    frame.written = save_series_picture(series_picture(image, name, pictures), output, pictures.format);
    return frame;
}

QByteArray conversion_log(const QStringList& files, const std::vector<FrameResult>& frames,
                          const QString& series_range) {
    const auto outcome = [&](std::size_t k) {
        if (k >= frames.size()) return QStringLiteral("not converted: the run ended before it");
        const QString failure = frames[k].failure();
        return failure.isEmpty() ? QStringLiteral("ok ") + frames[k].output : failure;
    };
    QString log;
    if (!series_range.isEmpty()) log += QString::fromUtf8(messages::kSeriesRangeUsed) + series_range + u'\n';
    for (qsizetype k = 0; k < files.size(); ++k) {
        log += files[k] + QStringLiteral(": ") + outcome(static_cast<std::size_t>(k)) + u'\n';
    }
    return log.toUtf8();
}

WriteResult write_conversion_log(const QString& folder, const QStringList& files,
                                 const std::vector<FrameResult>& frames, const QString& series_range) {
    return write_whole_file(QDir(folder).filePath(QString::fromLatin1(kConversionLogName)),
                            conversion_log(files, frames, series_range));
}

}  // namespace ruvo
