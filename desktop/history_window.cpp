// The history window's list, details and undo.
#include "desktop/history_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <map>

#include "control/libelles_trimestre.h"
#include "rights/undo_permission.h"
#include "desktop/guarded.h"
#include "desktop/presenter.h"
#include "desktop/text.h"

namespace desktop {

namespace {

const QString kTitle = QStringLiteral("Historique");
constexpr int kShownRecords = 10;

enum Column { Number, Date, User, Quarter, Centre, Aides, Copies, Options, Output, State, Columns };

QString plural(long n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n > 1 ? many : one));
}

}  // namespace

QString HistoryWindow::localTime(const std::string& t) {
    // "2026-12-06 09:12:09" as a French reader writes it.
    if (t.size() < 16) return toQ(t);
    return toQ(t.substr(8, 2) + "/" + t.substr(5, 2) + "/" + t.substr(0, 4) + " " + t.substr(11, 5));
}

long HistoryWindow::copiesOf(const std::string& options) {
    const size_t at = options.find("--copies ");
    if (at == std::string::npos) return 1;
    try {
        return std::stol(options.substr(at + 9));
    } catch (const std::exception&) {
        return 1;
    }
}

QString HistoryWindow::refusalText(long long number, const dba::UndoRefusal& r) {
    QString why;
    switch (r.kind) {
    case dba::UndoRefusal::UnknownRun: why = QStringLiteral("elle n'existe pas"); break;
    case dba::UndoRefusal::AlreadyUndone: why = QStringLiteral("elle est déjà annulée (impression %1)").arg(r.undoneBy); break;
    case dba::UndoRefusal::LaterRuns: {
        QStringList later;
        for (long long n : r.laterRuns) later << QString::number(n);
        why = QStringLiteral("des impressions plus récentes ont écrit ses enregistrements ; annulez d'abord, dans "
                             "cet ordre : %1")
                  .arg(later.join(QStringLiteral(", ")));
        break;
    }
    case dba::UndoRefusal::Changed:
        why = plural(static_cast<long>(r.changes.size()), "enregistrement a changé depuis", "enregistrements ont changé depuis");
        break;
    case dba::UndoRefusal::ForeignFile: why = QStringLiteral("elle contient un fichier qu'aucune impression n'écrit"); break;
    case dba::UndoRefusal::Rights: why = QStringLiteral("vos droits ne le permettent pas (%1)").arg(toQ(r.reason)); break;
    }
    QString text = QStringLiteral("L'impression %1 ne peut pas être annulée : %2.").arg(number).arg(why);
    const long n = static_cast<long>(r.changes.size());
    for (long i = 0; i < n && i < kShownRecords; ++i)
        text += QStringLiteral("\n  %1 %2").arg(toQ(r.changes[i].file), toQ(r.changes[i].key));
    if (n > kShownRecords) text += QStringLiteral("\n  et %1 autres").arg(n - kShownRecords);
    return text + QStringLiteral("\nRien n'a été changé.");
}

