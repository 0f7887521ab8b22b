// Sorting when the title field loses the focus after an edit, in a full
// document: the last entry renamed so that it moves to the top, and an edit
// that leaves the table in order.
#include "FullDocument.h"
#include "FullWindowFixture.h"
#include "UserInput.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/TextField.h"

BENCHMARK_DEFINE_F(FullWindowFixture, SortLastToTop)(benchmark::State& state) {
    MainWindow& w = W();
    const QString title = FullDocument::Cell(kLast, 0);
    // Punctuation sorts before the digits every other title starts with.
    const QString renamed = QLatin1Char('!') + title.left(FullDocument::kFieldLength - 1);
    bool moved = true;
    for (auto _ : state) {
        state.PauseTiming();
        Select(kLast);
        UserInput::Click(w.EditField1());
        w.EditField1().SetText(renamed);
        UserInput::Frame();
        state.ResumeTiming();
        UserInput::Click(w.EditField6());
        UserInput::Frame();
        state.PauseTiming();
        moved = moved && w.ListBox1().ListIndex() == 0 && w.myArray[0][0] == renamed;
        // Named back, it sorts back to the end.
        UserInput::Click(w.EditField1());
        w.EditField1().SetText(title);
        UserInput::Click(w.EditField6());
        UserInput::Frame();
        state.ResumeTiming();
    }
    if (!moved)
        state.SkipWithError("the renamed entry did not move to the top");
    Check(state);
}
BENCHMARK_REGISTER_F(FullWindowFixture, SortLastToTop)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(FullWindowFixture, SortInOrder)(benchmark::State& state) {
    MainWindow& w = W();
    const QString title = FullDocument::Cell(kMiddle, 0);
    Select(kMiddle);
    bool erase = true;
    for (auto _ : state) {
        state.PauseTiming();
        UserInput::Click(w.EditField1());
        UserInput::PressKey(w.EditField1(), Qt::Key_End);
        if (erase)
            UserInput::PressKey(w.EditField1(), Qt::Key_Backspace);
        else
            UserInput::Type(w.EditField1(), title.back());
        erase = !erase;
        UserInput::Frame();
        state.ResumeTiming();
        UserInput::Click(w.EditField6());
        UserInput::Frame();
    }
    if (!erase) {
        UserInput::Click(w.EditField1());
        UserInput::PressKey(w.EditField1(), Qt::Key_End);
        UserInput::Type(w.EditField1(), title.back());
        UserInput::Click(w.EditField6());
    }
    if (w.ListBox1().ListIndex() != kMiddle || w.myArray[std::size_t(kMiddle)][0] != title)
        state.SkipWithError("the edited entry moved");
    Check(state);
}
BENCHMARK_REGISTER_F(FullWindowFixture, SortInOrder)->Unit(benchmark::kMillisecond);
