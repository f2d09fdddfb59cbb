// Assembly of the control with its desktop environment.
#include "desktop/desktop_control.h"
#include "printing/printer_chooser.h"

#include "dialogs/selection_individuelle.h"
#include "declaration/declaration.h"
#include "desktop/presenter.h"
#include "desktop/preview_window.h"
#include "desktop/text.h"

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
    env.selectionIndividuelle = [this](dnt::SharedState& s, const std::string& centre) {
        dialogs::selectionIndividuelle(s, services_, centre, [this] { help_.openContents(control_->helpFile()); });
    };
    control_ = std::make_unique<control::Ctr_ControleEditVardec>(env);
    control_->gestionRequete = [this](dnt::SharedState& s, const dba::DynArray& rows, const dnt::Quarter& quarter) {
        runPrintLoop(s, rows, quarter);
    };
    control_->state().Progression = [this](long done, long total) { progress(done, total); };
    services_.setSurface(&control_->surface());
    view_ = new ControlView(control_->surface());
    services_.setHostWindow(view_);
}

DesktopControl::~DesktopControl() {
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

bool DesktopControl::showPreview(QWidget* parent) {
    const printing::RecordedPages* pages = previewPages();
    if (!pages) return false;
    PreviewWindow preview(*pages, parent);
    presenter().exec(preview);
    return true;
}

QString DesktopControl::runSummary() const {
    const dnt::SharedState& s = control_->state();
    if (s.SelectionAnnulee || !s.Imprimante || previewPages()) return {};
    const long n = static_cast<long>(s.outcome.printedAides.size());
    const std::string& printer = s.Imprimante->deviceName();
    const QString where = DesktopPrinters::writesFile(printer)
                              ? QStringLiteral("dans %1").arg(toQ(printers_.output().string()))
                              : QStringLiteral("sur l'imprimante %1").arg(toQ(printer));
    if (n == 0) return QStringLiteral("Aucune déclaration imprimée %1").arg(where);
    if (n == 1) return QStringLiteral("1 déclaration imprimée %1").arg(where);
    return QStringLiteral("%1 déclarations imprimées %2").arg(n).arg(where);
}

void DesktopControl::progress(long done, long total) {
    total_ = total;
    if (progress_) progress_->setProgress(done, total, copy_, utilitaire_.NombreExemplaires());
}

void DesktopControl::runPrintLoop(dnt::SharedState& s, const dba::DynArray& rows, const dnt::Quarter& quarter) {
    const long copies = utilitaire_.NombreExemplaires();
    copy_ = copy_ >= copies ? 1 : copy_ + 1;
    total_ = countAides(rows);
    if (progress_) progress_->setProgress(0, total_, copy_, copies);
    if (printLoop) printLoop(s, rows, quarter);
    if (progress_) progress_->finish(total_);
}

}  // namespace desktop
