// The utility object of the database library: dates, number formatting, and the
// printer choice and copy count, which the shell that hosts the control answers.
#pragma once

#include <string>

#include "dba/dates.h"
#include "dba/numfmt.h"

namespace dba {

// Answers the printer dialog: the desktop shows one, the command line answers from
// its options, tests script it.
class PrinterChooser {
public:
    virtual ~PrinterChooser() = default;
    // The index of the chosen printer in the system's list, or -1 when cancelled.
    // May set the copy count through `copies`.
    virtual long choose(long& copies) = 0;
};

class Utilitaire {
public:
    std::string DateExterne(const std::string& day) const { return DateExterneText(day); }
    std::string DateInterne(const std::string& date) const { return DateInterneText(date); }
    std::string MiseEnFormeNumero(const std::string& text) const { return dba::MiseEnFormeNumero(text); }
    std::string FormatNombre(const std::string& number, int w, int d, int flag) const {
        return dba::FormatNombre(number, w, d, flag);
    }

    // Shows the printer dialog; the chosen index as text, "-1" when cancelled.
    std::string ChoixImprimante() {
        if (!chooser_) return "-1";
        return std::to_string(chooser_->choose(copies_));
    }
    long NombreExemplaires() const { return copies_; }
    void setNombreExemplaires(long copies) { copies_ = copies; }

    void setChooser(PrinterChooser* chooser) { chooser_ = chooser; }

private:
    PrinterChooser* chooser_ = nullptr;
    long copies_ = 1;
};

}  // namespace dba
