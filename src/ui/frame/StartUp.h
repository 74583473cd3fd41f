#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "data/RememberedFolders.h"

class QApplication;

namespace ruvo {

// What the program sets up before its first window: its name, the fonts
// that stand in for the Windows fonts the plots ask for, and the Japanese
// texts of Qt's own dialogs and buttons (file, message and print dialogs).
void prepare_application(QApplication& app);

// The desktop program's command line: --help and --version, and the project
// file's parameters. `exit_status` is set when the command line has been
// answered (help or version shown, or an error said) and the program ends.
struct DesktopCommandLine {
    std::optional<int> exit_status;
    QStringList project_parameters;
};

// Reads `arguments` (the program's name first). Before the application is
// made, `gui_options_left` is set: an option only the windowing system knows
// (-platform, -style, ...) is then no error yet; the help and version are
// answered on standard output either way, without a display.
DesktopCommandLine read_command_line(const QStringList& arguments, bool gui_options_left);

// The project file named on the command line. A path with blanks may arrive
// split over several parameters, so the candidates are the first parameter,
// the first two joined by one blank, the first three, and so on; the first
// that names an existing file with the extension ".RVP" (in any case), or a
// file of another program the viewer opens (CGNS, PLOT3D, VTK), is
// taken. A relative candidate is taken from `start_folder`, the folder the
// program was started in. Returns the candidate as an absolute path, or
// nothing when none qualifies.
QString command_line_project(const QStringList& parameters, const QString& start_folder);

// Whether a remembered folder can be used: an existing folder we may enter.
bool folder_can_be_entered(const QString& path);

// Replaces each remembered folder that cannot be entered by `fallback`, in
// the order Path_Project_Load, Path_Project_Save, Path_Images,
// Path_Sequential_Load, Path_Sequential_Save. Returns whether any was
// replaced, in which case the caller writes all five back.
bool replace_unusable_folders(RememberedFolders& folders, const QString& fallback);

}  // namespace ruvo
