// SPDX-License-Identifier: MIT
// A recording ReportPrinter and a scripted TapeLayout sharing one log, so that a test sees
// every operation of the report, with its arguments, in the order it was made.
#pragma once

#include <QPainter>
#include <QString>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "history/report_printer.h"
#include "history/tape_layout.h"

namespace vimbo::testing {

using Log = std::vector<std::string>;

inline std::string AxisName(Axis axis) {
    return axis == Axis::horizontal ? "h" : "v";
}

class FakeReportPrinter final : public ReportPrinter {
  public:
    explicit FakeReportPrinter(Log& log) : log_(log) {}

    // The printer's page, in its own units.
    int offsetPixelsX = 0;
    int offsetPixelsY = 0;
    int dpiX = 1200;
    int dpiY = 1200;
    SizeTwips paper{11906, 16838};      // A4
    SizeTwips printable{11906, 16838};  // no unprintable border
    std::int32_t lineHeightTwips = 288;

    // The operation, by its index in the log, that throws as a refusing printer would.
    std::optional<std::size_t> failAtOperation;

    void PrintLine(const QString& text) override {
        Record("PrintLine '" + text.toStdString() + "'");
        if (!jobOpen) {
            jobOpen = true;
            OpenPage();
        }
        y_ += lineHeightTwips;
    }
    void SetPointSize(int points) override { Record("SetPointSize " + std::to_string(points)); }
    PrinterDevice DeviceHandle() override {
        Record("DeviceHandle");
        return jobOpen ? &pages_.back() : nullptr;
    }
    int PhysicalOffsetPixels(Axis axis) const override {
        Record("PhysicalOffsetPixels " + AxisName(axis));
        return axis == Axis::horizontal ? offsetPixelsX : offsetPixelsY;
    }
    double PixelsToTwips(int value, Axis axis) const override {
        Record("PixelsToTwips " + std::to_string(value) + " " + AxisName(axis));
        return value * 1440.0 / (axis == Axis::horizontal ? dpiX : dpiY);
    }
    SizeTwips PaperSizeTwips() const override {
        Record("PaperSizeTwips");
        return paper;
    }
    SizeTwips PrintableSizeTwips() const override {
        Record("PrintableSizeTwips");
        return printable;
    }
    std::int32_t CurrentYTwips() const override {
        Record("CurrentYTwips");
        return y_;
    }
    void StartNewPage() override {
        Record("StartNewPage");
        OpenPage();
    }
    void EndDocument() override {
        Record("EndDocument");
        jobOpen = false;
    }

    // The device of a page, counted from 1 within the job.
    PrinterDevice Page(std::size_t number) { return &pages_.at(number - 1); }
    std::size_t PageCount() const { return pages_.size(); }

    bool jobOpen = false;

  private:
    void Record(const std::string& entry) const {
        log_.push_back(entry);
        if (failAtOperation && *failAtOperation == log_.size() - 1) {
            throw PrinterError("refused: " + entry);
        }
    }
    void OpenPage() {
        pages_.emplace_back();
        y_ = 0;
    }

    Log& log_;
    std::deque<QPainter> pages_;  // stand-ins for each page's device
    std::int32_t y_ = 0;
};

// Answers FormatRange from a script of "first character not drawn" values.
class FakeTapeLayout final : public TapeLayout {
  public:
    explicit FakeTapeLayout(Log& log) : log_(log) {}

    std::vector<std::int32_t> nextIndices;
    std::optional<std::size_t> failAtRequest;  // the FormatRange call, from 0, that throws
    std::vector<FormatRangeRequest> requests;

    std::int32_t FormatRange(const FormatRangeRequest& request) override {
        log_.push_back("FormatRange " + std::to_string(request.chrg.cpMin));
        requests.push_back(request);
        const std::size_t call = requests.size() - 1;
        if (failAtRequest && *failAtRequest == call) {
            throw PrinterError("layout failed");
        }
        return nextIndices.at(call);
    }
    void ReleaseFormatCache() override { log_.push_back("ReleaseFormatCache"); }

  private:
    Log& log_;
};

}  // namespace vimbo::testing
