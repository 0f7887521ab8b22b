#include "app/Pictures.h"
#include "dialogs/DeleteEntry.h"
#include "document/MainWindow.h"
#include "framework/core/Strings.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "framework/ui/ToolbarItem.h"

namespace {

void ShowPicture(ToolbarItem& item, Picture* picture, Picture* mask) {
    ApplyMask(picture, mask);
    item.SetImage(picture);
}

}  // namespace

void MainWindow::SetEditorsReadOnly(bool readOnly) {
    EditField1().SetReadOnly(readOnly);
    EditField2().SetReadOnly(readOnly);
    EditField3().SetReadOnly(readOnly);
    EditField4().SetReadOnly(readOnly);
    EditField5().SetReadOnly(readOnly);
}

void MainWindow::ShowLock(bool locked) {
    if (locked)
        ShowPicture(ToolbarItem4(), iconlockclosed(), iconlockclosedmask());
    else
        ShowPicture(ToolbarItem4(), iconlockopened(), iconlockopenedmask());
}

void MainWindow::ToolbarItem2_Open(ToolbarItem& sender) {
    ShowPicture(sender, Add(), Addmask());
}

void MainWindow::ToolbarItem3_Open(ToolbarItem& sender) {
    ShowPicture(sender, Remove(), Removemask());
}

void MainWindow::ToolbarItem2_Action(ToolbarItem&) {
    if (EntriesAreLocked) {
        EntriesAreLocked = false;
        SetEditorsReadOnly(false);
        ShowLock(false);
        ToolbarItem4().SetCaption(QStringLiteral("Unlocked"));
    }
    Listbox& list = ListBox1();
    list.SetFocus();
    // A full table grows by a row rather than lose the new entry.
    EnsureRows(entry + 1);
    list.AddRow(QStringLiteral("New Entry"));
    entry = entry + 1;
    list.SetSelected(entry - 1, true);
    list.SetSelected(list.ListIndex(), false);
    TextField& title = EditField1();
    title.SetText(QStringLiteral("New Entry"));
    title.SetFocus();
    title.SetSelStart(0);
    title.SetSelLength(Len(title.Text()));
    SetWindowModified(*this, true);
    TextHasChanged = true;
}

void MainWindow::ToolbarItem3_Action(ToolbarItem&) {
    DeleteEntry& dialog = DeleteEntry::Instance();
    dialog.ShowModal(this);
    if (dialog.ButtonPressed == QStringLiteral("yes")) {
        ListBox1().SetFocus();
        DeleteInArray();
    }
    dialog.Close();
}

void MainWindow::ToolbarItem4_Open(ToolbarItem& sender) {
    SetEditorsReadOnly(true);
    EntriesAreLocked = true;
    sender.SetCaption(QStringLiteral("Edit Off"));
    ShowLock(true);
}

void MainWindow::ToolbarItem4_Action(ToolbarItem& sender) {
    if (EntriesAreLocked) {
        EntriesAreLocked = false;
        SetEditorsReadOnly(false);
        ShowLock(false);
        sender.SetCaption(QStringLiteral("Edit On"));
    } else {
        EntriesAreLocked = true;
        SetEditorsReadOnly(true);
        ShowLock(true);
        sender.SetCaption(QStringLiteral("Edit Off"));
    }
}
