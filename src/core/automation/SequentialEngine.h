#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

#include "automation/SeriesPictures.h"
#include "automation/SeriesRange.h"
#include "data/ResultReader.h"
#include "data/SequentialSet.h"
#include "data/WholeFile.h"
#include "plot/Renderer.h"

namespace ruvo {

class Progress;
class StatusBoxes;
struct Workspace;

// Why files could not join the set.
enum class AddRefusal {
    None,
    Full,           // a grid is chosen already, or the data files would pass 2000
    OneGridOnly,    // several files offered as the grid
    OtherKind,      // data files of the kind the list does not hold
    KindNotChosen,  // the files' kind is unknown ("other")
};

// Adds the files `chosen` (full paths, in the order listed) to the set as
// `kind`, or refuses them all. Without a kind they are refused. The grid
// keeps its full path; data files keep their names until resolved.
AddRefusal add_sequential_files(SequentialSet& set, std::optional<FileKind> kind, const QStringList& chosen);
// Removes the data files at `rows`; an emptied list has no kind any more.
void remove_sequential_files(SequentialSet& set, QList<int> rows);
// The data files, as taken from `folder` (the folder shown when the choice
// is confirmed).
void resolve_sequential_files(SequentialSet& set, const QString& folder);

// Sorts names so that numbers inside them compare by value: run9 before run10.
void sort_naturally(QStringList& names);

// The picture of `data_file` in `folder`: the data file's name with its
// extension replaced by ".bmp", or ".bmp" appended to a name without one.
QString sequential_output_name(const QString& folder, const QString& data_file);
// The first two of `files` whose pictures would have one name (the earlier
// file first), or nothing when every picture's name is its own.
std::optional<std::pair<QString, QString>> duplicate_picture_name(const QStringList& files);

// Where a file of a conversion fell short of its picture, in the order of
// the checks.
enum class FrameFault {
    None,
    NotReadWhole,      // a read failure, or a file that ends early
    HeaderMissesArea,  // the file's header leaves out nodes of the view's area
    NotDrawn,
    NotSaved,
};

struct ConvertResult {
    ReadResult read;
    IndexArea header;  // the file's header
    IndexArea area;    // the view's area
    RenderResult drawn;
    // A picture is worth saving only of a file read whole, holding every node
    // of the view (a header that leaves some out would leave zeros, or the
    // values of the file before, in their place), and drawn.
    FrameFault fault() const;
    bool usable() const { return fault() == FrameFault::None; }
};
// One data file read into the view in `slot` and drawn: its values only, so
// that the view's area, settings and any range fixed in it hold for every
// file; a range not fixed follows each file's own data. The view keeps its
// data slot.
ConvertResult ConvertOneFile(Workspace& ws, int slot, const QString& name, QImage& image, Progress& progress,
                             StatusBoxes& status);

// The picture of the data file `name` as a series saves it: labelled with
// the file's name when `pictures` asks for it.
QImage series_picture(const QImage& image, const QString& name, const SeriesPictures& pictures);

// ConvertOneFile and the save of its picture to `output`, as `pictures` asks.
struct FrameResult {
    ConvertResult converted;
    QString output;       // the picture's path
    WriteResult written;  // not attempted (ok false, no error) when the file was not usable
    bool saved() const { return written.ok; }
    FrameFault fault() const;
    // Why the file got no picture, in plain words; "" when it got one.
    QString failure() const;
};
FrameResult convert_and_save(Workspace& ws, int slot, const QString& name, const QString& output,
                             const SeriesPictures& pictures, QImage& image, Progress& progress, StatusBoxes& status);

// The log a conversion leaves beside its pictures.
inline constexpr char kConversionLogName[] = "ruvo-conversion.log";

// The log's text: one line a file of `files`, in their order: the file, then
// "ok" and its picture, or why it got none. `frames` are the results of the
// first files; a file beyond them was not reached (the run was stopped).
// A range fixed for the whole series (its text) heads the log.
QByteArray conversion_log(const QStringList& files, const std::vector<FrameResult>& frames,
                          const QString& series_range = {});
// Writes that log whole as kConversionLogName in `folder`.
WriteResult write_conversion_log(const QString& folder, const QStringList& files,
                                 const std::vector<FrameResult>& frames, const QString& series_range = {});

}  // namespace ruvo
