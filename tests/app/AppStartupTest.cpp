#include "app/About.h"
#include "app/FileTypes.h"
#include "app/WebAddresses.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/ToolbarItem.h"
#include "generator/GeneratePwd.h"
#include "app/AppTestFixture.h"

namespace {

using AppStartupTest = AppTest;

TEST_F(AppStartupTest, RegistersTheDocumentFileType) {
    FileType* type = FileTypes::pBrimelDocument();
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->Name, "Brimel Document");
    EXPECT_EQ(type->Extensions, ".brimel");
    EXPECT_EQ(type->MacType, "TEXT");
    EXPECT_EQ(type->MacCreator, "ZOKA");
}

TEST_F(AppStartupTest, InstallsTheMenuBarAndBindsTheNineApplicationHandlers) {
    EXPECT_EQ(app->MenuBar(), &Menu::Instance());
    for (const char* name : {"FileNew", "FileOpen", "AppleAbout", "PayforBrimelInformation", "FileQuit",
                             "ToolsGeneratePassword", "HelpVisitWebsite", "HelpEMailAuthor", "HelpReadFAQ"})
        EXPECT_TRUE(app->HasMenuHandler(name)) << name;
    EXPECT_FALSE(app->HasMenuHandler("FileSave"));
    EXPECT_FALSE(app->HasMenuHandler("FileClose"));
}

TEST_F(AppStartupTest, LaunchWithoutDocumentOpensUntitled1Unlocked) {
    app->DeliverLaunchEvents({});

    ASSERT_EQ(DocumentTitles(), QStringList{"untitled1"});
    MainWindow& w = *DocumentWindows().front();
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.entry, 1);
    EXPECT_EQ(w.myArray[0][0], "New Entry");
    ASSERT_EQ(w.ListBox1().ListCount(), 1);
    EXPECT_EQ(w.ListBox1().List(0), "New Entry");
    EXPECT_EQ(w.ListBox1().ListIndex(), 0);
    EXPECT_EQ(w.EditField1().Text(), "New Entry");
    EXPECT_FALSE(w.EntriesAreLocked);
    EXPECT_FALSE(w.EditField1().ReadOnly());
    EXPECT_FALSE(w.EditField2().ReadOnly());
    EXPECT_FALSE(w.EditField3().ReadOnly());
    EXPECT_FALSE(w.EditField4().ReadOnly());
    EXPECT_FALSE(w.EditField5().ReadOnly());
    EXPECT_EQ(w.ToolbarItem4().Caption(), "Unlocked");
    EXPECT_FALSE(w.ToolbarItem4().Image().isNull());
    EXPECT_FALSE(w.TextHasChanged);
    EXPECT_TRUE(w.Document.IsNull());
    EXPECT_TRUE(w.key.isEmpty());
    // Not modified: closing it asks nothing (an unanswered question fails the test).
    EXPECT_TRUE(w.Close());
    EXPECT_TRUE(DocumentWindows().empty());
}

TEST_F(AppStartupTest, FileNewNumbersOnAlsoWhenWindowsCloseInBetween) {
    app->DeliverLaunchEvents({});
    Menu::Instance().Choose("FileNew");
    DocumentWindows().front()->Close();
    Menu::Instance().Choose("FileNew");
    Menu::Instance().Choose("FileNew");

    EXPECT_EQ(DocumentTitles(), (QStringList{"untitled4", "untitled3", "untitled1"}));
    EXPECT_EQ(app->WindowCounter, 4);
}

TEST_F(AppStartupTest, LaunchWithDocumentsOpensEachAndNoUntitledWindow) {
    const QString a = WriteFile("a.brimel", Document("pw", CurrentRecords("0*0*639*376", {{"A", "", "", "", ""}})));
    const QString b = WriteFile("b.brimel", Document("pw", CurrentRecords("0*0*639*376", {{"B", "", "", "", ""}})));
    AnswerPassword("pw");
    AnswerPassword("pw");

    app->DeliverLaunchEvents({a, b});

    EXPECT_EQ(DocumentTitles(), (QStringList{"b.brimel", "a.brimel"}));
    EXPECT_EQ(app->WindowCounter, 0);
}

TEST_F(AppStartupTest, HelpItemsHandTheirAddressesToTheSystem) {
    const struct {
        const char* item;
        QString url;
    } cases[] = {
        {"HelpVisitWebsite", WebAddresses::WebPage()},
        {"HelpReadFAQ", WebAddresses::WebPage() + "/faq.html"},
        {"HelpEMailAuthor", WebAddresses::EMailAuthor()},
    };
    for (const auto& c : cases) {
        desktop->urls.clear();
        EXPECT_FALSE(Menu::Instance().Choose(c.item)) << c.item;
        EXPECT_EQ(desktop->urls, QStringList{c.url}) << c.item;
    }
    EXPECT_TRUE(WebAddresses::WebPage().endsWith("/brimel"));
    EXPECT_TRUE(WebAddresses::EMailAuthor().startsWith("mailto:"));
    EXPECT_TRUE(Window::All().isEmpty());
}

TEST_F(AppStartupTest, AboutAndInformationShowOneAboutWindow) {
    Menu::Instance().Choose("AppleAbout");
    About* first = &About::Instance();
    EXPECT_TRUE(first->Visible());
    Menu::Instance().Choose("PayforBrimelInformation");
    Menu::Instance().Choose("AppleAbout");

    int abouts = 0;
    for (Window* w : Window::All())
        abouts += dynamic_cast<About*>(w) != nullptr;
    EXPECT_EQ(abouts, 1);
    EXPECT_EQ(&About::Instance(), first);
    EXPECT_EQ(Window::Frontmost(), first);
}

TEST_F(AppStartupTest, GeneratePasswordShowsTheGenerator) {
    EXPECT_FALSE(Menu::Instance().Choose("ToolsGeneratePassword"));
    EXPECT_TRUE(GeneratePwd::Instance().Visible());
    EXPECT_EQ(Window::Frontmost(), &GeneratePwd::Instance());
}

// Quit's True is tested inside the event loop (AppQuitTest): outside it a quit
// would end every later event loop of the test program at once.
TEST_F(AppStartupTest, HandlersOtherThanQuitReportFalse) {
    app->DeliverLaunchEvents({});
    desktop->CancelOpen();
    for (const char* name : {"FileNew", "FileOpen", "HelpVisitWebsite", "PayforBrimelInformation"})
        EXPECT_FALSE(Menu::Instance().Choose(name)) << name;
}

}  // namespace
