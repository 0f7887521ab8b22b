#pragma once

#include "framework/core/FolderItem.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <map>

class MenuBar;

// The framework's application object; the program derives its own from it.
// Making one registers it as the application (there is one at a time); a Qt
// application must exist before Run.
class Application {
public:
    Application();
    virtual ~Application();

    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The registered application object, null when none.
    static Application* Instance();

    // The bar every document window shows, not owned; null for none. Windows
    // already open get it at once, later ones when they are first shown.
    ::MenuBar* MenuBar() const { return menuBar_; }
    void SetMenuBar(::MenuBar* bar);

    // The icon every window shows, from picture files of several sizes.
    static void SetIcon(const QStringList& files);

    // Binds a menu item's name to a handler of the application; a window's
    // handler for the same name goes first while that window is in front.
    void AddMenuHandler(const QString& itemName, std::function<bool()> handler);
    bool HasMenuHandler(const QString& itemName) const;
    // Runs the handler bound to itemName; false when none is bound.
    bool RunMenuHandler(const QString& itemName);

    // Delivered at launch: NewDocument without files, else OpenDocument once
    // for each file, in the order given.
    virtual void Event_NewDocument() {}
    virtual void Event_OpenDocument(const FolderItem& file) { (void)file; }
    // The application's part of every enabling pass, after the frontmost window's.
    virtual void Event_EnableMenuItems() {}

    // Delivers the launch events for files, then runs the event loop until
    // Quit; returns the exit code. The loop also ends, with 0, once no window
    // is shown any more: after the last window closes, or when the launch
    // showed none (every open cancelled).
    int Run(const QStringList& files);
    void DeliverLaunchEvents(const QStringList& files);
    // Ends the event loop with code.
    void Quit(int code = 0);

private:
    static bool AnyWindowShown();
    void QuitWhenNoWindowShown();

    ::MenuBar* menuBar_ = nullptr;
    std::map<QString, std::function<bool()>> menuHandlers_;
    bool quitting_ = false;
};
