#pragma once

#include "framework/ui/DesktopServices.h"

// The desktop services of a Qt session: Qt's dialogs, clipboard and screens.
class DesktopServicesQt : public DesktopServices {
public:
    void MsgBox(const QString& message) override;
    std::optional<FolderItem> GetOpenFolderItem(const QString& filter) override;
    std::optional<FolderItem> GetSaveFolderItem(const QString& filter, const QString& proposedName,
                                                const FolderItem& folder) override;
    bool ShowURL(const QString& url) override;
    void SetClipboardText(const QString& text) override;
    int ScreenWidth(int index) override;
    int ScreenHeight(int index) override;
};
