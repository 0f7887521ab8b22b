#include "document/MainWindow.h"

#include "app/MenuItems.h"
#include "dialogs/SaveChanges.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"

namespace {

// The items are missing only while the application has no menu bar.
void Enable(MenuItem* item) {
    if (item)
        item->Enable();
}

// Selects the whole text; the selection counts UTF-16 units, as the text does.
template <class Field>
void SelectWhole(Field& field) {
    field.SetSelStart(0);
    field.SetSelLength(int(field.Text().size()));
}

}  // namespace

void MainWindow::AddMenuHandlers() {
    AddMenuHandler(QStringLiteral("EditSelectAll"), [this] { return _EditSelectAll_Action(); });
    AddMenuHandler(QStringLiteral("FileSave"), [this] { return _FileSave_Action(); });
    AddMenuHandler(QStringLiteral("FileSaveAs"), [this] { return _FileSaveAs_Action(); });
    AddMenuHandler(QStringLiteral("FileClose"), [this] { return _FileClose_Action(); });
    AddMenuHandler(QStringLiteral("FileExport"), [this] { return _FileExport_Action(); });
}

void MainWindow::Event_EnableMenuItems() {
    Enable(::EditSelectAll());
    if (TextHasChanged)
        Enable(::FileSave());
    Enable(::FileSaveAs());
    Enable(::FileExport());
    Enable(::FileClose());
}

bool MainWindow::_EditSelectAll_Action() {
    SelectWhole(EditField1());
    SelectWhole(EditField2());
    SelectWhole(EditField3());
    SelectWhole(EditField4());
    SelectWhole(EditField5());
    return false;
}

bool MainWindow::_FileClose_Action() {
    Close();
    return false;
}

bool MainWindow::Event_CancelClose(bool appQuitting) {
    Q_UNUSED(appQuitting);
    // Ends the edit in progress, so that the question covers the last change.
    ListBox1().SetFocus();
    if (!TextHasChanged)
        return false;

    SaveChanges& dialog = SaveChanges::Instance();
    dialog.ShowModal(this);
    const QString word = dialog.ButtonPressed;
    if (word == QLatin1String("Save")) {
        // A save that did not happen (cancelled, or the file could not be
        // written) keeps the window, and its changes, open.
        const bool saved = SaveFile(Title(), false);
        dialog.Close();
        return !saved;
    }
    if (word == QLatin1String("DontSave"))
        return false;
    if (word == QLatin1String("Cancel"))
        return true;
    dialog.Close();
    return false;
}
