#include "framework/ui/Application.h"
#include "framework/ui/MenuBar.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Window.h"
#include "support/UiDriver.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <functional>

namespace {

class TestWindow : public Window {
public:
    explicit TestWindow(const QString& title, FrameKind frame = FrameKind::Document, bool withField = true,
                        bool menuBarVisible = true) {
        WindowSpec spec;
        spec.title = title;
        spec.frame = frame;
        spec.menuBarVisible = menuBarVisible;
        spec.width = 240;
        spec.height = 120;
        ControlSpec field;
        field.kind = ControlKind::TextField;
        field.name = "Field";
        field.left = 10;
        field.top = 10;
        field.width = 150;
        field.height = 22;
        Build(spec, withField ? std::vector<ControlSpec>{field} : std::vector<ControlSpec>{});
    }
    TextField* Field() { return FindControl<TextField>("Field"); }
    void Event_EnableMenuItems() override {
        if (enable) {
            enable();
        }
    }
    std::function<void()> enable;
};

class TestApp : public Application {
public:
    void Event_EnableMenuItems() override {
        if (enable) {
            enable();
        }
    }
    std::function<void()> enable;
};

// The application with a bar like the program's: File (off), Edit (off),
// Tools and Help (on).
class MenuBarFixture : public ::testing::Test {
protected:
    static MenuItem* Make(const QString& name, const QString& text, bool autoEnable,
                          const QString& shortcut = QString(), MenuItem::Role role = MenuItem::Role::Plain) {
        auto* item = new MenuItem(role);
        item->SetName(name);
        item->SetAutoEnable(autoEnable);
        item->SetText(text);
        item->SetKeyboardShortcut(shortcut);
        return item;
    }

    void SetUp() override {
        bar.Append(Make("FileMenu", "File", false));
        bar.Append(Make("EditMenu", "Edit", false));
        bar.Append(Make("ToolsMenu", "Tools", true));
        bar.Append(Make("HelpMenu", "Help", true));
        MenuItem* file = bar.Child("FileMenu");
        file->Append(Make("FileNew", "New", false, "Cmd+N"));
        file->Append(Make("FileClose", "Close", false, "Cmd+W"));
        file->Append(Make("FileSaveAs", "Save As", false, "Cmd+Option+S"));
        file->Append(Make("FileSep", "-", true));
        file->Append(Make("FileQuit", "Quit", true, "Cmd+Q", MenuItem::Role::Quit));
        MenuItem* edit = bar.Child("EditMenu");
        edit->Append(Make("EditUndo", "Undo", false, "Cmd+Z"));
        edit->Append(Make("EditSep", "-", false));
        edit->Append(Make("EditCut", "Cut", false, "Cmd+X"));
        edit->Append(Make("EditCopy", "Copy", false, "Cmd+C"));
        edit->Append(Make("EditPaste", "Paste", false, "Cmd+V"));
        edit->Append(Make("EditClear", "Clear", false));
        edit->Append(Make("EditSelectAll", "Select All", false, "Cmd+A"));
        bar.Child("ToolsMenu")->Append(Make("ToolsGenerate", "Generate Password", true, "Cmd+G"));
        bar.Child("HelpMenu")->Append(Make("HelpVisit", "Visit Website", true));
        app.SetMenuBar(&bar);
    }

    void TearDown() override {
        Window::DeleteAll();
        app.SetMenuBar(nullptr);
    }

    TestWindow* Open(const QString& title) {
        auto* window = new TestWindow(title);
        window->Show();
        QApplication::processEvents();
        return window;
    }

    // Binds name in the app (or a window) to a handler that counts its runs.
    std::function<bool()> Counter(int& runs) {
        return [&runs] {
            ++runs;
            return false;
        };
    }

    bool Enabled(const QString& name) { return bar.Lookup(name)->Enabled(); }

