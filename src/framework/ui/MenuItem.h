#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <memory>
#include <vector>

class QAction;

// One node of the menu tree: the bar's menus and their items. Items are bound
// to menu handlers by their Name. A Text of "-" makes a separator.
class MenuItem {
public:
    // Where the platform puts an item: the quit and about items may move to the
    // application menu (on a Mac; elsewhere they stay where they are appended).
    enum class Role { Plain, Quit, About };

    // The commands the desktop has a standard key for.
    enum class StandardKey { None, New, Open, Close, Save, SaveAs, Quit, Undo, Cut, Copy, Paste, SelectAll };

    explicit MenuItem(Role role = Role::Plain);
    virtual ~MenuItem();

    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    QString Name() const { return name_; }
    void SetName(const QString& name) { name_ = name; }
    // The words shown. SetText takes them with "&" before the mnemonic letter
    // (Alt and the letter choose the item); "&&" is an ampersand.
    QString Text() const;
    void SetText(const QString& text);
    // The text as set, mnemonic marker included.
    QString MarkedText() const { return text_; }
    // In the framework's notation, e.g. "Cmd+S", "Cmd+Option+S"; empty for none.
    QString KeyboardShortcut() const { return shortcut_; }
    void SetKeyboardShortcut(const QString& shortcut);
    // The desktop's standard key of the command; it comes before KeyboardShortcut.
    void SetStandardKey(StandardKey key);
    // Every key combination that chooses the item: the desktop's standard keys
    // (Save As: Ctrl+Shift+S where the desktop names none), then
    // KeyboardShortcut. The first is the one the menu shows.
    QList<QKeySequence> Keys() const;
    // On: enabled while a handler for its name is bound. Off: enabled only by
    // the Event_EnableMenuItems handlers.
    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    void Enable() { SetEnabled(true); }

    Role ItemRole() const { return role_; }
    bool IsSeparator() const { return text_ == QLatin1String("-"); }

    // Adds item (taking it over) as the last child: an item to a menu, or,
    // on the bar, a menu to the bar. An item that has a parent already is
    // left where it is.
    void Append(MenuItem* item);
    // The direct child called name; null when none.
    MenuItem* Child(const QString& name) const;
    // The item called name anywhere below this one; null when none.
    MenuItem* Lookup(const QString& name) const;
    int Count() const { return static_cast<int>(children_.size()); }
    MenuItem* Item(int index) const;
    MenuItem* Parent() const { return parent_; }

    // The shortcut in Qt's portable notation: Cmd becomes Ctrl, Option Alt,
    // Control Meta; Shift stays. Words may be joined by "+" or "-".
    static QString QtShortcut(const QString& notation);

    // The item's action, shared by every window's menu bar; made on first use
    // (a Qt application must exist by then).
    QAction* Action();
    bool HasAction() const { return action_ != nullptr; }

private:
    void UpdateActionText();

    Role role_;
    QString name_;
    QString text_;
    QString shortcut_;
    StandardKey standardKey_ = StandardKey::None;
    bool autoEnable_ = true;
    bool enabled_ = false;
    MenuItem* parent_ = nullptr;
    std::vector<std::unique_ptr<MenuItem>> children_;
    std::unique_ptr<QAction> action_;
};
