// The utility object of the database library: dates, number formatting, and the
// printer choice and copy count, which the shell that hosts the control answers through
// the printer dialog it hands in (printing/printer_chooser.h).
#pragma once

#include <functional>
#include <string>

#include "dba/dates.h"
#include "dba/numfmt.h"

namespace dba {

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
        if (!printerDialog_) return "-1";
        return std::to_string(printerDialog_(copies_));
    }
    long NombreExemplaires() const { return copies_; }
    void setNombreExemplaires(long copies) { copies_ = copies; }

    // The printer dialog: gives the chosen printer's index, or -1 when cancelled, and may
    // set the copy count.
    void setPrinterDialog(std::function<long(long& copies)> dialog) { printerDialog_ = std::move(dialog); }

private:
    std::function<long(long& copies)> printerDialog_;
    long copies_ = 1;
};

}  // namespace dba
