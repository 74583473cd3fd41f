#include "automation/Batch.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>

#include "Workspace.h"
#include "automation/Workers.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"

namespace ruvo {

namespace {

struct FixedRange {
    SeriesRange range;
    QString text;  // the range the view is drawn with once it is fixed
};

// The series' range, measured over the view a set-up gives; nothing when
// the view draws no range or no file can be read.
std::optional<FixedRange> series_range_of(const BatchSetUp& set_up, const QStringList& files, int threads) {
    auto ws = std::make_unique<Workspace>();
    const int slot = set_up(*ws);
    if (slot <= 0 || !draws_value_range(ws->views.at(slot))) return std::nullopt;
    const std::optional<SeriesRange> range = measure_series_range(ws->views.at(slot), files, threads);
    if (!range) return std::nullopt;
    fix_series_range(ws->views.at(slot), *range);
    return FixedRange{*range, fixed_range_text(ws->views.at(slot))};
}

}  // namespace

BatchRun run_batch(const BatchSetUp& set_up, const QStringList& files, const QString& folder, int jobs,
                   const std::function<void(int done)>& frame_done, const PictureSink& sink,
                   const SeriesPictures& pictures) {
    const int threads = std::clamp(jobs, 1, std::max(1, static_cast<int>(files.size())));
    const std::optional<FixedRange> fixed =
        pictures.series_range ? series_range_of(set_up, files, threads) : std::nullopt;
    BatchRun run{std::vector<FrameResult>(static_cast<std::size_t>(files.size())), fixed ? fixed->text : QString()};
    std::atomic<int> next{0};
    std::mutex report;
    std::condition_variable turn;
    int sink_turn = 0;  // the file whose picture the sink takes next
    int done = 0;
    const auto work = [&] {
        auto ws = std::make_unique<Workspace>();
        const int slot = set_up(*ws);
        if (slot <= 0) return;
        if (fixed) fix_series_range(ws->views.at(slot), fixed->range);
        QImage image;
        NoProgress progress;
        NoStatusBoxes status;
        for (int k = next++; k < files.size(); k = next++) {
            FrameResult& frame = run.frames[static_cast<std::size_t>(k)];
            if (folder.isEmpty()) {
                frame.converted = ConvertOneFile(*ws, slot, files[k], image, progress, status);
                frame.output = sink.name;
            } else {
                frame = convert_and_save(*ws, slot, files[k], series_picture_name(folder, files, k, pictures), pictures,
                                         image, progress, status);
            }
            std::unique_lock lock(report);
            // Files are taken in order, so the one whose turn it is is being
            // drawn or waits here: a worker waits at most for the others.
            if (sink.take) {
                turn.wait(lock, [&] { return sink_turn == k; });
                if (frame.converted.usable()) {
                    const WriteResult taken = sink.take(series_picture(image, files[k], pictures));
                    if (folder.isEmpty()) frame.written = taken;
                }
                ++sink_turn;
                turn.notify_all();
            }
            frame_done(++done);
        }
    };
    run_on_threads(threads, work);
    return run;
}

}  // namespace ruvo
