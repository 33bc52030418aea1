// SPDX-License-Identifier: MIT
// The tape as a working tool with thousands of entries on it: a recalled input (Up, then Down
// back to the line being typed), a tape line double-clicked into the input line, "Clear" taken
// back with Ctrl+Z, and the tape saved as text and as the PDF report. None of them may grow
// with the tape but the undo, which shows the whole tape again, and the saving.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include "bench_tape.h"
#include "history/tape_file.h"
#include "window/main_window.h"
#include "window/tape_view.h"

namespace vimbo {
namespace {

using bench::FixedClock;
using bench::TapeOf;

// A shown main window after `entries` calculations typed and entered.
class UsedWindow {
  public:
    explicit UsedWindow(int entries) {
        window_.show();
        QCoreApplication::processEvents();
        for (int i = 1; i <= entries; ++i) {
            input().setText(QStringLiteral("%1+3").arg(i));
            key(Qt::Key_Return);
        }
    }
    QLineEdit& input() { return *window_.findChild<QLineEdit*>(QStringLiteral("txtInput")); }
    TapeView& tape() { return *window_.findChild<TapeView*>(QStringLiteral("list1")); }
    WindowControls& controls() { return window_.controls(); }
    QFont tapeFont() const { return window_.tapeFont(); }
    void key(Qt::Key pressed, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, pressed, modifiers);
        QCoreApplication::sendEvent(&input(), &press);
    }

  private:
    MainWindow window_;
};

void RecallOnTape(benchmark::State& state) {
    UsedWindow window(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        window.key(Qt::Key_Up);
        window.key(Qt::Key_Down);
    }
    if (!window.input().text().isEmpty()) {
        state.SkipWithError("Down did not bring back the empty line");
    }
}

void InsertFromTape(benchmark::State& state) {
    UsedWindow window(static_cast<int>(state.range(0)));
    QWidget& viewport = *window.tape().viewport();
    // The newest result, shown at the bottom of the tape.
    QTextCursor result(window.tape().document());
    result.movePosition(QTextCursor::End);
    result.movePosition(QTextCursor::Up, QTextCursor::MoveAnchor, 2);
    const QPointF at = window.tape().cursorRect(result).center();
    for (auto _ : state) {
        QMouseEvent click(QEvent::MouseButtonDblClick, at, viewport.mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&viewport, &click);
        state.PauseTiming();
        if (window.input().text().isEmpty()) {
            state.SkipWithError("the double click inserted nothing");
            return;
        }
        window.input().clear();
        state.ResumeTiming();
    }
}

void UndoClear(benchmark::State& state) {
    UsedWindow window(static_cast<int>(state.range(0)));
    const QString tape = window.tape().wholeText();
    auto& clear =
        *window.tape().parentWidget()->findChild<QPushButton*>(QStringLiteral("cmdClear"));
    for (auto _ : state) {
        clear.click();
        window.key(Qt::Key_Z, Qt::ControlModifier);
    }
    if (window.tape().wholeText() != tape) {
        state.SkipWithError("Ctrl+Z did not bring the tape back");
    }
}

void SaveTape(benchmark::State& state, TapeFileFormat format) {
    const FixedClock clock;
    MainWindow window;
    WindowControls& controls = window.controls();
    controls.tape.setWholeText(TapeOf(static_cast<int>(state.range(0)), 10));
    const QTemporaryDir dir;
    const QString file = dir.filePath(format == TapeFileFormat::Pdf ? "tape.pdf" : "tape.txt");
    const ReportPaper paper = DefaultPrinterPaper();
    for (auto _ : state) {
        if (SaveTapeFile(file, format, controls, clock, window.tapeFont(), paper)) {
            state.SkipWithError("the tape was not saved");
            return;
        }
    }
}

BENCHMARK(RecallOnTape)->Arg(10)->Arg(5'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(InsertFromTape)->Arg(10)->Arg(5'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(UndoClear)->Arg(10)->Arg(5'000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SaveTape, Text, TapeFileFormat::Text)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveTape, Pdf, TapeFileFormat::Pdf)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vimbo
