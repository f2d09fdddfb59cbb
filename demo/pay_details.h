// The monthly calculation records (DETAILCALCUL) of every contract, for the nine
// quarters the quarter list offers: hours, amount, pay lines with overtime, codes.
#pragma once

#include <map>
#include <string>

#include "demo/population.h"
#include "demo/random.h"
#include "demo/record_text.h"

namespace demo {

struct Cumul {
    long heures = 0;   // hundredths of an hour
    long montant = 0;  // hundredths
};

// For each aidé (by index) and each of its aidants (by code): the sums of one quarter.
using CumulsTrimestre = std::map<size_t, std::map<std::string, Cumul>>;

// Writes the records and gives the sums of the quarter before the latest one. Every month
// of the latest quarter in which a contract runs has its record, except those the
// contract lists as without one; an earlier month may now and then have none.
CumulsTrimestre writePayDetails(RecordSink& sink, const Population& p, Random& r);

}  // namespace demo
