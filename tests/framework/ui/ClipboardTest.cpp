#include "framework/ui/Clipboard.h"
#include "framework/ui/DesktopServicesQt.h"
#include "support/FakeDesktop.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

TEST(ClipboardTest, CloseHandsTheTextToTheDesktopOnce) {
    FakeDesktop::Guard desktop;
    Clipboard clipboard;
    clipboard.SetText("user@example.com");
    EXPECT_TRUE(desktop->clipboardTexts.isEmpty());
    clipboard.Close();
    EXPECT_EQ(desktop->clipboardTexts, QStringList{"user@example.com"});
}

TEST(ClipboardTest, EmptyTextStillReplacesTheClipboard) {
    FakeDesktop::Guard desktop;
    Clipboard clipboard;
    clipboard.Close();
    EXPECT_EQ(desktop->clipboardTexts, QStringList{""});
}

TEST(ClipboardQtTest, ClipboardTextIsMarkedAsAPassword) {
    DesktopServicesQt desktop;
    desktop.SetClipboardText(QString::fromUtf8("p\xC3\xA4ss"));

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), QString::fromUtf8("p\xC3\xA4ss"));
    EXPECT_EQ(data->data(DesktopServices::kPasswordHintType), QByteArray("secret"));
}

TEST(ClipboardQtTest, EmptyTextReplacesTheClipboard) {
    DesktopServicesQt desktop;
    desktop.SetClipboardText("old");
    desktop.SetClipboardText("");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "");
}

}  // namespace
