#pragma once

#include "framework/ui/MenuBar.h"

#include <QString>
#include <memory>

// The program's one menu bar: File, Edit, Tools, Pay for Brimel and Help with
// all their items, built once. Handlers and enabling code find the items by
// their names (FileNew, FileSave, EditSelectAll ...).
class Menu : public MenuBar {
public:
    // The implicit instance, built on first use.
    static Menu& Instance();
    // Frees the implicit instance (program end); the next Instance builds anew.
    static void Release();

    Menu();

    void Constructor();
    void Untitled1();  // File
    void Untitled2();  // Edit
    void Untitled3();  // Tools
    void Untitled4();  // Pay for Brimel
    void Untitled5();  // Help

private:
    static std::unique_ptr<Menu>& ImplicitInstance();

    // Appends a new top-level menu to the bar.
    void AddMenu(const QString& name, bool autoEnable, const QString& text);
    // Appends an item to the menu called menuName; text marks its mnemonic with "&".
    void AddItem(const QString& menuName, MenuItem* item, const QString& name, bool autoEnable, const QString& text,
                 const QString& shortcut, MenuItem::StandardKey standardKey = MenuItem::StandardKey::None);
    // A separator keeps the shortcut a new item has.
    void AddSeparator(const QString& menuName, const QString& name, bool autoEnable);
};
