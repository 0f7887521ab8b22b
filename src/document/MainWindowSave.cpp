#include "document/MainWindow.h"

#include "dialogs/Password.h"
#include "dialogs/Password2.h"
#include "document/EntryEncoding.h"
#include "document/SaveMessages.h"
#include "document/format/DocumentWriter.h"
#include "framework/core/RegEx.h"
#include "framework/ui/DesktopServices.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/TextField.h"

bool MainWindow::_FileSave_Action() {
    SaveFile(Title(), false);
    return false;
}

bool MainWindow::_FileSaveAs_Action() {
    // A window without a password asks for none before its new one.
    if (key.isEmpty() || PasswordGate()) {
        getNewKey = true;
        SaveFile(Title(), true);
    }
    return false;
}

bool MainWindow::PasswordGate() {
    Password& dialog = Password::Instance();
    dialog.ShowModal(this);
    const bool answered = dialog.ButtonPressed == QLatin1String("yes");
    const bool right = answered && dialog.EditField1().Text() == key;
    // Closed before the command goes on: a dialog kept open, hidden, through
    // the save's own dialogs could be handed to another question meanwhile.
    dialog.Close();
    if (answered && !right)
        MsgBox(QStringLiteral("Wrong Password!"));
    return right;
}

bool MainWindow::SaveFile(const QString& name, bool forceDialog) {
    // Ends the edit in progress (leaving the title field sorts the entries).
    ListBox1().SetFocus();

    bool cancelled = false;
    FolderItem target = Document;
    QString targetKey = key;
    bool chosen = false;

    if (Document.IsNull() || key.isEmpty() || forceDialog) {
        // Say so before the user types a password and picks a file for nothing.
        if (!CanStoreEntries(Document.IsNull() ? name : Document.Name())) {
            getNewKey = false;
            return false;
        }
        if (key.isEmpty() || getNewKey) {
            Password2& dialog = Password2::Instance();
            dialog.ShowModal(this);
            if (dialog.ButtonPressed == QLatin1String("Enter"))
                targetKey = dialog.EditField1().Text();
            else
                cancelled = true;
            dialog.Close();
        }
        if (!cancelled) {
            RegEx extension;
            extension.SearchPattern = QStringLiteral(".brimel");
            const QString proposed = extension.Search(Title()) ? name : name + QStringLiteral(".brimel");
            const std::optional<FolderItem> file = GetSaveFolderItem(QString(), proposed, Document.Parent());
            if (file) {
                target = *file;
                chosen = true;
            } else {
                cancelled = true;
            }
        }
    }
    getNewKey = false;

    if (target.IsNull() || cancelled)
        return false;
    // The window takes the new file and password only once they hold the document.
    if (!WriteDocument(target, targetKey))
        return false;
    if (chosen) {
        SetTitle(target.Name());
        Document = target;
        key = targetKey;
    }
    TextHasChanged = false;
    SetWindowModified(*this, false);
    return true;
}

bool MainWindow::WriteDocument(const FolderItem& file, const QString& password) {
    inrc4 = std::make_unique<RC4>();
    const WindowPlacement placement{Left(), Top(), Width(), Height()};
    const DocumentWriteResult result = DocumentWriter::WriteFile(file, *inrc4, password, myArray, entry, placement);
    if (result.ok())
        return true;
    QString reason = result.error;
    if (result.status == DocumentWriteResult::Status::UnencodableCell)
        reason = UnencodableReason();
    MsgBox(SaveMessages::SaveFailed(file.Name(), reason));
    return false;
}

bool MainWindow::CanStoreEntries(const QString& fileName) {
    const QString reason = UnencodableReason();
    if (reason.isEmpty())
        return true;
    MsgBox(SaveMessages::SaveFailed(fileName, reason));
    return false;
}

QString MainWindow::UnencodableReason() const {
    return SaveMessages::UnstorableCells(EntryEncoding::Unstorable(myArray, entry), myArray);
}
