// ruvo: the desktop program.

#include <QApplication>

#include "ui/Main.h"
#include "ui/StartUp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ruvo::prepare_application(app);

    // The parameters name a project file, perhaps split at its blanks.
    QStringList parameters = QApplication::arguments();
    parameters.removeFirst();
    ruvo::TRuvo_Main_Form main_form(parameters);
    main_form.show();
    return QApplication::exec();
}
