// The trading rules: every test in its order, one note per refusal.
#include "Trade.h"

#include "GameCore.h"
#include "Money.h"
#include "Prompts.h"
#include "WholeNumber.h"

#include <cstdint>
#include <string>

namespace barkmoor {
namespace {

const std::string CannotCount = "Woof! Did your paw slip or can you not count?\r\r";

// Asks for a count; Traded means the trade goes on with count. Refused (after the note)
// when the text is no whole number or is negative: a negative count would run the trade
// backwards, past the cash and pocket tests.
TradeOutcome AskCount(
    const std::string &caption, const std::string &prompt, std::int32_t suggested, std::int32_t &count)
{
    std::string typed = std::to_string(suggested);
    if (!QueryValue(caption, prompt, typed))
        return TradeOutcome::Cancelled;
    if (!ParseUsableNumber(typed, count)) {
        ShowNote(InvalidNumberNote);
        return TradeOutcome::Refused;
    }
    return TradeOutcome::Traded;
}

} // namespace

TradeOutcome BuyGoods(int item)
{
    const std::string &name = GameText[item];
    const std::int32_t price = Game.Prices[item];
    if (price <= 0)
        return TradeOutcome::Refused;
    if (Game.PocketsUsed == Game.PocketCapacity) {
        ShowNote("Woof! You do not have enough pockets in your doggie coat");
        return TradeOutcome::Refused;
    }
    if (price > Game.Cash) {
        ShowNote("Woof!  You don't have enough cash to buy any " + name);
        return TradeOutcome::Refused;
    }

    std::int32_t count = 0;
    const TradeOutcome asked
        = AskCount("Buy how many Snorfle?", "How many " + name + " do you want to buy?", Game.Cash / price, count);
    if (asked != TradeOutcome::Traded)
        return asked;

    // In 64 bits, so a huge count cannot wrap round into an affordable cost.
    const std::int64_t cost = std::int64_t(price) * count;
    if (cost > Game.Cash) {
        ShowNote(CannotCount + "You can't afford that many " + name);
        return TradeOutcome::Refused;
    }
    if (int(Game.PocketsUsed) + count > int(Game.PocketCapacity)) {
        ShowNote("Woof! How do you think you're going to carry that many\r\r"
                 "You do not have enough pockets in your doggie coat");
        return TradeOutcome::Refused;
    }

    Game.PocketsUsed = std::uint8_t(Game.PocketsUsed + count);
    Game.Stock[item] += count;
    Game.Cash -= std::int32_t(cost);
    return TradeOutcome::Traded;
}

TradeOutcome SellGoods(int item)
{
    const std::string &name = GameText[item];
    const std::int32_t price = Game.Prices[item];
    if (Game.Stock[item] == 0) {
        ShowNote("Woof!  You have no " + name + " to sell");
        return TradeOutcome::Refused;
    }
    if (price == 0) {
        ShowNote("Woof!  No one wants to buy " + name + " here");
        return TradeOutcome::Refused;
    }

    std::int32_t count = 0;
    const TradeOutcome asked
        = AskCount("Sell how many Snorfle?", "How many " + name + " do you want to sell?", Game.Stock[item], count);
    if (asked != TradeOutcome::Traded)
        return asked;

    if (count > Game.Stock[item]) {
        ShowNote(CannotCount + "You don't have that many " + name);
        return TradeOutcome::Refused;
    }

    Game.PocketsUsed = std::uint8_t(Game.PocketsUsed - count);
    Game.Stock[item] -= count;
    AddGain(Game.Cash, std::int64_t(price) * count);
    return TradeOutcome::Traded;
}

} // namespace barkmoor
