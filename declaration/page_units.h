// Positions of the declaration pages: k centimetres as twips, with the control's unit.
#pragma once

#include "common/state.h"

namespace declaration {

// k cm = k × cm twips, computed in floating point (20 cm is the whole number 20 × 567).
inline double Cm(const dnt::SharedState& s, double k) { return k * s.cm.value(); }

}  // namespace declaration
