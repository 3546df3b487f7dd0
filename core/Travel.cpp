// Moving between places: the day, interest, prices and whatever happens on arrival.
#include "Travel.h"

#include "Events.h"
#include "GameCore.h"
#include "Prompts.h"
#include "Random.h"

#include <algorithm>
#include <limits>
#include <string>

namespace barkmoor {

constexpr std::int32_t CatcherShowsAtMost = 4;

void AddInterest()
{
    if (Game.Debt <= 0)
        return;
    const std::int32_t interest = Game.Cash > Game.Debt ? Game.Cash / 50 : Game.Debt / 10;
    // Kept inside 32 bits: a debt this large cannot arise in play, but must not wrap negative.
    const std::int64_t debt = std::int64_t(Game.Debt) + interest;
    Game.Debt = std::int32_t(std::min<std::int64_t>(debt, std::numeric_limits<std::int32_t>::max()));
}

bool TravelTo(std::uint8_t place)
{
    const std::uint8_t oldPlace = Game.Place;
    Game.Place = place;
    if (Game.Place == oldPlace) {
        PlaceEvents();
        return false;
    }

    Game.DaysLeft -= 1;
    Game.BorrowedThisVisit = 0;
    Game.WithdrewThisVisit = 0;
    if (PlaceName() == GardenName)
        Game.AtGarden = 1;
    AddInterest();
    NewDayPrices();

    Reseed();
    const std::uint32_t r = RandomBelow(50) + 1;
    if (r <= 44) {
        PlaceEvents();
        MarketNews();
        return false;
    }
    Game.CatcherVisits += 1;
    return Game.CatcherVisits <= CatcherShowsAtMost;
}

bool OfferLicenceTag()
{
    const std::int32_t cost = std::int32_t(RandomBelow(200)) + 501;
    if (cost > Game.Cash)
        return false;
    if (ConfirmYesNo("Psst! Do you want to buy a Licence Tag?\r\rIt will cost you $" + std::to_string(cost))
        != Answer::Yes)
        return false;
    Game.HasLicenceTag = 1;
    Game.Cash -= cost;
    return true;
}

} // namespace barkmoor
