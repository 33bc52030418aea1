// SPDX-License-Identifier: MIT
// What one tape entry costs in resident memory: the real main window, offscreen unless told
// otherwise, takes many Equals actions (each a new calculation, as typed), and the resident
// set is read from /proc/self/status after every batch.
//   tape_memory [ENTRIES [BATCH]]   20,000 entries in batches of 2,000 by default
#include <QApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench_tape.h"
#include "window/equals_action.h"
#include "window/main_window.h"

namespace {

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const long entries = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 20000;
    const long batch = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 2000;

    vimbo::MainWindow window;
    window.show();
    QCoreApplication::processEvents();
    vimbo::WindowControls& controls = window.controls();

    const long start = ResidentKilobytes();
    long previous = start;
    std::printf("%10s %12s %14s %14s\n", "entries", "VmRSS kB", "batch B/entry", "total B/entry");
    std::printf("%10d %12ld %14s %14s\n", 0, start, "-", "-");
    for (long done = 0; done < entries;) {
        for (long i = 0; i < batch && done < entries; ++i, ++done) {
            controls.input.setText(QStringLiteral("%1*3+0.25").arg(done + 1));
            vimbo::EqualsAction(controls);
        }
        const long now = ResidentKilobytes();
        std::printf("%10ld %12ld %14.0f %14.0f\n", done, now,
                    static_cast<double>(now - previous) * 1024.0 / static_cast<double>(batch),
                    static_cast<double>(now - start) * 1024.0 / static_cast<double>(done));
        std::fflush(stdout);
        previous = now;
    }
    std::printf("tape: %d characters\n", controls.tape.length());
    return 0;
}
