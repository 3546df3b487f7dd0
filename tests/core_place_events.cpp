// Place events. These would catch a wrong range or a range tested out of order, a draw
// made in the wrong order or one too many, a message slot left stale, a pocket sum that
// wraps in 8 bits, a per-game limit not kept, and a garden check that looks at the index.
#include "ScriptedPrompts.h"

#include "Events.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

class PlaceEventsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartFreshGame();
        Game.Place = 2; // the Park: anywhere but the garden
    }

    // Rolls with the clock at ms.
    void RollAt(std::uint32_t ms)
    {
        clock.now = ms;
        PlaceEvents();
    }

    FrozenClock clock;
    ScriptedPrompts prompts;
};

} // namespace

// A garden check by index, or one made after the roll, would draw here.
TEST_F(PlaceEventsTest, NothingAtTheGardenNotEvenARoll)
{
    Game.Place = GardenPlace;
    Game.EventRoll = 99;
    SetRandomSeed(4242);
    RollAt(FindDraws({ { 130, 3 } })); // would be a speeding car anywhere else
    EXPECT_EQ(RandomSeed(), 4242u);
    EXPECT_EQ(Game.EventRoll, 99);
    EXPECT_EQ(Game.Health, 100);
    EXPECT_TRUE(prompts.shown.empty());

    // The garden is known by its exact name, not its index: another place given that name
    // counts as the garden, the same name in other letter case does not.
    Game.Place = 2;
    GameText[FirstPlaceText + 2] = "Neighbor's Garden";
    RollAt(FindDraws({ { 130, 3 } }));
    EXPECT_EQ(RandomSeed(), 4242u);
    GameText[FirstPlaceText + 2] = "neighbor's garden";
    RollAt(FindDraws({ { 130, 3 } }));
    EXPECT_EQ(Game.EventRoll, 10);
    EXPECT_EQ(prompts.Notes().size(), 1u);
}

TEST_F(PlaceEventsTest, MostRollsBringNothing)
{
    const std::uint32_t ms = FindDraws({ { 130, 0 } });
    RollAt(ms);
    EXPECT_EQ(Game.EventRoll, 7);
    EXPECT_EQ(RandomSeed(), SeedAfter(ms, 1));
    RollAt(FindDraws({ { 130, 129 } }));
    EXPECT_EQ(Game.EventRoll, 136);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(Game.Cash, 2000);
    EXPECT_EQ(Game.Health, 100);
}

// Every range at its edges, inside and one step outside, for a dog whom every happening
// would touch (hurt, poor in pockets, rich enough for the alley cat). Catches a range
// widened or narrowed by one at either end, 48..52 against 53 and 128..134 against 135
// among them.
TEST_F(PlaceEventsTest, EachRangeAtItsEdgesAndOneStepOutside)
{
    struct Edge {
        int roll;
        int event; // -1: nothing happens
    };
    const Edge edges[] = { { 9, -1 }, { 10, 0 }, { 13, 0 }, { 14, -1 }, { 17, -1 }, { 18, 2 }, { 22, 2 }, { 23, -1 },
        { 31, -1 }, { 32, 3 }, { 35, 3 }, { 36, -1 }, { 47, -1 }, { 48, 1 }, { 52, 1 }, { 53, -1 }, { 67, -1 },
        { 68, 4 }, { 69, 4 }, { 70, -1 }, { 74, -1 }, { 75, 5 }, { 78, 5 }, { 79, -1 }, { 81, -1 }, { 82, 6 },
        { 84, 6 }, { 85, -1 }, { 127, -1 }, { 128, 7 }, { 134, 7 }, { 135, -1 } };
    for (const Edge &e : edges) {
        SCOPED_TRACE("roll " + std::to_string(e.roll));
        StartFreshGame();
        Game.Place = 2;
        Game.Health = 50;
        Game.Cash = 100000;
        Game.EventIndex = 99;
        const std::size_t before = prompts.shown.size();
        RollAt(FindDraws({ { 130, e.roll - 7 } }));
        EXPECT_EQ(Game.EventRoll, e.roll);
        EXPECT_EQ(prompts.shown.size(), before + (e.event < 0 ? 0u : 1u));
        EXPECT_EQ(Game.EventIndex, e.event < 0 ? 99 : e.event);
    }
}

