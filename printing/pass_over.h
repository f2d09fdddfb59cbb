// The error trap of a printing procedure: once set, a statement that fails is passed over
// and the next one runs, as the print loop and the payment paragraph need.
#pragma once

#include <utility>

#include "numbers/error.h"

namespace printing {

class PassageErreurs {
public:
    explicit PassageErreurs(bool actif = false) : actif_(actif) {}

    // Sets the trap for the rest of the procedure.
    void activer() { actif_ = true; }
    bool actif() const { return actif_; }

    // Runs one statement. Without the trap its error goes up to the caller; with it the
    // error ends the statement only. Gives true when the statement ran to its end.
    template <class Instruction>
    bool operator()(Instruction&& instruction) {
        if (!actif_) {
            std::forward<Instruction>(instruction)();
            return true;
        }
        try {
            std::forward<Instruction>(instruction)();
            return true;
        } catch (const dnt::Error&) {  // database, number and printer errors
            return false;
        }
    }

private:
    bool actif_;
};

}  // namespace printing
