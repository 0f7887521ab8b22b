#pragma once

#include "framework/core/FolderItem.h"

#include <QString>
#include <memory>
#include <optional>

// Everything that waits on the user or reaches the desktop goes through one
// replaceable object, so that tests can answer the dialogs and record what the
// program handed to the system. The default talks to the real desktop.
class DesktopServices {
public:
    // The size of a screen in whole pixels; 0 x 0 when there is no such screen.
    class ScreenArea {
    public:
        ScreenArea(int width, int height) : width_(width), height_(height) {}
        int Width() const { return width_; }
        int Height() const { return height_; }

    private:
        int width_;
        int height_;
    };

    virtual ~DesktopServices();

    // A modal message with one OK button, titled with the application's name.
    virtual void MsgBox(const QString& message) = 0;
    // The file the user picks to open; no value on cancel. filter is a file
    // dialog filter ("Documents (*.brimel)"); empty shows every file.
    virtual std::optional<FolderItem> GetOpenFolderItem(const QString& filter) = 0;
    // The file the user names to save to, proposedName filled in, the dialog
    // showing folder (a null folder: the dialog's own choice); no value on
    // cancel. Choosing an existing file is confirmed by the dialog first.
    virtual std::optional<FolderItem> GetSaveFolderItem(const QString& filter, const QString& proposedName,
                                                        const FolderItem& folder) = 0;
    // Opens the URL in the default browser or mail program; false when the
    // desktop has nothing to open it with.
    virtual bool ShowURL(const QString& url) = 0;
    // Replaces the clipboard's content with text, marked as a secret so that
    // clipboard managers keep it out of their history.
    virtual void SetClipboardText(const QString& text) = 0;
    // Screen 0 is the main screen; its whole size, not only the area free of
    // panels, since window positions are measured on the whole screen.
    virtual int ScreenWidth(int index) = 0;
    virtual int ScreenHeight(int index) = 0;

    // The services in use; the desktop's own until Set replaces them.
    static DesktopServices& Get();
    // Installs services (null restores the desktop's own) and hands back the
    // ones they replace.
    static std::unique_ptr<DesktopServices> Set(std::unique_ptr<DesktopServices> services);

    // MIME type and value that tell clipboard managers the text is a password.
    static const char* const kPasswordHintType;
    static const char* const kPasswordHintValue;
};

// The framework's free functions, forwarding to DesktopServices::Get().
void MsgBox(const QString& message);
std::optional<FolderItem> GetOpenFolderItem(const QString& filter = QString());
std::optional<FolderItem> GetSaveFolderItem(const QString& filter, const QString& proposedName,
                                            const FolderItem& folder = FolderItem());
// Opens the URL; when the desktop cannot, says so and gives false.
bool ShowURL(const QString& url);
DesktopServices::ScreenArea Screen(int index);