TEST_F(PlaceEventsTest, SpeedingCarHasNoFloorAndEndsTheGameBelowOne)
{
    Game.Health = 10;
    RollAt(FindDraws({ { 130, 3 }, { 3, 2 } })); // roll 10, loss 30
    EXPECT_EQ(Game.Health, -20);
    EXPECT_EQ(Game.HealthGone, 1);
    EXPECT_EQ(Game.EventIndex, 0);
    EXPECT_EQ(prompts.Notes(), Notes { "Oops! You got hit by a speeding car.  Lose 30 health points." });
    EXPECT_EQ(GameText[10], "Oops! You got hit by a speeding car.  Lose 30 health points.");

    // Exactly 0 ends the game too (a test written as below 0 would not).
    ResetGameState();
    Game.Place = 2;
    Game.Health = 20;
    RollAt(FindDraws({ { 130, 3 }, { 3, 1 } })); // roll 10, loss 20
    EXPECT_EQ(Game.Health, 0);
    EXPECT_EQ(Game.HealthGone, 1);

    ResetGameState();
    Game.Place = 2;
    Game.Health = 31;
    RollAt(FindDraws({ { 130, 6 }, { 3, 2 } })); // roll 13
    EXPECT_EQ(Game.Health, 1);
    EXPECT_EQ(Game.HealthGone, 0);

    // The slot is rebuilt from this loss, not left from the last one.
    RollAt(FindDraws({ { 130, 4 }, { 3, 0 } }));
    EXPECT_EQ(Game.Health, -9);
    EXPECT_EQ(Game.HealthGone, 1);
    EXPECT_EQ(prompts.Notes().back(), "Oops! You got hit by a speeding car.  Lose 10 health points.");
}

