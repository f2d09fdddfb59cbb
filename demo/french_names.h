// The French names, streets, towns, sectors and persons in charge the demo people are
// drawn from, in capitals with their accents, as the association's files keep them.
#pragma once

#include <string>
#include <vector>

namespace demo {

struct Commune {
    std::string codePostal;
    std::string ville;
};

const std::vector<std::string>& nomsDeFamille();
const std::vector<std::string>& prenomsFeminins();
const std::vector<std::string>& prenomsMasculins();
// Street names without their number ("RUE DES LILAS").
const std::vector<std::string>& voies();
// Names of residences and places, for an address's extra line.
const std::vector<std::string>& lieux();
// Towns of a département ("75", "92", "93", "94"), or of the whole region for "IDF".
const std::vector<Commune>& communes(const std::string& departement);
// Sectors of the association ("S01-NORD", ...) and the persons in charge of aidés.
const std::vector<std::string>& secteurs();
const std::vector<std::string>& responsables();

}  // namespace demo
