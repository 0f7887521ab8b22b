// The process's entry: makes the toolkit, then runs the program on the files it was given.
#include "app/AppStartup.h"
#include "app/SingleInstance.h"
#include "framework/ui/Toolkit.h"

#include <csignal>

namespace {

// A write past the file-size limit (ulimit -f) then fails, and the save that
// made it says so, instead of the signal ending the program and every
// window's unsaved changes with it.
void IgnoreFileSizeLimitSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace

int main(int argc, char** argv) {
    IgnoreFileSizeLimitSignal();
    Toolkit toolkit(argc, argv, QStringLiteral("Brimel"), QStringLiteral("brimel"));
    // Every argument the toolkit has not taken names a document.
    return AppStartup::Main(toolkit.Arguments(), SingleInstance::DefaultSocketName());
}
