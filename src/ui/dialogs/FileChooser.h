#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

#include "data/FieldStore.h"

class QButtonGroup;
class QComboBox;
class QEvent;
class QHBoxLayout;
class QLabel;
class QGridLayout;
class QListWidget;
class QListWidgetItem;
class QTreeWidget;
class QVBoxLayout;
class QWidget;

namespace ruvo {

// The left half of the file dialogs: drive, folder tree, file list, filter
// and the kind of the files to add. A filter of one kind selects that kind;
// a clicked file selects the kind of its extension. Double-click or Enter in
// the file list asks for the add.
class FileChooser : public QObject {
    Q_OBJECT

public:
    // Kinds of the KindRadioGroup, in its order.
    enum Kind { kGrid = 0, kVector = 1, kScalar = 2, kOther = 3 };
    // Filters of the FilterComboBox1, in its order.
    enum Filter { kGridFiles = 0, kVectorFiles = 1, kScalarFiles = 2, kAllFiles = 3 };

    // How the two dialogs differ.
    struct Style {
        bool multiple = false;          // several files can be chosen at once
        bool natural_order = false;     // names in natural order (run9 before run10), else alphabetical
        bool unknown_is_other = false;  // a click on a file of no known extension selects "other"
    };

    // Puts the lists in columns 0 and 1 of `grid` (labels in rows 0 and 2,
    // controls in rows 1 and 3) and the kind group into `kinds`.
    FileChooser(QWidget& owner, QGridLayout& grid, QVBoxLayout& kinds, Style style);

    // Shows all files, the kind "other", and `folder` (or the home folder
    // when it cannot be entered).
    void start_at(const QString& folder);
    QString folder() const { return folder_; }
    // The kind chosen; none for "other".
    std::optional<FileKind> kind() const;
    int kind_button() const;
    // The chosen files' full paths, in list order.
    QStringList chosen_files() const;

signals:
    void add_requested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DriveComboBox1Change(int index);
    void change_folder(const QString& path);  // DirectoryListBox1Change
    void FilterComboBox1Change(int index);
    void FileListBox1Click(QListWidgetItem* item);
    void fill_folder_tree();
    void fill_file_list();
    void select_drive_of_folder();

    QWidget& owner_;
    Style style_;
    QString folder_;
    QString mask_;
    QTreeWidget* DirectoryListBox1 = nullptr;
    QListWidget* FileListBox1 = nullptr;
    QComboBox* DriveComboBox1 = nullptr;
    QComboBox* FilterComboBox1 = nullptr;
    QButtonGroup* kinds_ = nullptr;
};

// Shows an error box with OK over `parent`.
void show_error(QWidget* parent, const char* message);

// A label over the widget it names; its accelerator moves the focus there.
QLabel* label_for(QWidget* widget, const char* name, const char* caption, const char* widget_name);
bool is_enter(QEvent* event);
// "グリッド", "ベクトル" or "スカラー".
QString kind_word(FileKind kind);

// A list of names with the list of their kinds beside it (named
// `kinds_name`): a line chosen in either is chosen in both, and they scroll
// together row for row.
QHBoxLayout* pair_lists(QListWidget& names, QListWidget& kinds, const char* kinds_name);
// A name and its kind on one row of the paired lists.
void insert_pair_row(QListWidget& names, QListWidget& kinds, int row, const QString& name, const QString& kind);

}  // namespace ruvo
