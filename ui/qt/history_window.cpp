// The history window's list and undo.
#include "ui/qt/history_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dba/run_history.h"
#include "ui/qt/guarded.h"
#include "ui/qt/presenter.h"
#include "ui/qt/text.h"

namespace ui::qt {

namespace {
const QString kTitle = QStringLiteral("Historique");
}

HistoryWindow::HistoryWindow(std::shared_ptr<dba::Database> db, std::string login, QWidget* parent)
    : QDialog(parent), db_(std::move(db)), login_(std::move(login)) {
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(kTitle);
    auto* layout = new QVBoxLayout(this);
    table_ = new QTableWidget(0, 7, this);
    table_->setObjectName(QStringLiteral("runs"));
    table_->setHorizontalHeaderLabels({QStringLiteral("N°"), QStringLiteral("Date"), QStringLiteral("Utilisateur"),
                                       QStringLiteral("Trimestre"), QStringLiteral("Centre"), QStringLiteral("Aidés"),
                                       QStringLiteral("État")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_);
    auto* buttons = new QHBoxLayout;
    undo_ = new QPushButton(QStringLiteral("Annuler cette impression…"), this);
    undo_->setObjectName(QStringLiteral("undo"));
    auto* close = new QPushButton(QStringLiteral("Fermer"), this);
    buttons->addWidget(undo_);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(undo_, &QPushButton::clicked, this, [this] { guarded([this] { undoChosen(); }); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this] { undo_->setEnabled(!table_->selectedItems().isEmpty()); });
    resize(760, 420);
    refresh();
}

void HistoryWindow::refresh() {
    std::vector<dba::RunRow> runs;
    db_->storage().snapshot([&] { runs = db_->storage().runs(); });
    table_->setRowCount(0);
    for (auto it = runs.rbegin(); it != runs.rend(); ++it) {
        const dba::RunRow& r = *it;
        QString state;
        if (r.info.kind == "undo") state = QStringLiteral("annule l'impression %1").arg(r.info.undoes);
        if (r.undoneBy) state = QStringLiteral("annulée par %1").arg(r.undoneBy);
        const int row = table_->rowCount();
        table_->insertRow(row);
        const QStringList cells{QString::number(r.number), toQ(r.info.time), toQ(r.info.login), toQ(r.info.quarter),
                                toQ(r.info.centre), QString::number(r.units), state};
        for (int c = 0; c < cells.size(); ++c) table_->setItem(row, c, new QTableWidgetItem(cells[c]));
    }
    table_->resizeColumnsToContents();
    undo_->setEnabled(false);
}

void HistoryWindow::undoChosen() {
    const QList<QTableWidgetItem*> chosen = table_->selectedItems();
    if (chosen.isEmpty()) return;
    const long long number = table_->item(chosen.front()->row(), 0)->text().toLongLong();
    if (!presenter().confirm(this,
                             QStringLiteral("Remettre les enregistrements comme ils étaient avant l'impression %1 ?")
                                 .arg(number),
                             kTitle))
        return;
    dba::RunInfo undo;
    undo.time = dba::historyTime();
    undo.login = login_;
    undo.options = "undo " + std::to_string(number);
    undo.output = "-";
    const dba::UndoOutcome outcome = dba::undoRun(*db_, number, undo);
    if (outcome.refused) {
        const dba::UndoRefusal& r = *outcome.refused;
        QString why = r.kind == dba::UndoRefusal::UnknownRun ? QStringLiteral("elle n'existe pas")
                      : r.kind == dba::UndoRefusal::AlreadyUndone
                          ? QStringLiteral("elle est déjà annulée (impression %1)").arg(r.undoneBy)
                          : QStringLiteral("des enregistrements ont changé depuis");
        QString text = QStringLiteral("L'impression %1 ne peut pas être annulée : %2.").arg(number).arg(why);
        for (const auto& c : outcome.refused->changes) {
            text += QStringLiteral("\n%1 %2").arg(toQ(c.file), toQ(c.key));
            if (c.laterRuns.empty()) text += QStringLiteral(" : modifié hors des impressions");
            for (long long later : c.laterRuns) text += QStringLiteral(" : écrit par l'impression %1").arg(later);
        }
        presenter().message(this, text + QStringLiteral("\nRien n'a été changé."), QMessageBox::Warning, kTitle);
    } else {
        presenter().message(this,
                            QStringLiteral("L'impression %1 est annulée (impression %2) : les enregistrements de %3 "
                                           "aidé(s) sont remis comme ils étaient.")
                                .arg(number)
                                .arg(outcome.undoRun)
                                .arg(outcome.units),
                            QMessageBox::Information, kTitle);
    }
    refresh();
}

}  // namespace ui::qt
