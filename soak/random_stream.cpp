#include "random_stream.h"

namespace {

// splitmix64: small, fast and well mixed, so that neighbouring action
// numbers give unrelated streams.
uint64_t Mix(uint64_t value)
{
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
    return value ^ (value >> 31);
}

}  // namespace

RandomStream::RandomStream(uint64_t seed, uint64_t action) : state_(Mix(seed) ^ Mix(action + 0x9E3779B97F4A7C15ULL))
{
}

uint64_t RandomStream::Next()
{
    state_ += 0x9E3779B97F4A7C15ULL;
    return Mix(state_);
}

unsigned RandomStream::Below(unsigned bound)
{
    return bound == 0 ? 0 : static_cast<unsigned>(Next() % bound);
}
