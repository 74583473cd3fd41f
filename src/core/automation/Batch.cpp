#include "automation/Batch.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>

#include "Workspace.h"
#include "automation/Workers.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"

namespace ruvo {

std::vector<FrameResult> run_batch(const BatchSetUp& set_up, const QStringList& files, const QString& folder, int jobs,
                                   const std::function<void(int done)>& frame_done) {
    std::vector<FrameResult> frames(static_cast<std::size_t>(files.size()));
    std::atomic<int> next{0};
    std::mutex report;
    int done = 0;
    const auto work = [&] {
        auto ws = std::make_unique<Workspace>();
        const int slot = set_up(*ws);
        if (slot <= 0) return;
        QImage image;
        NoProgress progress;
        NoStatusBoxes status;
        for (int k = next++; k < files.size(); k = next++) {
            frames[static_cast<std::size_t>(k)] =
                convert_and_save(*ws, slot, files[k], folder, image, progress, status);
            const std::lock_guard lock(report);
            frame_done(++done);
        }
    };
    run_on_threads(std::clamp(jobs, 1, std::max(1, static_cast<int>(files.size()))), work);
    return frames;
}

}  // namespace ruvo
