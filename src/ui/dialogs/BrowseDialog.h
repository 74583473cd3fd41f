#pragma once

#include <QString>

class QWidget;

namespace ruvo {

// The folder picker of the follow mode and sequential conversion dialogs:
// the caller sets Directory (the folder shown first) and Caption, and on
// Execute() == true takes the chosen folder from Directory. A cancelled
// choice leaves Directory as it was.
class TBrowseDialog {
public:
    explicit TBrowseDialog(QWidget* owner) : owner_(owner) {}

    QString Directory;
    QString Caption;

    bool Execute();

private:
    QWidget* owner_;
};

// The folder to show first: `directory` without a trailing separator, except
// at a root ("/", "C:\"), which keeps it.
QString preselected_folder(const QString& directory);

}  // namespace ruvo
