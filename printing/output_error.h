// The failure of an output: a file that cannot be created or written, a full disk, a
// printer that refuses a job. It is not one of the errors the declaration's procedures
// pass over: it ends the run, and the run's records are not kept.
#pragma once

#include <stdexcept>
#include <string>

namespace printing {

class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace printing
