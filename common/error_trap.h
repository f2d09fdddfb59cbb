// The error trap of a procedure that passes over its failing statements, shared by the
// payroll computation and the printing.
#pragma once

#include <cstdint>
#include <utility>

#include "numbers/error.h"

namespace dnt {

// Once set, a statement that fails is passed over and the next one runs; the number of its
// error is given back for the procedure to test, as after a trapped read. Until it is set,
// an error goes up to the caller.
//
// Where it is set: the calculation-detail reader and the opening of the charge-detail
// record run all their statements under it; the print loop sets it at the first
// regularisation read and keeps it for the rest of its call; the payment paragraph, and the
// export's choice of the payment mode, run all their statements under it.
class PassageErreurs {
public:
    explicit PassageErreurs(bool actif = false) : actif_(actif) {}

    // Sets the trap for the rest of the procedure.
    void activer() { actif_ = true; }
    bool actif() const { return actif_; }

    // Runs one statement. Gives 0 when it ran to its end, else the number of the error that
    // ended it (-1 for an error without a number). Database, number and printer errors are
    // trapped; without the trap they go up to the caller.
    template <class Instruction>
    int32_t operator()(Instruction&& instruction) {
        if (!actif_) {
            std::forward<Instruction>(instruction)();
            return 0;
        }
        try {
            std::forward<Instruction>(instruction)();
            return 0;
        } catch (const Error& e) {
            return e.number() == 0 ? -1 : e.number();
        }
    }

private:
    bool actif_;
};

}  // namespace dnt
