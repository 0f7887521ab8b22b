// A search keystroke in a full document, the middle entry selected: a hit on
// the first entry ("0"), on the last one only ("1"), and on none ("q").
#include "FullWindowFixture.h"
#include "UserInput.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Timer.h"

namespace {

void SearchKeystroke(FullWindowFixture& f, benchmark::State& state, QChar key, int expectedRow) {
    MainWindow& w = f.W();
    UserInput::Click(w.EditField6());
    f.Select(FullWindowFixture::kMiddle);
    int hit = -1;
    for (auto _ : state) {
        UserInput::Type(w.EditField6(), key);
        UserInput::Frame();
        state.PauseTiming();
        hit = w.ListBox1().ListIndex();
        // The search buffer empties as its timer empties it.
        w.Timer1_Action(w.Timer1());
        f.Select(FullWindowFixture::kMiddle);
        UserInput::Frame();
        state.ResumeTiming();
    }
    if (hit != expectedRow)
        state.SkipWithError("the search selected another entry");
    f.Check(state);
}

}  // namespace

BENCHMARK_DEFINE_F(FullWindowFixture, SearchHitAtTop)(benchmark::State& state) {
    SearchKeystroke(*this, state, u'0', 0);
}
BENCHMARK_DEFINE_F(FullWindowFixture, SearchHitAtEnd)(benchmark::State& state) {
    SearchKeystroke(*this, state, u'1', kLast);
}
BENCHMARK_DEFINE_F(FullWindowFixture, SearchNoHit)(benchmark::State& state) {
    SearchKeystroke(*this, state, u'q', kMiddle);
}
BENCHMARK_REGISTER_F(FullWindowFixture, SearchHitAtTop)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(FullWindowFixture, SearchHitAtEnd)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(FullWindowFixture, SearchNoHit)->Unit(benchmark::kMillisecond);
