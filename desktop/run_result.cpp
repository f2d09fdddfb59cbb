// The result of a run in words.
#include "desktop/run_result.h"

#include "desktop/desktop_printers.h"
#include "numbers/error.h"
#include "printing/printer.h"

namespace desktop {

RunResult RunResult::of(const dnt::SharedState& s, const std::string& file, const std::string& folder) {
    RunResult r;
    if (s.SelectionAnnulee || !s.Imprimante) return r;
    r.printed = true;
    r.preview = s.Imprimante->preview();
    r.declarations = static_cast<long>(s.outcome.printedAides.size());
    r.written = s.outcome.written;
    r.run = s.outcome.run;
    r.toFile = DesktopPrinters::writesFile(s.Imprimante->deviceName());
    r.toFolder = s.Imprimante->deviceName() == kSplitPrinterName;
    r.destination = r.toFile ? file : r.toFolder ? folder : s.Imprimante->deviceName();
    if (s.outcome.stopped) {
        r.stoppedDone = s.outcome.stopped->done;
        r.stoppedOf = s.outcome.stopped->total;
    }
    for (const dnt::RunOutcome::Failure& e : s.outcome.failures)
        r.leftOut.push_back("aidé " + e.aide + " : " + e.reason + " (erreur " + dnt::errorNumberText(e.number) + ")");
    return r;
}

std::string RunResult::text() const {
    if (!printed) return "Aucune impression : l'écran a été quitté avant le choix de l'imprimante.";
    auto count = [](long n) {
        return n == 0 ? std::string("Aucune déclaration") : n == 1 ? std::string("1 déclaration") : std::to_string(n) + " déclarations";
    };
    std::string text;
    if (stopped())
        text += "Impression arrêtée après " + std::to_string(stoppedDone) + " aidé" + (stoppedDone > 1 ? "s" : "") +
                " sur " + std::to_string(stoppedOf) + ".\n";
    if (preview) return text + count(declarations) + " à l'aperçu : rien n'est imprimé ni enregistré.";
    const bool plural = declarations > 1;
    text += count(declarations) + (plural ? " imprimées " : " imprimée ") +
            (toFile ? "dans " + destination
             : toFolder ? "dans le dossier " + destination
                        : "sur l'imprimante " + destination) + ".\n";
    if (declarations > 0 && written)
        text += "Les enregistrements sont écrits (impression " + std::to_string(run) + " de l'historique).\n";
    else if (declarations > 0)
        text += "Aucun enregistrement n'est écrit.\n";
    for (const std::string& line : leftOut) text += "Laissé de côté, ses enregistrements n'ont pu être écrits : " + line + "\n";
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

}  // namespace desktop
