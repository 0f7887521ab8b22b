#include <gtest/gtest.h>

#include <QPushButton>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <QToolBar>
#include <QWidget>

#include "TableWindow.h"
#include "framework/ui/ImplicitInstance.h"
#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "framework/ui/GroupBox.h"
#include "framework/ui/BevelButton.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/ToolbarItem.h"
#include "support/UiDriver.h"

namespace {

// The document window's shape: a list locked left/top/bottom, a group box
// locked on all sides with fields and buttons inside it.
std::vector<ControlSpec> AnchoredControls() {
    return {
        {ControlKind::Listbox, "List", "", 17, 20, 265, 336, LockLeft | LockTop | LockBottom, 0, "", "", {}, {}},
        {ControlKind::GroupBox,
         "Group",
         "",
         299,
         20,
         320,
         338,
         LockLeft | LockTop | LockRight | LockBottom,
         1,
         "",
         "",
         {},
         {}},
        {ControlKind::Label, "Caption", "Group", 314, 31, 290, 20, LockNone, 0, "Name", "", {}, {}},
        {ControlKind::TextField, "Field", "Group", 314, 54, 290, 22, LockLeft | LockRight, 1, "", "", {}, {}},
        {ControlKind::BevelButton, "Copy", "Group", 564, 113, 40, 22, LockRight, 2, "Copy", "", {}, {}},
        {ControlKind::TextArea,
         "Notes",
         "Group",
         314,
         290,
         290,
         50,
         LockLeft | LockTop | LockRight | LockBottom,
         3,
         "",
         "",
         {},
         {}},
        {ControlKind::TextField, "Hidden", "", 52, -64, 170, 22, LockNone, 8, "", "", {}, {}},
    };
}

WindowSpec DocumentSpec() {
    WindowSpec spec = HiddenSpec(639, 376);
    spec.minWidth = 639;
    spec.minHeight = 376;
    return spec;
}

struct AnchorCase {
    const char* control;
    QRect afterGrowth;  // window coordinates after growing by 100 x 50
};

class WindowAnchors : public testing::TestWithParam<AnchorCase> {};

TEST_P(WindowAnchors, KeepDistancesToLockedEdgesOnResize) {
    auto* window = new TableWindow(DocumentSpec(), AnchoredControls());
    window->SetWidth(739);
    window->SetHeight(426);
    auto* control = window->FindControl<RectControl>(GetParam().control);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->Rect(), GetParam().afterGrowth);
    // The widget sits there too, in its parent's coordinates.
    QRect expected = GetParam().afterGrowth;
    if (control->Parent())
        expected.translate(-control->Parent()->Left(), -control->Parent()->Top());
    EXPECT_EQ(control->Widget()->geometry(), expected);
}

INSTANTIATE_TEST_SUITE_P(DocumentLayout, WindowAnchors,
                         testing::Values(AnchorCase{"List", QRect(17, 20, 265, 386)},     // grows in height only
                                         AnchorCase{"Group", QRect(299, 20, 420, 388)},   // grows both ways
                                         AnchorCase{"Caption", QRect(314, 31, 290, 20)},  // keeps its place
                                         AnchorCase{"Field", QRect(314, 54, 390, 22)},    // grows in width
                                         AnchorCase{"Copy", QRect(664, 113, 40, 22)},     // follows the right edge
                                         AnchorCase{"Notes", QRect(314, 290, 390, 100)},  // grows both ways
                                         AnchorCase{"Hidden", QRect(52, -64, 170, 22)}),  // stays above the content
                         [](const auto& info) { return std::string(info.param.control); });

TEST(Window, ShrinkingBackRestoresTheLayoutAndUserResizeAnchorsToo) {
    auto* window = new TableWindow(DocumentSpec(), AnchoredControls());
    window->Show();
    window->Widget()->resize(839, 476);  // as the window manager would
    UiDriver::ProcessEvents();
    EXPECT_EQ(window->FindControl<RectControl>("Copy")->Rect(), QRect(764, 113, 40, 22));
    window->SetWidth(639);
    window->SetHeight(376);
    EXPECT_EQ(window->FindControl<RectControl>("Copy")->Rect(), QRect(564, 113, 40, 22));
    EXPECT_EQ(window->FindControl<RectControl>("List")->Rect(), QRect(17, 20, 265, 336));
}

