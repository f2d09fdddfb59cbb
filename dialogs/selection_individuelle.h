// Ways to run the individual selection window for a run: shown to the user, or played
// by a script or a list of codes in place of a person (tests, command line).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/state.h"
#include "dialogs/frm_selind_dnt.h"
#include "ui/driver.h"
#include "ui/services.h"

namespace dialogs {

// Creates the window for `centre`, calls Init and shows it modally through the
// services; the chosen aidés are then in s.W_AidesSelectionnes, and s.SelectionAnnulee
// says whether the user went back. `help` opens the help contents.
void selectionIndividuelle(dnt::SharedState& s, ui::Services& services, const std::string& centre,
                           std::function<void()> help = {});

// A person acting on the window until it is closed.
using ScriptSelection = std::function<void(Frm_SelindDnt&, ui::Driver&)>;

// Creates the window for `centre`, calls Init, shows it and lets `script` play the
// person. The script must leave the window by "Imprimer" or "Retour": a window still
// open afterwards raises std::logic_error, as a modal window never returns.
void selectionParScript(dnt::SharedState& s, ui::Services& services, const std::string& centre,
                        const ScriptSelection& script);

// For each code, types it in the code box (with Enter when it is short), and when the
// window lists its aidé marks it and adds it to the selection; then presses "Imprimer",
// or "Retour" when no aidé could be chosen. An unknown code gets the window's own
// message and is skipped; a code that is not one to five digits is never typed.
void selectionParCodes(dnt::SharedState& s, ui::Services& services, const std::string& centre,
                       const std::vector<std::string>& codes);

// One step of such a person: empties the name and code boxes, types `code` (and Enter
// to complete a short one), and adds the aidé if the window lists it. Returns whether
// the aidé is now selected.
bool choisirCode(Frm_SelindDnt& fenetre, ui::Driver& driver, const std::string& code);

}  // namespace dialogs
