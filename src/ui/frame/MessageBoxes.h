#pragma once

#include <QMessageBox>
#include <QString>

#include "ui/Messages.h"

namespace ruvo {

// The frame's message boxes, each under its kind's title.
inline void warning_box(QWidget* parent, const QString& message) {
    QMessageBox::warning(parent, QString::fromUtf8(messages::kWarningTitle), message);
}
inline void warning_box(QWidget* parent, const char* message) { warning_box(parent, QString::fromUtf8(message)); }
inline void error_box(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, QString::fromUtf8(messages::kErrorTitle), message);
}
inline void information_box(QWidget* parent, const QString& message) {
    QMessageBox::information(parent, QString::fromUtf8(messages::kInformationTitle), message);
}

}  // namespace ruvo
