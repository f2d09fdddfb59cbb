// The printer dialog and the output file of a run.
#include "desktop/printer_chooser.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "printing/matrix_rule.h"
#include "desktop/presenter.h"
#include "desktop/printer_dialog.h"
#include "desktop/text.h"

namespace desktop {

PrinterChooser::PrinterChooser(DesktopPrinters& printers) : printers_(printers), folder_(QDir::currentPath()) {}

QString PrinterChooser::refusalOf(const QString& file) const {
    if (!keptFiles) return {};
    const auto same = dba::sameFile(keptFiles(), {{"", fromQ(file), {}}});
    if (!same) return {};
    const dba::NamedFile& other = same->second;
    QString what;
    if (other.option != "--db") what = QStringLiteral("le journal d'impression");
    else if (other.companion.empty()) what = QStringLiteral("la base des déclarations");
    else what = QStringLiteral("un fichier de la base des déclarations (%1)").arg(toQ(other.companion));
    return QStringLiteral("Le fichier « %1 » est %2 : choisissez un autre fichier.").arg(file, what);
}

QString PrinterChooser::chooseNewFolder(QWidget* parent) {
    const QString proposed = QDir(folder_).filePath(toQ(proposedName ? proposedName() : std::string("DNT")));
    for (;;) {
        const QString folder = presenter().saveFile(parent, QStringLiteral("Dossier des PDF par aidé"), proposed,
                                                    QStringLiteral("Dossiers (*)"));
        if (folder.isEmpty()) return folder;
        // An archive is never merged into another one, nor written over.
        const QString refusal =
            QFileInfo(folder).exists() || QFileInfo(folder).isSymLink()
                ? QStringLiteral("« %1 » existe déjà : les PDF par aidé vont dans un nouveau dossier.").arg(folder)
                : refusalOf(folder);
        if (refusal.isEmpty()) {
            folder_ = QFileInfo(folder).absolutePath();
            return folder;
        }
        presenter().message(parent, refusal, QMessageBox::Warning, QStringLiteral("Message TALMIRAN"));
    }
}

long PrinterChooser::choose(long& copies) {
    const std::vector<std::string> names = printers_.printerNames();
    QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                      : QApplication::activeWindow()    ? QApplication::activeWindow()
                                                        : parent_.data();
    for (;;) {
        PrinterDialog dialog(names, parent);
        if (lastIndex_ < static_cast<int>(names.size())) dialog.setPrinterIndex(lastIndex_);
        dialog.setCopies(1);
        if (presenter().exec(dialog) != QDialog::Accepted) return -1;
        const int index = dialog.printerIndex();
        if (index < 0 || index >= static_cast<int>(names.size())) return -1;
        const std::string& name = names[static_cast<size_t>(index)];
        if (name == kSplitPrinterName) {
            const QString folder = chooseNewFolder(parent);
            if (folder.isEmpty()) continue;  // back to the printers
            printers_.setSplitFolder(fromQ(folder));
        } else if (DesktopPrinters::writesFile(name)) {
            const bool pdf = !printing::isMatrixPrinterName(name);
            const QString base = toQ(proposedName ? proposedName() : std::string("DNT"));
            const QString proposed = QDir(folder_).filePath(base + (pdf ? QStringLiteral(".pdf") : QStringLiteral(".txt")));
            const QString filter = pdf ? QStringLiteral("Documents PDF (*.pdf)") : QStringLiteral("Fichiers texte (*.txt)");
            QString file;
            for (;;) {
                file = presenter().saveFile(parent, QStringLiteral("Fichier des déclarations"), proposed, filter);
                const QString refusal = file.isEmpty() ? QString() : refusalOf(file);
                if (refusal.isEmpty()) break;
                presenter().message(parent, refusal, QMessageBox::Warning, QStringLiteral("Message TALMIRAN"));
            }
            if (file.isEmpty()) continue;  // back to the printers
            folder_ = QFileInfo(file).absolutePath();
            printers_.setOutput(fromQ(file).c_str());
        }
        if (name != kPreviewPrinterName) lastIndex_ = index;
        copies = dialog.copies();
        return index;
    }
}

}  // namespace desktop
