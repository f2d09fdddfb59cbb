// The aidés made on purpose, with fixed codes, so that every demo database shows the
// cases a declaration must get right, whatever the seed. Their names and addresses
// still come from the seed unless the case is about them.
#pragma once

#include "demo/population.h"
#include "demo/random.h"

namespace demo {

// Aidés (CIVILAIDE keys) and aidants (CIVILAIDANT keys) of the cases, in the order they are made.
inline constexpr const char* kAideAidantPartage1 = "01001";    // aidant A0001 works for 01001 ...
inline constexpr const char* kAideAidantPartage2 = "01002";    // ... and for 01002 (with A0002)
inline constexpr const char* kAidantPartage = "A0001";
inline constexpr const char* kAideContratsAdjacents = "01003";  // A0003001 ends on the 15th of month 2, A0003002 starts on the 16th
inline constexpr const char* kAidantContratsAdjacents = "A0003";
inline constexpr const char* kAideDebutEnCours = "01004";      // A0004001 starts on the 15th of month 2; four-line address
inline constexpr const char* kAideFinEnCours = "01005";        // A0005001 ends on the 10th of month 1; no address lines
inline constexpr const char* kAideMoisManquant = "01006";      // A0006001 has no calculation record for month 2
inline constexpr const char* kAideHeuresSup = "01007";         // A0007001: overtime rubrics (see situations.cpp)
inline constexpr const char* kAideNomsLongs = "01008";         // A0008 to A0012: names of 30, 31, 30, 31 and 47 characters
inline constexpr const char* kAideIdentifications = "01009";   // A0013 "EN COURS", A0014 "0", A0015 empty
inline constexpr const char* kAideRegulNegative = "01010";     // REGULDNT 5000: a negative adjustment
inline constexpr const char* kAideEntitePaie = "01011";        // centre 75, the entity pays
inline constexpr const char* kAidePrelevement = "01012";       // centre 75, direct debit from the aidé's account
inline constexpr const char* kAideReglementAide = "01013";     // centre 75, no ELTSFACTAIDE: the aidé pays
inline constexpr const char* kAideCentreSansPrelevement = "01014";  // centre 93 (field 17 "0") with a bank account
inline constexpr const char* kAideSansIban = "01015";          // centre 92, ELTSFACTAIDE without an account
inline constexpr const char* kAideSeptAidants = "01016";       // seven aidants (A0022 to A0028), a second URSSAF number
inline constexpr const char* kAideNonEmployeur = "01017";      // CIVILAIDE only: no ELTSPARTEMP, no contract
inline constexpr const char* kAideInactif = "01018";           // only a contract that ended two quarters ago
inline constexpr const char* kAideContratsExclus = "01019";    // A0030001 field 65 "O", A0031001 field 1 "01", A0032001 declared
inline constexpr const char* kAideNomAccentue = "01020";       // name beginning with "É", sector S02-SUD
inline constexpr const char* kAideRegulAncienne = "01021";     // REGULDNT first value stamped by an earlier quarter
inline constexpr const char* kAideRegulDuTrimestre = "01022";  // REGULDNT first value stamped by the latest quarter
inline constexpr const char* kAideRegulVide = "01023";         // REGULDNT whose first amount is empty
inline constexpr const char* kAideDeductionHoraire = "01024";  // centre 94 (deduction 2.00 per hour), basis "00", kind "B" at 5.00 per hour

// Number of aidés the cases make.
inline constexpr int kNombreSituations = 24;

// Adds the first `maximum` cases (all of them when maximum >= kNombreSituations) and
// gives the number of aidés added.
int ajouterSituations(Population& p, Random& r, int maximum);

}  // namespace demo
