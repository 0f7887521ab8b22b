#include "app/About.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include "app/Pictures.h"
#include "app/WebAddresses.h"
#include "dialogs/TextFits.h"
#include "framework/ui/Application.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Label.h"
#include "framework/ui/MenuBar.h"
#include "framework/ui/Picture.h"
#include "framework/ui/RoundRectangle.h"
#include "support/FakeDesktop.h"
#include "support/UiDriver.h"

namespace {

const QString kPayPal =
    "https://payments.example.net/cgi-bin/webscr?cmd=_xclick&business=payments@example.com&item_name=Brimel"
    "&no_shipping=1&lc=US&return=http://www.example.com/paypal/success.html"
    "&cancel_return=http://www.example.com/paypal/cancel.html&cn=Your Comments (optional)";
const QString kKagi = "http://order.example.net/?BRIMEL&lang=en";

// The About window on a fake 1024 x 768 desktop, with the program's pictures.
class AboutFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Picture::SetResourcesFolder(
            FolderItem(QDir(QStringLiteral(BRIMEL_TEST_DATA "/../../resources/pictures")).absolutePath()));
    }
    void TearDown() override { Picture::SetResourcesFolder(FolderItem()); }

    FakeDesktop::Guard desktop;
};

TEST_F(AboutFixture, ShowsItsTextsWhereTheLayoutPutsThem) {
    About& about = About::Instance();
    EXPECT_EQ(about.Title(), "About Brimel");
    EXPECT_EQ(about.Width(), 240);
    EXPECT_EQ(about.Height(), 352);
    EXPECT_TRUE(about.Visible());
    const struct {
        Label* label;
        QRect rect;
        QString text;
        int size;
        bool bold;
    } labels[] = {
        {about.StaticText1(), {20, 82, 200, 19}, "Brimel", 14, true},
        {about.StaticText2(), {20, 109, 200, 12}, "Version 1.8.2", 10, false},
        {about.StaticText4(),
         {20, 129, 200, 56},
         "Brimel is a tool to store all your passwords, website logins, serial numbers, etc. encrypted and "
         "password-protected.",
         10,
         false},
        {about.StaticText5(),
         {20, 197, 200, 63},
         "\rYou can donate through PayPal or Kagi by clicking on one of the buttons below.",
         10,
         false},
    };
    for (const auto& row : labels) {
        ASSERT_NE(row.label, nullptr);
        EXPECT_EQ(row.label->Rect(), row.rect) << row.label->Name().toStdString();
        EXPECT_EQ(row.label->Text(), row.text) << row.label->Name().toStdString();
        EXPECT_EQ(row.label->TextSize(), row.size) << row.label->Name().toStdString();
        EXPECT_EQ(row.label->Bold(), row.bold) << row.label->Name().toStdString();
    }
    // The credit notice: two lines.
    ASSERT_NE(about.StaticText3(), nullptr);
    EXPECT_EQ(about.StaticText3()->Rect(), QRect(20, 317, 200, 27));
    EXPECT_EQ(about.StaticText3()->Text().count('\r'), 1);
}

TEST_F(AboutFixture, EveryTextShowsWholeInItsBox) {
    About& about = About::Instance();
    ExpectEveryTextFits(about);
    // The notice's two lines each fit the width, so neither wraps out of sight.
    Label* notice = about.StaticText3();
    for (const QString& line : notice->Text().split('\r'))
        EXPECT_TRUE(Fits(notice->Widget(), line, false)) << line.toStdString();
}

TEST_F(AboutFixture, GreyPanelHoldsThePaymentButtonsWithTheirPictures) {
    About& about = About::Instance();
    ASSERT_NE(about.RoundRectangle1(), nullptr);
    EXPECT_EQ(about.RoundRectangle1()->Rect(), QRect(12, 188, 216, 116));
    EXPECT_EQ(about.RoundRectangle1()->FillColor(), QColor("#7F7F7F"));
    EXPECT_EQ(about.RoundRectangle1()->CornerSize(), 16);
    EXPECT_EQ(about.Canvas2()->Rect(), QRect(52, 264, 62, 31));
    EXPECT_EQ(about.Canvas3()->Rect(), QRect(126, 264, 62, 31));
    EXPECT_EQ(about.Canvas1()->Rect(), QRect(88, 8, 64, 64));
    ASSERT_NE(paypal(), nullptr);
    ASSERT_NE(kagi(), nullptr);
    EXPECT_EQ(about.Canvas2()->Backdrop(), paypal()->ToImage());
    EXPECT_EQ(about.Canvas3()->Backdrop(), kagi()->ToImage());
    for (Canvas* canvas : {about.Canvas1(), about.Canvas2(), about.Canvas3()})
        EXPECT_FALSE(canvas->AcceptsFocus());
    // The panel's controls lie above it.
    const QImage shot = about.Content()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(14 + 2, 240), QColor("#7F7F7F"));
    EXPECT_NE(shot.pixelColor(52 + 31, 264 + 15), QColor("#7F7F7F"));
}

