#pragma once

#include <QStringList>

class App;

// The program's start and end: the document file type, the application object
// with its menu bar and menu bindings, the event loop, and the release of the
// globals once it has ended.
class AppStartup {
public:
    // Runs the program for the files named at launch; returns the exit code.
    // A launch while the program already runs hands the files over to it and
    // returns 0 at once.
    static int Main(const QStringList& files, const QString& socketName);

    // The start-up routines, in the order Main runs them.
    static void Startup();
    static void InitFileTypes();
    static void NewAppInstance();
    static void ApplicationAddMenuHandlers(App& app);
    // Frees the windows, the file type, the menu bar and the application object.
    static void ReleaseGlobals();
};
