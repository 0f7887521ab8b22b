// Sorting when the title field loses the focus: after the last entry was
// renamed so that it moves to the top, and after an edit that leaves the table
// in order (the focus moved to the list's search field, where the sort alone
// decides where the entry goes), and with no edit at all (a click on the
// selected entry's row: the sort, the list taking the focus, the click).
#include <QListView>

#include "FullDocument.h"
#include "UserInput.h"
#include "WindowBench.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/TextField.h"

namespace {

// Leaving the title field, as a click elsewhere leaves it.
void LeaveTitle(MainWindow& w) {
    UserInput::Click(w.EditField6());
}

WindowAction LastToTop(int entries) {
    const int last = entries - 1;
    const QString title = FullDocument::Cell(last, 0, entries);
    // Punctuation sorts before the digits every other title starts with.
    const QString renamed = QLatin1Char('!') + title.left(FullDocument::kFieldLength - 1);
    WindowAction a;
    a.prepare = [=](MainWindow& w) {
        WindowBench::Select(w, last);
        UserInput::Click(w.EditField1());
        w.EditField1().SetText(renamed);
    };
    a.act = LeaveTitle;
    a.check = [=](MainWindow& w) { return w.ListBox1().ListIndex() == 0 && w.myArray[0][0] == renamed; };
    // Named back, it sorts back to the end.
    a.undo = [=](MainWindow& w) {
        UserInput::Click(w.EditField1());
        w.EditField1().SetText(title);
        LeaveTitle(w);
    };
    return a;
}

WindowAction InOrder(int entries) {
    const int middle = entries / 2;
    const QString title = FullDocument::Cell(middle, 0, entries);
    WindowAction a;
    a.prepare = [=](MainWindow& w) {
        WindowBench::Select(w, middle);
        UserInput::Click(w.EditField1());
        UserInput::PressKey(w.EditField1(), Qt::Key_End);
        UserInput::PressKey(w.EditField1(), Qt::Key_Backspace);
    };
    a.act = LeaveTitle;
    a.check = [=](MainWindow& w) {
        return w.ListBox1().ListIndex() == middle && w.myArray[std::size_t(middle)][0] == title.chopped(1);
    };
    a.undo = [=](MainWindow& w) {
        UserInput::Click(w.EditField1());
        UserInput::PressKey(w.EditField1(), Qt::Key_End);
        UserInput::Type(w.EditField1(), title.back());
        LeaveTitle(w);
    };
    return a;
}

WindowAction NoEdit(int entries) {
    const int middle = entries / 2;
    WindowAction a;
    a.prepare = [=](MainWindow& w) {
        WindowBench::Select(w, middle);
        UserInput::Click(w.EditField1());
    };
    a.act = [=](MainWindow& w) {
        QListView* view = w.ListBox1().View();
        UserInput::ClickAt(w.ListBox1(), view->visualRect(view->model()->index(middle, 0)).center());
    };
    a.check = [=](MainWindow& w) { return w.ListBox1().ListIndex() == middle && !w.TextHasChanged; };
    return a;
}

const bool registered = [] {
    WindowBench::Register("SortLastToTop", LastToTop);
    WindowBench::Register("SortInOrder", InOrder);
    WindowBench::Register("SortNoEdit", NoEdit);
    return true;
}();

}  // namespace
