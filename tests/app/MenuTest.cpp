#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QSet>

#include "app/AppTestFixture.h"
#include "app/MenuItems.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/ToolbarItem.h"

namespace {

QStringList Texts(const MenuItem& parent) {
    QStringList texts;
    for (int i = 0; i < parent.Count(); ++i)
        texts << parent.Item(i)->Text();
    return texts;
}

struct ItemCase {
    const char* menu;
    const char* name;
    const char* text;      // with "&" before its mnemonic
    const char* shortcut;  // the program's own key, in the framework's notation
    const char* keys;      // the keys that choose it on any Linux desktop, the one shown first; "" for none
    bool autoEnable;
    MenuItem::Role role;
};

// Every item, in menu order.
const ItemCase kItems[] = {
    {"UntitledMenu2", "FileNew", "&New", "Cmd+N", "Ctrl+N", false, MenuItem::Role::Plain},
    {"UntitledMenu2", "FileOpen", "&Open", "Cmd+O", "Ctrl+O", false, MenuItem::Role::Plain},
    {"UntitledMenu2", "FileClose", "&Close", "Cmd+W", "Ctrl+W", false, MenuItem::Role::Plain},
    {"UntitledMenu2", "FileSave", "&Save", "Cmd+S", "Ctrl+S", false, MenuItem::Role::Plain},
    {"UntitledMenu2", "FileSaveAs", "Save &As", "Cmd+Option+S", "Ctrl+Shift+S, Ctrl+Alt+S", false,
     MenuItem::Role::Plain},
    {"UntitledMenu2", "UntitledMenu3", "-", "", "", true, MenuItem::Role::Plain},
    {"UntitledMenu2", "FileExport", "&Export as Cleartext", "Cmd+E", "Ctrl+E", false, MenuItem::Role::Plain},
    {"UntitledMenu2", "FileQuit", "&Quit", "Cmd+Q", "Ctrl+Q", true, MenuItem::Role::Quit},
    {"UntitledMenu0", "EditUndo", "&Undo", "Cmd+Z", "Ctrl+Z", false, MenuItem::Role::Plain},
    {"UntitledMenu0", "UntitledMenu1", "-", "", "", false, MenuItem::Role::Plain},
    {"UntitledMenu0", "EditCut", "Cu&t", "Cmd+X", "Ctrl+X", false, MenuItem::Role::Plain},
    {"UntitledMenu0", "EditCopy", "&Copy", "Cmd+C", "Ctrl+C", false, MenuItem::Role::Plain},
    {"UntitledMenu0", "EditPaste", "&Paste", "Cmd+V", "Ctrl+V", false, MenuItem::Role::Plain},
    {"UntitledMenu0", "EditClear", "C&lear", "", "", false, MenuItem::Role::Plain},
    {"UntitledMenu0", "EditSelectAll", "Select &All", "Cmd+A", "Ctrl+A", false, MenuItem::Role::Plain},
    {"ToolsMenu", "ToolsGeneratePassword", "&Generate Password", "Cmd+G", "Ctrl+G", true, MenuItem::Role::Plain},
    {"PayforBrimelMenu", "PayforBrimelInformation", "&Information", "Cmd+I", "Ctrl+I", true, MenuItem::Role::Plain},
    {"HelpMenu", "HelpVisitWebsite", "&Visit Website", "", "", true, MenuItem::Role::Plain},
    {"HelpMenu", "HelpReadFAQ", "&Read FAQ", "", "", true, MenuItem::Role::Plain},
    {"HelpMenu", "HelpEMailAuthor", "&E-mail Author", "", "", true, MenuItem::Role::Plain},
    {"HelpMenu", "AppleAbout", "&About", "", "", false, MenuItem::Role::About},
};

using ProgramMenuTest = AppTest;

TEST_F(ProgramMenuTest, TheBarHoldsFiveMenusLeftToRight) {
    Menu& bar = Menu::Instance();
    EXPECT_EQ(Texts(bar), (QStringList{"File", "Edit", "Tools", "Pay for Brimel", "Help"}));
    EXPECT_EQ(bar.Item(3)->MarkedText(), "&Pay for Brimel");
    const struct {
        const char* name;
        bool autoEnable;
    } menus[] = {{"UntitledMenu2", false},
                 {"UntitledMenu0", false},
                 {"ToolsMenu", true},
                 {"PayforBrimelMenu", false},
                 {"HelpMenu", true}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(bar.Item(i)->Name(), menus[i].name);
        EXPECT_EQ(bar.Item(i)->AutoEnable(), menus[i].autoEnable) << menus[i].name;
        EXPECT_TRUE(bar.Item(i)->KeyboardShortcut().isEmpty());
    }
    EXPECT_EQ(Texts(*bar.Child("UntitledMenu2")),
              (QStringList{"New", "Open", "Close", "Save", "Save As", "-", "Export as Cleartext", "Quit"}));
}

TEST_F(ProgramMenuTest, EveryItemHasItsNameTextShortcutEnablingAndPlace) {
    Menu& bar = Menu::Instance();
    std::map<QString, int> position;
    int items = 0;
    for (const ItemCase& c : kItems) {
        MenuItem* menu = bar.Child(c.menu);
        ASSERT_NE(menu, nullptr) << c.menu;
        MenuItem* item = menu->Item(position[c.menu]++);
        ASSERT_NE(item, nullptr) << c.name;
        ++items;
        EXPECT_EQ(item->Name(), c.name);
        EXPECT_EQ(item->MarkedText(), c.text) << c.name;
        EXPECT_EQ(item->KeyboardShortcut(), c.shortcut) << c.name;
        const QStringList keys = QString(c.keys).split(", ", Qt::SkipEmptyParts);
        for (const QString& key : keys)
            EXPECT_TRUE(item->Keys().contains(QKeySequence(key))) << c.name << " " << key.toStdString();
        EXPECT_EQ(item->Keys().isEmpty(), keys.isEmpty()) << c.name;
        if (QString(c.name) == "FileSaveAs") {
            EXPECT_EQ(item->Keys().first(), QKeySequence("Ctrl+Shift+S")) << "the key the menu shows";
        }
        EXPECT_EQ(item->AutoEnable(), c.autoEnable) << c.name;
        EXPECT_EQ(item->ItemRole(), c.role) << c.name;
    }
    int built = 0;
    for (int i = 0; i < bar.Count(); ++i)
        built += bar.Item(i)->Count();
    EXPECT_EQ(built, items);
}

// Alt and a letter reach every menu, and within an open menu each item by its own letter.
TEST_F(ProgramMenuTest, EveryMenuAndItemHasAMnemonicOfItsOwnInItsMenu) {
    Menu& bar = Menu::Instance();
    const auto checkLetters = [](const MenuItem& parent) {
        QSet<QKeySequence> letters;
        for (int i = 0; i < parent.Count(); ++i) {
            const MenuItem& item = *parent.Item(i);
            if (item.IsSeparator())
                continue;
            const QKeySequence letter = QKeySequence::mnemonic(item.MarkedText());
            EXPECT_FALSE(letter.isEmpty()) << item.Name().toStdString();
            EXPECT_FALSE(letters.contains(letter)) << item.Name().toStdString() << " shares its letter";
            letters.insert(letter);
        }
    };
    checkLetters(bar);
    for (int i = 0; i < bar.Count(); ++i)
        checkLetters(*bar.Item(i));
}

TEST_F(ProgramMenuTest, TheBarIsBuiltOnceAndTheAccessorsFindTheSameItems) {
    Menu& bar = Menu::Instance();
    EXPECT_EQ(&Menu::Instance(), &bar);
    EXPECT_EQ(bar.Count(), 5);
    const struct {
        MenuItem* (*accessor)();
        const char* name;
    } accessors[] = {{FileNew, "FileNew"},
                     {FileOpen, "FileOpen"},
                     {AppleAbout, "AppleAbout"},
                     {PayforBrimelInformation, "PayforBrimelInformation"},
                     {EditSelectAll, "EditSelectAll"},
                     {FileSave, "FileSave"},
                     {FileSaveAs, "FileSaveAs"},
                     {FileExport, "FileExport"},
                     {FileClose, "FileClose"}};
    for (const auto& a : accessors) {
        MenuItem* item = a.accessor();
        ASSERT_NE(item, nullptr) << a.name;
        EXPECT_EQ(item->Name(), a.name);
        EXPECT_EQ(a.accessor(), item);
        EXPECT_EQ(bar.Lookup(a.name), item);
    }
}

TEST_F(ProgramMenuTest, WithNoWindowOnlyTheApplicationsItemsAreEnabled) {
    ASSERT_EQ(Window::Frontmost(), nullptr);
    Menu& bar = Menu::Instance();
    bar.EnableMenuItems();
    const QStringList enabled{"FileNew",          "FileOpen",
                              "AppleAbout",       "PayforBrimelInformation",
                              "FileQuit",         "ToolsGeneratePassword",
                              "HelpVisitWebsite", "HelpReadFAQ",
                              "HelpEMailAuthor"};
    for (const ItemCase& c : kItems) {
        if (QString(c.text) == "-")
            continue;
        EXPECT_EQ(bar.Lookup(c.name)->Enabled(), enabled.contains(c.name)) << c.name;
    }
    // Each menu is usable while any of its items is.
    for (const char* menu : {"UntitledMenu2", "ToolsMenu", "PayforBrimelMenu", "HelpMenu"})
        EXPECT_TRUE(bar.Child(menu)->Enabled()) << menu;
    EXPECT_FALSE(bar.Child("UntitledMenu0")->Enabled());
}

TEST_F(ProgramMenuTest, ADocumentWindowInFrontAddsItsOwnItems) {
    app->DeliverLaunchEvents({});
    MainWindow& w = *DocumentWindows().front();
    Menu& bar = Menu::Instance();
    bar.EnableMenuItems();
    for (const char* name : {"FileNew", "FileOpen", "FileClose", "FileSaveAs", "FileExport", "EditSelectAll"})
        EXPECT_TRUE(bar.Lookup(name)->Enabled()) << name;
    EXPECT_FALSE(bar.Lookup("FileSave")->Enabled()) << "not modified yet";
    EXPECT_TRUE(bar.IsAttachedTo(w.Widget()));
}

// The enabled Edit items of a document window, as its menu shows them.
QStringList EnabledEditItems() {
    Menu& bar = Menu::Instance();
    bar.EnableMenuItems();
    QStringList enabled;
    for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"})
        if (bar.Lookup(name)->Enabled())
            enabled << name;
    return enabled;
}

TEST_F(ProgramMenuTest, EditItemsActOnTheFocusedTextField) {
    app->DeliverLaunchEvents({});
    MainWindow& w = *DocumentWindows().front();
    QApplication::clipboard()->setText("pasted");
    UiDriver::Activate(w);
    UiDriver::Click(w.EditField2());
    UiDriver::Type(w.EditField2(), "abc");
    Menu& bar = Menu::Instance();
    EXPECT_EQ(EnabledEditItems(), (QStringList{"EditUndo", "EditPaste"}));
    w.EditField2().SetSelStart(0);
    w.EditField2().SetSelLength(1);
    EXPECT_EQ(EnabledEditItems(), (QStringList{"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"}));

    bar.Choose("EditUndo");
    EXPECT_NE(w.EditField2().Text(), "abc");
    w.EditField2().SetText("abc");
    w.EditField2().SetSelStart(0);
    w.EditField2().SetSelLength(1);
    bar.Choose("EditClear");
    EXPECT_EQ(w.EditField2().Text(), "bc");
    EXPECT_EQ(w.myArray[0][1], "bc") << "the edit reaches the entry";
}

// In a write-protected window only Copy is left, in the one-line fields as in
// the notes; a new entry has nothing to undo yet.
TEST_F(ProgramMenuTest, WriteProtectedFieldsOfferOnlyCopy) {
    app->DeliverLaunchEvents({});
    MainWindow& w = *DocumentWindows().front();
    QApplication::clipboard()->setText("pasted");
    UiDriver::Activate(w);
    UiDriver::Click(w.EditField3());
    UiDriver::Type(w.EditField3(), "anna");
    UiDriver::Click(w.EditField5());
    UiDriver::Type(w.EditField5(), "a note");
    EXPECT_EQ(EnabledEditItems(), (QStringList{"EditUndo", "EditPaste"}));

    UiDriver::ClickToolbarItem(w.ToolbarItem4());  // write protection on
    ASSERT_TRUE(w.EntriesAreLocked);
    for (TextField* field : {&w.EditField1(), &w.EditField3()}) {
        UiDriver::Click(*field);
        field->SetSelStart(0);
        field->SetSelLength(2);
        EXPECT_EQ(EnabledEditItems(), QStringList{"EditCopy"}) << field->Name().toStdString();
    }
    UiDriver::Click(w.EditField5());
    Menu::Instance().Choose("EditSelectAll");
    EXPECT_EQ(EnabledEditItems(), QStringList{"EditCopy"});

    UiDriver::ClickToolbarItem(w.ToolbarItem2());  // a new entry, unlocked again
    UiDriver::Click(w.EditField3());
    EXPECT_EQ(EnabledEditItems(), QStringList{"EditPaste"});
}

}  // namespace
