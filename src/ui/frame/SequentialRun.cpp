#include "ui/frame/SequentialRun.h"

#include <QPlainTextEdit>

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
      Sequential_Info(new TSequential_Info(
          ws.sequential, folders, [this](const QString& name) { return convert_file(name); }, &window)) {}

void SequentialRun::show_dialog() { Sequential_Info->exec(); }

// The window shows the file's name; the view stays on the data slot it was
// opened on, so every file of the run goes into that one slot.
FrameResult SequentialRun::convert_file(const QString& name) {
    TRuvo_Sub_Form* view = current_view_();
    if (!view) return {};
    FrameResult frame = convert_and_save(ws_, view->slot(), name, folders_.sequential_save, view->image()->picture(),
                                         outputs_.progress, outputs_.status);
    view->image()->picture_changed();
    view->setWindowTitle(name);
    if (const QString failure = frame.failure(); !failure.isEmpty()) {
        outputs_.log.appendPlainText(name + QStringLiteral(": ") + failure);
    }
    return frame;
}

}  // namespace ruvo
