#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "framework/ui/RectControl.h"
#include "framework/ui/Window.h"
#include "support/UiDriver.h"

// Tabs until the control has the focus, never more than a round of the dialog's controls.
inline void TabTo(Window& dialog, RectControl& control) {
    for (int i = 0; i < 8 && dialog.FocusControl() != &control; ++i)
        UiDriver::PressTab(dialog);
    ASSERT_EQ(dialog.FocusControl(), &control) << control.Name().toStdString();
}

// Shows the dialog as its callers do, over the window it is about (the front
// window when null), and lets answer act as the user while ShowModal waits.
// An answer that leaves the dialog asking fails the test (instead of hanging
// it) and hides the dialog.
inline void Ask(Window& dialog, std::function<void(Window&)> answer, Window* over = nullptr) {
    UiDriver::AnswerNextModal([answer](Window& shown) {
        answer(shown);
        if (shown.Visible()) {
            ADD_FAILURE() << "the dialog is still asking after the answer";
            shown.Hide();
        }
    });
    dialog.ShowModal(over);
    EXPECT_EQ(UiDriver::PendingAnswers(), 0) << "ShowModal returned before the dialog was answered";
}
