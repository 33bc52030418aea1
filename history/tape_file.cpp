// SPDX-License-Identifier: MIT
#include "history/tape_file.h"

#include <QBuffer>
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

// The report's printer on a PDF document: the same job of pages as on paper.
class PdfReportPrinter final : public ReportPrinter {
  public:
    PdfReportPrinter(QIODevice& device, const ReportPaper& paper) : writer_(&device) {
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
        if (!painter_.end()) {
            fail(Tr("the PDF could not be finished"));
        }
    }

  private:
    [[noreturn]] static void fail(const QString& why) { throw PrinterError(why.toStdString()); }

    QPdfWriter writer_;
    QPainter painter_;  // after the writer: it ends an unfinished job before the writer goes
};

// The report as a PDF in `pdf`, or why it could not be made: the writer's own reason, or
// the page's.
std::optional<QString> ReportAsPdf(QByteArray& pdf, WindowControls& controls, const Clock& clock,
                                   const QFont& tapeFont, const ReportPaper& paper) {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    PdfReportPrinter printer(buffer, paper);
    try {
        if (!PrintReport(controls, clock, printer, tapeFont)) {
            return Tr("the page is too small to hold a line of the tape");
        }
    } catch (const PrinterError& error) {
        return QString::fromUtf8(error.what());
    }
    return std::nullopt;
}

// All of `bytes`, or the reason why not. A write that a full disk or a size limit cuts
// short is told by the next one, which fails with the system's reason.
std::optional<QString> WriteWhole(QSaveFile& file, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            return file.error() != QFileDevice::NoError ? file.errorString()
                                                        : Tr("the file took no more data");
        }
        done += written;
    }
    return std::nullopt;
}

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
    // Unbuffered: a buffered write that fails is only seen when the file is committed, and
    // Qt then renames the cut-short file over the old one all the same.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    QByteArray contents;
    if (format == TapeFileFormat::Text) {
        contents = TapeAsText(controls.tape.wholeText()).toUtf8();
    } else if (const std::optional<QString> failure =
                   ReportAsPdf(contents, controls, clock, tapeFont, paper)) {
        return failure;  // the file is discarded with `file`
    }
    if (const std::optional<QString> failure = WriteWhole(file, contents)) {
        return failure;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

}  // namespace vimbo
