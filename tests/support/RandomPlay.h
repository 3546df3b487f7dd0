// Shared by the random-play tests: the invariants the rules keep over GameState and the
// high-score table, random texts for every typed box, and the per-visit limit count.
#pragma once

#include "GameCore.h"
#include "HighScores.h"

#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <random>
#include <string>

namespace barkmoor::testing {

// The seed of a random-play test: fixed, so a failure can be replayed; the environment
// variable BARKMOOR_RANDOM_SEED picks another one.
inline std::uint32_t RandomPlaySeed(std::uint32_t fixed)
{
    if (const char *text = std::getenv("BARKMOOR_RANDOM_SEED"))
        return std::uint32_t(std::strtoul(text, nullptr, 10));
    return fixed;
}

// How much random play to do: the sanitizer build runs several times slower, so it plays
// less; BARKMOOR_RANDOM_SCALE (a percentage) makes a run longer or shorter.
inline int RandomPlayCount(int normal, int sanitized)
{
#if defined(__SANITIZE_ADDRESS__)
    const bool slow = true;
#else
    const bool slow = false;
#endif
    int count = slow ? sanitized : normal;
    if (const char *text = std::getenv("BARKMOOR_RANDOM_SCALE"))
        count = int(std::int64_t(count) * std::strtol(text, nullptr, 10) / 100);
    return count < 1 ? 1 : count;
}

inline std::size_t Utf8Characters(const std::string &text)
{
    std::size_t characters = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++characters;
    return characters;
}

// The first broken invariant, or an empty text when all hold.
inline std::string BrokenInvariant()
{
    const GameState &g = Game;
    std::int64_t carried = 0;
    for (int item = 0; item < ItemCount; ++item) {
        if (g.Stock[item] < 0)
            return "Stock[" + std::to_string(item) + "] is " + std::to_string(g.Stock[item]);
        if (g.Prices[item] < 0)
            return "Prices[" + std::to_string(item) + "] is " + std::to_string(g.Prices[item]);
        carried += g.Stock[item];
    }
    if (carried != g.PocketsUsed)
        return "PocketsUsed " + std::to_string(g.PocketsUsed) + " but the stock adds up to " + std::to_string(carried);
    if (g.PocketsUsed > g.PocketCapacity)
        return "PocketsUsed " + std::to_string(g.PocketsUsed) + " above PocketCapacity "
            + std::to_string(g.PocketCapacity);
    // Every rule that takes money checks it against what is there first, and the debt is
    // only ever paid down to 0; a negative value here is a wrapped sum.
    if (g.Cash < 0)
        return "Cash is " + std::to_string(g.Cash);
    if (g.Savings < 0)
        return "Savings is " + std::to_string(g.Savings);
    if (g.Debt < 0)
        return "Debt is " + std::to_string(g.Debt);
    if (g.Place >= PlaceCount)
        return "Place is " + std::to_string(g.Place);
    if (g.Health > 100)
        return "Health is " + std::to_string(g.Health);
    if (g.DaysLeft > g.GameLength)
        return "DaysLeft " + std::to_string(g.DaysLeft) + " above GameLength " + std::to_string(g.GameLength);
    for (const std::uint8_t flag : { g.HealthGone, g.AtGarden, g.BorrowedThisVisit, g.WithdrewThisVisit,
             g.NewGameRequested, g.HasLicenceTag, g.LastDayWarned, g.BigLossDone })
        if (flag > 1)
            return "a flag holds " + std::to_string(flag);
    for (std::size_t entry = 0; entry < HighScoreTable.size(); ++entry) {
        if (Utf8Characters(HighScoreTable[entry].Name) > NameLimit)
            return "high-score name \"" + HighScoreTable[entry].Name + "\" is longer than 20 characters";
        if (entry > 0 && HighScoreTable[entry].Score > HighScoreTable[entry - 1].Score)
            return "high-score entry " + std::to_string(entry + 1) + " beats the one above it";
    }
    return {};
}

// Counts loans and withdrawals between moves; a visit allows one of each.
class VisitLimits {
public:
    void NewVisit()
    {
        loans = 0;
        withdrawals = 0;
    }
    // Called around a money rule: a loan raises the debt, a withdrawal lowers the savings.
    void Saw(std::int32_t debtBefore, std::int32_t savingsBefore)
    {
        if (Game.Debt > debtBefore)
            ++loans;
        if (Game.Savings < savingsBefore)
            ++withdrawals;
    }
    std::string Broken() const
    {
        if (loans > 1)
            return std::to_string(loans) + " loans in one visit";
        if (withdrawals > 1)
            return std::to_string(withdrawals) + " withdrawals in one visit";
        return {};
    }

private:
    int loans = 0;
    int withdrawals = 0;
};

// What a player might type into an amount, count or name box: sensible amounts, edge
// values, signs, hexadecimal, blanks, junk, long and non-ASCII texts.
inline std::string RandomTypedText(std::mt19937 &rng)
{
    static const char *const fixed[] = { "", " ", "   ", "0", "1", "5000", "5001", "$A", "$a", "$0", "$", "$FFFFFFFF",
        "$7FFFFFFF", "$80000000", "$000000007FFFFFFF", "$123456789", "2147483647", "2147483648", "-2147483648",
        "-2147483649", "99999999999", "-1", "-0", "+5", "+", "-", " 12", "12 ", "1.5", "1e3", "abc", "0x10", "$-1",
        "--1", "Snorfle", "\xC3\x84\xC3\x96\xC3\x9C\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F" };
    const auto pick = [&rng](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(rng)); };
    switch (pick(6)) {
    case 0:
        return fixed[pick(int(std::size(fixed)))];
    case 1:
    case 2:
        return std::to_string(pick(300)); // small counts and amounts, the common case
    case 3:
        return std::to_string(std::uniform_int_distribution<std::int64_t>(-3'000'000'000LL, 3'000'000'000LL)(rng));
    case 4: {
        std::string text(std::size_t(pick(4)), ' ');
        return text + (pick(2) ? "$" : "") + std::to_string(pick(100'000));
    }
    default: {
        // A long run of digits, letters, blanks and two-byte characters.
        static const std::string pieces[] = { "7", "0", "F", " ", "x", "$", "-", "\xC3\xA9", "W" };
        std::string text;
        for (int i = pick(40); i > 0; --i)
            text += pieces[pick(int(std::size(pieces)))];
        return text;
    }
    }
}

} // namespace barkmoor::testing
