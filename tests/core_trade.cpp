// Trading rules. Each test group would catch a test run out of order, a message off by a
// blank, a refusal that still changes the coat or the purse, a count that wraps round in
// 32 bits, or a negative count sneaking a trade past the cash and pocket tests.
#include "ScriptedPrompts.h"
#include "Trade.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

constexpr int MilkBones = 0;
constexpr int LeatherShoes = 2;
constexpr int Slippers = 3;
constexpr int FleaCollars = 9;

const std::string CoatFull = "Woof! You do not have enough pockets in your doggie coat";
const std::string TooManyToCarry
    = "Woof! How do you think you're going to carry that many\r\rYou do not have enough pockets in your doggie coat";

using Kinds = std::vector<std::string>;
using Texts = std::vector<std::string>;

class TradeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartFreshGame();
        // A fixed market: Flea Collars off it today.
        Game.Prices = { 278, 345, 465, 560, 1000, 34, 98, 110, 190, 0 };
    }

    Texts ShownKinds() const
    {
        Texts kinds;
        for (const auto &s : prompts.shown)
            kinds.push_back(s.kind);
        return kinds;
    }

    ScriptedPrompts prompts;
};

} // namespace

// Purchases refused before the quantity is asked for: the order of the three tests.
TEST_F(TradeTest, BuyRefusalsBeforeTheQuantity)
{
    const GameState before = Game;
    EXPECT_EQ(BuyGoods(FleaCollars), TradeOutcome::Refused);
    EXPECT_TRUE(prompts.shown.empty()) << "off the market is refused silently";
    EXPECT_TRUE(Game == before);

    // A full coat is reported even when the cash would not pay for one either.
    Carry(MilkBones, 100);
    Game.Cash = 100;
    const GameState full = Game;
    EXPECT_EQ(BuyGoods(Slippers), TradeOutcome::Refused);
    EXPECT_EQ(prompts.Notes(), Texts { CoatFull });
    EXPECT_TRUE(Game == full);

    prompts.shown.clear();
    Game.Stock[MilkBones] = 0;
    Game.PocketsUsed = 0;
    Game.Cash = 464;
    const GameState poor = Game;
    EXPECT_EQ(BuyGoods(LeatherShoes), TradeOutcome::Refused);
    EXPECT_EQ(prompts.Notes(), Texts { "Woof!  You don't have enough cash to buy any Leather Shoes" });
    EXPECT_EQ(ShownKinds(), Kinds { "note" });
    EXPECT_TRUE(Game == poor);
}

// The quantity prompt: its caption, its text and the count the cash would pay for.
TEST_F(TradeTest, BuyAsksWithCashDivPriceAsTheDefault)
{
    Game.Cash = 2000;
    EXPECT_EQ(BuyGoods(LeatherShoes), TradeOutcome::Cancelled);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, "query");
    EXPECT_EQ(prompts.shown[0].caption, "Buy how many Snorfle?");
    EXPECT_EQ(prompts.shown[0].text, "How many Leather Shoes do you want to buy?");
    EXPECT_EQ(prompts.queryDefaults, Texts { "4" }); // 2000 div 465, remainder dropped

    // Free pockets do not lower the default.
    Carry(MilkBones, 97);
    Game.Cash = 3400;
    EXPECT_EQ(BuyGoods(5), TradeOutcome::Cancelled);
    EXPECT_EQ(prompts.queryDefaults.back(), "100");

    // A price of $1 is on the market (an "off the market" test of at most 1 would refuse it).
    Game.Prices[LeatherShoes] = 1;
    Game.Cash = 7;
    EXPECT_EQ(BuyGoods(LeatherShoes), TradeOutcome::Cancelled);
    EXPECT_EQ(prompts.queryDefaults.back(), "7");
}

// Cancelling changes nothing and says nothing.
TEST_F(TradeTest, CancelledPurchaseAndSaleChangeNothing)
{
    Carry(Slippers, 4);
    const GameState before = Game;
    prompts.typed = { ScriptedPrompts::Cancel, ScriptedPrompts::Cancel };
    EXPECT_EQ(BuyGoods(MilkBones), TradeOutcome::Cancelled);
    EXPECT_EQ(SellGoods(Slippers), TradeOutcome::Cancelled);
    EXPECT_EQ(ShownKinds(), (Kinds { "query", "query" }));
    EXPECT_TRUE(Game == before);
}

