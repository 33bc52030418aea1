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
    controls.list1.setWholeText(tape);
    int sinceReset = 0;
    for (auto _ : state) {
        // Keep the tape at its starting length, outside the measured time.
        if (++sinceReset == 1000) {
            state.PauseTiming();
            controls.list1.setWholeText(tape);
            controls.Text1.setText(QString());
            sinceReset = 0;
            state.ResumeTiming();
        }
        controls.txtInput.setText(QStringLiteral("2+3"));
        EqualsAction(controls);
    }
    state.counters["tape_chars"] = static_cast<double>(controls.list1.length());
}

// The four whole-text replacements of one entry on the tape alone, as the actions make them.
void TapeAppends(benchmark::State& state) {
    MainWindow window;
    window.show();
    QCoreApplication::processEvents();
    Tape& list1 = window.controls().list1;
    const QString tape = TapeOf(static_cast<int>(state.range(0)));
    list1.setWholeText(tape);
    int sinceReset = 0;
    for (auto _ : state) {
        if (++sinceReset == 1000) {
            state.PauseTiming();
            list1.setWholeText(tape);
            sinceReset = 0;
            state.ResumeTiming();
        }
        list1.appendText(QStringLiteral("2+3"));
        list1.appendText(QStringLiteral("\r\n="));
        list1.appendText(QStringLiteral("\r\n5"));
        list1.appendText(QStringLiteral("\r\n****************\r\n"));
    }
}

BENCHMARK(TapeAppends)->Arg(0)->Arg(10'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(EqualsOnTape)->Arg(0)->Arg(10'000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vimbo
