// Assembly of the control with its desktop environment.
#include "desktop/desktop_control.h"
#include "printing/printer_chooser.h"

#include <QCoreApplication>

#include "control/libelles_trimestre.h"
#include "dba/run_history.h"
#include "dialogs/selection_individuelle.h"
#include "declaration/declaration.h"
#include "desktop/help_pages.h"
#include "desktop/presenter.h"
#include "desktop/screen_choices.h"
#include "desktop/text.h"
#include "ui/driver.h"

namespace desktop {

DesktopControl::DesktopControl(DesktopSetup setup) : printers_(setup.journal), chooser_(printers_) {
    printLoop = declaration::GestionRequete;
    printing::useChooser(utilitaire_, chooser_);
    chooser_.proposedName = [this] { return proposedFileName(); };
    // The control's database (and its companion files) and the print journal.
    chooser_.keptFiles = [this, journal = setup.journal.string()] {
        dba::Database* db = control_->state().TheDatabase.get();
        std::vector<dba::NamedFile> kept = dba::databaseFiles(db ? db->storage().where() : std::string());
        kept.push_back({"--journal", journal, {}});
        return kept;
    };

    control::Environment env;
    env.services = &services_;
    env.help = &help_;
    env.utilitaire = &utilitaire_;
    env.printers = &printers_;
    env.today = setup.today;
    env.appPath = setup.appPath;
    env.selectionIndividuelle = [this](dnt::SharedState& s, const std::string& centre) { selectAides(s, centre); };
    // A run waits for another desk's run of its quarter and centre, and says for whom.
    env.attenteRun.waiting = [this](const dba::RunHolder& holder) { waiting(holder); };
    env.descriptionRun = [this] { return describeRun(); };
    control_ = std::make_unique<control::Ctr_ControleEditVardec>(env);
    control_->gestionRequete = [this](dnt::SharedState& s, const dba::DynArray& rows, const dnt::Quarter& quarter) {
        runPrintLoop(s, rows, quarter);
    };
    control_->state().Progression = [this](long done, long total) { progress(done, total); };
    control_->state().StopRequested = [this] { return stop_; };
    // Enter presses OK and Escape Sortir, wherever the focus is on the screen.
    control_->Cmd_OK->setDefault(true);
    control_->Cmd_Sortir->setCancel(true);
    // The archive printer is given each declaration as it is complete.
    printers_.archiveChanged = [this](declaration::SplitArchive* archive) {
        if (!archive) control_->state().onDeclared = nullptr;
        else control_->state().onDeclared = [archive](const dnt::AideDeclaration& d) { archive->add(d); };
    };
    services_.setSurface(&control_->surface());
    // F1 on a field opens its page of the help, beside the control's help file.
    helpPageOpener() = [this, appPath = setup.appPath](const std::string& page) {
        help_.openContents(control::HelpFilePath(appPath, page));
    };
    view_ = new ControlView(control_->surface());
    services_.setHostWindow(view_);
}

DesktopControl::~DesktopControl() {
    helpPageOpener() = nullptr;
    delete view_.data();  // its bindings leave the control's widgets before they go
    control_.reset();
}

long DesktopControl::countAides(const dba::DynArray& rows) {
    long aides = 0;
    std::string previous;
    for (int i = 1; i <= rows.DCount(); ++i) {
        std::string aide = rows.element(i, 2);
        if (rows.element(i).empty()) continue;
        if (i == 1 || aide != previous) ++aides;
        previous = aide;
    }
    return aides;
}

std::string DesktopControl::proposedFileName() const {
    const std::optional<dnt::Quarter> quarter = dnt::Quarter::fromLabel(control_->Cbo_Trimestre->text());
    std::string name = "DNT-" + (quarter ? quarter->key() : control_->Cbo_Trimestre->text());
    if (!control_->Txt_CtrUrssaf->text().empty()) name += "-" + control_->Txt_CtrUrssaf->text();
    return name;
}

const printing::RecordedPages* DesktopControl::previewPages() const {
    const PreviewPrinter* preview = printers_.preview();
    return preview && control_->state().Imprimante == preview ? &preview->pages() : nullptr;
}

void DesktopControl::selectAides(dnt::SharedState& s, const std::string& centre) {
    dialogs::Frm_SelindDnt window(s, services_, [this] { help_.openContents(control_->helpFile()); });
    window.W_CentreUrssaf = centre;
    window.Init();
    ui::Form& form = window.form();
    if (!proposedCodes.empty()) {
        // The aidés picked last time, typed in again as the person would.
        form.show(true);
        ui::Driver person(form);
        for (const std::string& code : proposedCodes) dialogs::choisirCode(window, person, code);
        if (replay) person.click(window.Lst_CodSel->listCount() > 0 ? *window.Cmd_Imprimer : *window.Cmd_Retour);
    }
    if (!replay || (form.loaded() && form.visible())) services_.showModal(form);
    selectionRan_ = true;
    picked_.clear();
    for (int i = 0; i < window.Lst_CodSel->listCount(); ++i) picked_.push_back(window.Lst_CodSel->list(i));
}

void DesktopControl::waiting(const dba::RunHolder& holder) {
    QString text = QStringLiteral("Centre %1, %2 : en cours d'impression par %3")
                       .arg(toQ(control_->Txt_CtrUrssaf->text()), toQ(control_->Cbo_Trimestre->text()),
                            holder.login.empty() ? QStringLiteral("un autre poste") : toQ(holder.login));
    if (holder.since.size() >= 16) {
        const bool today = holder.since.compare(0, 10, dba::historyTime(), 0, 10) == 0;
        text += QStringLiteral(" depuis ") +
                (today ? toQ(holder.since.substr(11, 5))
                       : QStringLiteral("le %1 à %2").arg(toQ(holder.since.substr(8, 2) + "/" + holder.since.substr(5, 2) +
                                                             "/" + holder.since.substr(0, 4)),
                                                         toQ(holder.since.substr(11, 5))));
    }
    if (holder.run) text += QStringLiteral(" (impression %1)").arg(holder.run);
    text += QStringLiteral(" ; en attente…");
    if (progress_) {
        progress_->setText(text);
        progress_->repaint();
    }
}

dba::RunInfo DesktopControl::describeRun() const {
    dba::RunInfo run;
    const dnt::SharedState& s = control_->state();
    if (const auto* droits = s.Droits) run.login = droits->login();
    ScreenChoices choices = ScreenChoices::read(*control_);
    for (int i = 1; i <= s.W_AidesSelectionnes.DCount(); ++i)
        if (!s.W_AidesSelectionnes.element(i).empty()) choices.codes.push_back(s.W_AidesSelectionnes.element(i));
    const std::string printer = s.Imprimante ? s.Imprimante->deviceName() : std::string();
    run.options = choices.options(utilitaire_.NombreExemplaires(), printer);
    run.output = DesktopPrinters::writesFile(printer) ? printers_.output().string() : printer;
    return run;
}

void DesktopControl::progress(long done, long total) {
    total_ = total;
    if (progress_) progress_->setProgress(done, total, copy_, utilitaire_.NombreExemplaires());
    // The Stop button is the one thing the person can press while the run goes on: the
    // screen is disabled and the host's menus with it.
    QCoreApplication::processEvents();
}

void DesktopControl::runPrintLoop(dnt::SharedState& s, const dba::DynArray& rows, const dnt::Quarter& quarter) {
    const long copies = utilitaire_.NombreExemplaires();
    copy_ = copy_ >= copies ? 1 : copy_ + 1;
    total_ = countAides(rows);
    if (progress_) progress_->setProgress(0, total_, copy_, copies);
    running_ = true;
    if (onRunning) onRunning(true);
    struct Done {
        DesktopControl& d;
        ~Done() {
            d.running_ = false;
            if (d.onRunning) d.onRunning(false);
        }
    } done{*this};
    if (printLoop) printLoop(s, rows, quarter);
    const bool preview = s.Imprimante && s.Imprimante->preview();
    if (progress_) progress_->finish(s.outcome.stopped ? s.outcome.stopped->done : total_, preview, s.outcome.stopped.has_value());
}

}  // namespace desktop
