// Market news. These would catch a shortage that forgets withdrawn goods, an abundance
// that skips its message, r = 47 drawing on into the coat offer, the coat's draws made
// in the wrong order or skipped, an off-by-one in its money or pocket tests, a wrong
// question, and a coat that wraps the 8-bit pocket count.
#include "ScriptedPrompts.h"

#include "Events.h"

#include <gtest/gtest.h>

#include <string>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

// The first clock value whose draws of 60, 40 and 15 after a Reseed give r-1, d-1 and
// n-5 (d or n of 0: any).
std::uint32_t FindNews(int r, int d = 0, int n = 0)
{
    const std::uint32_t ms = FindDraws({ { 60, r - 1 }, { 40, d != 0 ? d - 1 : -1 }, { 15, n != 0 ? n - 5 : -1 } });
    if (ms == 86'400'000u)
        ADD_FAILURE() << "no clock value gives r " << r << ", d " << d << ", n " << n;
    return ms;
}

class MarketNewsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartFreshGame();
        Game.Prices = { 100, 200, 800, 400, 5009, 25, 150, 20000, 900, 300 };
    }

    void NewsAt(std::uint32_t ms)
    {
        clock.now = ms;
        MarketNews();
    }

    FrozenClock clock;
    ScriptedPrompts prompts;
};

} // namespace

TEST_F(MarketNewsTest, ShortageMultipliesByFiveAndBringsWithdrawnGoodsBack)
{
    NewsAt(FindNews(12, 1)); // no coat after it
    EXPECT_EQ(Game.Prices[2], 4000);
    EXPECT_EQ(prompts.Notes(), Notes { "A shortage of Leather Shoes has caused the price to rocket in this area" });

    Game.Prices[7] = 0;
    NewsAt(FindNews(17, 36));
    EXPECT_EQ(Game.Prices[7], 7500); // below the usual range of Table Scraps
    EXPECT_EQ(prompts.Notes().back(), "A shortage of Table Scraps has caused the price to rocket in this area");

    NewsAt(FindNews(10, 2));
    NewsAt(FindNews(19, 3));
    EXPECT_EQ(Game.Prices[0], 500);
    EXPECT_EQ(Game.Prices[9], 1500);
    EXPECT_EQ(prompts.Notes().size(), 4u);
    EXPECT_EQ(Game.Prices[1], 200);
}

// The band's first draw (40) is Milk Bones; a withdrawn good stays at 0.
TEST_F(MarketNewsTest, AbundanceDividesByTenAndStillSpeaksOfWithdrawnGoods)
{
    Game.Prices[9] = 0;
    const struct {
        int r, d, item;
        std::int32_t price;
        std::string name;
    } slumps[] = { { 44, 5, 4, 500, "Rabies Tags" }, { 45, 6, 5, 2, "Alpo Canned Food" },
        { 49, 7, 9, 0, "Flea Collars" }, { 40, 8, 0, 10, "Milk Bones" } };
    for (const auto &s : slumps) {
        NewsAt(FindNews(s.r, s.d));
        EXPECT_EQ(Game.Prices[s.item], s.price) << s.name;
        EXPECT_EQ(prompts.Notes().back(), "An abundance of " + s.name + " has caused the price to slump in this area");
    }
    EXPECT_EQ(prompts.Notes().size(), 4u);
}

