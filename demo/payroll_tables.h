// The payroll tables of the demo: payroll constants, contribution lines, charge and pay
// rubrics, the pay period, with histories whose dates of effect fall around the latest
// quarter so that averages, future rates and month matching all occur.
#pragma once

#include <string>
#include <vector>

#include "demo/calendar.h"
#include "demo/record_text.h"

namespace demo {

struct DateValeur {
    long date;  // day number of the date of effect
    int valeur;
};

// The hourly minimum wage in cents, dates of effect most recent first, none after the
// latest quarter. The last change falls on the 15th of the quarter's second month.
std::vector<DateValeur> historiqueSmic(const Quarter& latest);

// The value in force in a month: the first date of effect whose month is not later.
int valeurDuMois(const std::vector<DateValeur>& historique, const Month& m);

// CONSTANTESPAIE, CHGPARTEMP, RUBCHARGE, PARAMPOLEEMPLOI, RUBSAISIE, TYPEEXO,
// CONVENTIONCOL and PERIODESPAIE (current period: the quarter's last month).
void writePayrollTables(RecordSink& sink, const Quarter& latest);

}  // namespace demo
