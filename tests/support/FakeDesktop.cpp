#include "support/FakeDesktop.h"

#include <QDir>

FakeDesktop::Guard::Guard() {
    auto fake = std::make_unique<FakeDesktop>();
    fake_ = fake.get();
    previous_ = DesktopServices::Set(std::move(fake));
}

FakeDesktop::Guard::~Guard() {
    DesktopServices::Set(std::move(previous_));
}

FakeDesktop::FakeDesktop() = default;

QString FakeDesktop::TempPath(const QString& name) const {
    return QDir(temp_.path()).filePath(name);
}

void FakeDesktop::AnswerOpen(const QString& name) {
    openAnswers_.push_back(TempPath(name));
}

void FakeDesktop::AnswerSave(const QString& name) {
    saveAnswers_.push_back(TempPath(name));
}

void FakeDesktop::CancelOpen() {
    openAnswers_.push_back(std::nullopt);
}

void FakeDesktop::CancelSave() {
    saveAnswers_.push_back(std::nullopt);
}

QString FakeDesktop::ClipboardText() const {
    return clipboardTexts.isEmpty() ? QString() : clipboardTexts.last();
}

void FakeDesktop::MsgBox(const QString& message) {
    messages.append(message);
    if (onMsgBox) {
        onMsgBox(message);
    }
}

std::optional<FolderItem> FakeDesktop::GetOpenFolderItem(const QString& filter) {
    openFilters.append(filter);
    return Answer(openAnswers_);
}

std::optional<FolderItem> FakeDesktop::GetSaveFolderItem(const QString&, const QString& proposedName,
                                                         const FolderItem& folder) {
    saveNames.append(proposedName);
    saveFolders.append(folder.NativePath());
    return Answer(saveAnswers_);
}

bool FakeDesktop::ShowURL(const QString& url) {
    urls.append(url);
    return opensUrls;
}

void FakeDesktop::SetClipboardText(const QString& text) {
    clipboardTexts.append(text);
}

int FakeDesktop::ScreenWidth(int index) {
    return index == 0 ? screenWidth : 0;
}

int FakeDesktop::ScreenHeight(int index) {
    return index == 0 ? screenHeight : 0;
}

std::optional<FolderItem> FakeDesktop::Answer(std::deque<std::optional<QString>>& queue) {
    if (queue.empty()) {
        ++unansweredDialogs;
        return std::nullopt;
    }
    std::optional<QString> path = queue.front();
    queue.pop_front();
    if (!path) {
        return std::nullopt;
    }
    return FolderItem(*path);
}
