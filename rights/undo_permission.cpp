// The rights an undo needs, read like a print's: the user's access level, then the sector
// of each aidé of the run (the first three characters of field 40 of its CIVILAIDE record).
#include "rights/undo_permission.h"

#include <set>

#include "dba/errors.h"
#include "rights/droits.h"

namespace rights {

dba::UndoPermission undoPermission(std::shared_ptr<dba::Database> db, const std::string& login) {
    return [db, login](const dba::RunDetail& run) -> std::optional<std::string> {
        ModuleRights droits(db, login, kDeclarationsModule);
        if (droits.NiveauAcces() != 2)
            return "user \"" + login + "\" has no full access to " + kDeclarationsModule + " (level " +
                   std::to_string(droits.NiveauAcces()) + ")";
        if (droits.TousSecteurs()) return std::nullopt;
        std::set<std::string> aides;
        for (const dba::RecordImage& im : run.images)
            if (!im.unit.empty()) aides.insert(im.unit);
        long outside = 0;
        db->storage().snapshot([&] {
            for (const std::string& aide : aides) {
                // An aidé no longer in CIVILAIDE has no sector the user could be shown.
                std::optional<std::string> civil = db->storage().get("CIVILAIDE", aide, nullptr);
                const std::string sector = civil ? dba::DynArray(*civil).element(40) : std::string();
                if (!civil || !droits.AccesSecteur(sector)) ++outside;
            }
        });
        if (outside == 0) return std::nullopt;
        return std::to_string(outside) + (outside == 1 ? " aidé" : " aidés") + " of run " +
               std::to_string(run.row.number) + " " + (outside == 1 ? "is" : "are") + " outside the sectors of user \"" +
               login + "\"";
    };
}

}  // namespace rights
