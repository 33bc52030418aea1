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

QString EndingOf(TapeFileFormat format) {
    return format == TapeFileFormat::Text ? QStringLiteral("txt") : QStringLiteral("pdf");
}

QString NameFilterOf(TapeFileFormat format) {
    return format == TapeFileFormat::Text ? Tr("Plain text (*.txt)") : Tr("PDF report (*.pdf)");
}

TapeFileFormat FormatOfNameFilter(const QString& filter) {
    return filter == NameFilterOf(TapeFileFormat::Text) ? TapeFileFormat::Text
                                                        : TapeFileFormat::Pdf;
}

// The desktop portal's file dialog asks before replacing the file it returns, whatever Qt
// asks of it. Qt shows it in a Flatpak or Snap sandbox and under the portal's platform theme.
bool DialogIsThePortal() {
    if (QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs)) {
        return false;
    }
    const QString theme = qEnvironmentVariable("QT_QPA_PLATFORMTHEME").section(u':', 0, 0);
    return QFileInfo::exists(QStringLiteral("/.flatpak-info")) ||
           qEnvironmentVariableIsSet("SNAP") || theme == QLatin1String("xdgdesktopportal") ||
           theme == QLatin1String("flatpak") || theme == QLatin1String("snap");
}

// The folder itself or, when it has gone, the nearest one above it that is still there;
// without any, the Documents folder or home.
QString StartFolder(const QString& folder) {
    for (QString path = folder; !path.isEmpty();) {
        const QFileInfo info(path);
        if (info.isDir()) {
            return info.absoluteFilePath();
        }
        const QString above = info.absolutePath();
        path = above == info.absoluteFilePath() ? QString() : above;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

bool UserAllowsReplacing(QWidget& parent, const QString& fileName) {
    return QMessageBox::question(&parent, Tr("Save tape"),
                                 Tr("%1 already exists.\nDo you want to replace it?")
                                     .arg(QFileInfo(fileName).fileName()),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace

TapeSaveTarget TapeSaveTargetFor(const QString& chosen, TapeFileFormat filterFormat) {
    if (const std::optional<TapeFileFormat> format = TapeFileFormatOf(chosen)) {
        return TapeSaveTarget{chosen, *format};
    }
    const QString stem = chosen.endsWith(u'.') ? chosen.chopped(1) : chosen;
    return TapeSaveTarget{stem + u'.' + EndingOf(filterFormat), filterFormat};
}

bool NeedsReplaceQuestion(const QString& chosen, const QString& target, bool dialogAsked) {
    return QFileInfo::exists(target) && !(dialogAsked && chosen == target);
}

std::optional<TapeSaveTarget> ChooseTapeFile(QWidget& parent, SaveDialogMemory& memory) {
    // Qt adds a default suffix only after a native dialog (GTK's, KDE's, the portal's) has
    // closed, so their own replace question saw another name. The ending is added here and
    // the question asked here, about the name that will be written.
    const bool portal = DialogIsThePortal();
    for (;;) {
        const QString name =
            memory.name.isEmpty() ? QStringLiteral("tape.") + EndingOf(memory.format) : memory.name;
        QFileDialog dialog(&parent, Tr("Save tape"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !portal);
        dialog.setNameFilters(
            {NameFilterOf(TapeFileFormat::Pdf), NameFilterOf(TapeFileFormat::Text)});
        dialog.selectNameFilter(NameFilterOf(memory.format));
        dialog.setDirectory(StartFolder(memory.folder));
        dialog.selectFile(name);
        // Another type: the name's ending follows, when it names a type.
        QObject::connect(
            &dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
                const QFileInfo typed(dialog.selectedFiles().value(0));
                const TapeFileFormat format = FormatOfNameFilter(filter);
                if (TapeFileFormatOf(typed.fileName()).value_or(format) != format) {
                    dialog.selectFile(typed.completeBaseName() + u'.' + EndingOf(format));
                }
            });
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        const QString chosen = dialog.selectedFiles().constFirst();
        const TapeSaveTarget target =
            TapeSaveTargetFor(chosen, FormatOfNameFilter(dialog.selectedNameFilter()));
        if (!NeedsReplaceQuestion(chosen, target.fileName, portal) ||
            UserAllowsReplacing(parent, target.fileName)) {
            return target;
        }
        // Not that file: the dialog again, with its name to change.
        const QFileInfo file(target.fileName);
        memory.folder = file.absolutePath();
        memory.format = target.format;
        memory.name = file.fileName();
    }
}

void SaveTapeCommand(QWidget& parent, WindowControls& controls, const Clock& clock,
                     const QFont& tapeFont, SaveDialogMemory& memory,
                     const TapeFileChooser& choose) {
    if (controls.tape.wholeText().isEmpty()) {
        return;
    }
    for (;;) {
        const std::optional<TapeSaveTarget> target = choose(parent, memory);
        // Without a window manager nobody hands the window back its activation, and its keys
        // would stop working.
        parent.activateWindow();
        if (!target) {
            return;
        }
        const QFileInfo file(target->fileName);
        if (QFileInfo(file.absolutePath()).isDir()) {  // not a folder that has gone
            memory.folder = file.absolutePath();
        }
        memory.format = target->format;
        const ReportPaper paper =
            target->format == TapeFileFormat::Pdf ? DefaultPrinterPaper() : ReportPaper{};
        const std::optional<QString> failure =
            SaveTapeFile(target->fileName, target->format, controls, clock, tapeFont, paper);
        if (!failure) {
            memory.name.clear();
            controls.input.giveFocus();
            controls.input.announce(Outcome::Saved, file.fileName());
            return;
        }
        QMessageBox::warning(&parent, Tr("Save tape"),
                             Tr("The tape could not be saved to %1:\n%2.")
                                 .arg(QDir::toNativeSeparators(target->fileName), *failure));
        parent.activateWindow();
        controls.input.giveFocus();
        memory.name = file.fileName();  // offered again, to be saved elsewhere or otherwise
    }
}

}  // namespace vimbo
