// ruvo: the desktop program.

#include <QApplication>

#include "ui/frame/MainWindow.h"
#include "ui/frame/StartUp.h"

int main(int argc, char** argv) {
    {
        // --help and --version are answered before any window, so that they
        // need no display.
        const QCoreApplication command_line(argc, argv);
        const ruvo::DesktopCommandLine early = ruvo::read_command_line(QCoreApplication::arguments(), true);
        if (early.exit_status) return *early.exit_status;
    }
    QApplication app(argc, argv);
    ruvo::prepare_application(app);

    // The parameters name a project file, perhaps split at its blanks.
    const ruvo::DesktopCommandLine line = ruvo::read_command_line(QApplication::arguments(), false);
    if (line.exit_status) return *line.exit_status;
    ruvo::TRuvo_Main_Form main_form(line.project_parameters);
    main_form.show();
    return QApplication::exec();
}
