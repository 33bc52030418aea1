// SPDX-License-Identifier: MIT
// The history tape's widget: keeps its whole text exactly as set and shows it read-only,
// with a line break at every CR LF pair, every lone CR and every lone LF. A double click, or
// its "Insert into input" command, picks a whole line for the input line; its context menu
// holds the commands added to it as actions.
#pragma once

#include <QPlainTextEdit>
#include <QString>

#include "window/tape_line.h"

namespace vimbo {

class TapeView : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit TapeView(QWidget* parent = nullptr);

    const QString& wholeText() const { return text_; }
    // The view costs only what changed when the new text extends the old one, so a long tape
    // does not slow every entry down.
    void setWholeText(const QString& text);
    // The same as setWholeText(wholeText() + tail), at the cost of the tail alone.
    void appendWholeText(const QString& tail);
    int length() const { return static_cast<int>(text_.size()); }

    // Picks the line the caret stands in.
    void chooseCaretLine();

  signals:
    // A whole shown line picked to go into the input line.
    void lineChosen(const QString& shownLine);

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void showAppended(qsizetype oldSize);  // text_ has grown from oldSize characters
    void appendShown(const QString& tail);
    void scrollToNewest();
    // The shown text with its breaks as the document holds them: most break a line within
    // a paragraph, and a new paragraph starts every few lines or characters. The view keeps
    // a layout for every paragraph it has shown, several hundred bytes each; a paragraph per
    // line made that cost about 1.5 kB per tape entry.
    QString inDocument(const QString& shown);

    QString text_;
    int linesInLastParagraph_ = 0;
    int charactersInLastParagraph_ = 0;
};

}  // namespace vimbo
