#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include "automation/SequentialEngine.h"

namespace ruvo {

struct Workspace;

// Sets a fresh workspace up to draw the batch's view, as the conversion
// dialog's set leaves it before a run; returns the view's slot, or 0 when it
// cannot be set up.
using BatchSetUp = std::function<int(Workspace&)>;

// Where the pictures of a batch go besides (or, without a folder, instead
// of) the folder: `take` gets each picture in the order of the files, one at
// a time; `name` names it in the results.
struct PictureSink {
    QString name;
    std::function<WriteResult(const QImage& picture)> take;
};

struct BatchRun {
    std::vector<FrameResult> frames;  // in the order of the files
    QString series_range;             // the range fixed for the whole series, if one was
};

// Converts `files` as a sequential conversion run does, into pictures in
// `folder` (none: only into the sink) written as `pictures` asks, on `jobs`
// threads with one workspace each. Every frame depends only on the set-up,
// its own file and the series' range when that is asked for (measured
// first, on the same threads), so the pictures do not depend on the number
// of threads. `frame_done` is called (from the worker threads, one at a
// time) after each file.
BatchRun run_batch(const BatchSetUp& set_up, const QStringList& files, const QString& folder, int jobs,
                   const std::function<void(int done)>& frame_done, const PictureSink& sink = {},
                   const SeriesPictures& pictures = {});

}  // namespace ruvo