TEST(Window, SizeStaysWithinMinimumAndMaximum) {
    WindowSpec spec = DocumentSpec();
    spec.maxWidth = 1000;
    spec.maxHeight = 800;
    auto* window = new TableWindow(spec, {});
    window->SetWidth(100);
    window->SetHeight(50);
    EXPECT_EQ(window->Width(), 639);
    EXPECT_EQ(window->Height(), 376);
    window->SetWidth(5000);
    window->SetHeight(5000);
    EXPECT_EQ(window->Width(), 1000);
    EXPECT_EQ(window->Height(), 800);
}

TEST(Window, GeometryIsTheContentAreasWithToolbarAndMenuBarOutsideIt) {
    auto* window = new TableWindow(
        HiddenSpec(400, 300), {
                                  {ControlKind::ToolbarItem, "Add", "", 0, 0, 0, 0, LockNone, 0, "Add", "", {}, {}},
                                  {ControlKind::Label, "Text", "", 10, 10, 100, 20, LockNone, 0, "x", "", {}, {}},
                              });
    auto* menuBar = new QWidget;
    menuBar->setFixedHeight(25);
    window->SetMenuBarWidget(menuBar);
    EXPECT_EQ(window->Width(), 400);
    EXPECT_EQ(window->Height(), 300);
    EXPECT_GT(window->Widget()->height(), 300 + 25);  // the toolbar and menu bar lie outside
    window->SetLeft(120);
    window->SetTop(140);
    window->Show();
    UiDriver::ProcessEvents();
    EXPECT_EQ(window->Left(), 120);
    EXPECT_EQ(window->Top(), 140);
    EXPECT_EQ(window->Width(), 400);
    EXPECT_EQ(window->Height(), 300);
    // Content coordinates are unchanged by the bars above.
    QWidget* label = window->FindControl<Label>("Text")->Widget();
    EXPECT_EQ(label->mapTo(window->Content(), QPoint(0, 0)), QPoint(10, 10));
    EXPECT_EQ(window->Content()->mapTo(window->Widget(), QPoint(0, 0)).y(),
              window->Top() - window->Widget()->geometry().y());
}

TEST(Window, BuildRunsBindingsThenOpenEventsThenEventOpenBeforeReturning) {
    std::vector<QString> log;
    std::vector<ControlSpec> controls = {
        {ControlKind::TextField, "A", "", 0, 0, 50, 20, LockNone, 0, "a", "", {}, Bind<TextField>([&log](TextField& f) {
             log.push_back("bind A");
             f.Open = [&log](TextField&) { log.push_back("open A"); };
         })},
        {ControlKind::ToolbarItem,
         "B",
         "",
         0,
         0,
         0,
         0,
         LockNone,
         0,
         "b",
         "",
         {},
         Bind<ToolbarItem>([&log](ToolbarItem& t) {
             log.push_back("bind B");
             t.Open = [&log](ToolbarItem&) { log.push_back("open B"); };
         })},
    };
    auto* window = new TableWindow(HiddenSpec(), controls);
    EXPECT_EQ(log, (std::vector<QString>{"bind A", "bind B", "open A", "open B"}));
    EXPECT_EQ(window->openCount, 1);
    EXPECT_FALSE(window->Visible());
}

TEST(Window, VisibleLayoutShowsTheWindowAndTitleCarriesTheModifiedMark) {
    WindowSpec spec = HiddenSpec();
    spec.visible = true;
    spec.title = "Doc";
    auto* window = new TableWindow(spec, {});
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(window->Frontmost(), window);
    window->SetModified(true);
    EXPECT_TRUE(window->Modified());
    EXPECT_EQ(window->Widget()->windowTitle(), "Doc[*]");
    EXPECT_TRUE(window->Widget()->isWindowModified());
    EXPECT_EQ(window->Title(), "Doc");
}

TEST(Window, FrontmostFollowsShowingAndClosing) {
    auto* first = new TableWindow(HiddenSpec(), {});
    auto* second = new TableWindow(HiddenSpec(), {});
    EXPECT_EQ(Window::Frontmost(), nullptr);
    first->Show();
    second->Show();
    EXPECT_EQ(Window::Frontmost(), second);
    first->Show();
    EXPECT_EQ(Window::Frontmost(), first);
    EXPECT_TRUE(first->Close());
    EXPECT_EQ(Window::Frontmost(), second);
    EXPECT_EQ(Window::All(), QList<Window*>{second});
}

