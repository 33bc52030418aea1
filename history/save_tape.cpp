// SPDX-License-Identifier: MIT
#include "history/save_tape.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace vimbo {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("SaveTape", text);
}

}  // namespace

QString ChooseTapeFile(QWidget& parent) {
    const QString pdf = Tr("PDF report (*.pdf)");
    const QString text = Tr("Plain text (*.txt)");
    QFileDialog dialog(&parent, Tr("Save tape"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({pdf, text});
    // A name typed without an ending gets the chosen type's.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, text](const QString& filter) {
            dialog.setDefaultSuffix(filter == text ? QStringLiteral("txt") : QStringLiteral("pdf"));
        });
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(QFileInfo(documents).isDir() ? documents : QDir::homePath());
    dialog.selectFile(QStringLiteral("tape.pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    QString fileName = dialog.selectedFiles().constFirst();
    if (!TapeFileFormatOf(fileName)) {
        // Another ending: the type chosen in the dialog decides, and the name says it too.
        fileName +=
            dialog.selectedNameFilter() == text ? QStringLiteral(".txt") : QStringLiteral(".pdf");
        if (QFileInfo::exists(fileName) &&
            QMessageBox::question(&parent, Tr("Save tape"),
                                  Tr("%1 already exists.\nDo you want to replace it?")
                                      .arg(QFileInfo(fileName).fileName())) != QMessageBox::Yes) {
            return QString();
        }
    }
    return fileName;
}

void SaveTapeCommand(QWidget& parent, WindowControls& controls, const Clock& clock,
                     const QFont& tapeFont, const TapeFileChooser& choose) {
    if (controls.tape.wholeText().isEmpty()) {
        return;
    }
    const QString fileName = choose(parent);
    // Without a window manager nobody hands the window back its activation, and its keys
    // would stop working.
    parent.activateWindow();
    const std::optional<TapeFileFormat> format = TapeFileFormatOf(fileName);
    if (!format) {
        return;
    }
    const ReportPaper paper =
        *format == TapeFileFormat::Pdf ? DefaultPrinterPaper() : ReportPaper{};
    if (const std::optional<QString> failure =
            SaveTapeFile(fileName, *format, controls, clock, tapeFont, paper)) {
        QMessageBox::warning(&parent, Tr("Save tape"),
                             Tr("The tape could not be saved to %1:\n%2.")
                                 .arg(QDir::toNativeSeparators(fileName), *failure));
        parent.activateWindow();
        controls.input.giveFocus();
        return;
    }
    controls.input.giveFocus();
    controls.input.announce(Outcome::Saved, QFileInfo(fileName).fileName());
}

}  // namespace vimbo
