#pragma once

#include <QString>
#include <memory>

class QApplication;

// The widget toolkit's process-wide state: made once in main() before any
// window, kept until the program ends.
class Toolkit {
public:
    // argv must outlive the toolkit (Qt keeps it). The toolkit takes its own
    // options (-platform, -display, -style ...) out of the arguments before a
    // "--", never after it.
    Toolkit(int argc, char** argv, const QString& applicationName, const QString& desktopFileName);
    ~Toolkit();
    Toolkit(const Toolkit&) = delete;
    Toolkit& operator=(const Toolkit&) = delete;

    // The display the windows appear on: the X display (":1", without a
    // screen number), the Wayland display, or the platform's name for others.
    QString DisplayName() const;

private:
    int qtArgc_;             // the arguments before "--", which Qt may take from
    QString displayOption_;  // -display, which Qt takes before anyone can read it
    std::unique_ptr<QApplication> app_;
};
