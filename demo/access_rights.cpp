// DROITS records: field 1 modules, 2 access level per module, 3 "1" for every sector,
// 4 the sectors seen otherwise.
#include "demo/access_rights.h"

namespace demo {

void writeDroits(RecordSink& sink) {
    sink.put("DROITS", "*",
             RecordText().values(1, {"EDITIONDNTVARDEC", "SAISIEAIDE"}).values(2, {"2", "1"}).set(3, "1"));
    sink.put("DROITS", kUtilisateurSecteurs,
             RecordText().set(1, "EDITIONDNTVARDEC").set(2, "2").set(3, "").values(4, {"S01", "S03"}));
    sink.put("DROITS", kUtilisateurLecteur, RecordText().set(1, "EDITIONDNTVARDEC").set(2, "1").set(3, "1"));
    sink.put("DROITS", kUtilisateurAucun, RecordText().set(1, "AUTREMODULE").set(2, "2").set(3, "1"));
}

}  // namespace demo
