// Times the day's price draw and a full new game's rule steps.
#include "GameCore.h"
#include "Random.h"

#include <chrono>
#include <cstdio>

int main()
{
    using namespace barkmoor;
    using Clock = std::chrono::steady_clock;
    constexpr int rounds = 1'000'000;
    Game.GameLength = 31;
    std::int64_t checksum = 0;

    auto start = Clock::now();
    for (int i = 0; i < rounds; ++i) {
        Game.DaysLeft = i % 32;
        NewDayPrices();
        checksum += Game.Prices[0];
    }
    const double pricesNs = std::chrono::duration<double, std::nano>(Clock::now() - start).count() / rounds;

    start = Clock::now();
    for (int i = 0; i < rounds; ++i) {
        ResetGameState();
        checksum += Game.Prices[5];
    }
    const double newGameNs = std::chrono::duration<double, std::nano>(Clock::now() - start).count() / rounds;

    std::printf("NewDayPrices: %.1f ns per call\n", pricesNs);
    std::printf("new game rules: %.1f ns per call\n", newGameNs);
    std::printf("(checksum %lld over %d rounds)\n", static_cast<long long>(checksum), rounds);
    return 0;
}
