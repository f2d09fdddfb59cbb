// Fuzz target: the rights component reading a DROITS record of any content.
#include <algorithm>

#include "dba/expression.h"
#include "numbers/utf8.h"
#include "fuzz/fuzz_support.h"
#include "rights/droits.h"

// The input: a byte choosing the record's key (the user's or "*"), a byte giving the
// length of a sector to test, that sector, then the record's text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view in(reinterpret_cast<const char*>(data), size);
    if (in.size() < 2) return 0;
    const bool own = in[0] & 1;
    const size_t sectorLength = std::min<size_t>(static_cast<unsigned char>(in[1]), in.size() - 2);
    const std::string sector(in.substr(2, sectorLength));
    const std::string_view record = in.substr(2 + sectorLength);

    auto db = fuzz::freshDatabase();
    db->storage().createFile("DROITS");
    db->DBOpenFile("DROITS")->write(own ? "fuzz" : "*", record);
    rights::ModuleRights r(db, "fuzz", "EDITIONDNTVARDEC");
    fuzz::require(r.NiveauAcces() >= 0 && r.NiveauAcces() <= 999, "a level of at most three digits");
    r.listeSecteurs().InitialiserListe();
    const std::vector<std::string>& list = r.listeSecteurs().W_Liste();
    if (r.TousSecteurs()) {
        fuzz::require(list.empty() && r.AccesSecteur(sector), "every sector");
        return 0;
    }
    for (const std::string& code : list)
        fuzz::require(!code.empty() && dnt::utf8::substring(code, 1, 3) == code, "codes of one to three characters");
    std::string code(dnt::utf8::substring(sector, 1, 3));
    fuzz::require(r.AccesSecteur(sector) == (std::find(list.begin(), list.end(), code) != list.end()),
                  "a sector is seen when its first three characters are listed");
    return 0;
}
