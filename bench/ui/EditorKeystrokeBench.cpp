// A keystroke in each of the five field editors, the middle entry selected:
// the Backspace that shortens its 255-character text.
#include "FullDocument.h"
#include "UserInput.h"
#include "WindowBench.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"

namespace {

WindowBench::MakeAction Backspace(RectControl& (*editor)(MainWindow&), EntryColumn column) {
    return [=](int entries) {
        const int row = entries / 2;
        const QString cell = FullDocument::Cell(row, int(column), entries);
        WindowAction a;
        a.prepare = [=](MainWindow& w) {
            WindowBench::Select(w, row);
            UserInput::Click(editor(w));
            // To the end of the text: Ctrl+End reaches it in the notes, End in a field.
            UserInput::PressKey(editor(w), Qt::Key_End, QString(), Qt::ControlModifier);
            UserInput::PressKey(editor(w), Qt::Key_End);
        };
        a.act = [=](MainWindow& w) { UserInput::PressKey(editor(w), Qt::Key_Backspace); };
        a.check = [=](MainWindow& w) { return w.myArray[std::size_t(row)][std::size_t(column)] == cell.chopped(1); };
        a.undo = [=](MainWindow& w) { UserInput::Type(editor(w), cell.back()); };
        return a;
    };
}

const bool registered = [] {
    WindowBench::Register("KeystrokeTitle",
                          Backspace([](MainWindow& w) -> RectControl& { return w.EditField1(); }, EntryColumn::Title));
    WindowBench::Register("KeystrokeURL",
                          Backspace([](MainWindow& w) -> RectControl& { return w.EditField2(); }, EntryColumn::URL));
    WindowBench::Register("KeystrokeUser",
                          Backspace([](MainWindow& w) -> RectControl& { return w.EditField3(); }, EntryColumn::User));
    WindowBench::Register("KeystrokePassword", Backspace([](MainWindow& w) -> RectControl& { return w.EditField4(); },
                                                         EntryColumn::Password));
    WindowBench::Register("KeystrokeNotes",
                          Backspace([](MainWindow& w) -> RectControl& { return w.EditField5(); }, EntryColumn::Notes));
    return true;
}();

}  // namespace
