// The declaration control as the desktop runs it: the control with its desktop services,
// help window, printers and printer dialog, the individual selection window shown
// modally, and the view of its selection screen for the host to embed.
#pragma once

#include <QPointer>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "control/ctr_controle.h"
#include "dba/utility.h"
#include "desktop/control_view.h"
#include "desktop/desktop_printers.h"
#include "desktop/help_window.h"
#include "desktop/printer_chooser.h"
#include "desktop/progress_label.h"
#include "desktop/qt_services.h"

namespace desktop {

struct DesktopSetup {
    std::string appPath = ".";     // the folder of the help file
    std::function<long()> today;   // today's day number
    std::filesystem::path journal;  // a print journal of everything printed, if given
};

class DesktopControl {
public:
    explicit DesktopControl(DesktopSetup setup);
    ~DesktopControl();
    DesktopControl(const DesktopControl&) = delete;
    DesktopControl& operator=(const DesktopControl&) = delete;

    control::Ctr_ControleEditVardec& control() { return *control_; }
    // The selection screen; the host embeds it (and may own it: it is deleted here only
    // if still alive).
    ControlView& view() { return *view_; }
    QtServices& services() { return services_; }
    HelpWindow& help() { return help_; }
    DesktopPrinters& printers() { return printers_; }
    PrinterChooser& chooser() { return chooser_; }

    // Where the progress of a run is shown (the host's status bar), if anywhere.
    void setProgressLabel(ProgressLabel* label) { progress_ = label; }
    // The print loop of the declarations, run once per copy; it tells its progress
    // (aidés done over the total), which the progress label shows.
    std::function<void(dnt::SharedState&, const dba::DynArray&, const dnt::Quarter&)> printLoop;

    // Number of aidés of a selection (rows of one aidé are adjacent).
    static long countAides(const dba::DynArray& rows);
    // "DNT-<quarter key>-<centre>" from the screen.
    std::string proposedFileName() const;
    // What the host says once a run has closed the form: "N déclarations imprimées dans
    // FILE", or "sur l'imprimante NAME"; empty when the run was abandoned before a
    // printer was chosen.
    QString runSummary() const;
    // The pages of the last run when it was printed on the preview printer, else nullptr.
    const printing::RecordedPages* previewPages() const;
    // When the last run was a preview, shows its pages in the preview window and gives
    // true: the host then keeps the screen, with the same choices, for a real run.
    bool showPreview(QWidget* parent);

private:
    void runPrintLoop(dnt::SharedState& s, const dba::DynArray& rows, const dnt::Quarter& quarter);
    void progress(long done, long total);

    QtServices services_;
    HelpWindow help_;
    DesktopPrinters printers_;
    PrinterChooser chooser_;
    dba::Utilitaire utilitaire_;
    std::unique_ptr<control::Ctr_ControleEditVardec> control_;
    QPointer<ControlView> view_;
    QPointer<ProgressLabel> progress_;
    long copy_ = 0;
    long total_ = 0;
};

}  // namespace desktop
