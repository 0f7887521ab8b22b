#include "framework/ui/DesktopServicesQt.h"

#include "framework/ui/Window.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

namespace {

QScreen* ScreenAt(int index) {
    if (index == 0) {
        return QGuiApplication::primaryScreen();
    }
    const auto screens = QGuiApplication::screens();
    return index > 0 && index < screens.size() ? screens.at(index) : nullptr;
}

// The window a dialog of the desktop is shown over. Not a hidden one: the
// active window can still be a dialog the program has just closed, which is
// deleted while the new dialog is up and would take that dialog with it.
QWidget* DialogParent() {
    QWidget* active = QApplication::activeWindow();
    if (active && active->isVisible()) {
        return active;
    }
    Window* front = Window::Frontmost();
    return front ? front->Widget() : nullptr;
}

std::optional<FolderItem> ChosenFile(const QString& path) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return FolderItem(path);
}

}  // namespace

void DesktopServicesQt::MsgBox(const QString& message) {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), message, QMessageBox::Ok,
                    DialogParent());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

std::optional<FolderItem> DesktopServicesQt::GetOpenFolderItem(const QString& filter) {
    return ChosenFile(QFileDialog::getOpenFileName(DialogParent(), QString(), QString(), filter));
}

std::optional<FolderItem> DesktopServicesQt::GetSaveFolderItem(const QString& filter, const QString& proposedName,
                                                               const FolderItem& folder) {
    const QString start = folder.IsNull() ? proposedName : QDir(folder.NativePath()).filePath(proposedName);
    // Qt's save dialog asks before it lets the user pick an existing file.
    return ChosenFile(QFileDialog::getSaveFileName(DialogParent(), QString(), start, filter));
}

bool DesktopServicesQt::ShowURL(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}

void DesktopServicesQt::SetClipboardText(const QString& text) {
    auto* data = new QMimeData;
    data->setText(text);
    data->setData(QString::fromLatin1(kPasswordHintType), QByteArray(kPasswordHintValue));
    QGuiApplication::clipboard()->setMimeData(data);
}

int DesktopServicesQt::ScreenWidth(int index) {
    QScreen* screen = ScreenAt(index);
    return screen ? screen->geometry().width() : 0;
}

int DesktopServicesQt::ScreenHeight(int index) {
    QScreen* screen = ScreenAt(index);
    return screen ? screen->geometry().height() : 0;
}
