// SPDX-License-Identifier: MIT
// The added keys and menus on the real window: what the output line and the grand total show
// of a long value, recall, the tape's lines into the input line, copy and paste, Escape, and
// Ctrl+Z after Clear.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTimer>
#include <functional>

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
    // An edit of a recalled line stays while the user steps on, until a line is evaluated.
    QTest::keyClick(input(), Qt::Key_Up);
    input()->setText(QStringLiteral("100/4"));
    QTest::keyClick(input(), Qt::Key_Up);
    QTest::keyClick(input(), Qt::Key_Down);
    EXPECT_EQ(input()->text(), QStringLiteral("100/4"));
    click("cmdClear");
    QTest::keyClick(input(), Qt::Key_Up);
    EXPECT_EQ(input()->text(), QString());
}

// The context menu that a right click (or the Menu key) at `at` opens on `widget`.
QMenu* ContextMenu(QWidget& widget, QPoint at,
                   QContextMenuEvent::Reason reason = QContextMenuEvent::Mouse) {
    QContextMenuEvent event(reason, at, widget.mapToGlobal(at));
    QCoreApplication::sendEvent(&widget, &event);
    auto* const menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    EXPECT_NE(menu, nullptr) << widget.objectName().toStdString() << " opened no menu";
    return menu;
}

// A drag of `data` that ends on `widget` at `at`; whether the widget took it.
bool Drop(QWidget& widget, const QMimeData& data, QPoint at) {
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&widget, &enter);  // the application delivers drops after it
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&widget, &drop);
    return drop.isAccepted();
}

// Shuts `menu` and triggers its entry of that object name, or text without "&" and key.
void TriggerAndShut(QMenu* menu, const QString& entry) {
    ASSERT_NE(menu, nullptr);
    menu->close();
    for (QAction* const action : menu->actions()) {
        if (action->objectName() == entry ||
            action->text().section(u'\t', 0, 0).remove(u'&') == entry) {
            action->trigger();
            return;
        }
    }
    ADD_FAILURE() << "no entry " << entry.toStdString();
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
    // The menu's entry takes the line that was right-clicked; beside a number it stays apart.
    const QPoint at = tape()->cursorRect(line).center();
    TriggerAndShut(ContextMenu(*tape()->viewport(), at), QStringLiteral("actionTapeInsert"));
    EXPECT_EQ(input()->text(), QStringLiteral("1+12.5625*12.5625*2"));
    // A right click into a selection keeps it, and the caret's line with it (line 1).
    input()->setText(QStringLiteral("7-"));
    tape()->selectAll();
    TriggerAndShut(ContextMenu(*tape()->viewport(), at), QStringLiteral("actionTapeInsert"));
    EXPECT_EQ(tape()->textCursor().selectedText().size(), tape()->document()->characterCount() - 1);
    input()->setText(QStringLiteral("1+12.5625*2"));
    input()->setCursorPosition(9);
    // Enter on the tape's caret line: the expression 2+3 (line 5) grouped; on "=" nothing.
    for (const auto& [down, expected] :
         {std::pair{4, "1+12.5625*(2+3)*2"}, {1, "1+12.5625*(2+3)*2"}}) {
        tape()->setFocus();
        QTextCursor caret = tape()->textCursor();
        caret.movePosition(QTextCursor::Start);
        caret.movePosition(QTextCursor::Down, QTextCursor::MoveAnchor, down);
        tape()->setTextCursor(caret);
        QTest::keyClick(tape(), Qt::Key_Return);
        EXPECT_EQ(input()->text(), QLatin1String(expected));
    }
    click("cmdEquals");
    EXPECT_EQ(output()->text(), QStringLiteral("126.625"));
    // The Menu key keeps the caret's line (2+3), wherever the pointer is.
    QTextCursor caret(tape()->document());
    caret.movePosition(QTextCursor::Down, QTextCursor::MoveAnchor, 4);
    tape()->setTextCursor(caret);
    TriggerAndShut(ContextMenu(*tape()->viewport(), at, QContextMenuEvent::Keyboard),
                   QStringLiteral("actionTapeInsert"));
    EXPECT_EQ(input()->text(), QStringLiteral("2+3"));
}

