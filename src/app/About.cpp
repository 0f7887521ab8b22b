#include "app/About.h"

#include "app/MenuItems.h"
#include "app/Pictures.h"
#include "app/WebAddresses.h"
#include "framework/core/Strings.h"
#include "framework/ui/DesktopServices.h"
#include "framework/ui/Graphics.h"
#include "framework/ui/MenuItem.h"

bool About::Canvas2_MouseDown(Canvas&, int, int) {
    ShowURL(WebAddresses::PayPalPayment());
    return false;
}

bool About::Canvas3_MouseDown(Canvas&, int, int) {
    ShowURL(WebAddresses::KagiOrder());
    return false;
}

void About::Canvas1_Paint(Canvas&, Graphics& g) {
    ApplyMask(about1(), aboutmask());
    g.DrawPicture(about1(), 0, 0, Graphics::kWhole, Graphics::kWhole, 0, 0, Graphics::kWhole, Graphics::kWhole);
}

void About::AddMenuHandlers() {
    AddMenuHandler(QStringLiteral("FileClose"), [this] { return _FileClose_Action(); });
}

void About::Event_EnableMenuItems() {
    if (MenuItem* item = FileClose())
        item->Enable();
}

// A click that no control takes: the background closes the window.
bool About::Event_MouseDown(int, int) {
    Close();
    return false;
}

// Centred across the main screen, its middle at a third of the screen's height.
void About::Event_Open() {
    const DesktopServices::ScreenArea screen = Screen(0);
    SetLeft(DoubleToInt32(screen.Width() / 2.0 - Width() / 2.0));
    SetTop(DoubleToInt32(screen.Height() / 3.0 - Height() / 2.0));
}

bool About::_FileClose_Action() {
    Close();
    return false;
}
