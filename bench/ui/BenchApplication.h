#pragma once

#include <QApplication>

// The Qt application of the window benchmarks. It counts the CPU time spent
// delivering paint events, wherever they come: in the frame after an input, or
// at once inside a click (a pressed button repaints its window).
class BenchApplication : public QApplication {
public:
    BenchApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // CPU time of the calling thread, in milliseconds.
    static double ThreadCpuMs();
    // All the painting so far, in milliseconds of CPU time.
    static double PaintMs();

private:
    static double paintMs_;
    bool painting_ = false;
};
