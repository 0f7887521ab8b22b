#include "Toolkit.h"

#include <QApplication>
#include <QRegularExpression>
#include <QThreadPool>

#include <cstring>

namespace {

// The index of the first "--", argc when there is none.
int OptionsEnd(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            return i;
        }
    }
    return argc;
}

// The value of Qt's -display (or --display) option among the first argc arguments.
QString DisplayOption(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-display") == 0 || std::strcmp(argv[i], "--display") == 0) {
            return QString::fromLocal8Bit(argv[i + 1]);
        }
    }
    return QString();
}

}  // namespace

Toolkit::Toolkit(int argc, char** argv, const QString& applicationName, const QString& desktopFileName)
    : qtArgc_(OptionsEnd(argc, argv)), displayOption_(DisplayOption(qtArgc_, argv)) {
    app_ = std::make_unique<QApplication>(qtArgc_, argv);
    // No display name: Qt would append it to every window title.
    QApplication::setApplicationName(applicationName);
    QGuiApplication::setDesktopFileName(desktopFileName);
    // Qt's painting hands the fills of a large area to the global thread pool
    // and waits for them. The program's windows are small: starting a thread
    // per core and handing over to them cost more processor time than they
    // save, so one helper thread does that work.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
}

Toolkit::~Toolkit() = default;

QString Toolkit::DisplayName() const {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb")) {
        QString display = displayOption_.isEmpty() ? qEnvironmentVariable("DISPLAY") : displayOption_;
        // ":1" and ":1.0" are the same X server.
        display.remove(QRegularExpression(QStringLiteral("\\.\\d+$")));
        return display;
    }
    if (platform == QLatin1String("wayland")) {
        return qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    }
    return platform;
}
