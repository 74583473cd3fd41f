// ruvo: the desktop program.

#include <QApplication>

#include "plot/Fonts.h"
#include "ui/Main.h"
#include "ui/Messages.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(ruvo::messages::kApplicationTitle));
    QApplication::setOrganizationName(QStringLiteral("RUVO"));
    ruvo::register_font_substitutions();

    // The parameters name a project file, perhaps split at its blanks.
    QStringList parameters = QApplication::arguments();
    parameters.removeFirst();
    ruvo::TRuvo_Main_Form main_form(parameters);
    main_form.show();
    return QApplication::exec();
}
