// Errors of the database library. The numbers are those a caller tests after a
// trapped read; the ones above 0x80040100 are our own.
#pragma once

#include "numbers/error.h"

namespace dba {

inline constexpr int32_t kErrKeyAbsent = static_cast<int32_t>(0x8004000B);      // -2147221493
inline constexpr int32_t kErrLockRefused = static_cast<int32_t>(0x80040013);    // -2147221485
inline constexpr int32_t kErrUnknownFile = static_cast<int32_t>(0x80040101);
inline constexpr int32_t kErrBadSentence = static_cast<int32_t>(0x80040102);
inline constexpr int32_t kErrConversion = static_cast<int32_t>(0x80040103);
inline constexpr int32_t kErrStorage = static_cast<int32_t>(0x80040104);
inline constexpr int32_t kErrBadDump = static_cast<int32_t>(0x80040105);
inline constexpr int32_t kErrBadExpression = static_cast<int32_t>(0x80040106);

class DbError : public dnt::Error {
public:
    using dnt::Error::Error;
};

}  // namespace dba
