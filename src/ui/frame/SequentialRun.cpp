#include "ui/frame/SequentialRun.h"

#include <QPlainTextEdit>

#include <algorithm>
#include <thread>

#include "Workspace.h"
#include "automation/SequentialEngine.h"
#include "data/RememberedFolders.h"
#include "ui/dialogs/ConversionProgressDialog.h"
#include "ui/viewwindow/ViewWindow.h"

namespace ruvo {

SequentialRun::SequentialRun(Workspace& ws, RememberedFolders& folders, QWidget& window, SequentialRunOutputs outputs,
                             std::function<TRuvo_Sub_Form*()> current_view)
    : QObject(&window),
      ws_(ws),
      folders_(folders),
      outputs_(outputs),
      current_view_(std::move(current_view)),
      Sequential_Info(new TSequential_Info(ws.sequential, folders, *this, &window)) {}

void SequentialRun::show_dialog() { Sequential_Info->exec(); }

// The range is measured on every core; the view keeps the ends the user fixed.
QString SequentialRun::hold_series_range(const QStringList& files) {
    TRuvo_Sub_Form* view = current_view_();
    if (!view) return {};
    View_Info& record = ws_.views.at(view->slot());
    if (!draws_value_range(record)) return {};
    const auto cores = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    const std::optional<SeriesRange> range = measure_series_range(record, files, cores);
    if (!range) return {};
    range_before_run_.emplace(view->slot(), record);
    fix_series_range(record, *range);
    return fixed_range_text(record);
}

void SequentialRun::release_series_range() {
    if (!range_before_run_) return;
    const View_Info& before = range_before_run_->second;
    View_Info& record = ws_.views.at(range_before_run_->first);
    record.min_changed = before.min_changed;
    record.max_changed = before.max_changed;
    record.Scalar_min = before.Scalar_min;
    record.Scalar_max = before.Scalar_max;
    range_before_run_.reset();
}

// The window shows the file's name; the view stays on the data slot it was
// opened on, so every file of the run goes into that one slot.
FrameResult SequentialRun::convert(const QString& name, const QString& output, const SeriesPictures& pictures) {
    TRuvo_Sub_Form* view = current_view_();
    if (!view) return {};
    FrameResult frame = convert_and_save(ws_, view->slot(), name, output, pictures, view->image()->picture(),
                                         outputs_.progress, outputs_.status);
    view->image()->picture_changed();
    view->setWindowTitle(name);
    if (const QString failure = frame.failure(); !failure.isEmpty()) {
        outputs_.log.appendPlainText(name + QStringLiteral(": ") + failure);
    }
    return frame;
}

const QImage& SequentialRun::picture() const {
    static const QImage none;
    TRuvo_Sub_Form* view = current_view_();
    return view ? view->image()->picture() : none;
}

}  // namespace ruvo