TEST(Window, CancelCloseTrueKeepsTheWindowOpenAndFrontmost) {
    auto* window = new TableWindow(HiddenSpec(), {});
    int asked = 0;
    window->cancelClose = [&asked](bool) { return ++asked == 1; };
    window->Show();
    EXPECT_FALSE(window->Close());
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(Window::Frontmost(), window);
    // The close box asks the same way.
    QPointer<Window> alive(window);
    window->Widget()->close();
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(alive->IsClosed());
    EXPECT_FALSE(alive->Visible());
    UiDriver::ProcessEvents();
    EXPECT_TRUE(alive.isNull());  // deleted once control returned to the event loop
}

TEST(Window, AClosedWindowStaysReadableUntilTheEventLoopRuns) {
    auto* window = new TableWindow(HiddenSpec(),
                                   {{ControlKind::TextField, "F", "", 0, 0, 50, 20, LockNone, 0, "kept", "", {}, {}}});
    int changes = 0;
    window->FindControl<TextField>("F")->TextChange = [&changes](TextField&) { ++changes; };
    EXPECT_TRUE(window->Close());
    EXPECT_TRUE(window->Close());  // a second close is harmless
    EXPECT_EQ(window->FindControl<TextField>("F")->Text(), "kept");
    window->FindControl<TextField>("F")->SetText("later");
    EXPECT_EQ(changes, 0);  // a closed window delivers no events
    window->Show();
    EXPECT_FALSE(window->Visible());
}

class Dialog : public Window {
public:
    Dialog() {
        WindowSpec spec = HiddenSpec(420, 135);
        spec.frame = FrameKind::MovableModal;
        spec.resizeable = false;
        Build(spec,
              {
                  {ControlKind::TextField, "EditField1", "", 104, 42, 296, 22, LockNone, 0, "", "", {}, {}},
                  {ControlKind::PushButton,
                   "Cancel",
                   "",
                   250,
                   95,
                   69,
                   20,
                   LockNone,
                   1,
                   "Cancel",
                   "",
                   {{"Cancel", true}},
                   Bind<PushButton>([this](PushButton& b) { b.Action = [this](PushButton&) { Press("Cancel"); }; })},
                  {ControlKind::PushButton,
                   "Enter",
                   "",
                   331,
                   95,
                   69,
                   20,
                   LockNone,
                   2,
                   "Enter",
                   "",
                   {{"Default", true}},
                   Bind<PushButton>([this](PushButton& b) { b.Action = [this](PushButton&) { Press("yes"); }; })},
              });
    }
    void Press(const QString& word) {
        ButtonPressed = word;
        ++presses;
        Hide();
    }
    QString ButtonPressed;
    int presses = 0;
};

struct KeyCase {
    const char* name;
    void (*press)(Window&);
    const char* word;
};

class DialogKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(DialogKeys, ReturnAndEscPressTheMarkedButtonsOnceAndEndTheModal) {
    Dialog& dialog = ImplicitInstance<Dialog>();
    UiDriver::AnswerNextModal([](Window& w) {
        UiDriver::Type(*w.FindControl<TextField>("EditField1"), " pw ");
        GetParam().press(w);
    });
    dialog.ShowModal();
    EXPECT_EQ(dialog.ButtonPressed, GetParam().word);
    EXPECT_EQ(dialog.presses, 1);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_EQ(dialog.FindControl<TextField>("EditField1")->Text(), " pw ");  // hidden, still readable
}

INSTANTIATE_TEST_SUITE_P(Keys, DialogKeys,
                         testing::Values(KeyCase{"Return", &UiDriver::PressReturn, "yes"},
                                         KeyCase{"Esc", &UiDriver::PressEsc, "Cancel"}),
                         [](const testing::TestParamInfo<KeyCase>& info) { return info.param.name; });

