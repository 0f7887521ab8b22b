// The process's entry: makes the toolkit, then runs the program on the files it was given.
#include "app/AppStartup.h"
#include "app/SingleInstance.h"
#include "framework/ui/Toolkit.h"

int main(int argc, char** argv) {
    Toolkit toolkit(argc, argv, QStringLiteral("Brimel"), QStringLiteral("brimel"));
    // Every argument the toolkit has not taken names a document.
    return AppStartup::Main(toolkit.Arguments(), SingleInstance::DefaultSocketName(toolkit.DisplayName()));
}
