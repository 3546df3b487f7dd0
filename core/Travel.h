// A pick in the travel window, and the Licence Tag offer of the day's turn.
#pragma once

#include <cstdint>

namespace barkmoor {

// Carries out a pick of place 0-6: a stay rolls a place event; a move passes a day, lifts
// the per-visit limits, adds interest, draws prices and then brings a place event and the
// market news, or the Dog Catcher. Returns true when the Dog Catcher's window must show.
bool TravelTo(std::uint8_t place);

// Interest on a move: a tenth of the debt, or a fiftieth of the cash when it exceeds the debt.
void AddInterest();

// Draws the tag's price (continuing the current sequence) and offers it when the cash
// covers it. Returns true when the tag was bought.
bool OfferLicenceTag();

} // namespace barkmoor