// Return presses the button the user has tabbed to, else the default button,
// and the buttons show which one that is.
TEST(Window, ReturnPressesTheFocusedButtonElseTheDefaultOne) {
    const struct {
        const char* focused;
        int tabs;  // from the field
        const char* word;
        bool cancelLooksDefault;
    } cases[] = {{"field", 0, "yes", false}, {"Cancel", 1, "Cancel", true}, {"Enter", 2, "yes", false}};
    for (const auto& c : cases) {
        Dialog& dialog = ImplicitInstance<Dialog>();
        auto* cancel = qobject_cast<QPushButton*>(dialog.FindControl<PushButton>("Cancel")->Widget());
        auto* enter = qobject_cast<QPushButton*>(dialog.FindControl<PushButton>("Enter")->Widget());
        bool cancelLooksDefault = false, enterLooksDefault = false;
        UiDriver::AnswerNextModal([&](Window& w) {
            for (int i = 0; i < c.tabs; ++i)
                UiDriver::PressTab(w);
            cancelLooksDefault = cancel->isDefault();
            enterLooksDefault = enter->isDefault();
            UiDriver::PressReturn(w);
        });
        dialog.ShowModal();
        EXPECT_EQ(dialog.ButtonPressed, c.word) << c.focused;
        EXPECT_EQ(dialog.presses, 1) << c.focused;
        EXPECT_EQ(cancelLooksDefault, c.cancelLooksDefault) << c.focused;
        EXPECT_EQ(enterLooksDefault, !c.cancelLooksDefault) << c.focused;
        dialog.Close();
        UiDriver::ProcessEvents();
    }
}

// A dialog of buttons only opens with the focus on its default button, so
// that Return gives the default answer.
TEST(Window, WithOnlyButtonsTheDefaultOneHasTheFocusFirst) {
    auto* window = new TableWindow(
        HiddenSpec(),
        {{ControlKind::PushButton, "Yes", "", 10, 10, 60, 20, LockNone, 0, "Yes", "", {}, {}},
         {ControlKind::PushButton, "No", "", 80, 10, 60, 20, LockNone, 1, "No", "", {{"Default", true}}, {}}});
    window->Show();
    EXPECT_EQ(window->FocusControl(), window->FindControl<PushButton>("No"));
}

TEST(Window, DisabledDefaultButtonIsNotPressedByReturn) {
    Dialog& dialog = ImplicitInstance<Dialog>();
    dialog.FindControl<PushButton>("Enter")->SetEnabled(false);
    dialog.Show();
    UiDriver::PressReturn(dialog);
    EXPECT_EQ(dialog.presses, 0);
}

TEST(Window, ImplicitInstanceIsKeptWhileHiddenAndRebuiltAfterClose) {
    Dialog* first = &ImplicitInstance<Dialog>();
    first->ButtonPressed = "Cancel";
    first->Hide();
    EXPECT_EQ(&ImplicitInstance<Dialog>(), first);
    EXPECT_EQ(ImplicitInstance<Dialog>().ButtonPressed, "Cancel");
    first->Close();
    Dialog& second = ImplicitInstance<Dialog>();  // same turn of the event loop
    EXPECT_FALSE(second.IsClosed());
    EXPECT_TRUE(second.ButtonPressed.isEmpty());
    UiDriver::ProcessEvents();
    EXPECT_EQ(&ImplicitInstance<Dialog>(), &second);
}

TEST(Window, ShowModalReturnsWhenTheWindowCloses) {
    Dialog& dialog = ImplicitInstance<Dialog>();
    QPointer<Dialog> guard(&dialog);
    UiDriver::AnswerNextModal([](Window& w) { w.Close(); });
    dialog.ShowModal();
    EXPECT_TRUE(guard.isNull() || guard->IsClosed());
    EXPECT_EQ(UiDriver::PendingAnswers(), 0);
}

TEST(Window, NestedModalsReturnInnermostFirst) {
    auto* outer = new TableWindow(HiddenSpec(), {});
    auto* inner = new TableWindow(HiddenSpec(), {});
    std::vector<QString> log;
    UiDriver::AnswerNextModal([&](Window&) {
        UiDriver::AnswerNextModal([&](Window& w) {
            log.push_back("inner answered");
            w.Hide();
        });
        inner->ShowModal();
        log.push_back("inner returned");
        outer->Hide();
    });
    outer->ShowModal();
    log.push_back("outer returned");
    EXPECT_EQ(log, (std::vector<QString>{"inner answered", "inner returned", "outer returned"}));
}

