#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QApplication;

// The widget toolkit's process-wide state: made once in main() before any
// window, kept until the program ends.
class Toolkit {
public:
    // argc and argv must outlive the toolkit (Qt keeps them).
    Toolkit(int& argc, char** argv, const QString& applicationName, const QString& desktopFileName);
    ~Toolkit();
    Toolkit(const Toolkit&) = delete;
    Toolkit& operator=(const Toolkit&) = delete;

    // The command-line arguments the toolkit has not taken for itself, without the program's name.
    QStringList Arguments() const;

    // The display the windows appear on: the X display (":1", without a
    // screen number), the Wayland display, or the platform's name for others.
    QString DisplayName() const;

private:
    QString displayOption_;  // -display, which Qt takes before anyone can read it
    std::unique_ptr<QApplication> app_;
};