TEST_F(MarketNewsTest, NoNewsOutsideTheTwoBands)
{
    const auto before = Game.Prices;
    for (int r : { 1, 9, 20, 39, 50, 60 })
        NewsAt(FindNews(r, 10));
    EXPECT_EQ(Game.Prices, before);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(MarketNewsTest, TableScrapsGlutStopsEverythingAfterOneDraw)
{
    // Pick a clock whose next draw would have made an offer, to see it is not drawn.
    const std::uint32_t ms = FindNews(47, 40);
    const auto before = Game.Prices;
    NewsAt(ms);
    EXPECT_EQ(Game.Prices, before);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(RandomSeed(), SeedAfter(ms, 1));
}

TEST_F(MarketNewsTest, CoatOfferedAtExactlyItsCostAndTakenOnYes)
{
    const std::uint32_t ms = FindNews(30, 37, 12);
    Game.Cash = 600;
    prompts.yesNo = { Answer::Yes };
    NewsAt(ms);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, "confirm");
    EXPECT_EQ(prompts.shown[0].text,
        "Do you want to buy a bigger doggie coat with 12 extra pockets?\r\rIt will cost you $600");
    EXPECT_EQ(Game.Cash, 0);
    EXPECT_EQ(Game.PocketCapacity, 112);
    EXPECT_EQ(RandomSeed(), SeedAfter(ms, 3));

    // One dollar short: the pockets are still drawn, nothing is asked.
    Game.Cash = 599;
    NewsAt(ms);
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(RandomSeed(), SeedAfter(ms, 3));
    EXPECT_EQ(Game.PocketCapacity, 112);
}

// The offer's edge, worked by hand: at clock 36 the news draw is 7 (r = 8, no news) and the
// coat draw of 40 is 35, so d = 36: no offer and no pocket draw. Catches d < 36, d <= 35,
// a coat draw of 41 (36 here, so d = 37) and d drawn as RandomBelow(40) + 2.
TEST_F(MarketNewsTest, NoCoatAtDrawOf36)
{
    Game.Cash = 5000;
    NewsAt(36);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(Game.PocketCapacity, 100);
    EXPECT_EQ(RandomSeed(), SeedAfter(36, 2));
}

TEST_F(MarketNewsTest, DecliningChangesNothing)
{
    Game.Cash = 5000;
    NewsAt(FindNews(5, 40, 19));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
        "Do you want to buy a bigger doggie coat with 19 extra pockets?\r\rIt will cost you $950");
    EXPECT_EQ(Game.Cash, 5000);
    EXPECT_EQ(Game.PocketCapacity, 100);
}

TEST_F(MarketNewsTest, OfferOnlyWhileAtMost230PocketsAreFilled)
{
    const std::uint32_t ms = FindNews(55, 38, 5);
    Game.Cash = 5000;
    Game.PocketCapacity = 235;
    Game.PocketsUsed = 230;
    prompts.yesNo = { Answer::Yes };
    NewsAt(ms);
    EXPECT_EQ(Game.PocketCapacity, 240);
    EXPECT_EQ(Game.Cash, 4750);

    Game.PocketsUsed = 231;
    NewsAt(ms);
    EXPECT_TRUE(prompts.Notes().empty());
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(Game.PocketCapacity, 240);
    EXPECT_EQ(RandomSeed(), SeedAfter(ms, 3));
}

TEST_F(MarketNewsTest, NoCoatThatWouldTakeThePocketsPast255)
{
    const std::uint32_t ms = FindNews(25, 39, 19);
    Game.Cash = 5000;
    Game.PocketCapacity = 237;
    NewsAt(ms);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(Game.PocketCapacity, 237);
    EXPECT_EQ(RandomSeed(), SeedAfter(ms, 3));

    // Up to the very last pocket the offer stands.
    Game.PocketCapacity = 236;
    prompts.yesNo = { Answer::Yes };
    NewsAt(ms);
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(Game.PocketCapacity, 255);
    EXPECT_EQ(Game.Cash, 4050);
}

TEST_F(MarketNewsTest, NewsAndOfferOnTheSameMove)
{
    Game.Cash = 1000;
    prompts.yesNo = { Answer::Yes };
    NewsAt(FindNews(41, 37, 8)); // Rawhide Bones, then 8 pockets for $400
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[0].text, "An abundance of Rawhide Bones has caused the price to slump in this area");
    EXPECT_EQ(prompts.shown[1].kind, "confirm");
    EXPECT_EQ(Game.Prices[1], 20);
    EXPECT_EQ(Game.Cash, 600);
    EXPECT_EQ(Game.PocketCapacity, 108);
}
