// The soak's randomness. Every action draws from a stream of its own, made
// from the run's seed and the action's number, so that a run continued in a
// new process (after the card was taken out) draws what one process would.
#pragma once

#include <cstdint>

class RandomStream {
public:
    RandomStream(uint64_t seed, uint64_t action);
    // 0 to bound - 1; 0 when bound is 0.
    unsigned Below(unsigned bound);
    bool Chance(unsigned percent) { return Below(100) < percent; }

private:
    uint64_t Next();
    uint64_t state_;
};
