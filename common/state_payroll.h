// The payroll computation's part of the shared state: constants, rates and the
// intermediate figures of the current aidé.
#pragma once

namespace dnt {

struct PayrollState {};

}  // namespace dnt
