// The ordinary aidés of the demo, drawn at random around the fixed cases: one to four
// aidants each, earlier contracts, aidants shared between aidés, regularisations.
#pragma once

#include "demo/population.h"
#include "demo/random.h"

namespace demo {

// Adds `nombre` aidés whose codes avoid those of the fixed cases (01000 to 01999).
void ajouterAidesAleatoires(Population& p, Random& r, int nombre);

}  // namespace demo
