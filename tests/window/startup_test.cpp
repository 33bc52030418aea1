// SPDX-License-Identifier: MIT
// The order of the start: mainWindow created, the picture window Form1 shown modally on every
// fifth day while mainWindow stays hidden, then mainWindow centred with the focus in txtInput.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "tests/support/named_rows.h"
#include "window/main_window.h"
#include "window/startup.h"

namespace vimbo {
namespace {

using vimbo::test_support::PrintTo;

class DayClock final : public Clock {
  public:
    explicit DayClock(int day) : day_(day) {}
    CalendarDate today() const override { return {day_, 12, 2026}; }

  private:
    int day_;
};

QWidget* FindMainWindow() {
    for (QWidget* const widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QStringLiteral("frmMain")) {
            return widget;
        }
    }
    return nullptr;
}

// What the modal showing found when it was asked to show the picture window.
struct PictureShowing {
    int times = 0;
    bool mainWindowExisted = false;
    bool mainWindowVisible = false;
    bool pictureVisible = false;
    bool pictureClosedByX = false;
};

// Shows the window as the toolkit would, notes what is on screen, then clicks "X".
ShowModally RecordingShowing(PictureShowing& seen) {
    return [&seen](QDialog& form1) {
        ++seen.times;
        form1.show();
        const QWidget* const mainWindow = FindMainWindow();
        seen.mainWindowExisted = mainWindow != nullptr;
        seen.mainWindowVisible = mainWindow != nullptr && mainWindow->isVisible();
        seen.pictureVisible = form1.isVisible();
        QTest::mouseClick(form1.findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        seen.pictureClosedByX = !form1.isVisible();
    };
}

struct DayRow {
    const char* name;
    int day;
    bool picture;
};

void PrintTo(const DayRow& row, std::ostream* out) {
    *out << row.name;
}

const auto kDays = ::testing::Values(DayRow{"Fifth", 5, true}, DayRow{"Tenth", 10, true},
                                     DayRow{"Fifteenth", 15, true}, DayRow{"Thirtieth", 30, true},
                                     DayRow{"First", 1, false}, DayRow{"Fourth", 4, false},
                                     DayRow{"Sixth", 6, false}, DayRow{"ThirtyFirst", 31, false});
const auto kDayName = [](const auto& info) { return std::string(info.param.name); };

class DayRule : public ::testing::TestWithParam<DayRow> {};

TEST_P(DayRule, PictureDayIsAMultipleOfFive) {
    EXPECT_EQ(IsPictureDay(CalendarDate{GetParam().day, 6, 2026}), GetParam().picture);
}

INSTANTIATE_TEST_SUITE_P(Days, DayRule, kDays, kDayName);

class StartOrder : public ::testing::TestWithParam<DayRow> {};

TEST_P(StartOrder, PictureFirstOnlyOnItsDaysAndMainWindowAfterX) {
    const DayClock clock(GetParam().day);
    PictureShowing seen;
    const auto mainWindow = StartCalculator(clock, RecordingShowing(seen));

    EXPECT_EQ(seen.times, GetParam().picture ? 1 : 0);
    if (GetParam().picture) {
        EXPECT_TRUE(seen.mainWindowExisted) << "mainWindow is created before its load step";
        EXPECT_FALSE(seen.mainWindowVisible) << "mainWindow appears only after X";
        EXPECT_TRUE(seen.pictureVisible);
        EXPECT_TRUE(seen.pictureClosedByX);
    }
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_TRUE(mainWindow->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Days, StartOrder, kDays, kDayName);

// The toolkit's own modal showing: the picture window runs its event loop until "X".
class StartWithModalLoop : public ::testing::TestWithParam<DayRow> {};

TEST_P(StartWithModalLoop, MainWindowHiddenWhileThePictureWindowIsModal) {
    const DayClock clock(GetParam().day);
    bool sawPicture = false;
    bool mainWindowVisible = true;
    QTimer probe;
    probe.setInterval(10);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        auto* const form1 = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (form1 == nullptr || form1->objectName() != QStringLiteral("Form1")) {
            return;
        }
        probe.stop();
        sawPicture = true;
        const QWidget* const mainWindow = FindMainWindow();
        mainWindowVisible = mainWindow != nullptr && mainWindow->isVisible();
        QTest::mouseClick(form1->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    });
    probe.start();
    const auto mainWindow = StartCalculator(clock);
    probe.stop();

    EXPECT_EQ(sawPicture, GetParam().picture);
    if (GetParam().picture) {
        EXPECT_FALSE(mainWindowVisible);
    }
    EXPECT_TRUE(mainWindow->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Days, StartWithModalLoop,
                         ::testing::Values(DayRow{"Fifth", 5, true}, DayRow{"Twentieth", 20, true},
                                           DayRow{"ThirtyFirst", 31, false}),
                         kDayName);

TEST(StartedMainWindow, IsCentredOnTheScreen) {
    const DayClock clock(1);
    const auto mainWindow = StartCalculator(clock);
    const QScreen* const screen = mainWindow->screen();
    ASSERT_NE(screen, nullptr);
    const QPoint offset =
        mainWindow->frameGeometry().center() - screen->availableGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 1) << offset.x() << "," << offset.y();
}

TEST(StartedMainWindow, HasTheFocusInTheInputLine) {
    const DayClock clock(25);
    PictureShowing seen;
    const auto mainWindow = StartCalculator(clock, RecordingShowing(seen));
    ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow.get()));
    const auto* const input = mainWindow->findChild<QLineEdit*>(QStringLiteral("txtInput"));
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), input);
}

TEST(StartedMainWindow, TypingGoesIntoTheInputLine) {
    const DayClock clock(2);
    const auto mainWindow = StartCalculator(clock);
    ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow.get()));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1+2"));
    const auto* const input = mainWindow->findChild<QLineEdit*>(QStringLiteral("txtInput"));
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(input->text(), QStringLiteral("1+2"));
}

}  // namespace
}  // namespace vimbo
