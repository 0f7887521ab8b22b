#pragma once

#include "framework/ui/DesktopServices.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

// Desktop services for tests: file dialogs answer from queues, everything the
// program shows or hands to the system is recorded. Install it with a Guard:
//
//   FakeDesktop::Guard desktop;
//   desktop->AnswerSave("a.brimel");      // the next save dialog picks <temp>/a.brimel
//   ... run the program ...
//   EXPECT_EQ(desktop->messages, QStringList{"Wrong Password!"});
class FakeDesktop : public DesktopServices {
public:
    // Installs a new FakeDesktop for the guard's life, then puts back the
    // services it replaced.
    class Guard {
    public:
        Guard();
        ~Guard();
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

        FakeDesktop& operator*() const { return *fake_; }
        FakeDesktop* operator->() const { return fake_; }

    private:
        FakeDesktop* fake_;
        std::unique_ptr<DesktopServices> previous_;
    };

    FakeDesktop();

    // A path inside the fake's own temporary folder (removed with the fake).
    QString TempPath(const QString& name) const;

    // The next open / save dialog answers this file: a relative name is taken
    // inside the temporary folder, an absolute path as it stands.
    void AnswerOpen(const QString& name);
    void AnswerSave(const QString& name);
    // The next open / save dialog is cancelled.
    void CancelOpen();
    void CancelSave();

    // What the program asked and handed over, in order.
    QStringList messages;        // MsgBox texts
    QStringList urls;            // ShowURL
    QStringList clipboardTexts;  // every text put on the clipboard
    QStringList openFilters;     // the filter of each open dialog
    QStringList saveNames;       // the proposed name of each save dialog
    QStringList saveFolders;     // the folder each save dialog shows; "" for its own choice
    // Dialogs shown while their queue was empty; they answered cancel.
    int unansweredDialogs = 0;
    // Run inside each MsgBox, after it is recorded (a user reading it).
    std::function<void(const QString&)> onMsgBox;

    // Whether the desktop has a program to open the URLs handed to it.
    bool opensUrls = true;

    int screenWidth = 1024;
    int screenHeight = 768;

    // The last text put on the clipboard; empty when none.
    QString ClipboardText() const;

    void MsgBox(const QString& message) override;
    std::optional<FolderItem> GetOpenFolderItem(const QString& filter) override;
    std::optional<FolderItem> GetSaveFolderItem(const QString& filter, const QString& proposedName,
                                                const FolderItem& folder) override;
    bool ShowURL(const QString& url) override;
    void SetClipboardText(const QString& text) override;
    int ScreenWidth(int index) override;
    int ScreenHeight(int index) override;

private:
    std::optional<FolderItem> Answer(std::deque<std::optional<QString>>& queue);

    QTemporaryDir temp_;
    std::deque<std::optional<QString>> openAnswers_;
    std::deque<std::optional<QString>> saveAnswers_;
};
