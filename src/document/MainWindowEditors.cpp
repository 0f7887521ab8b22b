#include "document/MainWindow.h"
#include "framework/core/StrComp.h"
#include "framework/core/Strings.h"
#include "framework/ui/BevelButton.h"
#include "framework/ui/Clipboard.h"
#include "framework/ui/DesktopServices.h"
#include "framework/ui/Label.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"

#include <QUrl>

namespace {

// A web address typed without a scheme ("www.example.org", "example.org:8080")
// opens as https; one with a scheme ("mailto:", "http:") as it stands.
QString WithScheme(const QString& url) {
    const bool hasScheme =
        !QUrl(url, QUrl::TolerantMode).scheme().isEmpty() &&
        QUrl(QStringLiteral("https://") + url, QUrl::TolerantMode).port() == -1;  // "host:8080" is no scheme
    return hasScheme ? url : QStringLiteral("https://") + url;
}

}  // namespace

void MainWindow::ListBox1_GotFocus(Listbox&) {
    UpdateListBox();
    EditField6().SetFocus();
}

void MainWindow::ListBox1_Change(Listbox& sender) {
    // The first entry of a window that had none arrives selected.
    EnableEditors();
    if (sender.ListIndex() >= 0) {
        ReadFromArray(sender.ListIndex());
        return;
    }
    // An emptied selection falls back to the first entry, except during a
    // search, which selects a row itself.
    if (EditField6().Text() == QString()) {
        sender.SetListIndex(0);
        sender.SetSelected(0, true);
        ReadFromArray(0);
    }
}

void MainWindow::StoreFieldEdit(TextField& field, EntryColumn col) {
    const int row = ListBox1().ListIndex();
    // With no entry selected there is no row to store into.
    if (row < 0)
        return;
    // The field holds at most its 255 characters, however they came in.
    const QString text = field.Text();
    // Compared as typed, not in its MacRoman form: a character MacRoman lacks
    // would read as a stand-in there, and the edit would be lost unseen.
    if (StrComp(text, CellText(row, col)) == 0)
        return;
    WriteInArray(row, int(col), text);
    TextHasChanged = true;
    SetWindowModified(*this, true);
}

void MainWindow::EditField1_TextChange(TextField& sender) {
    const int row = ListBox1().ListIndex();
    if (row < 0)
        return;
    const QString before = CellText(row, EntryColumn::Title);
    StoreFieldEdit(sender, EntryColumn::Title);
    // The list shows the new title at once; sorting waits for LostFocus.
    if (CellText(row, EntryColumn::Title) != before)
        UpdateListBox();
}

void MainWindow::EditField1_LostFocus(TextField&) {
    SortEntries();
}

void MainWindow::EditField2_TextChange(TextField& sender) {
    StoreFieldEdit(sender, EntryColumn::URL);
}

void MainWindow::EditField3_TextChange(TextField& sender) {
    StoreFieldEdit(sender, EntryColumn::User);
}

void MainWindow::EditField4_TextChange(TextField& sender) {
    StoreFieldEdit(sender, EntryColumn::Password);
}

void MainWindow::EditField5_TextChange(TextArea& sender) {
    const int row = ListBox1().ListIndex();
    if (row < 0)
        return;
    // Compared whole, so that an overlong note always gets the message below.
    if (StrComp(sender.Text(), CellText(row, EntryColumn::Notes)) == 0)
        return;
    if (Len(sender.Text()) > kCellLimit) {
        MsgBox(QStringLiteral("Text in Notes field too long! Only 255 Characters allowed. Text will be truncated."));
        sender.SetText(::Left(sender.Text(), kCellLimit));
    }
    const QString text = sender.Text();
    StaticText6().SetText(QStringLiteral("Notes (") + Str(kCellLimit - Len(text)) +
                          QStringLiteral(" characters left)"));
    WriteInArray(row, int(EntryColumn::Notes), text);
    TextHasChanged = true;
    SetWindowModified(*this, true);
}

void MainWindow::EditField5_LostFocus(TextArea&) {
    StaticText6().SetText(QStringLiteral("Notes"));
}

void MainWindow::EditField4_GotFocus(TextField& sender) {
    sender.SetPassword(false);
}

void MainWindow::EditField4_MouseEnter(TextField& sender) {
    sender.SetPassword(false);
}

void MainWindow::EditField4_LostFocus(TextField& sender) {
    sender.SetPassword(true);
}

void MainWindow::EditField4_MouseExit(TextField& sender) {
    sender.SetPassword(true);
}

void MainWindow::BevelButton1_Action(BevelButton&) {
    const QString url = EditField2().Text().trimmed();
    if (!url.isEmpty())
        ShowURL(WithScheme(url));
}

void MainWindow::BevelButton3_Action(BevelButton&) {
    Clipboard clipboard;
    clipboard.SetText(EditField3().Text());
    clipboard.Close();
}

void MainWindow::BevelButton4_Action(BevelButton&) {
    Clipboard clipboard;
    clipboard.SetText(EditField4().Text());
    clipboard.Close();
}
