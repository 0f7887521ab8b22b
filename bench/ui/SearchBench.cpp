// A search keystroke, the middle entry selected: a hit on the first entry
// ("0"), on the last one only ("l"), and on none ("q").
#include "UserInput.h"
#include "WindowBench.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/TextField.h"

namespace {

WindowBench::MakeAction SearchKeystroke(QChar key, bool hitsLast, bool hits) {
    return [=](int entries) {
        const int middle = entries / 2;
        const int expected = !hits ? middle : hitsLast ? entries - 1 : 0;
        WindowAction a;
        a.prepare = [=](MainWindow& w) {
            UserInput::Click(w.EditField6());
            WindowBench::Select(w, middle);
        };
        a.act = [=](MainWindow& w) { UserInput::Type(w.EditField6(), key); };
        a.check = [=](MainWindow& w) { return w.ListBox1().ListIndex() == expected; };
        // The search buffer empties as its timer empties it.
        a.undo = [](MainWindow& w) { w.Timer1_Action(w.Timer1()); };
        return a;
    };
}

const bool registered = [] {
    WindowBench::Register("SearchHitAtTop", SearchKeystroke(u'0', false, true));
    WindowBench::Register("SearchHitAtEnd", SearchKeystroke(u'l', true, true));
    WindowBench::Register("SearchNoHit", SearchKeystroke(u'q', false, false));
    return true;
}();

}  // namespace
