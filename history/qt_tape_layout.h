// SPDX-License-Identifier: MIT
// The tape's page layout on a QTextDocument measured for the printer. The text is laid
// out once per job and drawn a page at a time, with the tape's own character indices.
#pragma once

#include <QFont>
#include <QTextDocument>
#include <cstdint>
#include <memory>
#include <vector>

#include "history/tape_layout.h"
#include "window/controls.h"

class QPaintDevice;

namespace vimbo {

class QtTapeLayout final : public TapeLayout {
  public:
    // The tape must outlive this object; its text is read when the layout is made.
    QtTapeLayout(const Tape& tape, const QFont& font);
    ~QtTapeLayout() override;
    QtTapeLayout(const QtTapeLayout&) = delete;
    QtTapeLayout& operator=(const QtTapeLayout&) = delete;

    std::int32_t FormatRange(const FormatRangeRequest& request) override;
    void ReleaseFormatCache() override;

  private:
    struct Line {
        std::int32_t start;  // tape index of the line's first character
        qreal top;           // in the document, device pixels
        qreal height;
        int block;
        int lineInBlock;
    };

    void LayOut(QPaintDevice& device, qreal width);

    const Tape& tape_;
    QFont font_;
    std::unique_ptr<QTextDocument> document_;
    const QPaintDevice* device_ = nullptr;
    qreal width_ = 0;
    std::int32_t length_ = 0;
    std::vector<Line> lines_;
};

}  // namespace vimbo
