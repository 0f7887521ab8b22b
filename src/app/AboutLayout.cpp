#include <vector>

#include "app/About.h"
#include "app/Pictures.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/ImplicitInstance.h"
#include "framework/ui/Label.h"
#include "framework/ui/LayoutRows.h"
#include "framework/ui/RoundRectangle.h"

namespace {

// Every label: centred, in the system font at the given size, black unless told.
QVariantMap LabelProps(int size, bool multiline, const QVariantMap& more = {}) {
    return WithProps(WithProps({{"TextColor", "#000000"}}, more),
                     {{"TextSize", size}, {"Alignment", "center"}, {"Multiline", multiline}});
}

// The payment buttons show their picture as backdrop and take no focus.
ControlSpec PaymentCanvasRow(const QString& name, int left, int tabIndex, Picture* (*picture)(),
                             std::function<bool(Canvas&, int, int)> mouseDown) {
    return LayoutRow(ControlKind::Canvas, name, left, 264, 62, 31, tabIndex, QString(), {{"AcceptFocus", false}},
                     BindAs<Canvas>([picture, mouseDown](Canvas& canvas) {
                         canvas.SetBackdrop(picture());
                         canvas.MouseDown = mouseDown;
                     }));
}

const QString kAboutDescription = QStringLiteral(
    "Brimel is a tool to store all your passwords, website logins, serial numbers, etc. encrypted and "
    "password-protected.");
const QString kAboutDonation =
    QStringLiteral("\rYou can donate through PayPal or Kagi by clicking on one of the buttons below.");
// Each line fits the label's width at size 10, so the two lines fit its height.
const QString kAboutNotice = QStringLiteral("\u00A9 The Brimel authors.\rBuilt with Qt and ICU.");

}  // namespace

// The panel's three controls lie inside its frame in window coordinates; they
// are made after it, so they are drawn above it.
About::About() {
    const std::vector<ControlSpec> controls = {
        LayoutRow(ControlKind::RoundRectangle, "RoundRectangle1", 12, 188, 216, 116, 0, QString(),
                  // No border: its colour is the fill's, so nothing shows around the panel.
                  {{"FillColor", "#7F7F7F"}, {"BorderColor", "#7F7F7F"}, {"BorderWidth", 0}, {"CornerSize", 16}}),
        PaymentCanvasRow("Canvas2", 52, 0, &paypal,
                         [this](Canvas& canvas, int x, int y) { return Canvas2_MouseDown(canvas, x, y); }),
        PaymentCanvasRow("Canvas3", 126, 1, &kagi,
                         [this](Canvas& canvas, int x, int y) { return Canvas3_MouseDown(canvas, x, y); }),
        LayoutRow(ControlKind::Label, "StaticText5", 20, 197, 200, 63, 2, kAboutDonation,
                  LabelProps(10, true, {{"TextColor", "#FFFFFF"}})),
        LayoutRow(ControlKind::Label, "StaticText1", 20, 82, 200, 19, 1, "Brimel",
                  LabelProps(14, false, {{"Bold", true}})),
        LayoutRow(ControlKind::Label, "StaticText2", 20, 109, 200, 12, 2, "Version " BRIMEL_VERSION,
                  LabelProps(10, false)),
        LayoutRow(ControlKind::Label, "StaticText3", 20, 317, 200, 27, 3, kAboutNotice, LabelProps(10, true)),
        LayoutRow(ControlKind::Label, "StaticText4", 20, 129, 200, 56, 4, kAboutDescription, LabelProps(10, true)),
        LayoutRow(ControlKind::Canvas, "Canvas1", 88, 8, 64, 64, 5, QString(), {{"AcceptFocus", false}},
                  BindAs<Canvas>([this](Canvas& canvas) {
                      canvas.Paint = [this](Canvas& sender, Graphics& g) { Canvas1_Paint(sender, g); };
                  })),
    };
    Build(ToolWindowRow(240, 352, QStringLiteral("About Brimel"), CloseButton), controls);
}

About& About::Instance() {
    return ImplicitInstance<About>();
}

RoundRectangle* About::RoundRectangle1() const {
    return FindControl<RoundRectangle>("RoundRectangle1");
}
Canvas* About::Canvas2() const {
    return FindControl<Canvas>("Canvas2");
}
Canvas* About::Canvas3() const {
    return FindControl<Canvas>("Canvas3");
}
Label* About::StaticText5() const {
    return FindControl<Label>("StaticText5");
}
Label* About::StaticText1() const {
    return FindControl<Label>("StaticText1");
}
Label* About::StaticText2() const {
    return FindControl<Label>("StaticText2");
}
Label* About::StaticText3() const {
    return FindControl<Label>("StaticText3");
}
Label* About::StaticText4() const {
    return FindControl<Label>("StaticText4");
}
Canvas* About::Canvas1() const {
    return FindControl<Canvas>("Canvas1");
}
