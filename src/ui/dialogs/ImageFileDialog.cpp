#include "ui/dialogs/ImageFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

#include "ui/Messages.h"
#include "view/BarLimits.h"

namespace ruvo {

namespace {
void set_up_save_dialog(QFileDialog& dialog, ExistingFile existing) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, existing == ExistingFile::Replace);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
}

QString chosen_path(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

// The extension of a type offered, from its filter ("PNG(*.png)" gives "png").
QString suffix_of(const QString& filter) { return filter.section(QStringLiteral("*."), 1).chopped(1); }
}  // namespace

QString ask_file_to_save(QWidget* parent, const QString& start_folder, const QString& filter,
                         const QString& default_suffix, ExistingFile existing) {
    QFileDialog dialog(parent, QString(), start_folder);
    set_up_save_dialog(dialog, existing);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(default_suffix);
    return chosen_path(dialog);
}

PictureFileChoice ask_picture_file(QWidget* parent, const QString& start_folder) {
    QFileDialog dialog(parent, QString(), start_folder);
    set_up_save_dialog(dialog, ExistingFile::Replace);
    const QString bitmaps = QString::fromUtf8(messages::kBitmapFileFilter);
    dialog.setNameFilters(
        {bitmaps, QStringLiteral("PNG(*.png)"), QStringLiteral("SVG(*.svg)"), QStringLiteral("PDF(*.pdf)")});

    // Qt's own dialog lays itself out on a grid: the scale takes a row below.
    auto* scale = new QSpinBox(&dialog);
    scale->setObjectName(QStringLiteral("PictureScale"));
    scale->setRange(kPictureScaleUpDown.min, kPictureScaleUpDown.max);
    scale->setValue(kPictureScaleUpDown.start);
    scale->setSuffix(QStringLiteral(" x"));
    auto* label = new QLabel(QString::fromUtf8(messages::kPictureScale), &dialog);
    label->setBuddy(scale);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(scale, row, 1, Qt::AlignLeft);
    }
    PictureFileChoice choice{chosen_path(dialog), scale->value()};
    // A name without an extension takes that of the type chosen; a bitmap's
    // is "BMP", as it always was.
    if (!choice.path.isEmpty() && QFileInfo(choice.path).suffix().isEmpty()) {
        const QString filter = dialog.selectedNameFilter();
        choice.path += u'.' + (filter == bitmaps ? QStringLiteral("BMP") : suffix_of(filter));
    }
    return choice;
}

}  // namespace ruvo
