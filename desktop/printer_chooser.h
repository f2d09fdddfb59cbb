// The printer choice of the desktop, for the database library's printer dialog: the
// printer dialog, then, for the PDF and matrix printers, the file to write (for the
// archive, a new folder), which may be none of the files the run must not write over (the
// database's, the print journal).
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "dba/file_identity.h"
#include "printing/printer_chooser.h"
#include "dba/utility.h"
#include "desktop/desktop_printers.h"

namespace desktop {

class PrinterChooser : public printing::PrinterChooser {
public:
    explicit PrinterChooser(DesktopPrinters& printers);

    // The index chosen in the printers' list, -1 when the person cancelled; `copies`
    // receives the number of copies (the run prints them itself; Qt's printer prints one).
    long choose(long& copies) override;

    // The file name proposed for the PDF and matrix printers, without its extension
    // ("DNT-20251-75").
    std::function<std::string()> proposedName;
    void setParent(QWidget* parent) { parent_ = parent; }
    // The folder proposed for the files; the folder of the last file chosen afterwards.
    void setFolder(const QString& folder) { folder_ = folder; }
    const QString& folder() const { return folder_; }
    // The printer proposed first: the last one chosen for a run that prints (never the
    // preview, so that OK after an Aperçu does not preview again).
    int lastIndex() const { return lastIndex_; }
    void setLastIndex(int index) { lastIndex_ = index; }
    // The files a chosen file may not be (file_identity.h), asked for at each choice: a
    // file that is one of them is refused with a message, and the file asked for again.
    std::function<std::vector<dba::NamedFile>()> keptFiles;

private:
    // The message refusing a chosen file, empty when the file may be written.
    QString refusalOf(const QString& file) const;
    // The new folder of the archive printer, asked until one may be written; empty when
    // the person cancelled.
    QString chooseNewFolder(QWidget* parent);

    DesktopPrinters& printers_;
    QPointer<QWidget> parent_;
    QString folder_;
    int lastIndex_ = 0;
};

}  // namespace desktop
