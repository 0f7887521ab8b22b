// The dialogs as the user sees them: their layout tables, texts that fit their
// boxes, and the icon drawn masked. With BRIMEL_LOOK_DIR set, each dialog is
// also written there as a PNG, to be looked at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <functional>

#include "app/Pictures.h"
#include "dialogs/DeleteEntry.h"
#include "dialogs/DialogTesting.h"
#include "dialogs/TextFits.h"
#include "dialogs/Password.h"
#include "dialogs/Password2.h"
#include "dialogs/SaveChanges.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextField.h"

namespace {

struct Row {
    const char* control;
    int left, top, width, height;
    const char* text;  // a label's text, a button's caption; "" for the others
    int textSize = 0;  // pixels; 0 for the system's default size
    bool bold = false;
};

struct DialogLook {
    const char* name;
    std::function<Window&()> instance;
    FrameKind frame;
    const char* defaultButton;  // pressed by Return
    const char* cancelButton;   // pressed by Esc
    std::vector<Row> rows;      // in tab order
};

const DialogLook kDialogs[] = {
    {"Password",
     [] { return std::ref<Window>(Password::Instance()); },
     FrameKind::MovableModal,
     "PushButton1",
     "PushButton2",
     {{"Canvas1", 24, 15, 64, 64, ""},
      {"StaticText1", 104, 15, 239, 20, "Enter Document Password", 0, true},
      {"EditField1", 104, 42, 296, 22, "", 12},
      {"PushButton2", 250, 95, 69, 20, "Cancel", 12},
      {"PushButton1", 331, 95, 69, 20, "Enter"}}},
    {"Password2",
     [] { return std::ref<Window>(Password2::Instance()); },
     FrameKind::Sheet,
     "PushButton1",
     "PushButton2",
     {{"EditField1", 179, 15, 221, 22, "", 12},
      {"EditField2", 179, 45, 221, 22, "", 12},
      {"PushButton2", 250, 95, 69, 20, "Cancel"},
      {"PushButton1", 331, 95, 69, 20, "Enter"},
      {"StaticText1", 24, 15, 143, 20, "Enter new Password", 0, true},
      {"StaticText2", 24, 45, 143, 20, "Retype Password", 0, true}}},
    {"SaveChanges",
     [] { return std::ref<Window>(SaveChanges::Instance()); },
     FrameKind::Sheet,
     "PushButton3",
     "PushButton2",
     {{"Canvas1", 24, 15, 64, 64, ""},
      {"StaticText1", 104, 15, 296, 34, "Do you want to save changes to this document before closing?", 0, true},
      {"PushButton1", 104, 95, 90, 20, "Don't Save"},
      {"PushButton2", 250, 95, 69, 20, "Cancel"},
      {"PushButton3", 331, 95, 69, 20, "Save"},
      {"StaticText2", 104, 53, 296, 20, "If you don't save, your changes will be lost.", 11}}},
    {"DeleteEntry",
     [] { return std::ref<Window>(DeleteEntry::Instance()); },
     FrameKind::Sheet,
     "PushButton1",
     "PushButton1",
     {{"Canvas1", 24, 15, 64, 64, ""},
      {"StaticText1", 104, 15, 296, 20, "Do you want to delete this Entry?", 0, true},
      {"PushButton2", 250, 95, 69, 20, "Yes"},
      {"PushButton1", 331, 95, 69, 20, "No"},
      {"StaticText2", 104, 47, 296, 20, "This cannot be undone.", 11}}},
};

QString ShownText(Control& control) {
    if (auto* label = dynamic_cast<Label*>(&control))
        return label->Text();
    if (auto* button = dynamic_cast<PushButton*>(&control))
        return button->Caption();
    return QString();
}

class DialogLooks : public ::testing::TestWithParam<DialogLook> {};

TEST_P(DialogLooks, WindowAndControlsAreLaidOutAsTheirTable) {
    const DialogLook& look = GetParam();
    Window& dialog = look.instance();
    EXPECT_EQ(dialog.Title(), "Brimel");
    EXPECT_EQ(dialog.Width(), 420);
    EXPECT_EQ(dialog.Height(), 135);
    EXPECT_EQ(dialog.Frame(), look.frame);
    EXPECT_TRUE(dialog.Visible()) << "visible when built";

    ASSERT_EQ(dialog.Controls().size(), look.rows.size());
    int previousTab = -1;
    for (const Row& row : look.rows) {
        SCOPED_TRACE(row.control);
        auto* control = dialog.FindControl<RectControl>(row.control);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->Rect(), QRect(row.left, row.top, row.width, row.height));
        EXPECT_EQ(ShownText(*control), QString(row.text));
        const QFont font = control->Widget()->font();
        if (row.textSize > 0)
            EXPECT_EQ(font.pixelSize(), row.textSize);
        else
            EXPECT_EQ(QFontInfo(font).pixelSize(), QFontInfo(QApplication::font(control->Widget())).pixelSize());
        EXPECT_EQ(font.bold(), row.bold);
        EXPECT_GT(control->TabIndex(), previousTab);
        previousTab = control->TabIndex();
        if (auto* field = dynamic_cast<TextField*>(control)) {
            EXPECT_TRUE(field->Password());
            EXPECT_EQ(field->Text(), QString());
            EXPECT_EQ(field->LimitText(), 0);
        }
        if (auto* button = dynamic_cast<PushButton*>(control)) {
            EXPECT_EQ(button->Default(), control->Name() == look.defaultButton);
            EXPECT_EQ(button->Cancel(), control->Name() == look.cancelButton);
            EXPECT_EQ(qobject_cast<QPushButton*>(button->Widget())->isDefault(), button->Default());
        }
    }
}