TEST_F(AddedKeys, CopyAndPaste) {
    QClipboard& clipboard = *QGuiApplication::clipboard();
    clipboard.setText(QStringLiteral("kept"));
    for (QLineEdit* const empty : {input(), output()}) {  // no result: nothing copied
        empty->setFocus();
        QTest::keyClick(empty, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(clipboard.text(), QStringLiteral("kept"));
    }
    input()->setFocus();
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

    // The output line and the grand total with the focus: the whole value, or the selection.
    input()->setFocus();
    enter();
    for (const auto& [box, value] : {std::pair{output(), "123"}, {total(), "165"}}) {
        box->setFocus(Qt::OtherFocusReason);
        clipboard.clear();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(clipboard.text(), QLatin1String(value));
        box->setSelection(1, 2);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(clipboard.text(), QLatin1String(value).sliced(1, 2));
    }
}

// Every way of pasting puts the text on one line, and Ctrl+Z takes back the paste alone.
TEST_F(AddedKeys, EveryPasteRouteGivesOneLine) {
    QClipboard& clipboard = *QGuiApplication::clipboard();
    const std::function<void()> routes[] = {
        [this] { QTest::keyClick(input(), Qt::Key_V, Qt::ControlModifier); },
        [this] { QTest::keyClick(input(), Qt::Key_Insert, Qt::ShiftModifier); },
        [this] { TriggerAndShut(ContextMenu(*input(), QPoint(5, 5)), QStringLiteral("Paste")); },
        [this] {
            QMimeData dropped;
            dropped.setText(QGuiApplication::clipboard()->text());
            EXPECT_TRUE(Drop(*input(), dropped, QPoint(input()->width() - 4, 5)));  // at the end
        },
    };
    for (const auto& paste : routes) {
        input()->clear();
        type(QStringLiteral("12*"));
        clipboard.setText(QStringLiteral("100\r\n(20)\r\n"));
        paste();
        EXPECT_EQ(input()->text(), QStringLiteral("12*100+(20)"));
        QTest::keyClick(input(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(input()->text(), QStringLiteral("12*"));
    }
    // A column's first plus sign stays where it follows a number, as its operator.
    input()->clear();
    type(QStringLiteral("5"));
    clipboard.setText(QStringLiteral("+3\n4"));
    QTest::keyClick(input(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(input()->text(), QStringLiteral("5+3+4"));
    QTest::keyClick(input(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(input()->text(), QStringLiteral("5"));
    input()->selectAll();  // breaks alone take the selection away, as an empty paste does
    clipboard.setText(QStringLiteral("\n\t"));
    QTest::keyClick(input(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(input()->text(), QString());
    input()->setText(QStringLiteral("12*"));
    // A drop of something that is not text leaves the line as it is.
    QMimeData picture;
    picture.setImageData(QImage(2, 2, QImage::Format_RGB32));
    EXPECT_FALSE(Drop(*input(), picture, QPoint(5, 5)));
    EXPECT_EQ(input()->text(), QStringLiteral("12*"));
}

// The X selection, where there is one (in a real X server): the middle button pastes it.
TEST_F(AddedKeys, MiddleClickPastesTheSelectionOnOneLine) {
    QClipboard& clipboard = *QGuiApplication::clipboard();
    if (!clipboard.supportsSelection()) {
        GTEST_SKIP() << "no X selection on this platform";
    }
    type(QStringLiteral("2+"));
    clipboard.setText(QStringLiteral("3\n4\n"), QClipboard::Selection);
    QTest::mouseClick(input(), Qt::MiddleButton, {},
                      QPoint(input()->width() - 4, input()->height() / 2));  // after "2+"
    EXPECT_EQ(input()->text(), QStringLiteral("2+3+4"));
}

// The keypad's decimal key types the engine's point whatever the layout gives it.
TEST_F(AddedKeys, KeypadDecimalKeyTypesThePoint) {
    QTest::keyClick(input(), Qt::Key_1, Qt::KeypadModifier);
    QTest::keyClick(input(), Qt::Key_Comma, Qt::KeypadModifier);  // "," with a German layout
    QTest::keyClick(input(), Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(input()->text(), QStringLiteral("1.5"));
    QTest::keyClick(input(), Qt::Key_Comma);  // the main keyboard's comma stays one
    EXPECT_EQ(input()->text(), QStringLiteral("1.5,"));
    QTest::keyClick(input(), Qt::Key_Return, Qt::ControlModifier);  // not an Enter
    EXPECT_EQ(output()->text(), QString());
}

// Ctrl+Z walks one history: the input line's edits, then each Clear; it keeps a Clear until
// the tape or the grand total changes again.
TEST_F(AddedKeys, EscapeAndCtrlZ) {
    QAction* const undo = control<QAction>("actionUndo");
    const auto ctrlZ = [](QWidget* where) {
        QTest::keyClick(where, Qt::Key_Z, Qt::ControlModifier);
    };
    evaluate(QStringLiteral("2+3"));
    EXPECT_FALSE(undo->isEnabled());
    type(QStringLiteral("4*"));
    EXPECT_TRUE(undo->isEnabled());
    QTest::keyClick(input(), Qt::Key_Escape);
    EXPECT_EQ(input()->text(), QString());
    EXPECT_EQ(total()->text(), QStringLiteral("5"));
    ctrlZ(input());  // nothing kept: the line's own undo
    EXPECT_EQ(input()->text(), QStringLiteral("4*"));

    const QString tapeText = tape()->wholeText();
    const auto restored = [&] {
        EXPECT_EQ(input()->text(), QStringLiteral("4*"));
        EXPECT_EQ(tape()->wholeText(), tapeText);
        EXPECT_EQ(total()->text(), QStringLiteral("5"));
    };
    click("cmdClear");
    click("cmdClear");  // a double click on Clear
    EXPECT_TRUE(undo->isEnabled());
    ctrlZ(input());
    restored();
    QTest::keyClick(input(), Qt::Key_Home);
    QTest::keyClick(input(), Qt::Key_Up);  // the recalled inputs came back too
    EXPECT_EQ(input()->text(), QStringLiteral("2+3"));

    input()->setText(QStringLiteral("4*"));
    click("cmdClear");
    QTest::mouseClick(tape()->viewport(), Qt::LeftButton);  // a look at the tape
    ctrlZ(tape());
    restored();

    click("cmdClear");
    type(QStringLiteral("12"));
    ctrlZ(tape());  // from elsewhere too, the line's edit goes first
    EXPECT_EQ(input()->text(), QString());
    EXPECT_TRUE(undo->isEnabled());
    ctrlZ(input());
    restored();
    EXPECT_FALSE(undo->isEnabled());

    click("cmdClear");
    evaluate(QStringLiteral("9"));  // the tape changed: the Clear stays done
    EXPECT_FALSE(undo->isEnabled());
    ctrlZ(input());
    EXPECT_EQ(total()->text(), QStringLiteral("9"));
    click("cmdClear");
    QTest::keyClicks(total(), QStringLiteral("100"));  // so did the grand total
    ctrlZ(input());
    EXPECT_EQ(tape()->wholeText(), QString());
}

TEST_F(AddedKeys, TapeMenuOffersItsCommandsWithTheirKeys) {
    QMenu* const menu = ContextMenu(*tape()->viewport(), QPoint(5, 5), QContextMenuEvent::Keyboard);
    ASSERT_NE(menu, nullptr);
    QStringList entries;
    for (const QAction* action : menu->actions()) {
        entries << (action->isSeparator()
                        ? QStringLiteral("-")
                        : action->text().remove(u'&') + u' ' + action->shortcut().toString());
    }
    menu->close();
    EXPECT_EQ(entries, QStringList({"Copy Ctrl+C", "Select All Ctrl+A", "Insert into input Return",
                                    "-", "Save tape… Ctrl+S", "Print Ctrl+P"}));
}

// One action a command: its key works wherever the focus is in the window, and its button
// triggers the same action. Without a printer, printing ends with the focus in the input
// line; saving opens the dialog.
TEST_F(AddedKeys, PrintAndSaveFromTheirKeysAndButton) {
    evaluate(QStringLiteral("2+3"));
    for (QWidget* const from : {static_cast<QWidget*>(tape()), control("cmdNum7")}) {
        from->setFocus();
        QTest::keyClick(from, Qt::Key_P, Qt::ControlModifier);
        EXPECT_EQ(QApplication::focusWidget(), input()) << from->objectName().toStdString();
    }
    tape()->setFocus();
    click("Command1");
    EXPECT_EQ(QApplication::focusWidget(), input());

    QString dialogTitle;
    QTimer::singleShot(0, [&dialogTitle] {
        if (auto* const dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            dialogTitle = dialog->windowTitle();
            dialog->reject();
        }
    });
    QTest::keyClick(tape(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogTitle, QStringLiteral("Save tape"));
}

}  // namespace
}  // namespace vimbo
