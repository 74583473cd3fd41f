#pragma once

#include <QDialog>
#include <QString>

#include <optional>

#include "data/FieldStore.h"
#include "data/ProjectFile.h"

class QButtonGroup;
class QComboBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace ruvo {

// Where the user chooses the files of a project: a folder tree and file
// list on the left, the kind of file in the middle, the project's files on
// the right. It edits a copy of the project tables, which OK puts in their
// place; Cancel and Escape drop it.
class TProject_Dialog : public QDialog {
    Q_OBJECT

public:
    // Kinds of the KindRadioGroup, in its order.
    enum Kind { kGrid = 0, kVector = 1, kScalar = 2, kOther = 3 };
    // Filters of the FilterComboBox1, in its order.
    enum Filter { kGridFiles = 0, kVectorFiles = 1, kScalarFiles = 2, kAllFiles = 3 };

    TProject_Dialog(ProjectTables& project, const QString& folder, QWidget* parent = nullptr);

    // The folder the file list shows.
    QString folder() const { return folder_; }
    int kind() const;
    // The tables as edited so far.
    const ProjectTables& project() const { return edited_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void fill_project_lists();
    void keep_kinds_beside_names();
    void insert_project_row(int row, const QString& path, FileKind kind);

    void DriveComboBox1Change(int index);
    void change_folder(const QString& path);  // DirectoryListBox1Change
    void FilterComboBox1Change(int index);
    void FileListBox1Click(QListWidgetItem* item);
    void AddButtonClick();
    void DeleteButtonClick();
    void OkButtonClick();
    void fill_folder_tree();
    void fill_file_list();
    void select_drive_of_folder();
    void error(const char* message);

    ProjectTables& project_;
    ProjectTables edited_;
    QString folder_;
    QString mask_;

    QTreeWidget* DirectoryListBox1 = nullptr;
    QListWidget* FileListBox1 = nullptr;
    QComboBox* DriveComboBox1 = nullptr;
    QComboBox* FilterComboBox1 = nullptr;
    QButtonGroup* kinds_ = nullptr;
    QListWidget* ProjectFileList = nullptr;
    QListWidget* FileKindList = nullptr;
};

}  // namespace ruvo