TEST_F(AboutFixture, DrawsTheMaskedIconWholeAtTheCanvasOrigin) {
    About& about = About::Instance();
    ASSERT_NE(about1(), nullptr);
    const QImage drawn = about.Canvas1()->Widget()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    ApplyMask(about1(), aboutmask());
    const QImage icon = about1()->ToImage().convertToFormat(QImage::Format_ARGB32);
    // An opaque pixel of the icon shows as it is, at the same place.
    const QPoint centre(icon.width() / 2, icon.height() / 2);
    ASSERT_EQ(qAlpha(icon.pixel(centre)), 255);
    EXPECT_EQ(drawn.pixelColor(centre), icon.pixelColor(centre));
}

TEST_F(AboutFixture, PaymentButtonsOpenTheirPagesAndKeepTheWindow) {
    About& about = About::Instance();
    UiDriver::Click(*about.Canvas2());
    UiDriver::Click(*about.Canvas3());
    EXPECT_EQ(desktop->urls, (QStringList{kPayPal, kKagi}));
    EXPECT_FALSE(about.IsClosed());
}

TEST(WebAddresses, HelpAddressesSitOnOneSite) {
    EXPECT_EQ(WebAddresses::WebPage(), "http://www.example.com/brimel");
    EXPECT_EQ(WebAddresses::FAQPage(), "http://www.example.com/brimel/faq.html");
    EXPECT_EQ(WebAddresses::EMailAuthor(), "mailto:author@example.com");
    EXPECT_EQ(WebAddresses::PayPalPayment(), kPayPal);
    EXPECT_EQ(WebAddresses::KagiOrder(), kKagi);
}

// Each way of closing; the next use builds a new window, placed again.
struct CloseCase {
    const char* name;
    void (*close)(About&);
};

class AboutClosing : public AboutFixture, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(AboutClosing, ClosesAndComesBackNewAndPlacedAgain) {
    About& about = About::Instance();
    about.SetLeft(5);
    QPointer<About> old(&about);
    GetParam().close(about);
    ASSERT_TRUE(old);
    EXPECT_TRUE(old->IsClosed());
    EXPECT_TRUE(desktop->urls.isEmpty());
    UiDriver::ProcessEvents();
    About& fresh = About::Instance();
    EXPECT_FALSE(fresh.IsClosed());
    EXPECT_EQ(fresh.Left(), 392);
    EXPECT_EQ(fresh.Top(), 80);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutClosing,
    ::testing::Values(CloseCase{"BackgroundClick", [](About& a) { UiDriver::ClickWindow(a, 5, 100); }},
                      CloseCase{"BackgroundBelowThePanel", [](About& a) { UiDriver::ClickWindow(a, 230, 310); }},
                      CloseCase{"ClickOnALabel", [](About& a) { UiDriver::Click(*a.StaticText1()); }},
                      CloseCase{"CloseBox", [](About& a) { a.Widget()->close(); }},
                      CloseCase{"FileClose", [](About& a) { EXPECT_FALSE(a.RunMenuHandler("FileClose")); }}),
    [](const auto& info) { return std::string(info.param.name); });

struct ScreenCase {
    int width, height, left, top;
};

class AboutPlacement : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(AboutPlacement, CentredAcrossWithItsMiddleAtAThirdOfTheHeight) {
    FakeDesktop::Guard desktop;
    desktop->screenWidth = GetParam().width;
    desktop->screenHeight = GetParam().height;
    About& about = About::Instance();
    EXPECT_EQ(about.Left(), GetParam().left);
    EXPECT_EQ(about.Top(), GetParam().top);
}

// 1024 / 3 - 176 = 165.33; on a low screen nothing clamps the top.
INSTANTIATE_TEST_SUITE_P(Screens, AboutPlacement,
                         ::testing::Values(ScreenCase{1024, 768, 392, 80}, ScreenCase{1280, 1024, 520, 165},
                                           ScreenCase{800, 480, 280, -16}),
                         [](const auto& info) {
                             return "Screen" + std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height);
                         });

TEST_F(AboutFixture, BothMenuItemsShowOneWindowThatStaysPut) {
    About& first = About::Instance();
    first.Show();
    first.SetLeft(30);
    first.SetTop(60);
    About& second = About::Instance();
    second.Show();
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(second.Left(), 30);
    EXPECT_EQ(second.Top(), 60);
    int abouts = 0;
    for (Window* window : Window::All())
        abouts += dynamic_cast<About*>(window) != nullptr;
    EXPECT_EQ(abouts, 1);
}

TEST_F(AboutFixture, EnablesFileCloseAndNothingElse) {
    auto item = [](const QString& name) {
        auto* made = new MenuItem;
        made->SetName(name);
        made->SetText(name);
        made->SetAutoEnable(false);
        return made;
    };
    Application app;
    MenuBar bar;
    MenuItem* file = item("FileMenu");
    for (const char* name : {"FileClose", "FileSave", "FileSaveAs", "FileExport", "EditSelectAll"})
        file->Append(item(name));
    bar.Append(file);
    app.SetMenuBar(&bar);
    About& about = About::Instance();
    ASSERT_EQ(Window::Frontmost(), &about);
    bar.EnableMenuItems();
    EXPECT_TRUE(bar.Lookup("FileClose")->Enabled());
    for (const char* name : {"FileSave", "FileSaveAs", "FileExport", "EditSelectAll"})
        EXPECT_FALSE(bar.Lookup(name)->Enabled()) << name;
    EXPECT_FALSE(bar.Choose("FileClose"));
    EXPECT_TRUE(about.IsClosed());
    app.SetMenuBar(nullptr);
}

}  // namespace
