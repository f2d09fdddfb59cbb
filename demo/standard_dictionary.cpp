// The standard dictionary items of CONTRAT and CIVILAIDE.
#include "demo/standard_dictionary.h"

namespace demo {

const std::vector<dba::DictItem>& standardDictionary() {
    static const std::vector<dba::DictItem> items = {
        {"CONTRAT", "CtrUrssafContrat", "TRANS(ELTSPARTEMP, F3, 1)"},
        {"CONTRAT", "NomAideContrat", "TRANS(CIVILAIDE, F3, 2)"},
        {"CONTRAT", "PrenomAideContrat", "TRANS(CIVILAIDE, F3, 3)"},
        {"CONTRAT", "CodeAidant", "F0[1,5]"},
        {"CONTRAT", "NomPrenomAidantContrat",
         "TRANS(CIVILAIDANT, F0[1,5], 4) : \" \" : TRANS(CIVILAIDANT, F0[1,5], 3)"},
        {"CONTRAT", "ChgURSSAFAideContrat", "TRANS(ELTSPARTEMP, F3, 8)"},
        {"CONTRAT", "IBANFactAide", "TRANS(ELTSFACTAIDE, F3, 16)"},
        {"CONTRAT", "LibCommuneAide", "TRANS(CIVILAIDE, F3, 11)"},
        {"CONTRAT", "CodSecteurContratAide", "TRANS(CIVILAIDE, F3, 40)[1,3]"},
        {"CONTRAT", "ResponsableAideContrat", "TRANS(CIVILAIDE, F3, 41)"},
        {"CIVILAIDE", "NomPrenomAide", "F2 : \" \" : F3"},
        {"CIVILAIDE", "CentreUrssafAide", "TRANS(ELTSPARTEMP, F0, 1)"},
    };
    return items;
}

const std::vector<std::pair<std::string, std::string>>& standardIndexes() {
    // The aidé's code, which the unattended run of one aidé and the individual selection
    // ask for, and the centre, which every run asks for.
    static const std::vector<std::pair<std::string, std::string>> indexes = {
        {"CONTRAT", "3"},
        {"CONTRAT", "CtrUrssafContrat"},
    };
    return indexes;
}

void writeStandardIndexes(dba::Storage& storage) {
    for (const auto& [file, item] : standardIndexes()) storage.createIndex(file, item);
}

void writeStandardDictionary(dba::Storage& storage) {
    for (const dba::DictItem& item : standardDictionary()) {
        storage.createFile(item.file);
        storage.putDict(item);
    }
}

}  // namespace demo
