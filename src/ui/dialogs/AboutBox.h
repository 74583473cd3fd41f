#pragma once

#include <QDialog>

namespace ruvo {

// The about box: the program's name, version and purpose, closed by OK.
class TAboutWindow : public QDialog {
    Q_OBJECT

public:
    explicit TAboutWindow(QWidget* parent = nullptr);
};

}  // namespace ruvo
