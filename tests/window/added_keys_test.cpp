// SPDX-License-Identifier: MIT
// The added keys and menus on the real window: what the output line and the grand total show
// of a long value, recall, the tape's lines into the input line, copy and paste, Escape, and
// Ctrl+Z after Clear.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QSignalSpy>
#include <QTextBlock>

#include "window_fixture.h"

namespace vimbo {
namespace {

using AddedKeys = testing::WindowFixture;

// What a box shows at its left: the same box, with only the value's start in it, drawn
// beside it as a reference.
void ExpectStartShown(QLineEdit& box, const QString& start) {
    QLineEdit reference(start, box.parentWidget());
    reference.setGeometry(box.geometry());
    reference.setFont(box.font());
    reference.setPalette(box.palette());
    reference.setReadOnly(box.isReadOnly());
    reference.setCursorPosition(0);
    const int width = reference.fontMetrics().horizontalAdvance(start);
    const QImage shown = box.grab().toImage().copy(0, 0, width, box.height());
    const QImage expected = reference.grab().toImage().copy(0, 0, width, box.height());
    EXPECT_EQ(shown, expected) << box.objectName().toStdString() << " shows another part";
}

TEST_F(AddedKeys, LongValuesShowTheirSign) {
    evaluate(QStringLiteral("-1/7*1e-10"));
    ASSERT_EQ(output()->text(), QStringLiteral("-1.42857142857143E-11"));
    ExpectStartShown(*output(), QStringLiteral("-1.4285"));
    evaluate(QStringLiteral("-123456789012345*99999"));
    ASSERT_EQ(total()->text(), QStringLiteral("-1.23455554444455E+19"));
    ExpectStartShown(*total(), QStringLiteral("-1.2345"));
    // The user looks at the tail and leaves: the start shows again.
    output()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(output(), Qt::Key_End);
    input()->setFocus(Qt::TabFocusReason);
    ExpectStartShown(*output(), QStringLiteral("-1.2345"));
}

TEST_F(AddedKeys, UpAndDownRecallFromEitherEndOnly) {
    evaluate(QStringLiteral("2+3"));
    evaluate(QStringLiteral("4*5"));
    type(QStringLiteral("12"));
    QTest::keyClick(input(), Qt::Key_Left);  // inside the line: the keys are not taken
    QTest::keyClick(input(), Qt::Key_Up);
    EXPECT_EQ(input()->text(), QStringLiteral("12"));
    const struct {
        Qt::Key key;
        const char* expected;
    } steps[] = {{Qt::Key_Up, "4*5"},
                 {Qt::Key_Up, "2+3"},
                 {Qt::Key_Up, "2+3"},
                 {Qt::Key_Down, "4*5"},
                 {Qt::Key_Down, "12"}};
    QTest::keyClick(input(), Qt::Key_Home);
    for (const auto& step : steps) {
        QTest::keyClick(input(), step.key);
        EXPECT_EQ(input()->text(), QLatin1String(step.expected));
        EXPECT_EQ(input()->cursorPosition(), input()->text().size());
    }
    click("cmdClear");
    QTest::keyClick(input(), Qt::Key_Up);
    EXPECT_EQ(input()->text(), QString());
}

TEST_F(AddedKeys, TapeLinesGoWholeIntoTheInputLine) {
    evaluate(QStringLiteral("12.5625*1"));
    evaluate(QStringLiteral("2+3"));
    type(QStringLiteral("1+*2"));
    input()->setCursorPosition(2);
    // A double click on the result 12.5625 (line 3), where it would select only "5625".
    QTextCursor line(tape()->document());
    line.movePosition(QTextCursor::Down, QTextCursor::MoveAnchor, 2);
    line.movePosition(QTextCursor::EndOfLine);
    QTest::mouseDClick(tape()->viewport(), Qt::LeftButton, {},
                       tape()->cursorRect(line).center() - QPoint(4, 0));
    EXPECT_EQ(input()->text(), QStringLiteral("1+12.5625*2"));
    EXPECT_EQ(input()->cursorPosition(), 9);
    EXPECT_EQ(QApplication::focusWidget(), input());
    // The menu's entry takes the line that was right-clicked (the menu itself stays shut).
    tape()->setContextMenuPolicy(Qt::NoContextMenu);
    const QPoint at = tape()->cursorRect(line).center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, tape()->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(tape()->viewport(), &rightClick);
    control<QAction>("actionTapeInsert")->trigger();
    EXPECT_EQ(input()->text(), QStringLiteral("1+12.562512.5625*2"));
    input()->setText(QStringLiteral("1+12.5625*2"));
    input()->setCursorPosition(9);
    // Enter on the tape's caret line: the expression 2+3 (line 5); on "=" nothing.
    for (const auto& [down, expected] : {std::pair{4, "1+12.56252+3*2"}, {1, "1+12.56252+3*2"}}) {
        tape()->setFocus();
        QTextCursor caret = tape()->textCursor();
        caret.movePosition(QTextCursor::Start);
        caret.movePosition(QTextCursor::Down, QTextCursor::MoveAnchor, down);
        tape()->setTextCursor(caret);
        QTest::keyClick(tape(), Qt::Key_Return);
        EXPECT_EQ(input()->text(), QLatin1String(expected));
    }
}

TEST_F(AddedKeys, CopyAndPaste) {
    QClipboard& clipboard = *QGuiApplication::clipboard();
    evaluate(QStringLiteral("6*7"));
    QTest::keyClick(input(), Qt::Key_C, Qt::ControlModifier);  // nothing selected: the result
    EXPECT_EQ(clipboard.text(), QStringLiteral("42"));
    type(QStringLiteral("123"));
    input()->setSelection(0, 2);
    QTest::keyClick(input(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard.text(), QStringLiteral("12"));

    tape()->setFocus();
    tape()->selectAll();
    QTest::keyClick(tape(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard.text(), QStringLiteral("6*7\n=\n42\n****************\n"));

    for (const auto& [key, modifier] :
         {std::pair{Qt::Key_V, Qt::ControlModifier}, {Qt::Key_Insert, Qt::ShiftModifier}}) {
        input()->clear();
        clipboard.setText(QStringLiteral("215.12\r\n"));
        QTest::keyClick(input(), key, modifier);
        type(QStringLiteral("*2"));
        clipboard.setText(QStringLiteral("1\n2\n"));
        QTest::keyClick(input(), key, modifier);
        EXPECT_EQ(input()->text(), QStringLiteral("215.12*21+2"));
    }
}

// Escape and Ctrl+Z are the input line's own, but right after Clear.
TEST_F(AddedKeys, EscapeAndCtrlZ) {
    evaluate(QStringLiteral("2+3"));
    type(QStringLiteral("4*"));
    QTest::keyClick(input(), Qt::Key_Escape);
    EXPECT_EQ(input()->text(), QString());
    EXPECT_EQ(total()->text(), QStringLiteral("5"));
    QTest::keyClick(input(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(input()->text(), QStringLiteral("4*"));

    const QString tapeText = tape()->wholeText();
    click("cmdClear");
    QTest::keyClick(input(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(input()->text(), QStringLiteral("4*"));
    EXPECT_EQ(tape()->wholeText(), tapeText);
    QTest::keyClick(input(), Qt::Key_Home);
    QTest::keyClick(input(), Qt::Key_Up);  // the recalled inputs came back too
    EXPECT_EQ(input()->text(), QStringLiteral("2+3"));

    click("cmdClear");
    type(QStringLiteral("9"));  // the next action
    QTest::keyClick(input(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(input()->text(), QString());
    EXPECT_EQ(tape()->wholeText(), QString());
}

TEST_F(AddedKeys, TapeMenuOffersItsCommandsWithTheirKeys) {
    QStringList entries;
    for (const QAction* action : tape()->actions()) {
        entries << (action->isSeparator()
                        ? QStringLiteral("-")
                        : action->text().remove(u'&') + u' ' + action->shortcut().toString());
    }
    EXPECT_EQ(entries, QStringList({"Copy Ctrl+C", "Select All Ctrl+A", "Insert into input Return",
                                    "-", "Save tape… Ctrl+S", "Print Ctrl+P"}));
    EXPECT_EQ(tape()->contextMenuPolicy(), Qt::ActionsContextMenu);
}

// One action a command: its key works wherever the focus is in the window, and its button
// triggers the same action.
TEST_F(AddedKeys, PrintAndSaveFromTheirKeysAndButton) {
    QSignalSpy print(control<QAction>("actionPrint"), &QAction::triggered);
    QSignalSpy save(control<QAction>("actionSaveTape"), &QAction::triggered);
    QTest::keyClick(input(), Qt::Key_P, Qt::ControlModifier);
    tape()->setFocus();
    QTest::keyClick(tape(), Qt::Key_P, Qt::ControlModifier);
    click("Command1");
    EXPECT_EQ(print.count(), 3);
    QTest::keyClick(tape(), Qt::Key_S, Qt::ControlModifier);  // an empty tape: no dialog
    EXPECT_EQ(save.count(), 1);
}

}  // namespace
}  // namespace vimbo
