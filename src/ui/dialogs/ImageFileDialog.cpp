#include "ui/dialogs/ImageFileDialog.h"

#include <QFileDialog>

namespace ruvo {

QString ask_file_to_save(QWidget* parent, const QString& start_folder, const QString& filter,
                         const QString& default_suffix, ExistingFile existing) {
    QFileDialog dialog(parent, QString(), start_folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, existing == ExistingFile::Replace);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(default_suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

}  // namespace ruvo
