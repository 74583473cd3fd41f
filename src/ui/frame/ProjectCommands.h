#pragma once

#include <QObject>
#include <QString>

#include "data/ProjectFile.h"

class QWidget;

namespace ruvo {

struct ReadResult;
struct RememberedFolders;
struct Workspace;

// What the project commands leave to the frame around them: the main window
// shows the project in its lists, caption and items, and owns the views and
// panels that go with it.
class ProjectFrame {
public:
    // The three file lists show the project's files, or nothing.
    virtual void Show_File_Lists() = 0;
    virtual void Delete_File_Lists() = 0;
    // Every view window closes, the last first.
    virtual void close_all_views() = 0;
    // The control panel and the status panel show no view.
    virtual void reset_panels() = 0;
    virtual void show_caption(const QString& caption) = 0;
    // The store holds a grid just read.
    virtual void grid_read() = 0;
    // A line of the diagnostic dump.
    virtual void note(const QString& line) = 0;
    // The items and buttons that follow the project: one loaded from its
    // file, one whose files were just chosen in the project dialog, or none.
    virtual void project_loaded() = 0;
    virtual void project_files_chosen() = 0;
    virtual void project_closed() = 0;
    // Follow mode watches the project's files: closing the project ends it.
    // The first asks, while following, whether to stop (false: keep the
    // project); the second ends following and resets it.
    virtual bool may_end_following() = 0;
    virtual void end_following() = 0;

protected:
    ~ProjectFrame() = default;
};

// The project commands: new, open, overwrite, save as, add and delete files,
// close, and the save prompt before anything that would drop a changed
// project. They own the project workflow's state changes; their dialogs open
// over `dialog_parent`.
class ProjectCommands : public QObject {
    Q_OBJECT

public:
    ProjectCommands(Workspace& ws, RememberedFolders& folders, ProjectFrame& frame, QWidget& dialog_parent);

    void New_ProjectClick();
    void Open_ProjectClick();
    void Project_OverWriteClick() { overwrite_project(); }
    void Project_SaveAsClick() { save_project_as(); }
    void Project_FileAddDeleteClick();
    void Close_ProjectClick();
    // The grid and every file read so far as one VTK structured grid (.vts)
    // or CGNS file (.cgns), as the name chosen ends.
    void Export_VtsClick();

    // Reads the project file `path`, or opens another program's file (CGNS,
    // PLOT3D, VTK) as a project, and makes it the project in place of the
    // current one. A file that cannot be read leaves the current project,
    // caption and remembered folders as they were.
    void open_project_file(const QString& path);
    void Close_Project();
    // Asked before a command would drop a changed project; false: the
    // command stops.
    bool Save_Prompt();
    // The save prompt and the close, once the handler running now has
    // returned; asked for again before then, they still run once.
    void close_after_prompt_later();

private:
    ProjectLoadResult load_structured_file(const QString& path, ProjectTables& read);
    bool overwrite_project();
    bool save_project_as();
    bool write_project(const QString& path);
    void show_project_dialog();
    void report_grid(const ReadResult& grid);
    void warn(const char* message);
    void fail(const QString& message);

    Workspace& ws_;
    RememberedFolders& folders_;
    ProjectFrame& frame_;
    QWidget& dialog_parent_;
    bool close_pending_ = false;
};

}  // namespace ruvo
