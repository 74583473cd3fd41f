#include "ui/dialogs/BrowseDialog.h"

#include <QDir>
#include <QFileDialog>

namespace ruvo {

QString preselected_folder(const QString& directory) {
    QString folder = directory;
    while (folder.size() > 1 && (folder.endsWith(u'/') || folder.endsWith(u'\\')) &&
           !(folder.size() == 3 && folder[1] == u':')) {
        folder.chop(1);
    }
    return folder;
}

bool TBrowseDialog::Execute() {
    // Qt's own dialog on every platform, so that the program behaves (and is
    // tested) the same everywhere.
    QFileDialog dialog(owner_, Caption);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    if (!Directory.isEmpty()) {
        const QString folder = preselected_folder(Directory);
        dialog.setDirectory(folder);
        dialog.selectFile(folder);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    Directory = QDir::toNativeSeparators(dialog.selectedFiles().first());
    return true;
}

}  // namespace ruvo
