// Moves and stays. Would catch a stay that passes a day or draws prices, interest with the
// wrong rule at the Cash = Debt edge, a Dog Catcher that keeps coming after his fourth
// visit or still lets events happen, and a licence offer that reseeds or skips its draw.
#include "ScriptedPrompts.h"

#include "Travel.h"

#include <gtest/gtest.h>

#include <functional>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

bool CatcherMove(std::uint32_t ms)
{
    return First(ms, 50) + 1 >= 45;
}

class TravelTest : public ::testing::Test {
protected:
    void SetUp() override { StartFreshGame(); }
    ScriptedPrompts prompts;
    FrozenClock clock;
};

} // namespace

TEST_F(TravelTest, StayingOnlyRollsAPlaceEvent)
{
    clock.now = ClockWhere([](std::uint32_t ms) { return First(ms, 130) + 7 == 20; }); // flowerbed
    Game.Place = 2;
    Game.BorrowedThisVisit = 1;
    Game.WithdrewThisVisit = 1;
    Game.CatcherVisits = 2;
    const GameState before = Game;
    EXPECT_FALSE(TravelTo(2));
    EXPECT_EQ(Game.DaysLeft, before.DaysLeft);
    EXPECT_EQ(Game.Debt, before.Debt);
    EXPECT_EQ(Game.Prices, before.Prices);
    EXPECT_EQ(Game.BorrowedThisVisit, 1);
    EXPECT_EQ(Game.WithdrewThisVisit, 1);
    EXPECT_EQ(Game.CatcherVisits, 2);
    EXPECT_EQ(Game.AtGarden, 0);
    EXPECT_GT(Game.Cash, before.Cash); // the flowerbed, and nothing else
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text.rfind("While digging up the flowerbeds you find $", 0), 0u);
}

