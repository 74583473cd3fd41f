#include "ui/frame/StartUp.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <array>
#include <cstdio>

#include "data/StructuredProject.h"
#include "plot/Fonts.h"
#include "ui/Messages.h"

namespace ruvo {

void prepare_application(QApplication& app) {
    QApplication::setApplicationName(QString::fromUtf8(messages::kApplicationTitle));
    QApplication::setOrganizationName(QStringLiteral("RUVO"));
    register_font_substitutions();
    // The program speaks Japanese whatever the desktop's language; without
    // the catalogue (not installed) Qt's texts stay English.
    auto* qt_texts = new QTranslator(&app);
    if (qt_texts->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qt_texts);
    }
}

DesktopCommandLine read_command_line(const QStringList& arguments, bool gui_options_left) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(messages::kCommandLineDescription));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("PROJECT.RVP"), QString::fromUtf8(messages::kCommandLineProject),
                                 QStringLiteral("[PROJECT.RVP]"));
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return {0, {}};
    }
    if (parser.isSet(version)) {
        std::printf("ruvo %s\n", RUVO_VERSION);
        return {0, {}};
    }
    if (!parsed) {
        if (gui_options_left) return {};
        std::fprintf(stderr, "ruvo: %s\n", parser.errorText().toLocal8Bit().constData());
        return {1, {}};
    }
    return {std::nullopt, parser.positionalArguments()};
}

QString command_line_project(const QStringList& parameters, const QString& start_folder) {
    const QDir start(start_folder);
    QString candidate;
    for (const QString& parameter : parameters) {
        candidate = candidate.isEmpty() ? parameter : candidate + u' ' + parameter;
        const QFileInfo file(start.absoluteFilePath(candidate));
        if (file.isFile() && (file.suffix().toUpper() == u"RVP" || is_structured_file(file.fileName())))
            return file.absoluteFilePath();
    }
    return {};
}

bool folder_can_be_entered(const QString& path) {
    if (path.isEmpty()) return false;
    const QFileInfo folder(path);
    return folder.isDir() && folder.isExecutable();
}

bool replace_unusable_folders(RememberedFolders& folders, const QString& fallback) {
    const std::array<QString*, 5> in_order{&folders.project_load, &folders.project_save, &folders.images,
                                           &folders.sequential_load, &folders.sequential_save};
    bool replaced = false;
    for (QString* folder : in_order) {
        if (folder_can_be_entered(*folder)) continue;
        *folder = fallback;
        replaced = true;
    }
    return replaced;
}

}  // namespace ruvo
