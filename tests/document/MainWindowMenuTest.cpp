#include <gtest/gtest.h>

#include <QPointer>

#include "document/MainWindowSaveTestSupport.h"
#include "framework/ui/Application.h"
#include "framework/ui/MenuBar.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/TextArea.h"

using namespace savetest;

namespace {

// An application whose bar holds the items a document window serves, all
// left to the enabling handlers.
class MainWindowMenuTest : public ::testing::Test {
protected:
    static MenuItem* Make(const QString& name, const QString& text) {
        auto* item = new MenuItem();
        item->SetName(name);
        item->SetText(text);
        item->SetAutoEnable(false);
        return item;
    }

    void SetUp() override {
        MenuItem* file = Make("UntitledMenu2", "File");
        MenuItem* edit = Make("UntitledMenu0", "Edit");
        bar.Append(file);
        bar.Append(edit);
        for (const char* name : {"FileNew", "FileClose", "FileSave", "FileSaveAs", "FileExport"})
            file->Append(Make(name, name));
        edit->Append(Make("EditSelectAll", "Select All"));
        app.SetMenuBar(&bar);
        window = NewDocumentWindow({Entry("Bank", "https://b.example", "jo", "1234", "two\rlines")});
        UiDriver::Activate(*window);
    }

    void TearDown() override {
        Window::DeleteAll();
        app.SetMenuBar(nullptr);
    }

    QStringList Enabled() {
        bar.EnableMenuItems();
        QStringList names;
        for (const char* name : {"FileNew", "FileClose", "FileSave", "FileSaveAs", "FileExport", "EditSelectAll"})
            if (bar.Lookup(name)->Enabled())
                names << name;
        return names;
    }

    FakeDesktop::Guard desktop;
    Application app;
    MenuBar bar;
    QPointer<MainWindow> window;
};

TEST_F(MainWindowMenuTest, SaveIsEnabledOnlyWhileTheDocumentIsModified) {
    const QStringList always{"FileClose", "FileSaveAs", "FileExport", "EditSelectAll"};
    EXPECT_EQ(Enabled(), always);

    EditNotes(*window, "!");
    EXPECT_EQ(Enabled(), (QStringList{"FileClose", "FileSave", "FileSaveAs", "FileExport", "EditSelectAll"}));

    SaveNew(*window, *desktop, "Bank.brimel", "pw");
    EXPECT_EQ(Enabled(), always);
}

TEST_F(MainWindowMenuTest, TheFiveItemsRunTheFrontWindowsCommands) {
    // Save: a new document asks for a password first.
    CancelNewPassword();
    bar.Choose("FileSave");
    EXPECT_EQ(UiDriver::PendingAnswers(), 0);
    // Save As of a document without a password: straight to the new password.
    CancelNewPassword();
    bar.Choose("FileSaveAs");
    EXPECT_EQ(UiDriver::PendingAnswers(), 0);
    // Export: the save dialog, cancelled.
    desktop->CancelSave();
    bar.Choose("FileExport");
    EXPECT_EQ(desktop->saveNames, QStringList{"untitled1.tsv"});

    bar.Choose("EditSelectAll");
    EXPECT_EQ(window->EditField3().SelLength(), 2);

    bar.Choose("FileClose");
    EXPECT_TRUE(!window || window->IsClosed());
}

struct Texts {
    const char* name;
    QString text;
};

const Texts kTexts[] = {
    {"Empty", ""},
    {"Plain", "hello world"},
    {"BeyondTheBasicPlane", "a\U0001F600b"},  // one character, two UTF-16 units
};

class MainWindowSelectAll : public MainWindowMenuTest, public ::testing::WithParamInterface<Texts> {};

TEST_P(MainWindowSelectAll, SelectsTheWholeTextOfTheFiveFieldsAndChangesNothing) {
    const QString text = GetParam().text;
    window->EditField1().SetText(text);
    window->EditField2().SetText(text);
    window->EditField3().SetText(text);
    window->EditField4().SetText(text);
    window->EditField5().SetText(text);
    window->TextHasChanged = false;
    UiDriver::ClickToolbarItem(window->ToolbarItem4());  // write-protected again
    ASSERT_TRUE(window->EntriesAreLocked);

    bar.Choose("EditSelectAll");

    for (TextField* field :
         {&window->EditField1(), &window->EditField2(), &window->EditField3(), &window->EditField4()}) {
        EXPECT_EQ(field->SelStart(), 0);
        EXPECT_EQ(field->SelLength(), text.size());
        EXPECT_EQ(field->Text(), text);
    }
    EXPECT_EQ(window->EditField5().SelStart(), 0);
    EXPECT_EQ(window->EditField5().SelLength(), text.size());
    EXPECT_FALSE(window->TextHasChanged);
}

INSTANTIATE_TEST_SUITE_P(Texts, MainWindowSelectAll, ::testing::ValuesIn(kTexts),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
