#include "document/MainWindow.h"
#include "document/WordStartSearch.h"
#include "framework/core/RegEx.h"
#include "framework/core/Strings.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Timer.h"

void MainWindow::EditField6_GotFocus(TextField&) {
    Timer1().SetEnabled(true);
}

bool MainWindow::EditField6_KeyDown(TextField&, const QString&) {
    Timer1().Reset();
    return false;
}

void MainWindow::EditField6_TextChange(TextField& sender) {
    if (sender.Text() != QString())
        ShowSearchResult();
}

void MainWindow::EditField6_LostFocus(TextField& sender) {
    sender.SetText(QString());
    Timer1().SetEnabled(false);
}

void MainWindow::Timer1_Action(::Timer&) {
    EditField6().SetText(QString());
}

void MainWindow::ShowSearchResult() {
    Listbox& list = ListBox1();
    TextField& buffer = EditField6();
    // One pattern serves every row of the search.
    RegEx re;
    re.Options.CaseSensitive = false;
    const int remembered = list.ListIndex();
    // Deselecting every row in ascending order: a row not selected delivers
    // nothing, so the pass starts at the lowest selected row and ends with the
    // last selected one.
    for (int row = list.ListIndex(); row >= 0 && row < entry && list.SelCount() > 0; ++row)
        if (list.Selected(row))
            list.SetSelected(row, false);
    re.SearchPattern = QStringLiteral(" ") + EscapeSpecialCharacters(buffer.Text());
    WordStartSearch search(re, buffer.Text(), [this](const QString& s) { return EscapeSpecialCharacters(s); });
    const int n = std::min<int>(entry, int(myArray.size()));
    titles_.Sync(myArray, n);
    for (int i = 0; i < n; ++i) {
        if (titles_.Found(i, search) && buffer.Text() != QString()) {
            list.SetSelected(i, true);
            list.SetListIndex(i);
            return;
        }
    }
    list.SetSelected(remembered, true);
    list.SetListIndex(remembered);
}

QString MainWindow::EscapeSpecialCharacters(const QString& s) {
    static const QString special = QStringLiteral("\"'$()\\?*+.^-[]|{}");
    QString result;
    result.reserve(s.size() * 2);
    // All 17 lie in the Basic Latin block, so no half of a surrogate pair matches.
    for (const QChar c : s) {
        if (special.contains(c))
            result += QLatin1Char('\\');
        result += c;
    }
    return result;
}
