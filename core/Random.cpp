// The random source and the system clock behind it.
#include "Random.h"

#include <chrono>

namespace barkmoor {
namespace {

class SystemClock final : public Clock {
public:
    std::uint32_t MillisecondsSinceMidnightUtc() const override
    {
        using namespace std::chrono;
        const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
        return static_cast<std::uint32_t>(sinceEpoch.count() % 86'400'000);
    }
};

const SystemClock systemClock;
const Clock *currentClock = &systemClock;
std::uint32_t seed = 0;

} // namespace

void SetClock(const Clock *clock)
{
    currentClock = clock ? clock : &systemClock;
}

void Reseed()
{
    seed = currentClock->MillisecondsSinceMidnightUtc();
}

std::uint32_t RandomBelow(std::int32_t n)
{
    seed = seed * 134775813u + 1u;
    const std::uint64_t product = std::uint64_t(seed) * std::uint32_t(n);
    return static_cast<std::uint32_t>(product >> 32);
}

std::uint32_t RandomSeed()
{
    return seed;
}

void SetRandomSeed(std::uint32_t value)
{
    seed = value;
}

} // namespace barkmoor
