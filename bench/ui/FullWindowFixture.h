#pragma once

#include <benchmark/benchmark.h>

#include <QPointer>

#include "document/MainWindow.h"

// A document window holding the full document, opened once through the
// application as a user opens it, unlocked, shown and active. Each run starts
// with the first entry selected and the focus in the search field; a run that
// left the table changed gets a freshly opened window.
class FullWindowFixture : public benchmark::Fixture {
public:
    void SetUp(benchmark::State& state) override;
    void TearDown(benchmark::State& state) override;

    MainWindow& W() { return *window_; }
    // Selects the row as a program does, leaving the focus where it is.
    void Select(int row);
    // Reports an error when the window lost entries or a message or a modal
    // window the benchmark did not expect showed up; true when all is well.
    bool Check(benchmark::State& state);

    static constexpr int kLast = MainWindow::kInitialRows - 1;
    static constexpr int kMiddle = MainWindow::kInitialRows / 2;

private:
    static QPointer<MainWindow> window_;
    static MainWindow* OpenFull();
    bool HoldsFullDocument() const;
    int unexpectedModals_ = 0;
};
