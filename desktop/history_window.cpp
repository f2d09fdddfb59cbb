// The history window's list and undo.
#include "desktop/history_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dba/run_history.h"
#include "rights/undo_permission.h"
#include "desktop/guarded.h"
#include "desktop/presenter.h"
#include "desktop/text.h"

namespace desktop {

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
    const dba::RunStanding standing(runs);
    for (auto it = runs.rbegin(); it != runs.rend(); ++it) {
        const dba::RunRow& r = *it;
        QStringList parts;
        if (r.info.kind == "undo") parts << QStringLiteral("annule l'impression %1").arg(r.info.undoes);
        if (r.undoneBy && !standing.stands(r.number)) parts << QStringLiteral("annulée par %1").arg(r.undoneBy);
        if (r.undoneBy && standing.stands(r.number))
            parts << QStringLiteral("annulée par %1, rétablie par %2").arg(r.undoneBy).arg(standing.undoneBy(r.undoneBy));
        const QString state = parts.join(QStringLiteral(", "));
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
    dba::UndoOutcome outcome;
    try {
        outcome = dba::undoRun(*db_, number, undo, rights::undoPermission(db_, login_), dba::RunWait{});
    } catch (const dba::RunBusy& busy) {
        presenter().message(this,
                            QStringLiteral("L'impression %1 n'est pas annulée : le même trimestre et le même centre "
                                           "sont en cours d'impression par %2.")
                                .arg(number)
                                .arg(toQ(busy.holder().login)),
                            QMessageBox::Warning, kTitle);
        return;
    }
    if (outcome.refused) {
        const dba::UndoRefusal& r = *outcome.refused;
        QString why;
        switch (r.kind) {
        case dba::UndoRefusal::UnknownRun: why = QStringLiteral("elle n'existe pas"); break;
        case dba::UndoRefusal::AlreadyUndone:
            why = QStringLiteral("elle est déjà annulée (impression %1)").arg(r.undoneBy);
            break;
        case dba::UndoRefusal::LaterRuns: {
            QStringList later;
            for (long long n : r.laterRuns) later << QString::number(n);
            why = QStringLiteral("des impressions plus récentes ont écrit ses enregistrements ; annulez d'abord, "
                                 "dans cet ordre : %1")
                      .arg(later.join(QStringLiteral(", ")));
            break;
        }
        case dba::UndoRefusal::Changed:
            why = QStringLiteral("%1 enregistrement(s) ont changé depuis").arg(r.changes.size());
            break;
        case dba::UndoRefusal::ForeignFile: why = QStringLiteral("elle contient un fichier qu'aucune impression n'écrit"); break;
        case dba::UndoRefusal::Rights: why = QStringLiteral("vos droits ne le permettent pas (%1)").arg(toQ(r.reason)); break;
        }
        QString text = QStringLiteral("L'impression %1 ne peut pas être annulée : %2.").arg(number).arg(why);
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

}  // namespace desktop
