#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <ostream>
#include <vector>

#include "app/App.h"
#include "app/AppStartup.h"
#include "app/Menu.h"
#include "dialogs/Password.h"
#include "document/MainWindow.h"
#include "document/format/RecordEncoder.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Window.h"
#include "support/FakeDesktop.h"
#include "support/UiDriver.h"

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

// The program as start-up leaves it (file type, application object, menu bar
// and bindings), with the desktop answered by a FakeDesktop.
class AppTest : public testing::Test {
protected:
    void SetUp() override {
        AppStartup::Startup();
        app = App::Instance();
        ASSERT_NE(app, nullptr);
    }

    void TearDown() override {
        EXPECT_EQ(UiDriver::PendingAnswers(), 0) << "a queued answer was never used";
        AppStartup::ReleaseGlobals();
        UiDriver::ProcessEvents();
    }

    // The document windows not closed, frontmost first.
    static std::vector<MainWindow*> DocumentWindows() {
        std::vector<MainWindow*> windows;
        for (Window* w : Window::All())
            if (auto* doc = dynamic_cast<MainWindow*>(w))
                windows.push_back(doc);
        return windows;
    }

    static QStringList DocumentTitles() {
        QStringList titles;
        for (MainWindow* w : DocumentWindows())
            titles << w->Title();
        return titles;
    }

    // The next password question is answered as a user does: typed, then Return.
    static void AnswerPassword(const QString& password) {
        UiDriver::AnswerNextModal([password](Window& w) {
            auto& dialog = dynamic_cast<Password&>(w);
            UiDriver::Type(dialog.EditField1(), password);
            UiDriver::PressReturn(dialog);
        });
    }

    static void CancelPassword() {
        UiDriver::AnswerNextModal([](Window& w) { UiDriver::PressEsc(dynamic_cast<Password&>(w)); });
    }

    // A document's bytes: the records' texts enciphered in one pass under password.
    static QByteArray Document(const QString& password, const std::vector<QByteArray>& texts) {
        return testdoc::encodeRecords(password.toUtf8(), texts);
    }

    // The records of a current-format document: header, geometry, five fields per entry.
    static std::vector<QByteArray> CurrentRecords(const QByteArray& geometry, const std::vector<EntryRow>& rows) {
        std::vector<QByteArray> texts{"BRIMEL141", geometry};
        for (const EntryRow& row : rows)
            for (const QString& cell : row)
                texts.push_back(testdoc::macRoman(cell));
        return texts;
    }

    // Writes bytes to name in the fake's temporary folder; returns the path.
    QString WriteFile(const QString& name, const QByteArray& bytes) {
        const QString path = desktop->TempPath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QStringList Titles(const MainWindow& w) {
        QStringList titles;
        for (int i = 0; i < w.entry; ++i)
            titles << w.myArray[std::size_t(i)][0];
        return titles;
    }

    FakeDesktop::Guard desktop;
    App* app = nullptr;
};