// Texts that are no count, negative counts included, get the one message in both
// directions and leave everything as it was.
TEST_F(TradeTest, InvalidAndNegativeCountsAreRefused)
{
    Carry(Slippers, 4);
    const GameState before = Game;
    for (const std::string text : { "7 ", "seven", "", "   ", "1.5", "-1", "-2147483648", "$FFFFFFFF", "0x7" }) {
        prompts.shown.clear();
        prompts.typed = { text };
        EXPECT_EQ(BuyGoods(MilkBones), TradeOutcome::Refused) << '"' << text << '"';
        EXPECT_EQ(ShownKinds(), (Kinds { "query", "note" }));
        EXPECT_EQ(prompts.Notes(), Texts { InvalidNumber });
        prompts.shown.clear();
        prompts.typed = { text };
        EXPECT_EQ(SellGoods(Slippers), TradeOutcome::Refused) << '"' << text << '"';
        EXPECT_EQ(prompts.Notes(), Texts { InvalidNumber });
        EXPECT_TRUE(Game == before) << '"' << text << '"';
    }
}

// The cost test comes before the pocket test, and a count whose cost passes 2^32
// is still too dear (4 x 1073741824 is 0 in 32 bits).
TEST_F(TradeTest, BuyCostAndPocketTests)
{
    const std::string cannotAfford
        = "Woof! Did your paw slip or can you not count?\r\rYou can't afford that many Milk Bones";
    Game.Prices[MilkBones] = 4;
    Game.Cash = 2000;
    const GameState before = Game;
    for (const std::string text : { "501", "1073741824", "2147483647", "$40000000" }) {
        prompts.shown.clear();
        prompts.typed = { text };
        EXPECT_EQ(BuyGoods(MilkBones), TradeOutcome::Refused) << text;
        EXPECT_EQ(prompts.Notes(), Texts { cannotAfford }) << text;
        EXPECT_TRUE(Game == before) << text;
    }

    // 3 free pockets and cash for 10: the offered 10 do not fit, 3 do.
    Carry(Slippers, 97);
    Game.Prices[MilkBones] = 200;
    const GameState threeFree = Game;
    prompts.shown.clear();
    prompts.typed = { "10" };
    EXPECT_EQ(BuyGoods(MilkBones), TradeOutcome::Refused);
    EXPECT_EQ(prompts.queryDefaults.back(), "10");
    EXPECT_EQ(prompts.Notes(), Texts { TooManyToCarry });
    EXPECT_TRUE(Game == threeFree);

    prompts.shown.clear();
    prompts.typed = { "3" };
    EXPECT_EQ(BuyGoods(MilkBones), TradeOutcome::Traded);
    EXPECT_TRUE(prompts.Notes().empty());
    EXPECT_EQ(Game.Stock[MilkBones], 3);
    EXPECT_EQ(Game.PocketsUsed, 100);
    EXPECT_EQ(Game.Cash, 1400);

    // Once the coat is full, the full-coat refusal comes before any question of money.
    prompts.shown.clear();
    EXPECT_EQ(BuyGoods(MilkBones), TradeOutcome::Refused);
    EXPECT_EQ(prompts.Notes(), Texts { CoatFull });
}

// Successful purchases: what moves and by how much, the typed forms of the count included.
TEST_F(TradeTest, BuyingMovesCashIntoTheCoat)
{
    Game.Cash = 2000;
    Carry(Slippers, 2);
    prompts.typed = { "   7" };
    EXPECT_EQ(BuyGoods(MilkBones), TradeOutcome::Traded);
    EXPECT_EQ(Game.Cash, 2000 - 7 * 278);
    EXPECT_EQ(Game.Stock[MilkBones], 7);
    EXPECT_EQ(Game.Stock[Slippers], 2);
    EXPECT_EQ(Game.PocketsUsed, 9);
    EXPECT_TRUE(prompts.Notes().empty());

    // "$A" is ten; cash 54 buys ten at 5 and leaves 4.
    Game.Prices[5] = 5;
    Game.Cash = 54;
    prompts.typed = { "$A" };
    EXPECT_EQ(BuyGoods(5), TradeOutcome::Traded);
    EXPECT_EQ(Game.Stock[5], 10);
    EXPECT_EQ(Game.PocketsUsed, 19);
    EXPECT_EQ(Game.Cash, 4);

    // Cash exactly the price: default 1, and buying it leaves nothing.
    Game.Cash = 465;
    prompts.typed = { "1" };
    EXPECT_EQ(BuyGoods(LeatherShoes), TradeOutcome::Traded);
    EXPECT_EQ(prompts.queryDefaults.back(), "1");
    EXPECT_EQ(Game.Cash, 0);
    EXPECT_EQ(Game.Stock[LeatherShoes], 1);
    EXPECT_EQ(Game.PocketsUsed, 20);

    // Zero is a trade of nothing.
    Game.Cash = 1000;
    const GameState expected = Game;
    prompts.typed = { "0" };
    EXPECT_EQ(BuyGoods(MilkBones), TradeOutcome::Traded);
    EXPECT_TRUE(Game == expected);
}

