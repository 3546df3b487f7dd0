// The Dog Catcher's two tables. These would catch a row tested out of order, a band
// off by one at either end, Run and Fight swapping offsets, a confiscation of an empty
// coat, a loss without its floor at 0, or a loss that ends the game.
#include "ScriptedPrompts.h"

#include "Catcher.h"

#include <gtest/gtest.h>

#include <string>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

enum class Seen { Nothing, Tag, Health10, Health20, Fine, Goods };

const std::string Licence = "Oops! You were caught and he confiscated your licence";
const std::string Car = "Oops! You got hit by a car as you ran away and lose 10 health points";
const std::string Hydrant
    = "Oops! You got away but smashed into a fire hydrant while running and lost 20 health points";
const std::string Goods = "Oops! You were caught and he confiscated all of your merchandise";
const std::string Dalmation = "Phew! You got away by running and hiding under a Dalmation";
const std::string Leash = "Oops! You got caught and had to pay a $500 fine for violating leash laws.";
const std::string Scuffle = "Oops! You fought well but lost 20 health points in the scuffle";
const std::string Ankle = "You got away! You jumped up and bit him on the ankle then ran.";

struct Case {
    bool fight;
    std::uint32_t d; // the raw draw RandomBelow(100)
    bool tag;
    bool goods;
    const std::string &text;
    Seen effect;
};

// Each band at both its ends, for a dog with and without a tag, with and without goods.
const Case cases[] = {
    { false, 0, true, true, Dalmation, Seen::Nothing },
    { false, 19, true, true, Dalmation, Seen::Nothing },
    { false, 20, true, true, Licence, Seen::Tag },
    { false, 69, true, true, Licence, Seen::Tag },
    { false, 70, true, true, Car, Seen::Health10 },
    { false, 86, true, false, Car, Seen::Health10 },
    { false, 87, true, true, Dalmation, Seen::Nothing },
    { false, 99, true, true, Dalmation, Seen::Nothing },
    { false, 19, false, true, Dalmation, Seen::Nothing },
    { false, 20, false, true, Dalmation, Seen::Nothing },
    { false, 34, false, true, Dalmation, Seen::Nothing },
    { false, 35, false, true, Hydrant, Seen::Health20 },
    { false, 69, false, false, Hydrant, Seen::Health20 },
    { false, 70, false, true, Goods, Seen::Goods },
    { false, 86, false, true, Goods, Seen::Goods },
    { false, 70, false, false, Dalmation, Seen::Nothing },
    { false, 87, false, true, Dalmation, Seen::Nothing },
    { true, 0, true, true, Ankle, Seen::Nothing },
    { true, 28, true, true, Ankle, Seen::Nothing },
    { true, 29, true, true, Licence, Seen::Tag },
    { true, 78, true, true, Licence, Seen::Tag },
    { true, 79, true, true, Leash, Seen::Fine },
    { true, 95, true, false, Leash, Seen::Fine },
    { true, 96, true, true, Ankle, Seen::Nothing },
    { true, 99, true, true, Ankle, Seen::Nothing },
    { true, 28, false, true, Ankle, Seen::Nothing },
    { true, 29, false, true, Ankle, Seen::Nothing },
    { true, 43, false, true, Ankle, Seen::Nothing },
    { true, 44, false, true, Goods, Seen::Goods },
    { true, 78, false, true, Goods, Seen::Goods },
    { true, 44, false, false, Ankle, Seen::Nothing },
    { true, 78, false, false, Ankle, Seen::Nothing },
    { true, 79, false, true, Scuffle, Seen::Health20 },
    { true, 95, false, false, Scuffle, Seen::Health20 },
    { true, 96, false, true, Ankle, Seen::Nothing },
};

void StartState(bool tag, bool goods)
{
    StartFreshGame();
    Game.Cash = 1000;
    Game.Health = 70;
    Game.HasLicenceTag = tag ? 1 : 0;
    if (goods) {
        Game.Stock[0] = 3;
        Game.Stock[9] = 4;
        Game.PocketsUsed = 7;
    }
}

} // namespace

TEST(DogCatcher, EveryRowOfBothTables)
{
    FrozenClock clock;
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.fight ? "Fight" : "Run") + " d=" + std::to_string(c.d) + (c.tag ? " tag" : "")
            + (c.goods ? " goods" : ""));
        StartState(c.tag, c.goods);
        clock.now = FindMillisecond(100, c.d);
        SetRandomSeed(77); // the choice reseeds before it draws
        const std::string text = c.fight ? FightCatcher() : RunFromCatcher();
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(Game.HasLicenceTag, c.effect == Seen::Tag ? 0 : (c.tag ? 1 : 0));
        const int health = c.effect == Seen::Health10 ? 60 : c.effect == Seen::Health20 ? 50 : 70;
        EXPECT_EQ(Game.Health, health);
        EXPECT_EQ(Game.Cash, c.effect == Seen::Fine ? 500 : 1000);
        const bool kept = c.goods && c.effect != Seen::Goods;
        EXPECT_EQ(Game.PocketsUsed, kept ? 7 : 0);
        EXPECT_EQ(Game.Stock[0], kept ? 3 : 0);
        EXPECT_EQ(Game.Stock[9], kept ? 4 : 0);
        EXPECT_EQ(Game.HealthGone, 0);
    }
}

// A loss that leaves exactly 1 keeps it: a floor tested as "at most 1" would take it.
TEST(DogCatcher, HealthAndCashStopAtZeroAndTheGameGoesOn)
{
    struct Loss {
        bool fight;
        std::uint32_t d;
        bool tag;
        std::int32_t health, cash;
        const std::string &text;
        std::int32_t healthAfter, cashAfter;
    };
    const Loss losses[] = {
        { false, 50, false, 15, 1000, Hydrant, 0, 1000 },
        { false, 80, true, 5, 1000, Car, 0, 1000 },
        { true, 90, false, 20, 1000, Scuffle, 0, 1000 },
        { true, 90, false, 21, 1000, Scuffle, 1, 1000 },
        { true, 90, true, 70, 300, Leash, 70, 0 },
    };
    FrozenClock clock;
    for (const Loss &l : losses) {
        SCOPED_TRACE(l.text + " from health " + std::to_string(l.health));
        StartState(l.tag, false);
        Game.Health = l.health;
        Game.Cash = l.cash;
        clock.now = FindMillisecond(100, l.d);
        EXPECT_EQ(l.fight ? FightCatcher() : RunFromCatcher(), l.text);
        EXPECT_EQ(Game.Health, l.healthAfter);
        EXPECT_EQ(Game.Cash, l.cashAfter);
        EXPECT_EQ(Game.HealthGone, 0);
    }
}

TEST(DogCatcher, ATakenTagLeavesTheDogUntaggedNextTime)
{
    FrozenClock clock(FindMillisecond(100, 50));
    StartState(true, true);
    EXPECT_EQ(FightCatcher(), Licence);
    EXPECT_EQ(Game.PocketsUsed, 7);
    EXPECT_EQ(FightCatcher(), Goods);
    EXPECT_EQ(Game.PocketsUsed, 0);
}
