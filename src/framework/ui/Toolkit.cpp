#include "Toolkit.h"

#include <QApplication>

Toolkit::Toolkit(int& argc, char** argv, const QString& applicationName, const QString& desktopFileName)
    : app_(std::make_unique<QApplication>(argc, argv)) {
    QApplication::setApplicationName(applicationName);
    QApplication::setApplicationDisplayName(applicationName);
    QGuiApplication::setDesktopFileName(desktopFileName);
}

Toolkit::~Toolkit() = default;

QStringList Toolkit::Arguments() const {
    return QApplication::arguments().mid(1);
}
