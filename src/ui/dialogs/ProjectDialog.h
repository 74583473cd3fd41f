#pragma once

#include <QDialog>
#include <QString>

#include <optional>

#include "data/FieldStore.h"
#include "data/ProjectFile.h"

class QListWidget;

namespace ruvo {

class FileChooser;

// Where the user chooses the files of a project: a folder tree and file
// list on the left, the kind of file in the middle, the project's files on
// the right. It edits a copy of the project tables, which OK puts in their
// place; Cancel and Escape drop it.
class TProject_Dialog : public QDialog {
    Q_OBJECT

public:
    TProject_Dialog(ProjectTables& project, const QString& folder, QWidget* parent = nullptr);

    // The folder the file list shows.
    QString folder() const;
    // The checked button of the KindRadioGroup (FileChooser::Kind).
    int kind() const;
    // The tables as edited so far.
    const ProjectTables& project() const { return edited_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void fill_project_lists();
    void insert_project_row(int row, const QString& path, FileKind kind);

    void AddButtonClick();
    void DeleteButtonClick();
    void OkButtonClick();
    void error(const char* message);

    ProjectTables& project_;
    ProjectTables edited_;

    FileChooser* chooser_ = nullptr;
    QListWidget* ProjectFileList = nullptr;
    QListWidget* FileKindList = nullptr;
};

}  // namespace ruvo
