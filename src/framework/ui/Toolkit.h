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

private:
    std::unique_ptr<QApplication> app_;
};
