// The printing's part of the shared state: page flags and the row cursor.
#pragma once

namespace dnt {

struct PrintingState {};

}  // namespace dnt