TEST_P(DialogLooks, EveryTextFitsItsBox) {
    const DialogLook& look = GetParam();
    Window& dialog = look.instance();
    ExpectEveryTextFits(dialog);
    if (auto* password = dynamic_cast<Password*>(&dialog)) {
        QLabel* prompt = qobject_cast<QLabel*>(password->StaticText1().Widget());
        EXPECT_TRUE(Fits(prompt, "Please enter a Password!", false));
    }

    const QString folder = qEnvironmentVariable("BRIMEL_LOOK_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        EXPECT_TRUE(dialog.Widget()->grab().save(QDir(folder).filePath(QString(look.name) + ".png")));
    }
}

INSTANTIATE_TEST_SUITE_P(AllDialogs, DialogLooks, ::testing::ValuesIn(kDialogs),
                         [](const auto& info) { return std::string(info.param.name); });

// The three icon canvases show the application icon whole at their top left,
// with the white around it left transparent.
TEST(DialogIcon, ShowsTheApplicationIconMaskedAtTheCanvasOrigin) {
    Picture* icon = about1();
    ASSERT_NE(icon, nullptr) << "the pictures belong beside the tests' executable";
    const QImage plain = icon->ToImage();

    std::vector<Window*> dialogs{&Password::Instance(), &SaveChanges::Instance(), &DeleteEntry::Instance()};
    for (Window* dialog : dialogs) {
        SCOPED_TRACE(dialog->Controls().front()->Name().toStdString());
        auto* canvas = dialog->FindControl<Canvas>("Canvas1");
        ASSERT_NE(canvas, nullptr);
        const QImage shown = canvas->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QColor background = dialog->Widget()->palette().color(QPalette::Window);
        ASSERT_EQ(shown.size(), QSize(64, 64));
        EXPECT_EQ(QColor(shown.pixel(0, 0)), background) << "the white corner is transparent";
        EXPECT_EQ(QColor(shown.pixel(63, 63)), background);
        // Inside the shield: the icon's own pixels, unscaled.
        for (QPoint at : {QPoint(32, 32), QPoint(20, 40), QPoint(45, 20)})
            EXPECT_EQ(QColor(shown.pixel(at)).rgb(), QColor(plain.pixel(at)).rgb()) << at.x() << "," << at.y();
    }
    EXPECT_EQ(about1(), icon) << "one picture for every dialog";
}

}  // namespace
