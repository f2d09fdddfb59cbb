// The printer dialog and the output file of a run.
#include "ui/qt/printer_chooser.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "printing/matrix_rule.h"
#include "ui/qt/presenter.h"
#include "ui/qt/printer_dialog.h"
#include "ui/qt/text.h"

namespace ui::qt {

PrinterChooser::PrinterChooser(DesktopPrinters& printers) : printers_(printers), folder_(QDir::currentPath()) {}

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
        if (DesktopPrinters::writesFile(name)) {
            const bool pdf = !printing::isMatrixPrinterName(name);
            const QString base = toQ(proposedName ? proposedName() : std::string("DNT"));
            const QString proposed = QDir(folder_).filePath(base + (pdf ? QStringLiteral(".pdf") : QStringLiteral(".txt")));
            const QString filter = pdf ? QStringLiteral("Documents PDF (*.pdf)") : QStringLiteral("Fichiers texte (*.txt)");
            QString file = presenter().saveFile(parent, QStringLiteral("Fichier des déclarations"), proposed, filter);
            if (file.isEmpty()) continue;  // back to the printers
            folder_ = QFileInfo(file).absolutePath();
            printers_.setOutput(fromQ(file).c_str());
        }
        lastIndex_ = index;
        copies = dialog.copies();
        return index;
    }
}

}  // namespace ui::qt
