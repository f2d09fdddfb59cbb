// Drawing one aidé or one aidant: names, address, identification numbers and payment
// details, all from the seeded random source.
#pragma once

#include <string>

#include "demo/population.h"
#include "demo/random.h"

namespace demo {

// Shapes of an address: a street line; building, street and staircase; street and an
// extra line; an extra line only; four lines; nothing but the postal code and town.
enum class FormeAdresse { Rue, Batiment, RueEtLieu, LieuSeul, QuatreLignes, Vide };

Adresse adresse(Random& r, const std::string& departement);
Adresse adresse(Random& r, const std::string& departement, FormeAdresse forme);

// An aidé of a centre, with its payment mode and declaration basis drawn.
Aide aide(Random& r, const std::string& code, const std::string& centre);

// An aidant; the identification is a social-security number most of the time.
Aidant aidant(Random& r, const std::string& code);

}  // namespace demo
