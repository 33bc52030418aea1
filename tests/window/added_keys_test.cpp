// SPDX-License-Identifier: MIT
// The added keys and menus on the real window: what the output line and the grand total show
// of a long value, recall, the tape's lines into the input line, copy and paste, Escape, and
// Ctrl+Z after Clear.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QSignalSpy>
#include <QTextBlock>

#include "window/value_box.h"
#include "window_fixture.h"

namespace vimbo {
namespace {

using AddedKeys = testing::WindowFixture;

// The box's drawing is that of a plain line edit of the same look holding only `drawn`,
// and all of `drawn` is in view: the line edit shows the same from either end of it.
void ExpectDrawnAs(QLineEdit& box, const QString& drawn) {
    QLineEdit reference(drawn, box.parentWidget());
    reference.setGeometry(box.geometry());
    reference.setFont(box.font());
    reference.setPalette(box.palette());
    reference.setReadOnly(box.isReadOnly());
    const QImage shown = box.grab().toImage();
    for (const qsizetype caret : {qsizetype{0}, drawn.size()}) {
        reference.setCursorPosition(static_cast<int>(caret));
        EXPECT_EQ(shown, reference.grab().toImage()) << box.objectName().toStdString();
    }
}

TEST_F(AddedKeys, LongValuesShowSignFirstDigitsAndExponent) {
    const struct {
        const char* expression;
        const char* value;
        const char* exponent;
    } rows[] = {{"-1/7*1e-10", "-1.42857142857143E-11", "E-11"},
                {"2^100/3", "4.22550200076077E+29", "E+29"}};
    for (const auto& row : rows) {
        evaluate(QLatin1String(row.expression));
        for (QLineEdit* const box : {output(), total()}) {
            ASSERT_EQ(box->text(), QLatin1String(row.value));  // the whole value stays
            const auto* const valueBox = qobject_cast<const ValueBox*>(box);
            ASSERT_NE(valueBox, nullptr);
            const QString drawn = valueBox->shownText();
            EXPECT_TRUE(drawn.startsWith(box->text().left(5))) << drawn.toStdString();
            EXPECT_TRUE(drawn.endsWith(u'\u2026' + QLatin1String(row.exponent)))
                << drawn.toStdString();
            ExpectDrawnAs(*box, drawn);
        }
    }
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

    // The output line and the grand total with the focus: the whole value, or the selection.
    input()->setFocus();
    enter();
    for (const auto& [box, value] : {std::pair{output(), "4519.52"}, {total(), "4561.52"}}) {
        box->setFocus(Qt::OtherFocusReason);
        clipboard.clear();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(clipboard.text(), QLatin1String(value));
        box->setSelection(1, 2);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(clipboard.text(), QLatin1String(value).sliced(1, 2));
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
