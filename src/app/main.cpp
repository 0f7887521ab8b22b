// The process's entry: reads the command line, makes the toolkit, then runs
// the program on the documents it was given.
#include "app/AppStartup.h"
#include "app/CommandLine.h"
#include "app/SingleInstance.h"
#include "framework/core/CoreDumps.h"
#include "framework/ui/Toolkit.h"

#include <csignal>
#include <cstdio>

namespace {

// A write past the file-size limit (ulimit -f) then fails, and the save that
// made it says so, instead of the signal ending the program and every
// window's unsaved changes with it.
void IgnoreFileSizeLimitSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

QStringList ArgumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

void Print(const QString& text, std::FILE* stream) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

}  // namespace

int main(int argc, char** argv) {
    IgnoreFileSizeLimitSignal();
    // Before any password is typed: no core file may ever hold one.
    if (!CoreDumps::Disable()) {
        Print(QStringLiteral("brimel: core dumps could not be turned off.\n"), stderr);
    }

    // Read before the toolkit starts, so that help, version and a mistyped
    // option are answered without a display.
    const CommandLine line(ArgumentsOf(argc, argv));
    switch (line.Requested()) {
        case CommandLine::Request::ShowUsage:
            Print(CommandLine::Usage(), stdout);
            return 0;
        case CommandLine::Request::ShowVersion:
            Print(CommandLine::Version(), stdout);
            return 0;
        case CommandLine::Request::UsageError:
            Print(line.Error(), stderr);
            return 2;
        case CommandLine::Request::OpenDocuments:
            break;
    }
    Toolkit toolkit(argc, argv, QStringLiteral("Brimel"), QStringLiteral("brimel"));
    return AppStartup::Main(line.Documents(), SingleInstance::DefaultSocketName(toolkit.DisplayName()));
}
