// A keystroke in each of the five field editors of a full document: the
// Backspace that shortens a 255-character field and the letter that fills it
// again, alternately, each followed by its frame.
#include "FullDocument.h"
#include "FullWindowFixture.h"
#include "UserInput.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"

namespace {

void TypeIn(FullWindowFixture& f, benchmark::State& state, RectControl& editor, EntryColumn column) {
    MainWindow& w = f.W();
    const int row = FullWindowFixture::kMiddle;
    const QString cell = FullDocument::Cell(row, int(column));
    f.Select(row);
    UserInput::Click(editor);
    // To the end of the text: Ctrl+End reaches it in the notes, End in a field.
    UserInput::PressKey(editor, Qt::Key_End, QString(), Qt::ControlModifier);
    UserInput::PressKey(editor, Qt::Key_End);
    UserInput::Frame();
    bool erase = true;
    for (auto _ : state) {
        if (erase)
            UserInput::PressKey(editor, Qt::Key_Backspace);
        else
            UserInput::Type(editor, cell.back());
        erase = !erase;
        UserInput::Frame();
    }
    if (!erase)
        UserInput::Type(editor, cell.back());
    UserInput::Frame();
    if (w.myArray[std::size_t(row)][std::size_t(column)] != cell)
        state.SkipWithError("the keystrokes were not stored");
    f.Check(state);
}

}  // namespace

BENCHMARK_DEFINE_F(FullWindowFixture, KeystrokeTitle)(benchmark::State& state) {
    TypeIn(*this, state, W().EditField1(), EntryColumn::Title);
}
BENCHMARK_DEFINE_F(FullWindowFixture, KeystrokeURL)(benchmark::State& state) {
    TypeIn(*this, state, W().EditField2(), EntryColumn::URL);
}
BENCHMARK_DEFINE_F(FullWindowFixture, KeystrokeUser)(benchmark::State& state) {
    TypeIn(*this, state, W().EditField3(), EntryColumn::User);
}
BENCHMARK_DEFINE_F(FullWindowFixture, KeystrokePassword)(benchmark::State& state) {
    TypeIn(*this, state, W().EditField4(), EntryColumn::Password);
}
BENCHMARK_DEFINE_F(FullWindowFixture, KeystrokeNotes)(benchmark::State& state) {
    TypeIn(*this, state, W().EditField5(), EntryColumn::Notes);
}
BENCHMARK_REGISTER_F(FullWindowFixture, KeystrokeTitle)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(FullWindowFixture, KeystrokeURL)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(FullWindowFixture, KeystrokeUser)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(FullWindowFixture, KeystrokePassword)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(FullWindowFixture, KeystrokeNotes)->Unit(benchmark::kMillisecond);
