// Place events and market news: the rolls, their per-game limits and their messages.
#include "Events.h"

#include "GameCore.h"
#include "Money.h"
#include "Prompts.h"
#include "Random.h"

#include <cstdint>
#include <string>

namespace barkmoor {
namespace {

constexpr std::uint8_t CarEvent = 0;
constexpr std::uint8_t PoodleEvent = 1;
constexpr std::uint8_t FlowerbedEvent = 2;
constexpr std::uint8_t VetEvent = 3;
constexpr std::uint8_t DogHouseEvent = 4;
constexpr std::uint8_t KittensEvent = 5;
constexpr std::uint8_t AlleyCatEvent = 6;
constexpr std::uint8_t ScrapsEvent = 7;

constexpr int ScrapsItem = 7;
constexpr std::int32_t AlleyCatThreshold = 89999;
constexpr std::uint8_t ScrapsMeetingsPerGame = 2;
constexpr int CoatPocketLimit = 255; // PocketCapacity is an 8-bit count
constexpr std::uint8_t CoatPocketsUsedLimit = 230;

bool Between(int value, int low, int high)
{
    return value >= low && value <= high;
}

// The composed messages live in their GameText slot; it is rebuilt before every showing.
void Show(std::uint8_t index, const std::string *composed = nullptr)
{
    if (composed)
        GameText[FirstEventText + index] = *composed;
    Game.EventIndex = index;
    ShowEventMessage();
}

// Sums are taken in int so an 8-bit count cannot wrap past the capacity.
bool PocketsHoldMore(int n)
{
    return int(Game.PocketsUsed) + n <= int(Game.PocketCapacity);
}

void AddToStock(int item, int n)
{
    Game.Stock[item] += n;
    Game.PocketsUsed = std::uint8_t(Game.PocketsUsed + n);
}

void SpeedingCar()
{
    const int loss = (int(RandomBelow(3)) + 1) * 10;
    Game.Health -= loss; // no floor: a badly hurt dog ends the game at the turn's end
    if (Game.Health < 1)
        Game.HealthGone = 1;
    const std::string text = "Oops! You got hit by a speeding car.  Lose " + std::to_string(loss) + " health points.";
    Show(CarEvent, &text);
}

void Flowerbed()
{
    const std::int32_t amount = std::int32_t(RandomBelow(5000)) + 501;
    AddGain(Game.Cash, amount);
    const std::string text = "While digging up the flowerbeds you find $" + std::to_string(amount) + " in cash";
    Show(FlowerbedEvent, &text);
}

void Vet()
{
    if (Game.Health >= FullHealth)
        return;
    const int gain = (int(RandomBelow(2)) + 1) * 10;
    Game.Health += gain;
    if (Game.Health > FullHealth)
        Game.Health = FullHealth;
    // The message tells the drawn gain, even when the cap swallowed part of it.
    const std::string text = "Your owner took you to the vets.  Gain " + std::to_string(gain) + " health points.";
    Show(VetEvent, &text);
}

void Poodle()
{
    const int n = int(RandomBelow(2)) * 4 + 5;
    if (!PocketsHoldMore(n))
        return;
    const std::int32_t cash = std::int32_t(RandomBelow(5000)) + 501;
    AddGain(Game.Cash, cash);
    const int item = int(RandomBelow(8)) + 1;
    const std::string text = "Bad Dog!\r\rYou beat a poodle senseless and stole his stash of " + std::to_string(n) + " "
        + GameText[item] + " and $" + std::to_string(cash) + " in cash.";
    AddToStock(item, n);
    Show(PoodleEvent, &text);
}

void DogHouse()
{
    Game.DaysLeft -= 1;
    Show(DogHouseEvent);
}

void Kittens()
{
    // The fifth is truncated toward zero; below $5 the draw is RandomBelow(0) = 0.
    // Wide arithmetic keeps the result sane even for a Cash that should never be negative.
    const std::int64_t loss = std::int64_t(RandomBelow(Game.Cash / 5)) + 251;
    const std::int64_t left = std::int64_t(Game.Cash) - loss;
    Game.Cash = left < 0 ? 0 : std::int32_t(left);
    Show(KittensEvent);
}

void AlleyCat()
{
    if (Game.Cash <= AlleyCatThreshold || Game.BigLossDone != 0)
        return;
    Game.Stock.fill(0);
    Game.PocketsUsed = 0;
    Show(AlleyCatEvent);
    Game.BigLossDone = 1;
}

void ButchersScraps()
{
    if (Game.FoundItemsCount >= ScrapsMeetingsPerGame)
        return;
    const int n = int(RandomBelow(8)) + 2;
    if (PocketsHoldMore(n)) {
        AddToStock(ScrapsItem, n);
        Show(ScrapsEvent);
    }
    // A meeting counts even when the scraps did not fit.
    Game.FoundItemsCount += 1;
}

void CoatOffer()
{
    const std::uint32_t d = RandomBelow(40) + 1;
    if (d <= 36)
        return;
    // Drawn before the tests, whether or not the offer is then made.
    const int n = int(RandomBelow(15)) + 5;
    const std::int32_t cost = 50 * n;
    if (cost > Game.Cash)
        return;
    if (Game.PocketsUsed > CoatPocketsUsedLimit)
        return;
    // A coat that would take the pockets past what the count can hold is not offered at all.
    if (int(Game.PocketCapacity) + n > CoatPocketLimit)
        return;
    const std::string question = "Do you want to buy a bigger doggie coat with " + std::to_string(n)
        + " extra pockets?\r\rIt will cost you $" + std::to_string(cost);
    if (ConfirmYesNo(question) != Answer::Yes)
        return;
    Game.Cash -= cost;
    Game.PocketCapacity = std::uint8_t(Game.PocketCapacity + n);
}

} // namespace

void PlaceEvents()
{
    if (PlaceName() == GardenName)
        return;
    Reseed();
    Game.EventRoll = std::uint8_t(RandomBelow(130) + 7);
    const int roll = Game.EventRoll;
    // The ranges do not overlap, so at most one of these is taken.
    if (Between(roll, 10, 13))
        SpeedingCar();
    else if (Between(roll, 18, 22))
        Flowerbed();
    else if (Between(roll, 32, 35))
        Vet();
    else if (Between(roll, 48, 52))
        Poodle();
    else if (Between(roll, 68, 69))
        DogHouse();
    else if (Between(roll, 75, 78))
        Kittens();
    else if (Between(roll, 82, 84))
        AlleyCat();
    else if (Between(roll, 128, 134))
        ButchersScraps();
}

void ShowEventMessage()
{
    ShowNote(GameText[FirstEventText + Game.EventIndex]);
}

void MarketNews()
{
    Reseed();
    const int r = int(RandomBelow(60)) + 1;
    if (Between(r, 10, 19)) {
        const int item = r - 10;
        const std::int32_t old = Game.Prices[item] == 0 ? 1500 : Game.Prices[item]; // withdrawn goods come back
        Game.Prices[item] = old * 5;
        ShowNote("A shortage of " + GameText[item] + " has caused the price to rocket in this area");
    } else if (Between(r, 40, 49)) {
        if (r == 47)
            return; // no news of Table Scraps, and no coat offer either
        const int item = r - 40;
        ShowNote("An abundance of " + GameText[item] + " has caused the price to slump in this area");
        Game.Prices[item] /= 10;
    }
    CoatOffer();
}

} // namespace barkmoor
