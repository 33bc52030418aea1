// SPDX-License-Identifier: MIT
#include "window/startup.h"

#include <QDialog>
#include <QWidget>

#include "window/centre_on_screen.h"
#include "window/control_table.h"
#include "window/main_window.h"
#include "window/picture_window.h"

namespace vimbo {

void ExecModally(QDialog& window) {
    window.exec();
}

bool IsPictureDay(const CalendarDate& date) {
    return date.day % 5 == 0;
}

void LoadMainWindow(const Clock& clock, const ShowModally& showModally) {
    // The tape's rich-text control needs no registration here: it is an ordinary Qt widget,
    // linked into the program, so the load step starts with the date.
    if (!IsPictureDay(clock.today())) {
        return;
    }
    PictureWindow pictureWindow;  // created here and discarded once "X" has closed it
    showModally(pictureWindow);
}

void ShowMainWindow(QWidget& mainWindow) {
    CentreOnScreen(mainWindow);
    mainWindow.show();
    CentreOnScreen(mainWindow);  // again, now that the frame around the window may be known
    mainWindow.raise();
    mainWindow.activateWindow();
    if (auto* const input = mainWindow.findChild<QWidget*>(QLatin1String(control_name::input))) {
        input->setFocus();
    }
}

std::unique_ptr<MainWindow> StartCalculator(const Clock& clock, const ShowModally& showModally) {
    auto mainWindow = std::make_unique<MainWindow>();
    LoadMainWindow(clock, showModally);
    ShowMainWindow(*mainWindow);
    return mainWindow;
}

}  // namespace vimbo
