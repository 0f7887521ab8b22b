// GoogleTest main for the window tests: one QApplication on Qt's offscreen
// platform (unless another is asked for), and no window left over between tests.
#include <gtest/gtest.h>

#include <QApplication>

#include "framework/ui/Window.h"
#include "support/UiDriver.h"

namespace {

class WindowCleanup : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override {
        UiDriver::ClearAnswers();
        Window::DeleteAll();
        UiDriver::ProcessEvents();
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new WindowCleanup);
    return RUN_ALL_TESTS();
}
