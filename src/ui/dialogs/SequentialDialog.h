#pragma once

#include <QDialog>

#include "automation/SequentialEngine.h"

class QLineEdit;
class QListWidget;

namespace ruvo {

class FileChooser;
struct RememberedFolders;

// The choice of a sequential conversion's files: a grid and up to 2000 data
// files of one kind, and the folder of the pictures. It edits a copy of the
// set, which OK puts in its place with the data files' full paths; Cancel
// and Escape leave the set as it was.
class TSequential_Dialog : public QDialog {
    Q_OBJECT

public:
    TSequential_Dialog(SequentialSet& set, RememberedFolders& folders, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void ProjectFileShow();
    void AddButtonClick();
    void DeleteButtonClick();
    void remove_grid();
    void BMPSaveBrowseBtnClick();
    void OkButtonClick();
    void show_grid();

    SequentialSet& set_;
    SequentialSet edited_;
    RememberedFolders& folders_;
    FileChooser* chooser_ = nullptr;
    QListWidget* GridListBox = nullptr;
    QListWidget* GridKindList = nullptr;
    QListWidget* ProjectFileList = nullptr;
    QListWidget* FileKindList = nullptr;
    QLineEdit* BMPSaveDirEdit = nullptr;
};

}  // namespace ruvo
