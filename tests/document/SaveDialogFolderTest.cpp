// The save and export dialogs start in the document's own folder, where the
// user keeps it, not in the folder the program was started from.
#include <gtest/gtest.h>

#include <QDir>

#include "document/MainWindowSaveTestSupport.h"

using namespace savetest;

namespace {

TEST(SaveDialogFolder, SaveAsAndExportStartInTheDocumentsFolder) {
    FakeDesktop::Guard desktop;
    ASSERT_TRUE(QDir(desktop->TempPath("")).mkpath("Banking/2024"));
    const QString folder = desktop->TempPath("Banking/2024");

    // A new document has no folder yet: the dialogs choose their own.
    MainWindow* window = NewDocumentWindow({Entry("Bank", "", "", "1234")});
    desktop->CancelSave();
    window->RunMenuHandler("FileExport");
    SaveNew(*window, *desktop, "Banking/2024/Bank.brimel", "pw");
    EXPECT_EQ(desktop->saveFolders, (QStringList{"", ""}));

    desktop->saveFolders.clear();
    AnswerPassword("pw");
    desktop->CancelSave();
    window->RunMenuHandler("FileExport");
    AnswerPassword("pw");
    AnswerNewPassword("new");
    desktop->CancelSave();
    window->RunMenuHandler("FileSaveAs");
    EXPECT_EQ(desktop->saveFolders, (QStringList{folder, folder}));
    EXPECT_EQ(desktop->saveNames.mid(2), (QStringList{"Bank.tsv", "Bank.brimel"}));
    EXPECT_EQ(UiDriver::PendingAnswers(), 0);
}

}  // namespace
