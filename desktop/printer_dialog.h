// The printer dialog of the desktop: the printers the program can print on (the PDF
// file, the matrix printer's text file, then the system's printers) and the number of
// copies. Qt's own print dialog knows only QPrinter's printers, so it is not used.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;
class QSpinBox;

namespace desktop {

class PrinterDialog : public QDialog {
public:
    PrinterDialog(const std::vector<std::string>& printers, QWidget* parent = nullptr);

    int printerIndex() const;
    void setPrinterIndex(int index);
    long copies() const;
    void setCopies(long copies);

    QListWidget& list() const { return *list_; }
    QSpinBox& copiesBox() const { return *copies_; }

    // What a printer of the list is, in words.
    static QString describe(const std::string& name);

private:
    QListWidget* list_;
    QSpinBox* copies_;
};

}  // namespace desktop
