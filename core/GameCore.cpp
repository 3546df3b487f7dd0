// Game state, its starting values and the daily prices.
#include "GameCore.h"

#include "Random.h"

namespace barkmoor {
namespace {

const std::array<std::string, 26> startingText = {
    "Milk Bones",
    "Rawhide Bones",
    "Leather Shoes",
    "Slippers",
    "Rabies Tags",
    "Alpo Canned Food",
    "Dog Chow",
    "Table Scraps",
    "Eukanuba",
    "Flea Collars",
    "#",
    "#",
    "#",
    "#",
    "Your owner catches you pooping in the house and confines you to the dog-house.  Lose 1 day.",
    "Two kittens bombard you with fur balls.  You lost some of your cash running for cover.",
    "The local alley cat jumped you.  He stole all your stash.",
    "Your Lucky Day!  You found some scraps at the local butcher.",
    "#",
    "Groomers",
    "Vet",
    "Park",
    "Obedience School",
    "Kennel",
    "Pet Store Parking Lot",
    "Neighbor's Garden",
};

const std::array<HighScore, 3> startingScores = { {
    { 750000, "The Dog Catcher", "04/23/00" },
    { 500000, "The Alley Cat", "04/23/00" },
    { 250000, "Your Owner", "04/23/00" },
} };

struct PriceDraw {
    std::int32_t span;
    std::int32_t base;
};

constexpr std::array<PriceDraw, ItemCount> priceDraws = { {
    { 320, 46 },
    { 570, 66 },
    { 1256, 300 },
    { 940, 100 },
    { 6563, 999 },
    { 60, 20 },
    { 250, 90 },
    { 26005, 10958 },
    { 1023, 400 },
    { 704, 132 },
} };

void WithdrawOneGood()
{
    std::uint32_t k = RandomBelow(10);
    if (k == 0 || k == 5)
        k = 4; // Milk Bones and Alpo are always on sale
    Game.Prices[k] = 0;
}

} // namespace

GameState Game;
std::array<std::string, 26> GameText = startingText;
std::array<HighScore, 3> HighScoreTable = startingScores;

void ResetProcessState()
{
    Game = GameState {};
    GameText = startingText;
    HighScoreTable = startingScores;
    SetRandomSeed(0);
}

void ResetGameState()
{
    Game.HealthGone = 0;
    Game.AtGarden = 0;
    Game.BorrowedThisVisit = 0;
    Game.WithdrewThisVisit = 0;
    Game.NewGameRequested = 0;
    Game.Place = GardenPlace;
    Game.Cash = StartingCash;
    Game.Debt = StartingDebt;
    Game.Savings = 0;
    Game.FoundItemsCount = 0;
    Game.CatcherVisits = 0;
    Game.BigLossDone = 0;
    Game.DaysLeft = Game.GameLength;
    Game.HasLicenceTag = 0;
    Game.LastDayWarned = 0;
    Game.PocketCapacity = StartingPockets;
    Game.PocketsUsed = 0;
    Game.Health = FullHealth;
    Game.Stock.fill(0);
    NewDayPrices();
}

void NewDayPrices()
{
    Reseed();
    for (int item = 0; item < ItemCount; ++item)
        Game.Prices[item] = std::int32_t(RandomBelow(priceDraws[item].span)) + priceDraws[item].base;
    RandomBelow(1); // only moves the generator on
    WithdrawOneGood();
    if (Game.DaysLeft != 0)
        WithdrawOneGood();
}

const std::string &PlaceName()
{
    return GameText[FirstPlaceText + Game.Place];
}

} // namespace barkmoor