TEST_F(PlaceEventsTest, FlowerbedCashAndItsMessageWithoutFullStop)
{
    // Worked by hand at clock 194: seed 376,703,947 draws 11 of 130 (roll 18), then seed
    // 4,239,451,896 draws 4935 of 5000, and 4935 + 501 = 5436.
    RollAt(194);
    EXPECT_EQ(Game.Cash, 2000 + 5436);
    EXPECT_EQ(Game.EventIndex, 2);
    EXPECT_EQ(prompts.Notes(), Notes { "While digging up the flowerbeds you find $5436 in cash" });
    EXPECT_EQ(RandomSeed(), 4'239'451'896u);

    RollAt(FindDraws({ { 130, 15 }, { 5000, 4999 } })); // roll 22, the largest find
    EXPECT_EQ(prompts.Notes().back(), "While digging up the flowerbeds you find $5500 in cash");
}

TEST_F(PlaceEventsTest, VetOnlyBelowFullHealthAndTellsTheDrawnGain)
{
    const std::uint32_t twenty = FindDraws({ { 130, 25 }, { 2, 1 } }); // roll 32, gain 20
    RollAt(twenty);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(Game.Health, 100);
    EXPECT_EQ(RandomSeed(), SeedAfter(twenty, 1)); // no gain drawn

    Game.Health = 95;
    RollAt(twenty);
    EXPECT_EQ(Game.Health, 100);
    EXPECT_EQ(Game.EventIndex, 3);
    EXPECT_EQ(prompts.Notes(), Notes { "Your owner took you to the vets.  Gain 20 health points." });

    Game.Health = 50;
    RollAt(FindDraws({ { 130, 28 }, { 2, 0 } })); // roll 35, gain 10
    EXPECT_EQ(Game.Health, 60);

    // At 99 the vet still comes (not only below 99), and 91 + 10 is held at 100, not 101.
    for (const int health : { 99, 91 }) {
        Game.Health = health;
        RollAt(FindDraws({ { 130, 28 }, { 2, 0 } }));
        EXPECT_EQ(Game.Health, 100) << health;
    }
    EXPECT_EQ(prompts.Notes().size(), 4u);
    EXPECT_EQ(GameText[13], "Your owner took you to the vets.  Gain 10 health points.");
}

TEST_F(PlaceEventsTest, PoodleNeedsRoomForTheWholeStash)
{
    // Worked by hand at clock 520: roll 48, n = 5, $2790 and the item draw of 8 is 6, so
    // Table Scraps (a draw of 9 would give 7, Eukanuba).
    const std::uint32_t five = 520;
    const std::int32_t cash = 2790;
    const int item = 7;

    // Exactly full afterwards is allowed.
    Game.PocketCapacity = 100;
    Game.PocketsUsed = 95;
    Game.Stock[0] = 95;
    GameText[11] = "an old poodle message";
    RollAt(five);
    EXPECT_EQ(Game.PocketsUsed, 100);
    EXPECT_EQ(Game.Stock[item], 5);
    EXPECT_EQ(Game.Cash, 2000 + cash);
    EXPECT_EQ(Game.EventIndex, 1);
    const std::string text
        = "Bad Dog!\r\rYou beat a poodle senseless and stole his stash of 5 Table Scraps and $2790 in cash.";
    EXPECT_EQ(prompts.Notes(), Notes { text });
    EXPECT_EQ(GameText[11], text);
    EXPECT_EQ(RandomSeed(), SeedAfter(five, 4));

    // One pocket short: nothing happens and no further draw is made.
    const std::uint32_t nine = FindDraws({ { 130, 45 }, { 2, 1 } }); // roll 52, n = 9
    Game.PocketsUsed = 92;
    RollAt(nine);
    EXPECT_EQ(Game.Cash, 2000 + cash);
    EXPECT_EQ(Game.PocketsUsed, 92);
    EXPECT_EQ(prompts.Notes().size(), 1u);
    EXPECT_EQ(RandomSeed(), SeedAfter(nine, 2));

    // 250 + 9 wraps to 3 in eight bits; the room test must not be fooled.
    Game.PocketCapacity = 255;
    Game.PocketsUsed = 250;
    RollAt(nine);
    EXPECT_EQ(Game.PocketsUsed, 250);
    EXPECT_EQ(prompts.Notes().size(), 1u);

    // Nine goods fill nine free pockets exactly (a stash drawn as 5 or 10 would not fit).
    Game.PocketCapacity = 100;
    Game.PocketsUsed = 91;
    RollAt(nine);
    EXPECT_EQ(Game.PocketsUsed, 100);
    EXPECT_EQ(prompts.Notes().size(), 2u);
}

// Staying put costs no day, so finds can pile up cash without end: a find that the 32-bit
// purse cannot hold must fill it to the top, not wrap it round to a negative amount.
TEST_F(PlaceEventsTest, CashFindsStopAtTheLargestAmount)
{
    Game.Cash = MaxMoney - 100;
    RollAt(FindDraws({ { 130, 15 }, { 5000, 4999 } })); // flowerbed, $5500
    EXPECT_EQ(Game.Cash, MaxMoney);
    EXPECT_EQ(prompts.Notes().back(), "While digging up the flowerbeds you find $5500 in cash");

    Game.Cash = MaxMoney - 100;
    RollAt(FindDraws({ { 130, 41 }, { 2, 0 }, { 5000, 4999 } })); // poodle, 5 goods and $5500
    EXPECT_EQ(Game.Cash, MaxMoney);
    EXPECT_EQ(Game.PocketsUsed, 5);
    EXPECT_NE(prompts.Notes().back().find(" and $5500 in cash."), std::string::npos);
}

TEST_F(PlaceEventsTest, DogHouseMayTakeTheDaysBelowZero)
{
    Game.DaysLeft = 0;
    RollAt(FindDraws({ { 130, 61 } })); // roll 68
    EXPECT_EQ(Game.DaysLeft, -1);
    EXPECT_EQ(Game.EventIndex, 4);
    EXPECT_EQ(prompts.Notes(),
        Notes { "Your owner catches you pooping in the house and confines you to the dog-house.  Lose 1 day." });
}

TEST_F(PlaceEventsTest, KittensTakeAShareOfTheCashButNeverMoreThanThereIs)
{
    const std::uint32_t ms = FindDraws({ { 130, 68 } }); // roll 75
    const std::string message
        = "Two kittens bombard you with fur balls.  You lost some of your cash running for cover.";

    Game.Cash = 4; // 4 div 5 is 0, and RandomBelow(0) gives 0
    RollAt(ms);
    EXPECT_EQ(Game.Cash, 0);
    EXPECT_EQ(RandomSeed(), SeedAfter(ms, 2));
    Game.Cash = 0; // shown even with nothing to lose
    RollAt(ms);
    EXPECT_EQ(Game.Cash, 0);
    EXPECT_EQ(prompts.Notes(), (Notes { message, message }));

    for (std::uint32_t draw : { 0u, 199u }) {
        Game.Cash = 1000;
        RollAt(FindDraws({ { 130, 71 }, { 200, int(draw) } })); // roll 78
        EXPECT_EQ(Game.Cash, 1000 - std::int32_t(draw) - 251);
        EXPECT_EQ(Game.EventIndex, 5);
    }
    EXPECT_EQ(Game.Cash, 550);
}

TEST_F(PlaceEventsTest, AlleyCatStrikesOncePerGameAndOnlyTheRich)
{
    const std::uint32_t ms = FindDraws({ { 130, 75 } }); // roll 82
    Game.Stock = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 };
    Game.PocketsUsed = 55;

    Game.Cash = 89999;
    RollAt(ms);
    EXPECT_EQ(Game.PocketsUsed, 55);
    EXPECT_TRUE(prompts.shown.empty());

    Game.Cash = 90000;
    RollAt(ms);
    EXPECT_EQ(Game.Stock, (std::array<std::int32_t, ItemCount> {}));
    EXPECT_EQ(Game.PocketsUsed, 0);
    EXPECT_EQ(Game.Cash, 90000);
    EXPECT_EQ(Game.BigLossDone, 1);
    EXPECT_EQ(Game.EventIndex, 6);
    EXPECT_EQ(prompts.Notes(), Notes { "The local alley cat jumped you.  He stole all your stash." });

    Game.Stock[3] = 7;
    Game.PocketsUsed = 7;
    RollAt(FindDraws({ { 130, 77 } })); // roll 84
    EXPECT_EQ(Game.PocketsUsed, 7);
    EXPECT_EQ(prompts.Notes().size(), 1u);

    // A new game lets the cat come back.
    ResetGameState();
    Game.Place = 2;
    Game.Cash = 100000;
    RollAt(ms);
    EXPECT_EQ(prompts.Notes().size(), 2u);
}

