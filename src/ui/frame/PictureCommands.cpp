#include "ui/frame/PictureCommands.h"

#include <QImage>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>

#include "data/FileNames.h"
#include "data/RememberedFolders.h"
#include "export/BitmapSave.h"
#include "ui/dialogs/ImageFileDialog.h"
#include "ui/Messages.h"

namespace ruvo {

namespace {
QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// The printer, or the file that a print to a file goes to.
QString destination(const QPrinter& printer) {
    return printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
}
}  // namespace

bool print_picture(QPrinter& printer, const QImage& picture) {
    // On the full page the painter's origin is the paper's corner, not the
    // corner of the printable area, and its units are the printer's dots.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The plot's solid colours and thin lines would blur in a JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(QPoint(0, 0), picture);
    return painter.end();
}

PictureCommands::PictureCommands(RememberedFolders& folders, QWidget& dialog_parent)
    : folders_(folders), dialog_parent_(dialog_parent) {}

void PictureCommands::SaveAsBitmapClick(const QImage& picture) {
    const QString path = ask_file_to_save(&dialog_parent_, folders_.images, text(messages::kBitmapFileFilter),
                                          QStringLiteral("BMP"), ExistingFile::Replace);
    if (path.isEmpty()) return;
    if (const WriteResult saved = save_picture(picture, path); !saved.ok) {
        fail(text(messages::kBitmapWriteFailed) + u'\n' + path + u'\n' + saved.error);
        return;
    }
    folders_.images = folder_of(path);
    folders_.write();
}

void PictureCommands::PrinterSetupClick() {
    QPageSetupDialog dialog(&printer_, &dialog_parent_);
    dialog.exec();
}

// Errors of the print job itself are the print system's to report.
void PictureCommands::PrintClick(const QImage& picture) {
    QPrintDialog dialog(&printer_, &dialog_parent_);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!print_picture(printer_, picture)) fail(text(messages::kPrintFailed) + u'\n' + destination(printer_));
}

void PictureCommands::fail(const QString& message) {
    QMessageBox::critical(&dialog_parent_, text(messages::kErrorTitle), message);
}

}  // namespace ruvo
