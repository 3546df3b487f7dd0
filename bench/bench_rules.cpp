// Times the day's price draw, a full new game's rule steps, and one whole turn of the rules.
#include "Catcher.h"
#include "GameCore.h"
#include "Random.h"
#include "Travel.h"

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

    // A turn as the Trot button plays it, with the silent prompts (every question answered
    // No): a move to another place with its event and news or the Dog Catcher, and at the
    // garden the Licence Tag offer. A game that ends starts anew, inside the timing.
    constexpr int turns = 200'000;
    ResetGameState();
    start = Clock::now();
    for (int i = 0; i < turns; ++i) {
        if (Game.DaysLeft < 1 || Game.HealthGone == 1)
            ResetGameState();
        const auto next = static_cast<std::uint8_t>((Game.Place + 1 + i % (PlaceCount - 1)) % PlaceCount);
        if (TravelTo(next))
            checksum += static_cast<std::int64_t>(RunFromCatcher().size());
        if (Game.AtGarden == 1) {
            Game.AtGarden = 0;
            if (Game.HasLicenceTag == 0)
                OfferLicenceTag();
        }
        checksum += Game.Cash;
    }
    const double turnNs = std::chrono::duration<double, std::nano>(Clock::now() - start).count() / turns;

    std::printf("NewDayPrices: %.1f ns per call\n", pricesNs);
    std::printf("new game rules: %.1f ns per call\n", newGameNs);
    std::printf("one whole turn of the rules: %.2f us (target under 50 us)\n", turnNs / 1000.0);
    std::printf("(checksum %lld over %d rounds)\n", static_cast<long long>(checksum), rounds);
    return 0;
}
