// A small deterministic random source: the same seed gives the same database on every
// platform, which the standard library's distributions do not promise.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace demo {

class Random {
public:
    explicit Random(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ULL + 0x632BE59BD9B4E019ULL) {}

    // The next 64 random bits (splitmix64).
    uint64_t next();
    // A whole number from 0 to n - 1 (n > 0).
    int below(int n);
    // A whole number from lo to hi, both included.
    int between(int lo, int hi);
    // True with the given chance, in per cent.
    bool chance(int percent);
    // `count` decimal digits.
    std::string digits(int count);

    template <class T>
    const T& pick(const std::vector<T>& items) {
        return items[static_cast<size_t>(below(static_cast<int>(items.size())))];
    }

private:
    uint64_t state_;
};

}  // namespace demo
