#include "automation/Batch.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "Workspace.h"
#include "automation/Workers.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"

namespace ruvo {

std::vector<FrameResult> run_batch(const BatchSetUp& set_up, const QStringList& files, const QString& folder, int jobs,
                                   const std::function<void(int done)>& frame_done, const PictureSink& sink) {
    std::vector<FrameResult> frames(static_cast<std::size_t>(files.size()));
    std::atomic<int> next{0};
    std::mutex report;
    std::condition_variable turn;
    int sink_turn = 0;  // the file whose picture the sink takes next
    int done = 0;
    const auto work = [&] {
        auto ws = std::make_unique<Workspace>();
        const int slot = set_up(*ws);
        if (slot <= 0) return;
        QImage image;
        NoProgress progress;
        NoStatusBoxes status;
        for (int k = next++; k < files.size(); k = next++) {
            FrameResult& frame = frames[static_cast<std::size_t>(k)];
            if (folder.isEmpty()) {
                frame.converted = ConvertOneFile(*ws, slot, files[k], image, progress, status);
                frame.output = sink.name;
            } else {
                frame = convert_and_save(*ws, slot, files[k], folder, image, progress, status);
            }
            std::unique_lock lock(report);
            // Files are taken in order, so the one whose turn it is is being
            // drawn or waits here: a worker waits at most for the others.
            if (sink.take) {
                turn.wait(lock, [&] { return sink_turn == k; });
                if (frame.converted.usable()) {
                    const WriteResult taken = sink.take(image);
                    if (folder.isEmpty()) frame.written = taken;
                }
                ++sink_turn;
                turn.notify_all();
            }
            frame_done(++done);
        }
    };
    run_on_threads(std::clamp(jobs, 1, std::max(1, static_cast<int>(files.size()))), work);
    return frames;
}

}  // namespace ruvo
