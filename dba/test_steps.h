// Named steps at which a test can hold one of our processes, to play several desks against
// each other in a fixed order. When the environment variable DNT_TEST_STEPS holds
// "OUT;IN;step,step...", a process that reaches a listed step writes its name (with what
// follows a ':' in it, "aide:04581") as a line to the FIFO OUT, then waits for one byte on
// the FIFO IN. Without the variable a step costs a test of a flag.
#pragma once

#include <string_view>

namespace dba {

void testStep(std::string_view name);

}  // namespace dba