TEST_F(TravelTest, StayingAtTheGardenDoesNothingAtAll)
{
    SetRandomSeed(4242);
    const GameState before = Game;
    EXPECT_FALSE(TravelTo(6));
    EXPECT_EQ(RandomSeed(), 4242u);
    EXPECT_EQ(Game.Cash, before.Cash);
    EXPECT_EQ(Game.AtGarden, 0);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(TravelTest, AMovePassesADayClearsTheVisitLimitsAndDrawsPrices)
{
    clock.now = ClockWhere(QuietMove);
    ASSERT_EQ(clock.now, 0u); // worked by hand: catcher draw 1, roll 7, news 1, coat draw 2
    Game.BorrowedThisVisit = 1;
    Game.WithdrewThisVisit = 1;
    Game.Prices.fill(1);
    EXPECT_FALSE(TravelTo(3));
    EXPECT_EQ(Game.Place, 3);
    EXPECT_EQ(Game.DaysLeft, 30);
    EXPECT_EQ(Game.BorrowedThisVisit, 0);
    EXPECT_EQ(Game.WithdrewThisVisit, 0);
    EXPECT_EQ(Game.AtGarden, 0);
    EXPECT_EQ(Game.Debt, 6050);
    // The day's prices at seed 0, worked by hand: both withdrawals fall on Rabies Tags (k = 4,
    // then k = 0 taken as 4).
    EXPECT_EQ(Game.Prices, (std::array<std::int32_t, ItemCount> { 46, 83, 1381, 290, 0, 60, 169, 15165, 780, 431 }));
    EXPECT_TRUE(prompts.shown.empty());

    // Arriving at the garden marks it for the turn; leaving it again does not clear it.
    EXPECT_FALSE(TravelTo(6));
    EXPECT_EQ(Game.AtGarden, 1);
    EXPECT_FALSE(TravelTo(0));
    EXPECT_EQ(Game.AtGarden, 1);
    EXPECT_EQ(Game.DaysLeft, 28);
}

TEST_F(TravelTest, InterestByTheTwoRules)
{
    struct Case {
        std::int32_t debt, cash, expected;
    };
    const Case cases[] = {
        { 5500, 2000, 6050 }, { 5500, 10000, 5700 }, { 5500, 5500, 6050 }, { 5500, 5501, 5610 }, { 0, 100, 0 },
        { -5, 100, -5 }, { 9, 0, 9 }, { 9, 5, 9 }, { 1, 100, 3 }, // a debt of 1 still earns interest
        { 2147483000, 0, 2147483647 }, // would wrap past the 32-bit range
    };
    for (const Case &c : cases) {
        Game.Debt = c.debt;
        Game.Cash = c.cash;
        AddInterest();
        EXPECT_EQ(Game.Debt, c.expected) << c.debt << " " << c.cash;
    }
}

TEST_F(TravelTest, TheDogCatcherComesFourTimesThenNothingHappensOnThoseMoves)
{
    clock.now = ClockWhere([](std::uint32_t ms) {
        // A move's reseeds share one seed, so a late catcher draw goes with a late event roll.
        std::uint32_t s = ms;
        DrawAfter(s, 60);
        return CatcherMove(ms) && First(ms, 130) + 7 >= 128 && DrawAfter(s, 40) + 1 > 36;
    });
    for (int visit = 1; visit <= 4; ++visit) {
        EXPECT_TRUE(TravelTo(std::uint8_t(visit % 2))) << visit;
        EXPECT_EQ(Game.CatcherVisits, visit);
    }
    ASSERT_EQ(clock.now, 30u); // the first clock value that fits, found by hand too
    Game.Prices.fill(1);
    Game.Cash = 5000; // enough for the coat this clock would offer
    EXPECT_FALSE(TravelTo(4));
    EXPECT_EQ(Game.CatcherVisits, 5);
    EXPECT_EQ(Game.DaysLeft, 26); // the day and the prices still change
    // Drawn again, worked by hand for clock 30 with days to go.
    EXPECT_EQ(Game.Prices, (std::array<std::int32_t, ItemCount> { 347, 0, 434, 0, 2540, 24, 242, 23312, 1397, 213 }));
    // The butcher's scraps and the coat this clock would bring did not come.
    EXPECT_EQ(Game.Cash, 5000);
    EXPECT_EQ(Game.Stock[7], 0);
    EXPECT_EQ(Game.FoundItemsCount, 0);
    EXPECT_TRUE(prompts.shown.empty());
}

// The catcher's draw at its edge, worked by hand: at clock 28 the first draw of 50 is 43
// (r = 44: a place event, here roll 121, which brings nothing), at clock 60 it is 44
// (r = 45: the Dog Catcher). Catches r < 44 and r <= 45.
TEST_F(TravelTest, DrawOf44BringsAPlaceEventAnd45TheDogCatcher)
{
    clock.now = 28;
    EXPECT_FALSE(TravelTo(3));
    EXPECT_EQ(Game.CatcherVisits, 0);
    EXPECT_EQ(Game.EventRoll, 121);
    clock.now = 60;
    EXPECT_TRUE(TravelTo(4));
    EXPECT_EQ(Game.CatcherVisits, 1);
    EXPECT_TRUE(prompts.shown.empty());
}

// A move with news, worked by hand: at clock 5 the catcher draw gives r = 8, the roll 27
// (nothing), the news draw 10 (a shortage of Milk Bones, the day's 96 times five) and the
// coat draw 8 (no offer). Catches a move that skips the news.
TEST_F(TravelTest, AMoveBringsTheMarketNews)
{
    clock.now = 5;
    EXPECT_FALSE(TravelTo(1));
    EXPECT_EQ(prompts.Notes(),
        std::vector<std::string> { "A shortage of Milk Bones has caused the price to rocket in this area" });
    EXPECT_EQ(Game.Prices[0], 480);
}

TEST_F(TravelTest, LicenceOfferContinuesTheSequenceAndNeedsTheCash)
{
    // Worked by hand: from seed 777, with no reseed, the draw of 200 is 76, so the tag costs
    // $577 and the seed moves on to 1641591598.
    const std::int32_t cost = 577;
    const std::uint32_t s = 1641591598u;
    SetRandomSeed(777);
    Game.Cash = cost - 1;
    EXPECT_FALSE(OfferLicenceTag());
    EXPECT_EQ(RandomSeed(), s); // the draw is made even without an offer
    EXPECT_TRUE(prompts.shown.empty());

    SetRandomSeed(777);
    Game.Cash = cost;
    prompts.yesNo = { Answer::Yes };
    EXPECT_TRUE(OfferLicenceTag());
    EXPECT_EQ(Game.Cash, 0);
    EXPECT_EQ(Game.HasLicenceTag, 1);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, "confirm");
    EXPECT_EQ(
        prompts.shown[0].text, "Psst! Do you want to buy a Licence Tag?\r\rIt will cost you $" + std::to_string(cost));

    // The dearest tag, worked by hand: after seed 223 the draw of 200 is 199, so $700 (a draw
    // of 201 would give 200 and $701, more than the cash).
    SetRandomSeed(223);
    Game.Cash = 700;
    Game.HasLicenceTag = 0;
    prompts.yesNo = { Answer::Yes };
    EXPECT_TRUE(OfferLicenceTag());
    EXPECT_EQ(prompts.shown.back().text, "Psst! Do you want to buy a Licence Tag?\r\rIt will cost you $700");
    EXPECT_EQ(Game.Cash, 0);

    SetRandomSeed(777);
    Game.Cash = 5000;
    Game.HasLicenceTag = 0;
    prompts.yesNo = { Answer::No };
    EXPECT_FALSE(OfferLicenceTag());
    EXPECT_EQ(Game.Cash, 5000);
    EXPECT_EQ(Game.HasLicenceTag, 0);
}