TEST_F(PlaceEventsTest, ButchersScrapsMetAtMostTwiceEvenWhenTheyDoNotFit)
{
    const std::uint32_t ms = FindDraws({ { 130, 121 }, { 8, 7 } }); // roll 128, n = 9
    const std::string message = "Your Lucky Day!  You found some scraps at the local butcher.";

    Game.PocketsUsed = 91;
    Game.Stock[2] = 91;
    RollAt(ms);
    EXPECT_EQ(Game.Stock[7], 9);
    EXPECT_EQ(Game.PocketsUsed, 100);
    EXPECT_EQ(Game.FoundItemsCount, 1);
    EXPECT_EQ(Game.EventIndex, 7);
    EXPECT_EQ(prompts.Notes(), Notes { message });

    // The coat is full: nothing is added or shown, yet the meeting counts.
    RollAt(FindDraws({ { 130, 127 }, { 8, 0 } })); // roll 134, n = 2
    EXPECT_EQ(Game.Stock[7], 9);
    EXPECT_EQ(Game.PocketsUsed, 100);
    EXPECT_EQ(Game.FoundItemsCount, 2);
    EXPECT_EQ(prompts.Notes().size(), 1u);

    // A third meeting brings nothing and draws no count.
    Game.PocketCapacity = 200;
    RollAt(ms);
    EXPECT_EQ(Game.Stock[7], 9);
    EXPECT_EQ(Game.FoundItemsCount, 2);
    EXPECT_EQ(RandomSeed(), SeedAfter(ms, 1));
    EXPECT_EQ(prompts.Notes().size(), 1u);
}

TEST_F(PlaceEventsTest, ScrapsRoomIsTestedInFullWidth)
{
    Game.PocketCapacity = 255;
    Game.PocketsUsed = 250;
    RollAt(FindDraws({ { 130, 124 }, { 8, 7 } })); // 250 + 9 would wrap to 3
    EXPECT_EQ(Game.PocketsUsed, 250);
    EXPECT_EQ(Game.Stock[7], 0);
    EXPECT_EQ(Game.FoundItemsCount, 1);
    EXPECT_TRUE(prompts.shown.empty());
}