TEST(Window, ClicksOnBackgroundAndLabelsReachEventMouseDownInContentCoordinates) {
    auto* window = new TableWindow(
        HiddenSpec(),
        {
            {ControlKind::Label, "Text", "", 50, 60, 100, 20, LockNone, 0, "hello", "", {}, {}},
            {ControlKind::TextField, "Field", "", 50, 100, 100, 22, LockNone, 1, "", "", {}, {}},
            {ControlKind::RoundRectangle, "Panel", "", 200, 10, 100, 50, LockNone, 2, "", "", {}, {}},
            {ControlKind::Canvas, "Plain", "", 200, 100, 40, 40, LockNone, 3, "", "", {}, {}},
            {ControlKind::Canvas, "Link", "", 250, 100, 40, 40, LockNone, 4, "", "", {}, Bind<Canvas>([](Canvas& c) {
                 c.MouseDown = [](Canvas&, int x, int y) { return x == 5 && y == 6; };
             })},
        });
    std::vector<QPoint> clicks;
    window->mouseDown = [&clicks](int x, int y) {
        clicks.emplace_back(x, y);
        return false;
    };
    window->Show();
    UiDriver::ClickWindow(*window, 300, 200);
    UiDriver::ClickWindow(*window, 60, 65);    // on the label
    UiDriver::ClickWindow(*window, 60, 110);   // on the field: it takes the click
    UiDriver::ClickWindow(*window, 210, 20);   // the panel
    UiDriver::ClickWindow(*window, 210, 110);  // a canvas with no MouseDown
    UiDriver::ClickWindow(*window, 255, 106);  // a canvas with one takes the click, whatever it returns
    UiDriver::ClickWindow(*window, 260, 120);
    EXPECT_EQ(clicks, (std::vector<QPoint>{QPoint(300, 200), QPoint(60, 65), QPoint(210, 20), QPoint(210, 110)}));
}

TEST(Window, MenuHandlersRunByNameAndReportTheirResult) {
    auto* window = new TableWindow(HiddenSpec(), {});
    int runs = 0;
    window->AddMenuHandler("FileClose", [&runs] {
        ++runs;
        return true;
    });
    EXPECT_TRUE(window->HasMenuHandler("FileClose"));
    EXPECT_FALSE(window->HasMenuHandler("FileSave"));
    EXPECT_TRUE(window->RunMenuHandler("FileClose"));
    EXPECT_FALSE(window->RunMenuHandler("FileSave"));
    EXPECT_EQ(runs, 1);
}

TEST(Window, MenuHandlerMayCloseItsOwnWindow) {
    auto* window = new TableWindow(HiddenSpec(), {});
    window->AddMenuHandler("FileClose", [window] {
        window->Close();
        return false;
    });
    window->Show();
    EXPECT_FALSE(window->RunMenuHandler("FileClose"));
    EXPECT_TRUE(window->IsClosed());
    EXPECT_EQ(Window::Frontmost(), nullptr);
}

}  // namespace

namespace {

// A menu bar arriving after the window is built must not push an unplaced window's frame
// off the screen, and must not move the content area of a window the program placed.
TEST(WindowBars, MenuBarKeepsAnUnplacedFrameAndAPlacedContentArea) {
    auto* unplaced = new TableWindow(HiddenSpec(), {});
    const QPoint frameBefore = unplaced->Widget()->pos();
    unplaced->SetMenuBarWidget(new QMenuBar);
    EXPECT_EQ(unplaced->Widget()->pos(), frameBefore);
    EXPECT_EQ(unplaced->Height(), 300);

    auto* placed = new TableWindow(HiddenSpec(), {});
    placed->SetLeft(40);
    placed->SetTop(200);
    placed->SetMenuBarWidget(new QMenuBar);
    EXPECT_EQ(placed->Left(), 40);
    EXPECT_EQ(placed->Top(), 200);
    EXPECT_EQ(placed->Height(), 300);
}

// The build hook runs before the window's size is set, so the bars it adds are outside the content area.
TEST(WindowBars, BuildHookRunsBeforeTheSizeIsSet) {
    int calls = 0;
    Window::SetBuildHook([&calls](Window& window) {
        ++calls;
        window.SetMenuBarWidget(new QMenuBar);
    });
    auto* window = new TableWindow(HiddenSpec(500, 250), {});
    Window::SetBuildHook(nullptr);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(window->Width(), 500);
    EXPECT_EQ(window->Height(), 250);
}

}  // namespace

