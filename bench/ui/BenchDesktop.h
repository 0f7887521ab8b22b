#pragma once

#include <QString>
#include <QStringList>

#include "framework/ui/DesktopServices.h"

// Desktop services for the benchmarks: every save dialog answers saveTo,
// open dialogs are cancelled, messages are recorded (a benchmark that meets
// one reports an error).
class BenchDesktop : public DesktopServices {
public:
    // Installs one for the rest of the process, once; returns it.
    static BenchDesktop& Install();

    QString saveTo;
    QStringList messages;

    void MsgBox(const QString& message) override;
    std::optional<FolderItem> GetOpenFolderItem(const QString& filter) override;
    std::optional<FolderItem> GetSaveFolderItem(const QString& filter, const QString& proposedName,
                                                const FolderItem& folder) override;
    bool ShowURL(const QString& url) override;
    void SetClipboardText(const QString& text) override;
    int ScreenWidth(int index) override;
    int ScreenHeight(int index) override;
};
