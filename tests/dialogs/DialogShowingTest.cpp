// Every showing of a dialog, the first or a hidden one asked again, starts
// with the focus on its safe default and comes over the window it is about.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <functional>
#include <ostream>

#include "dialogs/DeleteEntry.h"
#include "dialogs/DialogTesting.h"
#include "dialogs/Password.h"
#include "dialogs/Password2.h"
#include "dialogs/SaveChanges.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextField.h"
#include "framework/ui/TableWindow.h"
#include "support/FakeDesktop.h"

namespace {

struct ShowingCase {
    const char* name;
    std::function<Window&()> instance;
    const char* safeDefault;  // the control that has the focus at every showing
};

const ShowingCase kShowings[] = {
    {"Password", [] { return std::ref<Window>(Password::Instance()); }, "EditField1"},
    {"Password2", [] { return std::ref<Window>(Password2::Instance()); }, "EditField1"},
    {"SaveChanges", [] { return std::ref<Window>(SaveChanges::Instance()); }, "PushButton3"},
    {"DeleteEntry", [] { return std::ref<Window>(DeleteEntry::Instance()); }, "PushButton1"},
};

void PrintTo(const ShowingCase& c, std::ostream* os) {
    *os << c.name;
}

class DialogShowing : public testing::TestWithParam<ShowingCase> {
protected:
    static TableWindow* Document(int left, int top) {
        WindowSpec spec = HiddenSpec(500, 300);
        auto* window = new TableWindow(spec, {});
        window->SetLeft(left);
        window->SetTop(top);
        window->Show();
        return window;
    }

    FakeDesktop::Guard desktop_;
};

TEST_P(DialogShowing, StartsOnTheSafeDefaultOverItsWindowEachTime) {
    TableWindow* first = Document(10, 20);
    TableWindow* second = Document(290, 270);
    Window& dialog = GetParam().instance();
    auto* safe = dialog.FindControl<RectControl>(GetParam().safeDefault);
    for (TableWindow* over : {first, second, first}) {
        Ask(
            dialog,
            [&](Window& shown) {
                UiDriver::Activate(shown);
                EXPECT_EQ(shown.FocusControl(), safe);
                EXPECT_EQ(QApplication::focusWidget(), safe->Widget());
                const QPoint centre = shown.Widget()->frameGeometry().center();
                EXPECT_LE((centre - over->Widget()->frameGeometry().center()).manhattanLength(), 4);
                // The user moves the focus away, then answers with Esc.
                UiDriver::PressTab(shown);
                EXPECT_NE(shown.FocusControl(), safe);
                UiDriver::PressEsc(shown);
            },
            over);
        ASSERT_EQ(&GetParam().instance(), &dialog) << "left hidden, asked again";
    }
}

INSTANTIATE_TEST_SUITE_P(AllDialogs, DialogShowing, testing::ValuesIn(kShowings),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