namespace {

// A dialog the program does not place shows over the window in front, not in a corner of the screen.
TEST(WindowPlacement, UnplacedDialogIsCentredOverTheFrontWindow) {
    WindowSpec documentSpec = HiddenSpec(600, 400);
    auto* document = new TableWindow(documentSpec, {});
    document->SetLeft(200);
    document->SetTop(150);
    document->Show();

    WindowSpec dialogSpec = HiddenSpec(300, 100);
    dialogSpec.frame = FrameKind::MovableModal;
    auto* dialog = new TableWindow(dialogSpec, {});
    dialog->Show();
    const QRect front = document->Widget()->frameGeometry();
    const QRect shown = dialog->Widget()->frameGeometry();
    EXPECT_LE(std::abs(shown.center().x() - front.center().x()), 2);
    EXPECT_LE(std::abs(shown.center().y() - front.center().y()), 2);
}

}  // namespace

namespace {

bool WholeOnScreen(const QRect& frame) {
    return QGuiApplication::primaryScreen()->availableGeometry().contains(frame);
}

// Centred, up to the frame's margins, which are known only once it is shown.
bool CentredOver(const QRect& frame, const QRect& about) {
    return (frame.center() - about.center()).manhattanLength() <= 4;
}

TableWindow* PlacedWindow(int left, int top) {
    auto* window = new TableWindow(HiddenSpec(500, 300), {});
    window->SetLeft(left);
    window->SetTop(top);
    window->Show();
    return window;
}

// A dialog left hidden and asked again comes back over the window it is now
// about, whole on the screen, and with the focus of its first showing, not
// where the last answer's Tab left it.
TEST(WindowPlacement, EveryModalShowingIsOverItsWindowAndStartsWithTheFirstFocus) {
    TableWindow* topLeft = PlacedWindow(20, 30);
    TableWindow* bottomRight = PlacedWindow(280, 280);
    TableWindow* partlyOff = PlacedWindow(-400, -250);
    Dialog& dialog = ImplicitInstance<Dialog>();
    auto* first = dialog.FindControl<TextField>("EditField1");

    for (Window* over : {static_cast<Window*>(topLeft), static_cast<Window*>(bottomRight),
                         static_cast<Window*>(partlyOff), static_cast<Window*>(topLeft)}) {
        SCOPED_TRACE(over->Left());
        UiDriver::AnswerNextModal([&](Window& shown) {
            UiDriver::Activate(shown);
            EXPECT_EQ(shown.FocusControl(), first);
            EXPECT_EQ(QApplication::focusWidget(), first->Widget());
            const QRect frame = shown.Widget()->frameGeometry();
            const QRect about = over->Widget()->frameGeometry();
            EXPECT_TRUE(WholeOnScreen(frame));
            if (WholeOnScreen(about)) {
                EXPECT_TRUE(CentredOver(frame, about));
            } else {
                EXPECT_TRUE(frame.intersects(about));
            }
            UiDriver::PressTab(shown);
            EXPECT_NE(shown.FocusControl(), first);
            UiDriver::PressEsc(shown);
        });
        dialog.ShowModal(over);
        ASSERT_EQ(dialog.ButtonPressed, "Cancel");
        ASSERT_EQ(&ImplicitInstance<Dialog>(), &dialog) << "the dialog is reused, not built again";
    }
}

// Without a window of its own the question comes over the window in front.
TEST(WindowPlacement, AModalShowingWithoutItsWindowComesOverTheFrontWindow) {
    TableWindow* back = PlacedWindow(20, 30);
    TableWindow* front = PlacedWindow(280, 280);
    Dialog& dialog = ImplicitInstance<Dialog>();
    for (TableWindow* expected : {front, back}) {
        expected->Show();
        UiDriver::AnswerNextModal([expected](Window& shown) {
            EXPECT_TRUE(CentredOver(shown.Widget()->frameGeometry(), expected->Widget()->frameGeometry()));
            UiDriver::PressEsc(shown);
        });
        dialog.ShowModal();
    }
}

}  // namespace
