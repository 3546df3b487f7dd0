// Test doubles for the rules: prompts answered from a script, and a clock that stands still.
#pragma once

#include "GameCore.h"
#include "Prompts.h"
#include "Random.h"

#include <deque>
#include <functional>
#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

namespace barkmoor::testing {

// The note for a typed count or amount that cannot be used, spelt out here on its own so
// a slip in the game's copy shows up.
inline const std::string InvalidNumber = "Woof! Did your paw slip?\r\rYou need to enter a valid number";

// The largest amount a 32-bit purse holds.
inline constexpr std::int32_t MaxMoney = std::numeric_limits<std::int32_t>::max();

using Notes = std::vector<std::string>;

// Carries count of item, keeping the pockets the sum of the stock.
inline void Carry(int item, std::int32_t count)
{
    Game.Stock[item] += count;
    Game.PocketsUsed = std::uint8_t(Game.PocketsUsed + count);
}

// A fresh process and a fresh 31-day game, as at start-up.
inline void StartFreshGame()
{
    ResetProcessState();
    Game.GameLength = 31;
    ResetGameState();
}

// Records every prompt shown and answers from queues; an empty queue answers No / Cancel.
class ScriptedPrompts final : public Prompter {
public:
    struct Shown {
        std::string kind;
        std::string text;
        std::string caption;
    };

    ScriptedPrompts() { SetPrompter(this); }
    ~ScriptedPrompts() override { SetPrompter(nullptr); }

    void ShowNote(const std::string &text) override { shown.push_back({ "note", text, "" }); }
    Answer ConfirmYesNo(const std::string &text) override
    {
        shown.push_back({ "confirm", text, "Information" });
        return Next(yesNo);
    }
    Answer AskTitled(const std::string &text, const std::string &title) override
    {
        shown.push_back({ "ask", text, title });
        return Next(yesNo);
    }
    bool QueryValue(const std::string &caption, const std::string &prompt, std::string &value) override
    {
        shown.push_back({ "query", prompt, caption });
        queryDefaults.push_back(value);
        if (typed.empty())
            return false;
        const std::string answer = typed.front();
        typed.pop_front();
        if (answer == Cancel)
            return false;
        value = answer;
        return true;
    }

    std::vector<std::string> Notes() const
    {
        std::vector<std::string> notes;
        for (const Shown &s : shown)
            if (s.kind == "note")
                notes.push_back(s.text);
        return notes;
    }

    static inline const std::string Cancel = "<cancel>";
    std::deque<Answer> yesNo;
    std::deque<std::string> typed;
    std::vector<Shown> shown;
    std::vector<std::string> queryDefaults;

private:
    static Answer Next(std::deque<Answer> &answers)
    {
        if (answers.empty())
            return Answer::No;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

// A clock stopped at a chosen millisecond of the day; installed for its lifetime.
class FrozenClock final : public Clock {
public:
    explicit FrozenClock(std::uint32_t ms = 0)
        : now(ms)
    {
        SetClock(this);
    }
    ~FrozenClock() override { SetClock(nullptr); }
    std::uint32_t MillisecondsSinceMidnightUtc() const override { return now; }
    std::uint32_t now;
};

// What RandomBelow(n) would give after the seed s: floor((s*134775813+1) * n / 2^32).
inline std::uint32_t DrawAfter(std::uint32_t &seed, std::uint32_t n)
{
    seed = seed * 134775813u + 1u;
    return std::uint32_t((std::uint64_t(seed) * n) >> 32);
}

// The seed after `count` draws from a Reseed at ms, whatever their n: for checking that a
// rule made exactly that many draws.
inline std::uint32_t SeedAfter(std::uint32_t ms, int count)
{
    std::uint32_t s = ms;
    for (int i = 0; i < count; ++i)
        DrawAfter(s, 1);
    return s;
}

// Searches the clock for a millisecond whose first draws of RandomBelow(n) give wanted.
inline std::uint32_t FindMillisecond(std::uint32_t n, std::uint32_t wanted, std::uint32_t from = 0)
{
    for (std::uint32_t ms = from; ms < 86'400'000u; ++ms) {
        std::uint32_t s = ms;
        if (DrawAfter(s, n) == wanted)
            return ms;
    }
    return 86'400'000u;
}

struct Draw {
    std::uint32_t n;
    int wanted; // -1: any value
};

// The first clock value from `from` on whose draws after a Reseed give the wanted values in order.
inline std::uint32_t FindDraws(std::initializer_list<Draw> draws, std::uint32_t from = 0)
{
    for (std::uint32_t ms = from; ms < 86'400'000u; ++ms) {
        std::uint32_t s = ms;
        bool all = true;
        for (const Draw &d : draws) {
            const std::uint32_t got = DrawAfter(s, d.n);
            if (d.wanted >= 0 && got != std::uint32_t(d.wanted)) {
                all = false;
                break;
            }
        }
        if (all)
            return ms;
    }
    return 86'400'000u;
}

// Whether a place-event roll lands on one of the eight happenings.
inline bool InEventRange(std::uint32_t roll)
{
    const std::pair<std::uint32_t, std::uint32_t> ranges[]
        = { { 10, 13 }, { 18, 22 }, { 32, 35 }, { 48, 52 }, { 68, 69 }, { 75, 78 }, { 82, 84 }, { 128, 134 } };
    for (const auto &[low, high] : ranges)
        if (roll >= low && roll <= high)
            return true;
    return false;
}

// The first clock value that passes the test; under a frozen clock every Reseed of a move
// restarts from it, so a move's first draws all come from one seed.
inline std::uint32_t ClockWhere(const std::function<bool(std::uint32_t)> &wanted)
{
    for (std::uint32_t ms = 0; ms < 86'400'000u; ++ms)
        if (wanted(ms))
            return ms;
    return 86'400'000u;
}

// The first draw of RandomBelow(n) after a Reseed at ms.
inline std::uint32_t First(std::uint32_t ms, std::uint32_t n)
{
    return DrawAfter(ms, n);
}

// A move on which neither a happening nor news nor the Dog Catcher comes.
inline bool QuietMove(std::uint32_t ms)
{
    if (First(ms, 50) + 1 > 44 || InEventRange(First(ms, 130) + 7))
        return false;
    std::uint32_t s = ms;
    const std::uint32_t news = DrawAfter(s, 60) + 1;
    if ((news >= 10 && news <= 19) || (news >= 40 && news <= 49))
        return false;
    return DrawAfter(s, 40) + 1 <= 36;
}

} // namespace barkmoor::testing
