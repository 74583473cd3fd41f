#include "data/RememberedFolders.h"

#include <QSettings>

namespace ruvo {

namespace {

// The store is named here rather than taken from the application object, so
// the folders are found whichever program (the viewer, the command line, a
// test) reads them.
const QString kOrganisation = QStringLiteral("RUVO");
const QString kApplication = QStringLiteral("Ruvo");
const QString kGroup = QStringLiteral("Software/RUVO");

const QString kProjectLoad = QStringLiteral("Path_Project_Load");
const QString kProjectSave = QStringLiteral("Path_Project_Save");
const QString kImages = QStringLiteral("Path_Images");
const QString kSequentialLoad = QStringLiteral("Path_Sequential_Load");
const QString kSequentialSave = QStringLiteral("Path_Sequential_Save");

}  // namespace

RememberedFolders RememberedFolders::read() {
    QSettings settings(kOrganisation, kApplication);
    settings.beginGroup(kGroup);
    RememberedFolders folders;
    folders.project_load = settings.value(kProjectLoad).toString();
    folders.project_save = settings.value(kProjectSave).toString();
    folders.images = settings.value(kImages).toString();
    folders.sequential_load = settings.value(kSequentialLoad).toString();
    folders.sequential_save = settings.value(kSequentialSave).toString();
    return folders;
}

void RememberedFolders::write() const {
    QSettings settings(kOrganisation, kApplication);
    settings.beginGroup(kGroup);
    settings.setValue(kProjectLoad, project_load);
    settings.setValue(kProjectSave, project_save);
    settings.setValue(kImages, images);
    settings.setValue(kSequentialLoad, sequential_load);
    settings.setValue(kSequentialSave, sequential_save);
    settings.endGroup();
    settings.sync();
}

}  // namespace ruvo
