#include "BenchApplication.h"

#include <ctime>

double BenchApplication::paintMs_ = 0;

BenchApplication::BenchApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool BenchApplication::notify(QObject* receiver, QEvent* event) {
    if (event->type() != QEvent::Paint || painting_)
        return QApplication::notify(receiver, event);
    painting_ = true;
    const double start = ThreadCpuMs();
    const bool handled = QApplication::notify(receiver, event);
    paintMs_ += ThreadCpuMs() - start;
    painting_ = false;
    return handled;
}

double BenchApplication::ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double BenchApplication::PaintMs() {
    return paintMs_;
}
