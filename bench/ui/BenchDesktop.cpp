#include "BenchDesktop.h"

#include <memory>

BenchDesktop& BenchDesktop::Install() {
    static BenchDesktop* installed = [] {
        auto desktop = std::make_unique<BenchDesktop>();
        BenchDesktop* raw = desktop.get();
        DesktopServices::Set(std::move(desktop));
        return raw;
    }();
    return *installed;
}

void BenchDesktop::MsgBox(const QString& message) {
    messages << message;
}

std::optional<FolderItem> BenchDesktop::GetOpenFolderItem(const QString&) {
    return std::nullopt;
}

std::optional<FolderItem> BenchDesktop::GetSaveFolderItem(const QString&, const QString&, const FolderItem&) {
    if (saveTo.isEmpty())
        return std::nullopt;
    return FolderItem(saveTo);
}

bool BenchDesktop::ShowURL(const QString&) {
    return true;
}

void BenchDesktop::SetClipboardText(const QString&) {}

int BenchDesktop::ScreenWidth(int) {
    return 1920;
}

int BenchDesktop::ScreenHeight(int) {
    return 1080;
}
