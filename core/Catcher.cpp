// The Dog Catcher's outcome tables. The first row that holds wins.
#include "Catcher.h"

#include "GameCore.h"
#include "Random.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace barkmoor {
namespace {

enum class Tag { Held, NotHeld, Any };
enum class Effect { None, TakeTag, LoseHealth10, LoseHealth20, Fine500, TakeGoods };

struct Outcome {
    int low;
    int high;
    Tag tag;
    bool needsGoods; // nothing to confiscate from an empty coat
    const char *text;
    Effect effect;
};

constexpr int AnyLow = 0;
constexpr int AnyHigh = 1000;

const char *const TakeTagText = "Oops! You were caught and he confiscated your licence";
const char *const TakeGoodsText = "Oops! You were caught and he confiscated all of your merchandise";

const std::array<Outcome, 5> runTable = { {
    { 30, 79, Tag::Held, false, TakeTagText, Effect::TakeTag },
    { 80, 96, Tag::Held, false, "Oops! You got hit by a car as you ran away and lose 10 health points",
        Effect::LoseHealth10 },
    { 45, 79, Tag::NotHeld, false,
        "Oops! You got away but smashed into a fire hydrant while running and lost 20 health points",
        Effect::LoseHealth20 },
    { 80, 96, Tag::NotHeld, true, TakeGoodsText, Effect::TakeGoods },
    { AnyLow, AnyHigh, Tag::Any, false, "Phew! You got away by running and hiding under a Dalmation", Effect::None },
} };

const std::array<Outcome, 5> fightTable = { {
    { 30, 79, Tag::Held, false, TakeTagText, Effect::TakeTag },
    { 80, 96, Tag::Held, false, "Oops! You got caught and had to pay a $500 fine for violating leash laws.",
        Effect::Fine500 },
    { 45, 79, Tag::NotHeld, true, TakeGoodsText, Effect::TakeGoods },
    { 80, 96, Tag::NotHeld, false, "Oops! You fought well but lost 20 health points in the scuffle",
        Effect::LoseHealth20 },
    { AnyLow, AnyHigh, Tag::Any, false, "You got away! You jumped up and bit him on the ankle then ran.",
        Effect::None },
} };

bool CarriesGoods()
{
    return std::any_of(Game.Stock.begin(), Game.Stock.end(), [](std::int32_t count) { return count != 0; });
}

bool Holds(const Outcome &row, int v)
{
    if (v < row.low || v > row.high)
        return false;
    if (row.tag == Tag::Held && Game.HasLicenceTag != 1)
        return false;
    if (row.tag == Tag::NotHeld && Game.HasLicenceTag != 0)
        return false;
    return !row.needsGoods || CarriesGoods();
}

// Health and Cash stop at 0 here: the Dog Catcher never ends a game.
void LoseDownToZero(std::int32_t &value, std::int32_t loss)
{
    value -= loss;
    if (value <= 0)
        value = 0;
}

void Apply(Effect effect)
{
    switch (effect) {
    case Effect::None:
        break;
    case Effect::TakeTag:
        Game.HasLicenceTag = 0;
        break;
    case Effect::LoseHealth10:
        LoseDownToZero(Game.Health, 10);
        break;
    case Effect::LoseHealth20:
        LoseDownToZero(Game.Health, 20);
        break;
    case Effect::Fine500:
        LoseDownToZero(Game.Cash, 500);
        break;
    case Effect::TakeGoods:
        Game.Stock.fill(0);
        Game.PocketsUsed = 0;
        break;
    }
}

std::string Encounter(const std::array<Outcome, 5> &table, int offset)
{
    Reseed();
    const int v = int(RandomBelow(100)) + offset;
    for (const Outcome &row : table) {
        if (Holds(row, v)) {
            Apply(row.effect);
            return row.text;
        }
    }
    return {}; // the last row always holds
}

} // namespace

std::string RunFromCatcher()
{
    return Encounter(runTable, 10);
}

std::string FightCatcher()
{
    return Encounter(fightTable, 1);
}

} // namespace barkmoor
