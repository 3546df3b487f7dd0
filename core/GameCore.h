// The shared game variables, the text table and the high-score table, one of each per process.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace barkmoor {

constexpr int ItemCount = 10;
constexpr int PlaceCount = 7;
constexpr std::uint8_t GardenPlace = 6;
constexpr int FirstPlaceText = 19; // GameText entry of place 0
constexpr int FirstEventText = 10; // GameText entry of event message 0
inline const std::string GardenName = "Neighbor's Garden";

// How a game starts, and how long it lasts.
constexpr std::int32_t StartingCash = 2000;
constexpr std::int32_t StartingDebt = 5500;
constexpr std::uint8_t StartingPockets = 100;
constexpr std::int32_t FullHealth = 100; // also the most a visit to the vet can bring
constexpr std::int32_t LongGameDays = 31; // the first game's length too
constexpr std::int32_t ShortGameDays = 15;

// Flags hold 0 or 1; widths are part of the rules (8-bit pockets wrap, 32-bit money).
struct GameState {
    std::uint8_t HealthGone = 0;
    std::uint8_t AtGarden = 0;
    std::uint8_t BorrowedThisVisit = 0;
    std::uint8_t WithdrewThisVisit = 0;
    std::uint8_t NewGameRequested = 0;
    std::uint8_t HasLicenceTag = 0;
    std::uint8_t LastDayWarned = 0;
    std::uint8_t FoundItemsCount = 0;
    std::uint8_t SoundOn = 0;
    std::int32_t Cash = 0;
    std::int32_t Debt = 0;
    std::int32_t Savings = 0;
    std::int32_t DaysLeft = 0;
    std::int32_t GameLength = 0;
    std::uint8_t PocketCapacity = 0;
    std::uint8_t PocketsUsed = 0;
    std::int32_t Health = 0;
    std::uint8_t EventRoll = 0;
    std::uint8_t BigLossDone = 0;
    std::int32_t CatcherVisits = 0;
    std::uint8_t EventIndex = 0;
    std::array<std::int32_t, ItemCount> Prices {};
    std::array<std::int32_t, ItemCount> Stock {};
    std::uint8_t Place = 0;

    // Whole states compare field by field, so a new field cannot slip past a comparison.
    bool operator==(const GameState &) const = default;
};

struct HighScore {
    std::int32_t Score = 0;
    std::string Name;
    std::string Date;

    bool operator==(const HighScore &) const = default;
};

extern GameState Game;
extern std::array<std::string, 26> GameText;
extern std::array<HighScore, 3> HighScoreTable; // [0] is the best

// Puts GameState, GameText and HighScoreTable back to how the process starts.
void ResetProcessState();

// The rule steps of a new game: every game value to its start, then the first day's prices.
void ResetGameState();

// Draws the day's ten prices and takes one or two goods off the market.
void NewDayPrices();

// The name of the current place.
const std::string &PlaceName();

} // namespace barkmoor
