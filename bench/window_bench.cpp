// SPDX-License-Identifier: MIT
// The Equals action on the real main window, with an empty tape and with a long one: the tape
// is rewritten whole four times per evaluation, so its view must not cost more as it grows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QString>

#include "bench_tape.h"
#include "window/equals_action.h"
#include "window/main_window.h"

namespace vimbo {
namespace {

using bench::TapeOf;

void EqualsOnTape(benchmark::State& state) {
    const int entries = static_cast<int>(state.range(0));
    MainWindow window;
    window.show();
    QCoreApplication::processEvents();
    WindowControls& controls = window.controls();
    const QString tape = TapeOf(entries);
    controls.tape.setWholeText(tape);
    int sinceReset = 0;
    for (auto _ : state) {
        // Keep the tape at its starting length, outside the measured time.
        if (++sinceReset == 1000) {
            state.PauseTiming();
            controls.tape.setWholeText(tape);
            controls.grandTotal.setText(QString());
            sinceReset = 0;
            state.ResumeTiming();
        }
        controls.input.setText(QStringLiteral("2+3"));
        EqualsAction(controls);
    }
    state.counters["tape_chars"] = static_cast<double>(controls.tape.length());
}

// The four whole-text replacements of one entry on the tape alone, as the actions make them.
void TapeAppends(benchmark::State& state) {
    MainWindow window;
    window.show();
    QCoreApplication::processEvents();
    Tape& tapeControl = window.controls().tape;
    const QString tape = TapeOf(static_cast<int>(state.range(0)));
    tapeControl.setWholeText(tape);
    int sinceReset = 0;
    for (auto _ : state) {
        if (++sinceReset == 1000) {
            state.PauseTiming();
            tapeControl.setWholeText(tape);
            sinceReset = 0;
            state.ResumeTiming();
        }
        tapeControl.appendText(QStringLiteral("2+3"));
        tapeControl.appendText(QStringLiteral("\r\n="));
        tapeControl.appendText(QStringLiteral("\r\n5"));
        tapeControl.appendText(QStringLiteral("\r\n****************\r\n"));
    }
}

BENCHMARK(TapeAppends)->Arg(0)->Arg(10'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(EqualsOnTape)->Arg(0)->Arg(10'000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vimbo
