#include "app/MenuItems.h"

#include "framework/ui/Application.h"
#include "framework/ui/MenuBar.h"

#include <QString>

namespace {

MenuItem* Find(const char* name) {
    Application* app = Application::Instance();
    MenuBar* bar = app ? app->MenuBar() : nullptr;
    return bar ? bar->Lookup(QLatin1String(name)) : nullptr;
}

}  // namespace

MenuItem* FileNew() {
    return Find("FileNew");
}
MenuItem* FileOpen() {
    return Find("FileOpen");
}
MenuItem* AppleAbout() {
    return Find("AppleAbout");
}
MenuItem* PayforBrimelInformation() {
    return Find("PayforBrimelInformation");
}
MenuItem* EditSelectAll() {
    return Find("EditSelectAll");
}
MenuItem* FileSave() {
    return Find("FileSave");
}
MenuItem* FileSaveAs() {
    return Find("FileSaveAs");
}
MenuItem* FileExport() {
    return Find("FileExport");
}
MenuItem* FileClose() {
    return Find("FileClose");
}