HistoryWindow::HistoryWindow(std::shared_ptr<dba::Database> db, std::string login, QWidget* parent)
    : QDialog(parent), db_(std::move(db)), login_(std::move(login)) {
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(kTitle);
    auto* layout = new QVBoxLayout(this);
    table_ = new QTableWidget(0, Columns, this);
    table_->setObjectName(QStringLiteral("runs"));
    table_->setHorizontalHeaderLabels({QStringLiteral("N°"), QStringLiteral("Date"), QStringLiteral("Utilisateur"),
                                       QStringLiteral("Trimestre"), QStringLiteral("Centre"), QStringLiteral("Aidés"),
                                       QStringLiteral("Exemplaires"), QStringLiteral("Options"), QStringLiteral("Sortie"),
                                       QStringLiteral("État")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_);
    reason_ = new QLabel(this);
    reason_->setObjectName(QStringLiteral("reason"));
    reason_->setWordWrap(true);
    layout->addWidget(reason_);
    auto* buttons = new QHBoxLayout;
    details_ = new QPushButton(QStringLiteral("&Détails…"), this);
    details_->setObjectName(QStringLiteral("details"));
    undo_ = new QPushButton(QStringLiteral("&Annuler cette impression…"), this);
    undo_->setObjectName(QStringLiteral("undo"));
    auto* close = new QPushButton(QStringLiteral("&Fermer"), this);
    for (QPushButton* b : {details_, undo_, close}) b->setAutoDefault(false);
    buttons->addWidget(details_);
    buttons->addWidget(undo_);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(details_, &QPushButton::clicked, this, [this] { guarded([this] { showDetails(); }); });
    connect(undo_, &QPushButton::clicked, this, [this] { guarded([this] { undoChosen(); }); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(table_, &QTableWidget::itemSelectionChanged, this, [this] { guarded([this] { chosenChanged(); }); });
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { guarded([this] { showDetails(); }); });
    resize(1100, 460);
    refresh();
}

long long HistoryWindow::chosen() const {
    const QList<QTableWidgetItem*> items = table_->selectedItems();
    return items.isEmpty() ? 0 : table_->item(items.front()->row(), Number)->text().toLongLong();
}

QString HistoryWindow::undoReason() const { return undo_->isEnabled() ? QString() : reason_->text(); }

void HistoryWindow::chosenChanged() {
    const long long number = chosen();
    details_->setEnabled(number != 0);
    if (!number) {
        undo_->setEnabled(false);
        reason_->clear();
        return;
    }
    std::optional<dba::UndoRefusal> refusal = dba::undoCheck(*db_, number, rights::undoPermission(db_, login_));
    undo_->setEnabled(!refusal);
    reason_->setText(refusal ? refusalText(number, *refusal).section(QLatin1Char('\n'), 0, 0) : QString());
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
        // "stopped after 12 of 40 aidés", as the history keeps it.
        long done = 0, of = 0;
        if (std::sscanf(r.note.c_str(), "stopped after %ld of %ld", &done, &of) == 2)
            parts << QStringLiteral("arrêtée après %1 aidés sur %2").arg(done).arg(of);
        else if (!r.note.empty())
            parts << toQ(r.note);
        const bool undo = r.info.kind == "undo";
        const int row = table_->rowCount();
        table_->insertRow(row);
        const QStringList cells{QString::number(r.number),
                                localTime(r.info.time),
                                toQ(r.info.login),
                                toQ(control::LibelleTrimestre(r.info.quarter)),
                                toQ(r.info.centre),
                                QString::number(r.units),
                                undo ? QString() : QString::number(copiesOf(r.info.options)),
                                toQ(r.info.options),
                                undo ? QString() : toQ(r.info.output),
                                parts.join(QStringLiteral(", "))};
        for (int c = 0; c < cells.size(); ++c) table_->setItem(row, c, new QTableWidgetItem(cells[c]));
    }
    table_->resizeColumnsToContents();
    undo_->setEnabled(false);
    details_->setEnabled(false);
    reason_->clear();
}

void HistoryWindow::showDetails() {
    const long long number = chosen();
    if (!number) return;
    std::optional<dba::RunDetail> detail;
    std::map<std::string, std::string> names;
    db_->storage().snapshot([&] {
        detail = db_->storage().run(number);
        if (!detail) return;
        auto aides = db_->DBOpenFile("CIVILAIDE");
        for (const dba::RecordImage& im : detail->images) {
            if (im.unit.empty() || names.count(im.unit)) continue;
            try {
                dba::Record aide = aides->DBRead(im.unit);
                names[im.unit] = aide.element(2) + " " + aide.element(3);
            } catch (const std::exception&) {
                names[im.unit] = "";
            }
        }
    });
    if (!detail) return;
    const dba::RunRow& r = detail->row;
    QString html = QStringLiteral("<h3>Impression %1 — %2, centre %3</h3><p>%4, %5 ; %6 ; sortie : %7</p>")
                       .arg(r.number)
                       .arg(toQ(control::LibelleTrimestre(r.info.quarter)).toHtmlEscaped(), toQ(r.info.centre).toHtmlEscaped(),
                            localTime(r.info.time), toQ(r.info.login).toHtmlEscaped(),
                            plural(r.units, "aidé", "aidés"), toQ(r.info.output).toHtmlEscaped());
    if (!r.info.options.empty()) html += QStringLiteral("<p>Options : <tt>%1</tt></p>").arg(toQ(r.info.options).toHtmlEscaped());
    html += QStringLiteral("<table cellspacing=4><tr><th align=left>Aidé</th><th align=left>Nom</th><th "
                           "align=left>Enregistrements</th></tr>");
    std::map<std::string, QStringList> records;
    for (const dba::RecordImage& im : detail->images) {
        const char* what = !im.before ? "créé" : !im.after ? "supprimé" : *im.before == *im.after ? "inchangé" : "modifié";
        records[im.unit] << QStringLiteral("%1 %2 (%3)").arg(toQ(im.file), toQ(im.key), QString::fromUtf8(what));
    }
    for (const auto& [aide, list] : records)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                    .arg(toQ(aide).toHtmlEscaped(), toQ(names[aide]).toHtmlEscaped(), list.join(QStringLiteral(", ")).toHtmlEscaped());
    html += QStringLiteral("</table>");
    QDialog window(this);
    window.setObjectName(QStringLiteral("RunDetails"));
    window.setWindowTitle(QStringLiteral("Impression %1").arg(number));
    auto* layout = new QVBoxLayout(&window);
    auto* text = new QTextBrowser(&window);
    text->setObjectName(QStringLiteral("detail"));
    text->setHtml(html);
    layout->addWidget(text);
    auto* close = new QPushButton(QStringLiteral("&Fermer"), &window);
    connect(close, &QPushButton::clicked, &window, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignRight);
    window.resize(760, 520);
    presenter().exec(window);
}

void HistoryWindow::undoChosen() {
    const long long number = chosen();
    if (!number || !undo_->isEnabled()) return;
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
        presenter().message(this, refusalText(number, *outcome.refused), QMessageBox::Warning, kTitle);
    } else {
        presenter().message(this,
                            QStringLiteral("L'impression %1 est annulée (impression %2) : les enregistrements de %3 "
                                           "sont remis comme ils étaient.")
                                .arg(number)
                                .arg(outcome.undoRun)
                                .arg(plural(outcome.units, "aidé", "aidés")),
                            QMessageBox::Information, kTitle);
    }
    refresh();
}

}  // namespace desktop
