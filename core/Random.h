// The game's one random source: a linear congruential generator reseeded from the time of day.
#pragma once

#include <cstdint>

namespace barkmoor {

// Where the time of day comes from; tests install a frozen one.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since midnight UTC, 0 to 86,399,999.
    virtual std::uint32_t MillisecondsSinceMidnightUtc() const = 0;
};

// Installs the clock that Reseed reads; nullptr puts the system clock back.
void SetClock(const Clock *clock);

// Restarts the generator from the time of day.
void Reseed();

// A whole number from 0 to n-1 (0 when n is 0 or 1); n is taken as unsigned.
std::uint32_t RandomBelow(std::int32_t n);

std::uint32_t RandomSeed();
void SetRandomSeed(std::uint32_t seed);

} // namespace barkmoor
