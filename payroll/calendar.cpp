// DebutTrimestre, FinTrimestre and ComprisDansTrimestre, the quarter calendar: the first
// and last day of the chosen quarter, its three months, and whether a day falls inside it.
#include "numbers/numtext.h"
#include "numbers/rounding.h"
#include "dba/dates.h"
#include "payroll/payroll.h"
#include "payroll/text_parts.h"

namespace payroll {

namespace {

// The quarter digit of the list's text, 1 to 4, or 0 for anything else.
int quarterDigit(const std::string& texte) {
    if (texte.empty() || texte[0] < '1' || texte[0] > '4') return 0;
    return texte[0] - '0';
}

}  // namespace

std::string DebutTrimestre(dnt::SharedState& s) {
    static const char* const kPremierJour[] = {"01/01/", "01/04/", "01/07/", "01/10/"};
    int q = quarterDigit(s.TexteTrimestre);
    if (q == 0) return {};
    std::string debut = dba::DateInterneText(kPremierJour[q - 1] + Right(s.TexteTrimestre, 4));
    for (int i = 1; i <= 3; ++i) s.TabMoisTrimestre.setElement(i, dnt::NumberToText(dnt::Int16(3 * (q - 1) + i)));
    return debut;
}

std::string FinTrimestre(dnt::SharedState& s) {
    static const char* const kDernierJour[] = {"31/03/", "30/06/", "30/09/", "31/12/"};
    int q = quarterDigit(s.TexteTrimestre);
    if (q == 0) return {};
    return dba::DateInterneText(kDernierJour[q - 1] + Right(s.TexteTrimestre, 4));
}

bool ComprisDansTrimestre(dnt::SharedState& s, const std::string& W_Date) {
    if (W_Date.empty()) return false;
    double jour = dnt::Floor(dnt::CDbl(W_Date));
    double debut = dnt::Floor(dnt::CDbl(s.W_DebutTrimestre));
    double fin = dnt::Floor(dnt::CDbl(s.W_FinTrimestre));
    return debut <= jour && fin >= jour;
}

}  // namespace payroll
