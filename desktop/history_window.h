// The "Historique" window: the runs that wrote records, newest first, and the undo of the
// run chosen, asked for confirmation and refused with the reason when a record changed
// since. Only a user with full access to the declarations is offered it.
#pragma once

#include <QDialog>

#include <memory>
#include <string>

#include "dba/database.h"

class QPushButton;
class QTableWidget;

namespace desktop {

class HistoryWindow : public QDialog {
public:
    HistoryWindow(std::shared_ptr<dba::Database> db, std::string login, QWidget* parent = nullptr);

    QTableWidget& table() { return *table_; }
    // Reads the runs again.
    void refresh();
    // Undoes the run of the chosen row, after the person confirmed.
    void undoChosen();

private:
    std::shared_ptr<dba::Database> db_;
    std::string login_;
    QTableWidget* table_;
    QPushButton* undo_;
};

}  // namespace desktop