    // A key press as the window's focused widget gets it; true when taken.
    static bool Press(Window* window, int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QWidget* target = window->Widget()->focusWidget() ? window->Widget()->focusWidget() : window->Widget();
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(target, &press);
        return press.isAccepted();
    }

    static QMenuBar* QtBar(Window* window) { return window->Widget()->findChild<QMenuBar*>(); }

    TestApp app;
    MenuBar bar;
};

TEST_F(MenuBarFixture, AChoiceRunsTheFrontmostWindowsHandlerElseTheApplications) {
    int appClose = 0, appNew = 0, backClose = 0, frontClose = 0;
    app.AddMenuHandler("FileClose", Counter(appClose));
    app.AddMenuHandler("FileNew", Counter(appNew));
    TestWindow* back = Open("back");
    back->AddMenuHandler("FileClose", Counter(backClose));
    TestWindow* front = Open("front");
    front->AddMenuHandler("FileClose", Counter(frontClose));
    ASSERT_EQ(Window::Frontmost(), front);

    bar.Choose("FileClose");
    bar.Choose("FileNew");
    EXPECT_EQ(frontClose, 1);
    EXPECT_EQ(backClose, 0);
    EXPECT_EQ(appClose, 0);
    EXPECT_EQ(appNew, 1);

    front->RemoveMenuHandler("FileClose");
    bar.Choose("FileClose");
    EXPECT_EQ(appClose, 1);
    EXPECT_EQ(backClose, 0);
}

TEST_F(MenuBarFixture, AnItemsActionRunsItsHandlerAndReturnsTheResult) {
    bool ran = false;
    app.AddMenuHandler("FileQuit", [&] {
        ran = true;
        return true;
    });
    EXPECT_TRUE(bar.Choose("FileQuit"));
    EXPECT_TRUE(ran);
    EXPECT_FALSE(bar.Choose("HelpVisit"));  // nothing bound
    EXPECT_FALSE(bar.Choose("NoSuchItem"));

    ran = false;
    Open("w");
    bar.EnableMenuItems();
    bar.Lookup("FileQuit")->Action()->trigger();
    EXPECT_TRUE(ran);
}

TEST_F(MenuBarFixture, AutoEnableItemsAreEnabledWhileAHandlerIsBound) {
    app.AddMenuHandler("FileQuit", [] { return true; });
    TestWindow* window = Open("w");
    window->AddMenuHandler("ToolsGenerate", [] { return false; });

    bar.EnableMenuItems();
    EXPECT_TRUE(Enabled("FileQuit"));       // the application's
    EXPECT_TRUE(Enabled("ToolsGenerate"));  // the frontmost window's
    EXPECT_FALSE(Enabled("HelpVisit"));     // nobody's

    Open("other");  // in front now, without the window's handler
    bar.EnableMenuItems();
    EXPECT_FALSE(Enabled("ToolsGenerate"));
    EXPECT_TRUE(Enabled("FileQuit"));
}

TEST_F(MenuBarFixture, OtherItemsAreEnabledOnlyByTheEnablingHandlersOfEachPass) {
    app.AddMenuHandler("FileNew", [] { return false; });  // bound, yet AutoEnable is off
    bar.EnableMenuItems();
    EXPECT_FALSE(Enabled("FileNew"));

    app.enable = [this] { bar.Lookup("FileNew")->Enable(); };
    TestWindow* back = Open("back");
    back->enable = [this] { bar.Lookup("FileClose")->Enable(); };
    bar.EnableMenuItems();
    EXPECT_TRUE(Enabled("FileNew"));
    EXPECT_TRUE(Enabled("FileClose"));

    // Only the frontmost window takes part, and nothing stays from the last pass.
    TestWindow* front = Open("front");
    front->enable = [this] { bar.Lookup("FileSaveAs")->Enable(); };
    app.enable = nullptr;
    bar.EnableMenuItems();
    EXPECT_FALSE(Enabled("FileNew"));
    EXPECT_FALSE(Enabled("FileClose"));
    EXPECT_TRUE(Enabled("FileSaveAs"));
}

TEST_F(MenuBarFixture, AMenuIsEnabledWhileAnyOfItsItemsIs) {
    TestWindow* window = Open("w");
    ASSERT_NE(QtBar(window), nullptr);
    bar.EnableMenuItems();
    EXPECT_FALSE(Enabled("FileMenu"));
    EXPECT_FALSE(Enabled("HelpMenu"));  // AutoEnable on, but no item is

    app.enable = [this] { bar.Lookup("FileSaveAs")->Enable(); };
    bar.EnableMenuItems();
    EXPECT_TRUE(Enabled("FileMenu"));
    EXPECT_FALSE(Enabled("HelpMenu"));

    // The window's Qt bar shows the same.
    const QList<QAction*> titles = QtBar(window)->actions();
    ASSERT_EQ(titles.size(), 4);
    EXPECT_EQ(titles[0]->text(), "File");
    EXPECT_TRUE(titles[0]->isEnabled());
    EXPECT_FALSE(titles[3]->isEnabled());
}

TEST_F(MenuBarFixture, OpeningAMenuRunsAPass) {
    TestWindow* window = Open("w");
    int passes = 0;
    app.enable = [&] { ++passes; };
    QMenu* file = QtBar(window)->actions().at(0)->menu();
    ASSERT_NE(file, nullptr);
    emit file->aboutToShow();
    EXPECT_EQ(passes, 1);
}

TEST_F(MenuBarFixture, EveryDocumentWindowShowsTheBarWithTheSharedActions) {
    TestWindow* one = Open("one");
    TestWindow* two = Open("two");
    auto* dialog = new TestWindow("dialog", FrameKind::MovableModal);
    dialog->Show();
    ASSERT_NE(QtBar(one), nullptr);
    ASSERT_NE(QtBar(two), nullptr);
    EXPECT_EQ(QtBar(dialog), nullptr);

    QAction* saveAs = bar.Lookup("FileSaveAs")->Action();
    for (Window* window : {static_cast<Window*>(one), static_cast<Window*>(two)}) {
        const QList<QAction*> items = QtBar(window)->actions().at(0)->menu()->actions();
        ASSERT_EQ(items.size(), 5);
        EXPECT_EQ(items[2], saveAs);
        EXPECT_TRUE(items[3]->isSeparator());
    }
}

TEST_F(MenuBarFixture, AShortcutRunsTheItemAfterAPass) {
    int runs = 0;
    app.AddMenuHandler("FileNew", Counter(runs));
    app.enable = [this] { bar.Lookup("FileNew")->Enable(); };
    TestWindow* window = Open("w");

    EXPECT_TRUE(Press(window, Qt::Key_N));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(Press(window, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier));  // Save As: disabled
    EXPECT_EQ(runs, 1);
}

TEST_F(MenuBarFixture, AShortcutForADisabledItemDoesNothing) {
    int runs = 0;
    app.AddMenuHandler("FileNew", Counter(runs));  // bound, but nothing enables it
    TestWindow* window = Open("w");
    window->Field()->SetFocus();
    window->Field()->SetText("abc");

    EXPECT_TRUE(Press(window, Qt::Key_N));
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(window->Field()->Text(), "abc");
}

TEST_F(MenuBarFixture, TwoWindowsDoNotMakeShortcutsAmbiguous) {
    int oneRuns = 0, twoRuns = 0;
    TestWindow* one = Open("one");
    one->AddMenuHandler("FileClose", Counter(oneRuns));
    one->enable = [this] { bar.Lookup("FileClose")->Enable(); };
    TestWindow* two = Open("two");
    two->AddMenuHandler("FileClose", Counter(twoRuns));
    two->enable = [this] { bar.Lookup("FileClose")->Enable(); };

    EXPECT_TRUE(Press(two, Qt::Key_W));
    EXPECT_EQ(twoRuns, 1);
    EXPECT_EQ(oneRuns, 0);

    one->Show();
    QApplication::processEvents();
    EXPECT_TRUE(Press(one, Qt::Key_W));
    EXPECT_EQ(oneRuns, 1);
    EXPECT_EQ(twoRuns, 1);
}

TEST_F(MenuBarFixture, AToolWindowShowsNoBarYetItsKeysActOnIt) {
    TestWindow* document = Open("document");
    auto* tool = new TestWindow("tool", FrameKind::Document, true, false);
    int toolCloses = 0;
    tool->AddMenuHandler("FileClose", Counter(toolCloses));
    tool->enable = [this] { bar.Lookup("FileClose")->Enable(); };
    tool->Show();
    QApplication::processEvents();
    EXPECT_NE(QtBar(document), nullptr);
    EXPECT_EQ(QtBar(tool), nullptr);
    EXPECT_FALSE(bar.IsAttachedTo(tool->Widget()));

    EXPECT_TRUE(Press(tool, Qt::Key_W));
    EXPECT_EQ(toolCloses, 1);
    EXPECT_FALSE(Press(tool, Qt::Key_F10)) << "no bar to open";
}

TEST_F(MenuBarFixture, ADialogTakesNoneOfTheBarsKeys) {
    int closes = 0;
    app.AddMenuHandler("FileClose", Counter(closes));
    app.enable = [this] { bar.Lookup("FileClose")->Enable(); };
    auto* dialog = new TestWindow("dialog", FrameKind::MovableModal);
    dialog->Show();
    dialog->Field()->SetFocus();
    Press(dialog, Qt::Key_W);
    EXPECT_EQ(closes, 0);
}

TEST_F(MenuBarFixture, F10OpensTheFirstUsableMenu) {
    bool fileUsable = false;
    app.enable = [&] {
        if (fileUsable)
            bar.Lookup("FileNew")->Enable();
    };
    TestWindow* window = Open("w");
    window->Field()->SetFocus();
    QMenuBar* qtBar = QtBar(window);
    ASSERT_NE(qtBar, nullptr);
    for (bool usable : {true, false}) {
        fileUsable = usable;
        EXPECT_TRUE(Press(window, Qt::Key_F10, Qt::NoModifier));
        // File while one of its items is enabled, else the next menu that has one: Edit,
        // whose editing items serve the focused field.
        QAction* opened = qtBar->actions().at(usable ? 0 : 1);
        EXPECT_EQ(qtBar->activeAction(), opened);
        ASSERT_NE(opened->menu(), nullptr);
        EXPECT_TRUE(opened->menu()->isVisible());
        opened->menu()->close();
    }
}

TEST_F(MenuBarFixture, KeysWithoutAnItemReachTheField) {
    TestWindow* window = Open("w");
    window->Field()->SetFocus();
    QKeyEvent plain(QEvent::KeyPress, Qt::Key_N, Qt::NoModifier, "n");
    QApplication::sendEvent(window->Field()->Widget(), &plain);
    EXPECT_EQ(window->Field()->Text(), "n");
}

// Edit commands on the focused text field.
class EditCommands : public MenuBarFixture {
protected:
    void SetUp() override {
        MenuBarFixture::SetUp();
        window = Open("w");
        window->Field()->SetFocus();
        window->Field()->SetText("hello");
        QApplication::clipboard()->setText("pasted");
    }
    QLineEdit* Edit() { return qobject_cast<QLineEdit*>(window->Field()->Widget()); }
    TestWindow* window = nullptr;
};

// Each one is enabled only while it would act on the focused field.
TEST_F(EditCommands, EachIsEnabledOnlyWhileItWouldAct) {
    const QStringList all{"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"};
    const struct {
        const char* state;
        std::function<void()> make;
        QStringList enabled;
    } cases[] = {
        {"text set by the program, nothing selected", [] {}, {"EditPaste", "EditSelectAll"}},
        {"after typing", [this] { UiDriver::Type(*window->Field(), "!"); }, {"EditUndo", "EditPaste", "EditSelectAll"}},
        {"text selected",
         [this] { Edit()->selectAll(); },
         {"EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"}},
        {"the clipboard empty", [] { QApplication::clipboard()->clear(); }, {"EditSelectAll"}},
        {"write-protected, typed in and selected before",
         [this] {
             UiDriver::Type(*window->Field(), "!");
             Edit()->selectAll();
             window->Field()->SetReadOnly(true);
         },
         {"EditCopy", "EditSelectAll"}},
        {"masked, selected",
         [this] {
             window->Field()->SetPassword(true);
             Edit()->selectAll();
         },
         {"EditPaste", "EditClear", "EditSelectAll"}},
    };
    for (const auto& c : cases) {
        window->Field()->SetReadOnly(false);
        window->Field()->SetPassword(false);
        window->Field()->SetText("hello");
        QApplication::clipboard()->setText("pasted");
        c.make();
        bar.EnableMenuItems();
        for (const QString& name : all)
            EXPECT_EQ(Enabled(name), c.enabled.contains(name)) << c.state << ": " << name.toStdString();
        EXPECT_TRUE(Enabled("EditMenu")) << c.state;
    }

    auto* other = new TestWindow("no field", FrameKind::Document, false);
    other->Show();
    QApplication::processEvents();
    bar.EnableMenuItems();
    for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"}) {
        EXPECT_FALSE(Enabled(name)) << name;
    }
}