// Sales refused before the quantity: having none is reported before nobody buying.
TEST_F(TradeTest, SellRefusalsBeforeTheQuantity)
{
    const GameState before = Game;
    EXPECT_EQ(SellGoods(FleaCollars), TradeOutcome::Refused);
    EXPECT_EQ(SellGoods(Slippers), TradeOutcome::Refused);
    EXPECT_EQ(
        prompts.Notes(), (Texts { "Woof!  You have no Flea Collars to sell", "Woof!  You have no Slippers to sell" }));
    EXPECT_TRUE(Game == before);

    prompts.shown.clear();
    Carry(FleaCollars, 5);
    const GameState carrying = Game;
    EXPECT_EQ(SellGoods(FleaCollars), TradeOutcome::Refused);
    EXPECT_EQ(ShownKinds(), Kinds { "note" });
    EXPECT_EQ(prompts.Notes(), Texts { "Woof!  No one wants to buy Flea Collars here" });
    EXPECT_TRUE(Game == carrying);
}

// The sale prompt offers the whole stock; more than that is refused.
TEST_F(TradeTest, SellAsksAndRefusesMoreThanCarried)
{
    Carry(LeatherShoes, 12);
    Carry(MilkBones, 3);
    const GameState before = Game;
    prompts.typed = { "13" };
    EXPECT_EQ(SellGoods(LeatherShoes), TradeOutcome::Refused);
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[0].caption, "Sell how many Snorfle?");
    EXPECT_EQ(prompts.shown[0].text, "How many Leather Shoes do you want to sell?");
    EXPECT_EQ(prompts.queryDefaults, Texts { "12" });
    EXPECT_EQ(prompts.Notes(),
        Texts { "Woof! Did your paw slip or can you not count?\r\rYou don't have that many Leather Shoes" });
    EXPECT_TRUE(Game == before);
}

// Successful sales: cash in at the day's price, pockets freed.
TEST_F(TradeTest, SellingMovesGoodsIntoCash)
{
    Carry(LeatherShoes, 12);
    Carry(MilkBones, 3);
    Game.Cash = 100;
    prompts.typed = { "  5" };
    EXPECT_EQ(SellGoods(LeatherShoes), TradeOutcome::Traded);
    EXPECT_EQ(Game.Stock[LeatherShoes], 7);
    EXPECT_EQ(Game.PocketsUsed, 10);
    EXPECT_EQ(Game.Cash, 100 + 5 * 465);

    // Taking the default sells the lot.
    prompts.typed = { "7" };
    EXPECT_EQ(SellGoods(LeatherShoes), TradeOutcome::Traded);
    EXPECT_EQ(prompts.queryDefaults.back(), "7");
    EXPECT_EQ(Game.Stock[LeatherShoes], 0);
    EXPECT_EQ(Game.Stock[MilkBones], 3);
    EXPECT_EQ(Game.PocketsUsed, 3);
    EXPECT_EQ(Game.Cash, 100 + 12 * 465);

    const GameState before = Game;
    prompts.typed = { "0" };
    EXPECT_EQ(SellGoods(MilkBones), TradeOutcome::Traded);
    EXPECT_TRUE(Game == before);
    EXPECT_TRUE(prompts.Notes().empty());
}

// Cash is 32-bit: proceeds that would carry it past the largest amount fill the purse to
// the top instead of wrapping it negative (a sum that large is undefined in C++ besides).
TEST_F(TradeTest, ProceedsStopAtTheLargestAmount)
{
    Carry(LeatherShoes, 12);
    Game.Cash = MaxMoney - 1000;
    prompts.typed = { "2" };
    EXPECT_EQ(SellGoods(LeatherShoes), TradeOutcome::Traded);
    EXPECT_EQ(Game.Cash, MaxMoney - 1000 + 2 * 465);

    prompts.typed = { "10" };
    EXPECT_EQ(SellGoods(LeatherShoes), TradeOutcome::Traded);
    EXPECT_EQ(Game.Cash, MaxMoney);
    EXPECT_EQ(Game.Stock[LeatherShoes], 0);
    EXPECT_EQ(Game.PocketsUsed, 0);
}
