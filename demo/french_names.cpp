// The lists behind the demo's people and addresses.
#include "demo/french_names.h"

#include <map>

namespace demo {

const std::vector<std::string>& nomsDeFamille() {
    static const std::vector<std::string> v = {
        "MARTIN", "BERNARD", "THOMAS", "PETIT", "ROBERT", "RICHARD", "DURAND", "DUBOIS", "MOREAU", "LAURENT",
        "SIMON", "MICHEL", "LEFÈVRE", "LEROY", "ROUX", "DAVID", "BERTRAND", "MOREL", "FOURNIER", "GIRARD",
        "BONNET", "DUPONT", "LAMBERT", "FONTAINE", "ROUSSEAU", "VINCENT", "MULLER", "LEFEBVRE", "FAURE",
        "ANDRÉ", "MERCIER", "BLANC", "GUÉRIN", "BOYER", "GARNIER", "CHEVALIER", "FRANÇOIS", "LEGRAND",
        "GAUTHIER", "GARCIA", "PERRIN", "ROBIN", "CLÉMENT", "MORIN", "NICOLAS", "HENRY", "ROUSSEL", "MATHIEU",
        "MASSON", "MARCHAND", "DUVAL", "DENIS", "DUMONT", "LEMAIRE", "NOËL", "MEYER", "DUFOUR", "MEUNIER",
        "BRUN", "BLANCHARD", "GIRAUD", "JOLY", "RIVIÈRE", "LUCAS", "BRUNET", "GAILLARD", "BARBIER", "ARNAUD",
        "MARTINEZ", "GÉRARD", "ROCHE", "RENARD", "SCHMITT", "ROY", "LEROUX", "COLIN", "VIDAL", "CARON",
        "PICARD", "ROGER", "FABRE", "AUBERT", "LEMOINE", "RENAUD", "DUMAS", "LACROIX", "OLIVIER", "PHILIPPE",
        "BOURGEOIS", "PIERRE", "BENOÎT", "REY", "LECLERC", "PAYET", "ROLLAND", "LEBLANC", "GUILLAUME",
        "BÉNARD", "MÉNARD", "HÉBERT", "LE GALL", "LE GOFF", "D'ALMEIDA", "DA SILVA", "PEREIRA", "NGUYEN",
        "TRAORÉ", "DIALLO", "BOUCHER", "CHAUVIN", "PRÉVOST", "LÉGER", "CÔTÉ", "DESCHAMPS", "MAILLARD",
        "LAINÉ", "BESNARD", "TESSIER", "HUET", "CARRÉ", "PELLETIER", "JACQUET", "GÉNIN", "BRETON"};
    return v;
}

const std::vector<std::string>& prenomsFeminins() {
    static const std::vector<std::string> v = {
        "MARIE", "JEANNE", "FRANÇOISE", "MONIQUE", "CATHERINE", "NATHALIE", "ISABELLE", "SYLVIE", "ANNE",
        "MARTINE", "CHRISTINE", "HÉLÈNE", "VALÉRIE", "SANDRINE", "SOPHIE", "CÉLINE", "AURÉLIE", "JULIE",
        "CAMILLE", "LÉA", "CHLOÉ", "ZOÉ", "AGNÈS", "GENEVIÈVE", "JOSÉPHINE", "THÉRÈSE", "MARIE-THÉRÈSE",
        "MARIE-CHRISTINE", "ANNE-SOPHIE", "ÉLODIE", "MÉLANIE", "NOÉMIE", "RENÉE", "ANDRÉE", "SIMONE", "DENISE",
        "COLETTE", "GISÈLE", "ODETTE", "MIREILLE", "BÉATRICE", "FATIMA", "AÏCHA", "MARYSE", "HÉLOÏSE",
        "YVETTE", "JOCELYNE", "GHISLAINE", "PAULETTE", "LUCIENNE"};
    return v;
}

const std::vector<std::string>& prenomsMasculins() {
    static const std::vector<std::string> v = {
        "JEAN", "PIERRE", "MICHEL", "ANDRÉ", "PHILIPPE", "ALAIN", "BERNARD", "JACQUES", "DANIEL",
        "CHRISTIAN", "GÉRARD", "RENÉ", "FRANÇOIS", "ROGER", "MARCEL", "LOUIS", "GEORGES", "HENRI", "NICOLAS",
        "THOMAS", "STÉPHANE", "FRÉDÉRIC", "JÉRÔME", "SÉBASTIEN", "THÉO", "RAPHAËL", "NOËL", "JOËL", "GAËL",
        "JEAN-CLAUDE", "JEAN-PIERRE", "JEAN-CHRISTOPHE", "HERVÉ", "CLÉMENT", "ÉRIC", "YVES", "LUC",
        "MAURICE", "LUCIEN", "ÉMILE", "RAYMOND", "FERNAND", "GUY", "AIMÉ"};
    return v;
}

const std::vector<std::string>& voies() {
    static const std::vector<std::string> v = {
        "RUE DES LILAS", "AVENUE DE LA RÉPUBLIQUE", "BOULEVARD VOLTAIRE", "RUE VICTOR HUGO",
        "IMPASSE DES ROSES", "ALLÉE DES TILLEULS", "PLACE DE LA MAIRIE", "CHEMIN DU MOULIN", "RUE PASTEUR",
        "RUE JEAN JAURÈS", "AVENUE DU GÉNÉRAL LECLERC", "RUE DE L'ÉGLISE", "RUE DES ÉCOLES",
        "RUE SAINT-MARTIN", "RUE FRANKLIN", "RUE DU PONT", "AVENUE FOCH", "RUE GAMBETTA", "RUE DE LA GARE",
        "RUE ÉMILE ZOLA", "RUE DU CHÂTEAU", "SQUARE DES PEUPLIERS", "RUE DES GRANDS-CHAMPS",
        "BOULEVARD DE STRASBOURG", "RUE DE LA FONTAINE", "RUE ANATOLE FRANCE", "QUAI DE LA MARNE",
        "RUE DU FAUBOURG SAINT-DENIS", "AVENUE PAUL VAILLANT-COUTURIER", "RUE DES PÂQUERETTES"};
    return v;
}

const std::vector<std::string>& lieux() {
    static const std::vector<std::string> v = {
        "RÉSIDENCE LES CÈDRES", "LIEU-DIT LES PINS", "RÉSIDENCE DU PARC", "RÉSIDENCE LES ACACIAS",
        "CITÉ DES FLEURS", "HAMEAU DE LA FORÊT", "VILLA DES ÉTANGS", "DOMAINE DE L'ÉTOILE"};
    return v;
}

const std::vector<Commune>& communes(const std::string& departement) {
    static const std::map<std::string, std::vector<Commune>> all = {
        {"75",
         {{"75011", "PARIS"}, {"75012", "PARIS"}, {"75013", "PARIS"}, {"75014", "PARIS"}, {"75015", "PARIS"},
          {"75017", "PARIS"}, {"75018", "PARIS"}, {"75019", "PARIS"}, {"75020", "PARIS"}}},
        {"92",
         {{"92100", "BOULOGNE-BILLANCOURT"}, {"92130", "ISSY-LES-MOULINEAUX"}, {"92120", "MONTROUGE"},
          {"92000", "NANTERRE"}, {"92200", "NEUILLY-SUR-SEINE"}, {"92240", "MALAKOFF"}, {"92170", "VANVES"},
          {"92260", "FONTENAY-AUX-ROSES"}, {"92330", "SCEAUX"}, {"92160", "ANTONY"}}},
        {"93",
         {{"93100", "MONTREUIL"}, {"93200", "SAINT-DENIS"}, {"93000", "BOBIGNY"},
          {"93400", "SAINT-OUEN-SUR-SEINE"}, {"93500", "PANTIN"}, {"93300", "AUBERVILLIERS"},
          {"93260", "LES LILAS"}, {"93170", "BAGNOLET"}, {"93110", "ROSNY-SOUS-BOIS"}}},
        {"94",
         {{"94300", "VINCENNES"}, {"94130", "NOGENT-SUR-MARNE"}, {"94240", "L'HAŸ-LES-ROSES"},
          {"94000", "CRÉTEIL"}, {"94200", "IVRY-SUR-SEINE"}, {"94400", "VITRY-SUR-SEINE"},
          {"94100", "SAINT-MAUR-DES-FOSSÉS"}, {"94220", "CHARENTON-LE-PONT"}, {"94160", "SAINT-MANDÉ"}}},
        {"IDF",
         {{"75011", "PARIS"}, {"75018", "PARIS"}, {"75020", "PARIS"}, {"92100", "BOULOGNE-BILLANCOURT"},
          {"92130", "ISSY-LES-MOULINEAUX"}, {"93100", "MONTREUIL"}, {"93200", "SAINT-DENIS"},
          {"94130", "NOGENT-SUR-MARNE"}, {"94240", "L'HAŸ-LES-ROSES"}, {"94000", "CRÉTEIL"},
          {"95100", "ARGENTEUIL"}, {"91300", "MASSY"}, {"78000", "VERSAILLES"}, {"77000", "MELUN"},
          {"91000", "ÉVRY-COURCOURONNES"}, {"95000", "CERGY"}}},
    };
    auto it = all.find(departement);
    return it == all.end() ? all.at("IDF") : it->second;
}

const std::vector<std::string>& secteurs() {
    static const std::vector<std::string> v = {"S01-NORD", "S02-SUD", "S03-EST", "S04-OUEST", "S05-CENTRE", "S06"};
    return v;
}

const std::vector<std::string>& responsables() {
    static const std::vector<std::string> v = {"MME DURAND", "M. LEROY", "M. BLANC", "MME PETIT", "MME FAURE",
                                               "M. GIRAUD"};
    return v;
}

}  // namespace demo
