#pragma once

#include <QString>

class QWidget;

namespace ruvo {

// What the save dialog does when the chosen file exists already.
enum class ExistingFile { AskFirst, Replace };

// Asks for the name of a file to write, starting in `start_folder` and
// showing the files that `filter` names (Qt's syntax, "Text(*.ext)"). A name
// typed without an extension gets `default_suffix`. Qt's own dialog is used
// on every platform, so the program behaves (and is tested) the same
// everywhere. Returns the chosen path, or an empty one when cancelled.
QString ask_file_to_save(QWidget* parent, const QString& start_folder, const QString& filter,
                         const QString& default_suffix, ExistingFile existing);

struct PictureFileChoice {
    QString path;   // empty when cancelled
    int scale = 1;  // times the screen's pixels, for a bitmap or PNG
};

// Asks for the name of a picture file as above: a bitmap (the first type
// offered), PNG, SVG or PDF. A name that ends in one of their extensions
// says the type; a name without one gets the extension of the type chosen
// in the dialog. The dialog also asks for the scale of a bitmap or PNG.
// An existing file is replaced without a question.
PictureFileChoice ask_picture_file(QWidget* parent, const QString& start_folder);

}  // namespace ruvo
