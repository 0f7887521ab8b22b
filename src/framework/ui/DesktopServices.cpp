#include "framework/ui/DesktopServices.h"

#include "framework/ui/DesktopServicesQt.h"
#include "framework/ui/ModalScope.h"

const char* const DesktopServices::kPasswordHintType = "x-kde-passwordManagerHint";
const char* const DesktopServices::kPasswordHintValue = "secret";

namespace {

std::unique_ptr<DesktopServices>& Current() {
    static std::unique_ptr<DesktopServices> current;
    return current;
}

}  // namespace

DesktopServices::~DesktopServices() = default;

DesktopServices& DesktopServices::Get() {
    auto& current = Current();
    if (!current) {
        current = std::make_unique<DesktopServicesQt>();
    }
    return *current;
}

std::unique_ptr<DesktopServices> DesktopServices::Set(std::unique_ptr<DesktopServices> services) {
    auto previous = std::move(Current());
    Current() = std::move(services);
    return previous;
}

void MsgBox(const QString& message) {
    ModalScope asking;
    DesktopServices::Get().MsgBox(message);
}

std::optional<FolderItem> GetOpenFolderItem(const QString& filter) {
    ModalScope asking;
    return DesktopServices::Get().GetOpenFolderItem(filter);
}

std::optional<FolderItem> GetSaveFolderItem(const QString& filter, const QString& proposedName,
                                            const FolderItem& folder) {
    ModalScope asking;
    return DesktopServices::Get().GetSaveFolderItem(filter, proposedName, folder);
}

bool ShowURL(const QString& url) {
    if (DesktopServices::Get().ShowURL(url))
        return true;
    MsgBox(QStringLiteral("\u201C%1\u201D could not be opened: no program on this computer is set up to open it.")
               .arg(url));
    return false;
}

DesktopServices::ScreenArea Screen(int index) {
    auto& services = DesktopServices::Get();
    return DesktopServices::ScreenArea(services.ScreenWidth(index), services.ScreenHeight(index));
}
