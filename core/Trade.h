// Buying and selling at the current place and today's prices.
#pragma once

namespace barkmoor {

// What a trade attempt came to, so the window knows how to tidy up after it.
enum class TradeOutcome {
    Refused, // turned down, with at most one note; nothing changed
    Cancelled, // the quantity prompt was cancelled; nothing changed
    Traded, // the typed count was bought or sold (a count of 0 included)
};

// Checks a purchase of item 0-9, asks how many, and applies it to GameState.
TradeOutcome BuyGoods(int item);

// Checks a sale of item 0-9, asks how many, and applies it to GameState.
TradeOutcome SellGoods(int item);

} // namespace barkmoor
