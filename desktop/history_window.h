// The "Historique" window, for a clerk: the runs that wrote records, newest first, with the
// quarter's label, the local date and time, the user, the options, the output and the
// copies, each run's aidés counted once; the details of a run (its aidés and their records);
// and the undo of the run chosen, offered only where the rule allows it (the reason said
// otherwise), asked for confirmation, and refused with a short summary when a record
// changed since. Only a user with full access to the declarations is offered it.
#pragma once

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

#include "dba/database.h"
#include "dba/run_history.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace desktop {

class HistoryWindow : public QDialog {
public:
    HistoryWindow(std::shared_ptr<dba::Database> db, std::string login, QWidget* parent = nullptr);

    QTableWidget& table() { return *table_; }
    QPushButton& undoButton() { return *undo_; }
    // Why the chosen run cannot be undone, empty when it can.
    QString undoReason() const;
    // Reads the runs again.
    void refresh();
    // Undoes the run of the chosen row, after the person confirmed.
    void undoChosen();
    // The details of the chosen run: its aidés, their names and the records written.
    void showDetails();

    // The texts of the table's cells, shared with the details: "06/12/2026 09:12".
    static QString localTime(const std::string& historyTime);
    // The number of copies of a run, from its options ("--copies 3"), 1 otherwise.
    static long copiesOf(const std::string& options);
    // A refusal in a few lines: the reason, the first records named, then "et N autres".
    static QString refusalText(long long number, const dba::UndoRefusal& refusal);

private:
    long long chosen() const;
    void chosenChanged();

    std::shared_ptr<dba::Database> db_;
    std::string login_;
    QTableWidget* table_;
    QLabel* reason_;
    QPushButton *undo_, *details_;
};

}  // namespace desktop
