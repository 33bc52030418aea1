// SPDX-License-Identifier: MIT
// Printing a long tape to a PDF file through the real Qt back end: the cost of a page must
// not grow with the tape's length (the document is laid out once per job, not per page).
#include <benchmark/benchmark.h>

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "bench_tape.h"
#include "history/default_printer.h"
#include "window/main_window.h"

namespace vimbo {
namespace {

using bench::FixedClock;
using bench::TapeOf;

int PagesOf(const QString& pdf) {
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page\\b(?!s)"));
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
}

void PrintToPdf(benchmark::State& state) {
    const FixedClock clock;
    MainWindow window;
    WindowControls& controls = window.controls();
    controls.tape.setWholeText(TapeOf(static_cast<int>(state.range(0)), 10));
    const QFont tapeFont = window.tapeFont();
    const QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        PrintTapeOnPrinter(printer, controls, clock, tapeFont);
    }
    const int pages = PagesOf(pdf);
    if (pages == 0) {
        state.SkipWithError("no pages printed");
        return;
    }
    state.counters["pages"] = pages;
    // Time per page: pages per second, inverted.
    state.counters["per_page"] = benchmark::Counter(
        pages, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(PrintToPdf)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vimbo
