// Clicks on the entries: selecting a row, Add, Delete (answered Yes) of the
// first and of the last entry, and Select All.
#include <QListView>

#include "UserInput.h"
#include "WindowBench.h"
#include "app/Menu.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "framework/ui/ToolbarItem.h"

namespace {

QRect RowRect(Listbox& list, int row) {
    QListView* view = list.View();
    return view->visualRect(view->model()->index(row, 0));
}

WindowAction SelectEntry(int entries) {
    const int row = entries - 10;
    WindowAction a;
    a.prepare = [=](MainWindow& w) { w.ListBox1().View()->scrollTo(w.ListBox1().View()->model()->index(row, 0)); };
    a.act = [=](MainWindow& w) { UserInput::ClickAt(w.ListBox1(), RowRect(w.ListBox1(), row).center()); };
    a.check = [=](MainWindow& w) {
        return w.ListBox1().ListIndex() == row && w.EditField1().Text() == w.myArray[std::size_t(row)][0];
    };
    a.undo = [](MainWindow& w) { WindowBench::Select(w, 0); };
    return a;
}

WindowAction AddEntry(int entries) {
    WindowAction a;
    a.act = [](MainWindow& w) { UserInput::ClickToolbarItem(w.ToolbarItem2()); };
    a.check = [=](MainWindow& w) {
        return w.entry == entries + 1 && w.EditField1().Text() == QLatin1String("New Entry");
    };
    a.undo = [](MainWindow& w) {
        WindowBench::Select(w, w.entry - 1);
        w.DeleteInArray();
        w.EditField6().SetFocus();
        w.TextHasChanged = false;
    };
    return a;
}

WindowBench::MakeAction DeleteEntry(bool first) {
    return [=](int entries) {
        const int row = first ? 0 : entries - 1;
        auto saved = std::make_shared<EntryRow>();
        WindowAction a;
        a.prepare = [=](MainWindow& w) {
            *saved = w.myArray[std::size_t(row)];
            WindowBench::Select(w, row);
        };
        a.act = [](MainWindow& w) { UserInput::ClickToolbarItem(w.ToolbarItem3()); };
        a.check = [=](MainWindow& w) { return w.entry == entries - 1; };
        // Puts the entry back where it was, as the document had it.
        a.undo = [=](MainWindow& w) {
            w.myArray.insert(w.myArray.begin() + row, *saved);
            // The row the deletion emptied at the end of the table.
            w.myArray.erase(w.myArray.begin() + w.entry + 1);
            w.ListBox1().AddRow(QString());
            ++w.entry;
            w.UpdateListBox();
            w.TextHasChanged = false;
        };
        return a;
    };
}

WindowAction SelectAll(int entries) {
    WindowAction a;
    a.prepare = [=](MainWindow& w) {
        WindowBench::Select(w, entries / 2);
        UserInput::Click(w.EditField5());
        w.EditField1().SetSelLength(0);
        w.EditField5().SetSelLength(0);
    };
    a.act = [](MainWindow&) { Menu::Instance().Choose(QStringLiteral("EditSelectAll")); };
    a.check = [](MainWindow& w) { return w.EditField5().SelLength() == int(w.EditField5().Text().size()); };
    return a;
}

const bool registered = [] {
    WindowBench::Register("SelectEntry", SelectEntry);
    WindowBench::Register("AddEntry", AddEntry);
    WindowBench::Register("DeleteFirstEntry", DeleteEntry(true));
    WindowBench::Register("DeleteLastEntry", DeleteEntry(false));
    WindowBench::Register("SelectAll", SelectAll);
    return true;
}();

}  // namespace
