#include "framework/ui/DesktopServices.h"
#include "framework/ui/DesktopServicesQt.h"
#include "support/FakeDesktop.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(FakeDesktopTest, RecordsWhatTheProgramShowsAndHandsOver) {
    FakeDesktop::Guard desktop;

    MsgBox("Wrong Password!");
    ShowURL("https://example.com/brimel");
    ShowURL("mailto:someone@example.com");
    DesktopServices::Get().SetClipboardText("s3cret");

    EXPECT_EQ(desktop->messages, QStringList{"Wrong Password!"});
    EXPECT_EQ(desktop->urls, (QStringList{"https://example.com/brimel", "mailto:someone@example.com"}));
    EXPECT_EQ(desktop->ClipboardText(), "s3cret");
}

TEST(FakeDesktopTest, AnAddressTheDesktopCannotOpenIsReported) {
    FakeDesktop::Guard desktop;
    EXPECT_TRUE(ShowURL("https://example.com/brimel"));
    EXPECT_TRUE(desktop->messages.isEmpty());
    desktop->opensUrls = false;
    EXPECT_FALSE(ShowURL("mailto:someone@example.com"));
    EXPECT_EQ(desktop->messages,
              QStringList{"\u201Cmailto:someone@example.com\u201D could not be opened: no program on this computer is "
                          "set up to open it."});
}

TEST(FakeDesktopTest, FileDialogsAnswerFromTheirQueuesInOrder) {
    FakeDesktop::Guard desktop;
    desktop->AnswerOpen("a.brimel");
    desktop->CancelOpen();
    desktop->AnswerSave("b.brimel");
    desktop->CancelSave();

    auto opened = GetOpenFolderItem();
    ASSERT_TRUE(opened.has_value());
    EXPECT_EQ(opened->NativePath(), desktop->TempPath("a.brimel"));
    EXPECT_FALSE(GetOpenFolderItem().has_value());
    auto saved = GetSaveFolderItem("", "untitled1.brimel");
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->Name(), "b.brimel");
    EXPECT_FALSE(GetSaveFolderItem("", "x").has_value());
    EXPECT_EQ(desktop->saveNames, (QStringList{"untitled1.brimel", "x"}));
    EXPECT_EQ(desktop->unansweredDialogs, 0);

    // Past the queue every dialog is cancelled, and counted.
    EXPECT_FALSE(GetOpenFolderItem().has_value());
    EXPECT_EQ(desktop->unansweredDialogs, 1);
}

TEST(FakeDesktopTest, MsgBoxHookRunsWhileTheMessageIsUp) {
    FakeDesktop::Guard desktop;
    QStringList seen;
    desktop->onMsgBox = [&](const QString& text) { seen.append(text + "!"); };
    MsgBox("Hello");
    EXPECT_EQ(seen, QStringList{"Hello!"});
}

TEST(FakeDesktopTest, GuardsNestAndPutBackWhatTheyReplaced) {
    FakeDesktop::Guard outer;
    {
        FakeDesktop::Guard inner;
        EXPECT_EQ(&DesktopServices::Get(), &*inner);
        ShowURL("inner");
        EXPECT_EQ(inner->urls, QStringList{"inner"});
    }
    EXPECT_EQ(&DesktopServices::Get(), &*outer);
    ShowURL("outer");
    EXPECT_EQ(outer->urls, QStringList{"outer"});
}

TEST(FakeDesktopTest, ScreenZeroIsTheFakesMainScreen) {
    FakeDesktop::Guard desktop;
    desktop->screenWidth = 1280;
    desktop->screenHeight = 1024;
    EXPECT_EQ(Screen(0).Width(), 1280);
    EXPECT_EQ(Screen(0).Height(), 1024);
    EXPECT_EQ(Screen(1).Width(), 0);
}

TEST(DesktopServicesQtTest, ScreenZeroIsTheMainScreen) {
    DesktopServicesQt desktop;
    EXPECT_GT(desktop.ScreenWidth(0), 0);
    EXPECT_GT(desktop.ScreenHeight(0), 0);
    EXPECT_EQ(desktop.ScreenWidth(99), 0);
    EXPECT_EQ(desktop.ScreenHeight(-1), 0);
}

// Qt's own save dialog, as the user meets it: in the folder given, with the
// proposed name filled in; in its own choice of folder when given none.
TEST(DesktopServicesQtTest, TheSaveDialogStartsInTheFolderGivenWithTheProposedName) {
    QTemporaryDir temp;
    ASSERT_TRUE(QDir(temp.path()).mkpath("My Documents"));
    const QString folder = QDir(temp.path()).filePath("My Documents");
    DesktopServicesQt desktop;
    for (const FolderItem& given : {FolderItem(folder), FolderItem()}) {
        QString shownFolder;
        QString shownName;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                poll.stop();
                shownFolder = dialog->directory().absolutePath();
                shownName = QFileInfo(dialog->selectedFiles().value(0)).fileName();
                dialog->reject();
            }
        });
        poll.start(10);
        EXPECT_FALSE(desktop.GetSaveFolderItem(QString(), "Bank.tsv", given).has_value());
        EXPECT_EQ(shownName, "Bank.tsv");
        if (!given.IsNull()) {
            EXPECT_EQ(shownFolder, folder);
        } else {
            EXPECT_FALSE(shownFolder.isEmpty());
        }
    }
}

TEST(DesktopServicesTest, SetNullRestoresTheDesktopsOwn) {
    auto previous = DesktopServices::Set(std::make_unique<FakeDesktop>());
    auto fake = DesktopServices::Set(nullptr);
    EXPECT_NE(dynamic_cast<FakeDesktop*>(fake.get()), nullptr);
    EXPECT_NE(dynamic_cast<DesktopServicesQt*>(&DesktopServices::Get()), nullptr);
    DesktopServices::Set(std::move(previous));
}

}  // namespace
