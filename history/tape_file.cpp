// SPDX-License-Identifier: MIT
#include "history/tape_file.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include "history/report.h"
#include "window/tape_line.h"

namespace vimbo {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("SaveTape", text);
}

// The report's printer on a PDF file: the same job of pages as on paper.
class PdfReportPrinter final : public ReportPrinter {
  public:
    PdfReportPrinter(QIODevice& file, const ReportPaper& paper) : writer_(&file) {
        writer_.setTitle(QStringLiteral("Vimbo Calculator Report"));
        writer_.setCreator(QStringLiteral("Vimbo Calculator"));
        writer_.setResolution(paper.resolution);
        writer_.setPageLayout(paper.layout);
    }

    QPainter& open() override {
        if (!painter_.begin(&writer_)) {
            fail(Tr("the PDF could not be started"));
        }
        return painter_;
    }
    QPageLayout pageLayout() const override { return writer_.pageLayout(); }
    void newPage() override {
        if (!writer_.newPage()) {
            fail(Tr("a new page could not be started"));
        }
    }
    void close() override {
        finished_ = painter_.end();
        if (!finished_) {
            fail(Tr("the PDF could not be finished"));
        }
    }
    // Whether the whole report went out, and why not: the Print command gives up quietly.
    bool finished() const { return finished_; }
    const QString& failure() const { return failure_; }

  private:
    [[noreturn]] void fail(const QString& why) {
        failure_ = why;
        throw PrinterError(why.toStdString());
    }

    QPdfWriter writer_;
    QPainter painter_;  // after the writer: it ends an unfinished job before the writer goes
    bool finished_ = false;
    QString failure_;
};

}  // namespace

std::optional<TapeFileFormat> TapeFileFormatOf(const QString& fileName) {
    if (fileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        return TapeFileFormat::Pdf;
    }
    if (fileName.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)) {
        return TapeFileFormat::Text;
    }
    return std::nullopt;
}

QString TapeAsText(const QString& tapeText) {
    QString text = DisplayText(tapeText);
    if (!text.isEmpty() && !text.endsWith(u'\n')) {
        text.append(u'\n');
    }
    return text;
}

ReportPaper DefaultPrinterPaper() {
    const QPrinter printer(QPrinter::HighResolution);
    return ReportPaper{printer.pageLayout(), printer.resolution()};
}

std::optional<QString> SaveTapeFile(const QString& fileName, TapeFileFormat format,
                                    WindowControls& controls, const Clock& clock,
                                    const QFont& tapeFont, const ReportPaper& paper) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (format == TapeFileFormat::Text) {
        file.write(TapeAsText(controls.tape.wholeText()).toUtf8());
    } else {
        PdfReportPrinter printer(file, paper);
        PrintCommand(controls, clock, printer, tapeFont);
        if (!printer.finished()) {  // the unfinished file goes with `file`
            if (file.error() != QFileDevice::NoError) {
                return file.errorString();
            }
            return printer.failure().isEmpty() ? Tr("the report does not fit on the page")
                                               : printer.failure();
        }
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

}  // namespace vimbo
