// A window placed from a stored place keeps its whole frame on its screen.
// These tests run on whatever screens the platform has (ctest runs them again
// on two screens side by side and at a scale factor of 2), so every
// expectation is reckoned from the screen's own available area.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <functional>

#include "TableWindow.h"
#include "framework/ui/ScreenFit.h"
#include "support/UiDriver.h"

namespace {

struct FitCase {
    const char* name;
    QRect content;
    int bars;
    QMargins margins;
    QRect area;
    QRect fitted;
};

TEST(ScreenFit, MovesAndShrinksTheLeastForTheWholeFrameToFit) {
    const QRect screen(0, 0, 1280, 800);
    const QMargins wm(1, 20, 1, 5);  // a window manager's title bar and borders
    const FitCase cases[] = {
        {"fits: as stored", {40, 200, 639, 376}, 76, wm, screen, {40, 200, 639, 376}},
        {"title and menu bar above the screen", {40, 60, 639, 376}, 76, wm, screen, {40, 96, 639, 376}},
        {"top 0 hides the toolbar too", {40, 0, 639, 376}, 76, wm, screen, {40, 96, 639, 376}},
        {"exactly at the edges", {1, 96, 1278, 699}, 76, wm, screen, {1, 96, 1278, 699}},
        {"past the right and bottom edges", {1000, 600, 639, 376}, 76, wm, screen, {640, 419, 639, 376}},
        {"larger than the screen", {40, 200, 32000, 32000}, 76, wm, screen, {1, 96, 1278, 699}},
        {"saved at scale 1, shown at 2", {600, 300, 639, 376}, 76, {1, 10, 1, 3}, {0, 0, 640, 400}, {1, 86, 638, 311}},
        {"a second screen below a panel", {1300, 40, 639, 376}, 76, {}, {1280, 30, 1024, 738}, {1300, 106, 639, 376}},
        {"no room at all", {10, 10, 639, 376}, 76, wm, {0, 0, 50, 50}, {1, 96, 48, 1}},
    };
    for (const FitCase& c : cases)
        EXPECT_EQ(ScreenFit::Fit(c.content, c.bars, c.margins, c.area), c.fitted) << c.name;
}

// A window with a menu bar and a toolbar above its content, like a document window.
class KeepOnScreen : public testing::Test {
protected:
    TableWindow* Make(const WindowSpec& spec) {
        auto* window =
            new TableWindow(spec, {{ControlKind::ToolbarItem, "Add", "", 0, 0, 0, 0, LockNone, 0, "Add", "", {}, {}}});
        auto* menuBar = new QWidget;
        menuBar->setFixedHeight(25);
        window->SetMenuBarWidget(menuBar);
        return window;
    }
    static QRect Area(QScreen* screen = QGuiApplication::primaryScreen()) { return screen->availableGeometry(); }
    static QRect Content(const Window& w) { return QRect(w.Left(), w.Top(), w.Width(), w.Height()); }
    static QMargins Margins(const Window& w) {
        return w.Widget()->windowHandle() ? w.Widget()->windowHandle()->frameMargins() : QMargins();
    }
    static int Bars(const Window& w) { return w.Top() - w.Widget()->geometry().y(); }
    // The whole frame: title bar and borders, menu bar, toolbar and content.
    static QRect Frame(const Window& w) {
        const QMargins m = Margins(w);
        return Content(w).marginsAdded(QMargins(m.left(), m.top() + Bars(w), m.right(), m.bottom()));
    }
    static void Place(Window& w, const QRect& content) {
        w.SetLeft(content.left());
        w.SetTop(content.top());
        w.SetWidth(content.width());
        w.SetHeight(content.height());
    }
};

struct PlaceCase {
    const char* name;
    // The stored place, on the screen's available area a, given the bars above
    // the content b and the frame's margins m; empty expected: as stored.
    std::function<QRect(const QRect&a, int b, const QMargins&m)> stored, expected;
};

TEST_F(KeepOnScreen, AStoredPlaceThatFitsIsKeptExactlyAndAnotherIsMovedAndShrunkTheLeast) {
    const PlaceCase cases[] = {
        {"fits",
         [](const QRect& a, int b, const QMargins& m) {
             return QRect(a.left() + m.left() + 20, a.top() + m.top() + b + 20, 200, 150);
         },
         {}},
        {"top 0 and left 0", [](const QRect& a, int, const QMargins&) { return QRect(a.topLeft(), QSize(200, 150)); },
         [](const QRect& a, int b, const QMargins& m) {
             return QRect(a.left() + m.left(), a.top() + m.top() + b, 200, 150);
         }},
        {"bars above the screen",
         [](const QRect& a, int, const QMargins&) { return QRect(a.left() + 40, a.top() + 10, 200, 150); },
         [](const QRect& a, int b, const QMargins& m) {
             return QRect(a.left() + 40, a.top() + m.top() + b, 200, 150);
         }},
        {"past the right and bottom edges",
         [](const QRect& a, int, const QMargins&) { return QRect(a.right() - 50, a.bottom() - 50, 200, 150); },
         [](const QRect& a, int, const QMargins& m) {
             return QRect(a.right() + 1 - m.right() - 200, a.bottom() + 1 - m.bottom() - 150, 200, 150);
         }},
        {"65000 by 65000",
         [](const QRect& a, int, const QMargins&) { return QRect(a.left() + 10, a.top() + 100, 65000, 65000); },
         [](const QRect& a, int b, const QMargins& m) {
             return a.marginsRemoved(QMargins(m.left(), m.top() + b, m.right(), m.bottom()));
         }},
        {"twice as wide as the screen",
         [](const QRect& a, int b, const QMargins& m) {
             return QRect(a.left() + 10, a.top() + m.top() + b, 2 * a.width(), 150);
         },
         [](const QRect& a, int b, const QMargins& m) {
             return QRect(a.left() + m.left(), a.top() + m.top() + b, a.width() - m.left() - m.right(), 150);
         }},
    };
    for (const PlaceCase& c : cases) {
        TableWindow* w = Make(HiddenSpec(300, 200));
        const QRect a = Area();
        const QRect stored = c.stored(a, Bars(*w), Margins(*w));
        const auto expected = [&] { return c.expected ? c.expected(a, Bars(*w), Margins(*w)) : stored; };
        Place(*w, stored);
        w->KeepOnScreen();
        // Fitted before it is shown, with the borders known so far: no native
        // window larger than the screen is made.
        EXPECT_EQ(Content(*w), expected()) << c.name;
        w->Show();
        UiDriver::ProcessEvents();
        EXPECT_EQ(Content(*w), expected()) << c.name << " once shown";
        EXPECT_TRUE(a.contains(Frame(*w))) << c.name;
        EXPECT_TRUE(a.contains(w->Widget()->frameGeometry())) << c.name;
        w->Close();
        UiDriver::ProcessEvents();
    }
}

TEST_F(KeepOnScreen, AScreenSmallerThanTheMinimumSizeWins) {
    WindowSpec spec = HiddenSpec(300, 200);
    spec.minWidth = Area().width() + 100;
    spec.minHeight = Area().height() + 100;
    spec.width = spec.minWidth;
    spec.height = spec.minHeight;
    TableWindow* w = Make(spec);
    w->SetLeft(Area().left());
    w->SetTop(Area().top());
    w->KeepOnScreen();
    w->Show();
    UiDriver::ProcessEvents();
    EXPECT_TRUE(Area().contains(Frame(*w)))
        << qPrintable(QString("%1,%2 %3x%4").arg(w->Left()).arg(w->Top()).arg(w->Width()).arg(w->Height()));
    EXPECT_EQ(Frame(*w).size(), Area().size());
}

TEST_F(KeepOnScreen, AWindowTheProgramDidNotPlaceIsLeftToThePlatformWhereItFits) {
    WindowSpec spec = HiddenSpec(300, 200);
    TableWindow* w = Make(spec);
    w->SetWidth(65000);
    w->KeepOnScreen();
    EXPECT_LE(Frame(*w).width(), Area().width());  // shrunk at once, not moved yet
    w->Show();
    UiDriver::ProcessEvents();
    EXPECT_TRUE(Area().contains(Frame(*w)));
    EXPECT_TRUE(Area().contains(w->Widget()->frameGeometry()));
}

TEST_F(KeepOnScreen, AWindowOnASecondScreenIsFittedToThatScreen) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() < 2)
        GTEST_SKIP() << "one screen only; ctest runs this again on two (ui_placement_two_screens)";
    QScreen* second = screens.at(1);
    const QRect a = Area(second);
    TableWindow* w = Make(HiddenSpec(300, 200));
    Place(*w, QRect(a.left() + 30, a.top() + 5, 200, 150));  // the bars above the screen's top
    w->KeepOnScreen();
    w->Show();
    UiDriver::ProcessEvents();
    EXPECT_EQ(w->Widget()->screen(), second);
    EXPECT_EQ(w->Left(), a.left() + 30);
    EXPECT_EQ(Frame(*w).top(), a.top());
    EXPECT_TRUE(a.contains(Frame(*w)));
}

}  // namespace
