#pragma once

#include <QObject>

#include <functional>

class QPlainTextEdit;
class QString;
class QWidget;

namespace ruvo {

class Progress;
class StatusBoxes;
class TRuvo_Sub_Form;
class TSequential_Info;
struct FrameResult;
struct RememberedFolders;
struct Workspace;

// What a run draws with: the bar and boxes of the main window's panels,
// and the diagnostic log.
struct SequentialRunOutputs {
    Progress& progress;
    StatusBoxes& status;
    QPlainTextEdit& log;
};

// A run of a sequential conversion: its dialog, which each file of the set
// goes through, read into the current view, drawn and saved.
class SequentialRun : public QObject {
    Q_OBJECT

public:
    // `window` parents the dialog; `current_view` is the window of the current view, if any.
    SequentialRun(Workspace& ws, RememberedFolders& folders, QWidget& window, SequentialRunOutputs outputs,
                  std::function<TRuvo_Sub_Form*()> current_view);

    void show_dialog();

private:
    FrameResult convert_file(const QString& name);

    Workspace& ws_;
    RememberedFolders& folders_;
    SequentialRunOutputs outputs_;
    std::function<TRuvo_Sub_Form*()> current_view_;
    TSequential_Info* Sequential_Info;
};

}  // namespace ruvo
