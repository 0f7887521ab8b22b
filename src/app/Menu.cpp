#include "app/Menu.h"

namespace {

const QString kFile = QStringLiteral("UntitledMenu2");
const QString kEdit = QStringLiteral("UntitledMenu0");
const QString kTools = QStringLiteral("ToolsMenu");
const QString kPay = QStringLiteral("PayforBrimelMenu");
const QString kHelp = QStringLiteral("HelpMenu");

MenuItem* Plain() {
    return new MenuItem(MenuItem::Role::Plain);
}

}  // namespace

Menu& Menu::Instance() {
    std::unique_ptr<Menu>& instance = ImplicitInstance();
    if (!instance) {
        instance = std::make_unique<Menu>();
    }
    return *instance;
}

void Menu::Release() {
    ImplicitInstance().reset();
}

std::unique_ptr<Menu>& Menu::ImplicitInstance() {
    static std::unique_ptr<Menu> instance;
    return instance;
}

Menu::Menu() {
    Constructor();
}

void Menu::Constructor() {
    Untitled1();
    Untitled2();
    Untitled3();
    Untitled4();
    Untitled5();
}

// Every menu and item has a mnemonic ("&"); the desktop's standard key of a
// command comes first, the program's own key stays beside it.
void Menu::Untitled1() {
    AddMenu(kFile, false, QStringLiteral("&File"));
    AddItem(kFile, Plain(), QStringLiteral("FileNew"), false, QStringLiteral("&New"), QStringLiteral("Cmd+N"),
            MenuItem::StandardKey::New);
    AddItem(kFile, Plain(), QStringLiteral("FileOpen"), false, QStringLiteral("&Open"), QStringLiteral("Cmd+O"),
            MenuItem::StandardKey::Open);
    AddItem(kFile, Plain(), QStringLiteral("FileClose"), false, QStringLiteral("&Close"), QStringLiteral("Cmd+W"),
            MenuItem::StandardKey::Close);
    AddItem(kFile, Plain(), QStringLiteral("FileSave"), false, QStringLiteral("&Save"), QStringLiteral("Cmd+S"),
            MenuItem::StandardKey::Save);
    AddItem(kFile, Plain(), QStringLiteral("FileSaveAs"), false, QStringLiteral("Save &As"),
            QStringLiteral("Cmd+Option+S"), MenuItem::StandardKey::SaveAs);
    AddSeparator(kFile, QStringLiteral("UntitledMenu3"), true);
    AddItem(kFile, Plain(), QStringLiteral("FileExport"), false, QStringLiteral("&Export as Cleartext"),
            QStringLiteral("Cmd+E"));
    AddItem(kFile, new MenuItem(MenuItem::Role::Quit), QStringLiteral("FileQuit"), true, QStringLiteral("&Quit"),
            QStringLiteral("Cmd+Q"), MenuItem::StandardKey::Quit);
}

void Menu::Untitled2() {
    AddMenu(kEdit, false, QStringLiteral("&Edit"));
    AddItem(kEdit, Plain(), QStringLiteral("EditUndo"), false, QStringLiteral("&Undo"), QStringLiteral("Cmd+Z"),
            MenuItem::StandardKey::Undo);
    AddSeparator(kEdit, QStringLiteral("UntitledMenu1"), false);
    AddItem(kEdit, Plain(), QStringLiteral("EditCut"), false, QStringLiteral("Cu&t"), QStringLiteral("Cmd+X"),
            MenuItem::StandardKey::Cut);
    AddItem(kEdit, Plain(), QStringLiteral("EditCopy"), false, QStringLiteral("&Copy"), QStringLiteral("Cmd+C"),
            MenuItem::StandardKey::Copy);
    AddItem(kEdit, Plain(), QStringLiteral("EditPaste"), false, QStringLiteral("&Paste"), QStringLiteral("Cmd+V"),
            MenuItem::StandardKey::Paste);
    AddItem(kEdit, Plain(), QStringLiteral("EditClear"), false, QStringLiteral("C&lear"), QString());
    AddItem(kEdit, Plain(), QStringLiteral("EditSelectAll"), false, QStringLiteral("Select &All"),
            QStringLiteral("Cmd+A"), MenuItem::StandardKey::SelectAll);
}

void Menu::Untitled3() {
    AddMenu(kTools, true, QStringLiteral("&Tools"));
    AddItem(kTools, Plain(), QStringLiteral("ToolsGeneratePassword"), true, QStringLiteral("&Generate Password"),
            QStringLiteral("Cmd+G"));
}

void Menu::Untitled4() {
    AddMenu(kPay, false, QStringLiteral("&Pay for Brimel"));
    AddItem(kPay, Plain(), QStringLiteral("PayforBrimelInformation"), true, QStringLiteral("&Information"),
            QStringLiteral("Cmd+I"));
}

void Menu::Untitled5() {
    AddMenu(kHelp, true, QStringLiteral("&Help"));
    AddItem(kHelp, Plain(), QStringLiteral("HelpVisitWebsite"), true, QStringLiteral("&Visit Website"), QString());
    AddItem(kHelp, Plain(), QStringLiteral("HelpReadFAQ"), true, QStringLiteral("&Read FAQ"), QString());
    AddItem(kHelp, Plain(), QStringLiteral("HelpEMailAuthor"), true, QStringLiteral("&E-mail Author"), QString());
    AddItem(kHelp, new MenuItem(MenuItem::Role::About), QStringLiteral("AppleAbout"), false, QStringLiteral("&About"),
            QString());
}

void Menu::AddMenu(const QString& name, bool autoEnable, const QString& text) {
    MenuItem* menu = Plain();
    menu->SetName(name);
    menu->SetAutoEnable(autoEnable);
    menu->SetText(text);
    menu->SetKeyboardShortcut(QString());
    Append(menu);
}

void Menu::AddItem(const QString& menuName, MenuItem* item, const QString& name, bool autoEnable, const QString& text,
                   const QString& shortcut, MenuItem::StandardKey standardKey) {
    item->SetName(name);
    item->SetAutoEnable(autoEnable);
    item->SetText(text);
    item->SetKeyboardShortcut(shortcut);
    item->SetStandardKey(standardKey);
    Child(menuName)->Append(item);
}

void Menu::AddSeparator(const QString& menuName, const QString& name, bool autoEnable) {
    MenuItem* item = Plain();
    item->SetName(name);
    item->SetAutoEnable(autoEnable);
    item->SetText(QStringLiteral("-"));
    Child(menuName)->Append(item);
}
