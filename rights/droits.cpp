// Reading a user's module rights and sectors from DROITS: the user's own record,
// else the record "*", else no right at all.
#include "rights/droits.h"
#include "numbers/utf8.h"

#include <algorithm>

#include "numbers/ascii.h"
#include "dba/errors.h"
#include "dba/expression.h"

namespace rights {

namespace {
std::vector<std::string> valuesOf(const dba::DynArray& rec, int field) {
    std::vector<std::string> values;
    for (int v = 1; v <= rec.CountValues(field); ++v) values.push_back(rec.element(field, v));
    return values;
}
}  // namespace

void ListeSecteurs::InitialiserListe() { liste_ = lire_ ? lire_() : std::vector<std::string>{}; }

ModuleRights::ModuleRights(std::shared_ptr<dba::Database> db, std::string login, std::string module)
    : db_(std::move(db)), login_(std::move(login)), module_(std::move(module)) {
    Lecture l = lire();
    niveau_ = l.niveau;
    tous_ = l.tous;
    secteurs_ = l.secteurs;
    liste_.lire_ = [this] {
        Lecture again = lire();
        tous_ = again.tous;
        secteurs_ = again.secteurs;
        return tous_ ? std::vector<std::string>{} : secteurs_;
    };
    liste_.liste_ = tous_ ? std::vector<std::string>{} : secteurs_;
}

ModuleRights::Lecture ModuleRights::lire() const {
    Lecture l;
    if (!db_ || !db_->storage().fileExists("DROITS")) return l;
    auto file = db_->DBOpenFile("DROITS");
    dba::Record rec;
    bool found = false;
    for (const std::string& key : {login_, std::string("*")}) {
        if (key.empty()) continue;
        try {
            rec = file->DBRead(key);
            found = true;
            break;
        } catch (const dba::DbError& e) {
            if (e.number() != dba::kErrKeyAbsent) throw;
        }
    }
    if (!found) return l;
    std::vector<std::string> modules = valuesOf(rec, 1);
    auto it = std::find(modules.begin(), modules.end(), module_);
    if (it != modules.end()) {
        std::string level = rec.element(2, static_cast<int>(it - modules.begin()) + 1);
        l.niveau = (!level.empty() && std::all_of(level.begin(), level.end(), dnt::isAsciiDigit) && level.size() < 4)
                       ? std::stoi(level) : 0;
    }
    l.tous = rec.element(3) == "1";
    for (std::string sector : valuesOf(rec, 4))
        if (!sector.empty()) l.secteurs.emplace_back(dnt::utf8::substring(sector, 1, 3));
    return l;
}

bool ModuleRights::AccesSecteur(const std::string& secteur) const {
    if (tous_) return true;
    std::string_view code = dnt::utf8::substring(secteur, 1, 3);
    return std::find(secteurs_.begin(), secteurs_.end(), code) != secteurs_.end();
}

}  // namespace rights
