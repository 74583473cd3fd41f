#pragma once

#include <QObject>

#include <functional>
#include <optional>

#include "ui/dialogs/ConversionProgressDialog.h"
#include "view/ViewTable.h"

class QPlainTextEdit;
class QString;
class QWidget;

namespace ruvo {

class Progress;
class StatusBoxes;
class TRuvo_Sub_Form;
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
class SequentialRun : public QObject, public ConversionTarget {
    Q_OBJECT

public:
    // `window` parents the dialog; `current_view` is the window of the current view, if any.
    SequentialRun(Workspace& ws, RememberedFolders& folders, QWidget& window, SequentialRunOutputs outputs,
                  std::function<TRuvo_Sub_Form*()> current_view);

    void show_dialog();

    QString hold_series_range(const QStringList& files) override;
    void release_series_range() override;
    FrameResult convert(const QString& name, const QString& output, const SeriesPictures& pictures) override;
    const QImage& picture() const override;

private:
    Workspace& ws_;
    RememberedFolders& folders_;
    SequentialRunOutputs outputs_;
    std::function<TRuvo_Sub_Form*()> current_view_;
    TSequential_Info* Sequential_Info;
    // The view's record as it was before its range was fixed for a run.
    std::optional<std::pair<int, View_Info>> range_before_run_;
};

}  // namespace ruvo
