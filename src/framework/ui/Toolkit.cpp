#include "Toolkit.h"

#include <QApplication>

Toolkit::Toolkit(int& argc, char** argv, const QString& applicationName, const QString& desktopFileName)
    : app_(std::make_unique<QApplication>(argc, argv)) {
    // No display name: Qt would append it to every window title.
    QApplication::setApplicationName(applicationName);
    QGuiApplication::setDesktopFileName(desktopFileName);
}

Toolkit::~Toolkit() = default;

QStringList Toolkit::Arguments() const {
    return QApplication::arguments().mid(1);
}
