#pragma once

#include <QObject>

#include "framework/ui/MenuItem.h"

#include <QPointer>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

class MenuEventFilter;
class QKeyEvent;
class QMenu;
class QMenuBar;
class QObject;
class QWidget;
class Window;

// The menu bar: the root of the menu tree, its direct children the menus.
//
// A choice runs the handler bound to the item's name in the frontmost window,
// else the application's. Each enabling pass first disables every item, then
// enables those whose AutoEnable is on while a handler for their name is
// bound, and runs Event_EnableMenuItems of the frontmost window and of the
// application; a menu is enabled while any of its items is. The pass runs
// before a menu opens and before a keyboard shortcut is acted on.
//
// Undo, Cut, Copy, Paste and Clear (and Select All while no handler is bound)
// act on the focused text field, and each is enabled only while it would act
// there: Undo while there is an edit to undo, Cut, Copy and Clear while text
// is selected, Paste while the clipboard holds text; in a write-protected
// field only Copy and Select All.
//
// On Linux every document window shows the bar: each gets a Qt menu bar of its
// own that holds the items' shared actions. Tool windows (MenuBarVisible off)
// show none. The keyboard shortcuts are dispatched here, for the window that
// has the keyboard, rather than by Qt.
class MenuBar : public MenuItem {
public:
    MenuBar();
    ~MenuBar() override;

    // Gives window a Qt menu bar that shows this tree; once per window. Build
    // the tree first: items appended later are not shown in bars made before.
    void AttachTo(Window* window);
    bool IsAttachedTo(const QWidget* topLevel) const;
    // Whether its keyboard shortcuts act in that window: one that shows the
    // bar, or a tool window while the bar is the application's.
    bool TakesKeysOf(const QWidget* topLevel) const;
    // While on, every document window gets the bar when it is first shown.
    void SetAttachToDocumentWindows(bool on) { attachToDocumentWindows_ = on; }
    // Runs an enabling pass once the event loop is back, after a window comes to the front.
    void WindowActivated(QObject* widget);

    // One enabling pass.
    void EnableMenuItems();

    // Runs the item's command, enabled or not; returns the handler's result,
    // false when nothing ran.
    bool Choose(MenuItem* item);
    bool Choose(const QString& name);

    // The item (not a menu or separator) whose shortcut is the key combination
    // (Qt's portable notation, e.g. "Ctrl+S"); null when none.
    MenuItem* ItemForShortcut(const QString& keys) const;

private:
    friend class MenuEventFilter;

    // The Qt menu bar shown in that window; null when none.
    QMenuBar* BarIn(const QWidget* topLevel) const;
    // F10: opens the first usable menu of the window's bar, as the desktop does.
    bool OpenFirstMenu(const QWidget* topLevel);
    // A key pressed in receiver's window: true when the bar took it.
    bool KeyPressed(QObject* receiver, QKeyEvent* event);
    // A top-level widget shown for the first time or again.
    void WidgetShown(QObject* widget);
    // The user reaches for one of the Qt menu bars.
    void OpeningMenuBar(QObject* widget);

    void FillMenu(QMenu* menu, MenuItem* item);
    QAction* ActionFor(MenuItem* item);
    void UpdateMenus();

    std::unique_ptr<MenuEventFilter> filter_;
    std::vector<QPointer<QMenuBar>> bars_;
    std::vector<std::pair<MenuItem*, QPointer<QMenu>>> menus_;
    bool attachToDocumentWindows_ = false;
    bool passQueued_ = false;
    // Owns queued enabling passes, so none runs after the bar is gone.
    std::unique_ptr<QObject> passContext_ = std::make_unique<QObject>();
};
