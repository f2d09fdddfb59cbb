// The window in which dnt-gui's user names the database when the command line did not:
// a file, or a PostgreSQL server by its URI. It proposes the database opened last time,
// kept in the user's settings (QSettings, organisation "dnt", application "dnt-gui").
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace desktop {

class DatabaseDialog : public QDialog {
public:
    // Proposes `proposed`: a server's URI, or else a file.
    explicit DatabaseDialog(const QString& proposed, QWidget* parent = nullptr);

    // The file or the URI, as the person left it.
    QString target() const;

    QRadioButton& fileChoice() { return *file_; }
    QRadioButton& serverChoice() { return *server_; }
    QLineEdit& path() { return *path_; }
    QLineEdit& uri() { return *uri_; }
    QPushButton& browse() { return *browse_; }
    QPushButton& openButton() { return *open_; }

private:
    void update();

    QRadioButton* file_;
    QRadioButton* server_;
    QLineEdit* path_;
    QLineEdit* uri_;
    QPushButton* browse_;
    QPushButton* open_;
};

// Asks for the database through the presenter, proposing `proposed`; empty when the
// person cancels.
QString chooseDatabase(const QString& proposed, QWidget* parent = nullptr);

// The database opened last, "" when none; remembering a server's URI leaves its password
// out, a file is remembered by its whole path.
QString lastDatabase();
void rememberDatabase(const QString& target);

}  // namespace desktop