TEST_F(EditCommands, ActOnTheFieldAsItsOwnEditingDoes) {
    bar.Choose("EditSelectAll");
    EXPECT_EQ(Edit()->selectedText(), "hello");
    bar.Choose("EditCut");
    EXPECT_EQ(window->Field()->Text(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "hello");
    bar.Choose("EditPaste");
    bar.Choose("EditPaste");
    EXPECT_EQ(window->Field()->Text(), "hellohello");
    bar.Choose("EditUndo");
    EXPECT_EQ(window->Field()->Text(), "hello");

    window->Field()->SetSelStart(1);
    window->Field()->SetSelLength(3);
    bar.Choose("EditCopy");
    EXPECT_EQ(QApplication::clipboard()->text(), "ell");
    bar.Choose("EditClear");
    EXPECT_EQ(window->Field()->Text(), "ho");
    bar.Choose("EditClear");  // nothing selected: nothing to clear
    EXPECT_EQ(window->Field()->Text(), "ho");
}

TEST_F(EditCommands, LeaveAReadOnlyFieldsTextAlone) {
    window->Field()->SetReadOnly(true);
    bar.Choose("EditSelectAll");
    bar.Choose("EditCut");
    bar.Choose("EditPaste");
    bar.Choose("EditClear");
    EXPECT_EQ(window->Field()->Text(), "hello");
    bar.Choose("EditCopy");
    EXPECT_EQ(QApplication::clipboard()->text(), "hello");
}

TEST_F(EditCommands, SelectAllRunsTheWindowsHandlerWhenOneIsBound) {
    int runs = 0;
    window->AddMenuHandler("EditSelectAll", Counter(runs));
    window->enable = [this] { bar.Lookup("EditSelectAll")->Enable(); };

    bar.Choose("EditSelectAll");
    EXPECT_TRUE(Press(window, Qt::Key_A));
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(Edit()->selectedText(), "");
}

TEST_F(EditCommands, TheirShortcutsAreLeftToTheField) {
    Edit()->selectAll();
    Press(window, Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text(), "hello");
    Edit()->end(false);
    Press(window, Qt::Key_V);
    EXPECT_EQ(window->Field()->Text(), "hellohello");
}

}  // namespace
