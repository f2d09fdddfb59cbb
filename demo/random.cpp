// The splitmix64 generator and the few draws the demo needs.
#include "demo/random.h"

namespace demo {

uint64_t Random::next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int Random::below(int n) { return n <= 1 ? 0 : static_cast<int>(next() % static_cast<uint64_t>(n)); }

int Random::between(int lo, int hi) { return lo + below(hi - lo + 1); }

bool Random::chance(int percent) { return below(100) < percent; }

std::string Random::digits(int count) {
    std::string s;
    for (int i = 0; i < count; ++i) s += static_cast<char>('0' + below(10));
    return s;
}

}  // namespace demo
