// Layout and answers of the printer dialog.
#include "desktop/printer_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "printing/matrix_rule.h"
#include "printing/qt/printers.h"
#include "desktop/desktop_printers.h"
#include "desktop/preview_printer.h"
#include "desktop/text.h"

namespace desktop {

QString PrinterDialog::describe(const std::string& name) {
    if (name == printing::qt::kPdfPrinterName) return QStringLiteral("PDF — fichier PDF (A4)");
    if (name == kPreviewPrinterName) return QStringLiteral("APERCU — à l'écran, rien n'est enregistré");
    if (name == kSplitPrinterName) return QStringLiteral("Un PDF par aidé — dans un nouveau dossier, avec index.csv");
    if (printing::isMatrixPrinterName(name))
        return toQ(name) + QStringLiteral(" — imprimante matricielle, fichier texte");
    return toQ(name);
}

PrinterDialog::PrinterDialog(const std::vector<std::string>& printers, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PrinterDialog"));
    setWindowTitle(QStringLiteral("Impression des déclarations"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Imprimante :"), this));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("printers"));
    for (const std::string& name : printers) {
        auto* item = new QListWidgetItem(describe(name), list_);
        item->setData(Qt::UserRole, toQ(name));
    }
    list_->setMinimumWidth(380);
    layout->addWidget(list_);

    auto* form = new QFormLayout;
    copies_ = new QSpinBox(this);
    copies_->setObjectName(QStringLiteral("copies"));
    copies_->setRange(1, 99);
    copies_->setValue(1);
    form->addRow(QStringLiteral("Nombre d'exemplaires :"), copies_);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
    connect(list_, &QListWidget::currentRowChanged, this,
            [buttons](int row) { buttons->button(QDialogButtonBox::Ok)->setEnabled(row >= 0); });
    layout->addWidget(buttons);
    setPrinterIndex(printers.empty() ? -1 : 0);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!printers.empty());
}

int PrinterDialog::printerIndex() const { return list_->currentRow(); }

void PrinterDialog::setPrinterIndex(int index) { list_->setCurrentRow(index); }

long PrinterDialog::copies() const { return copies_->value(); }

void PrinterDialog::setCopies(long copies) { copies_->setValue(static_cast<int>(copies)); }

}  // namespace desktop
