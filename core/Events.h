// Random happenings after a move: the place events and the market news.
#pragma once

namespace barkmoor {

// One roll for a happening at the current place; at most one befalls the dog.
// Nothing ever happens at Neighbor's Garden, where not even a roll is made.
void PlaceEvents();

// Shows the message of the happening that EventIndex names.
void ShowEventMessage();

// A possible shortage or glut of one good, then a possible offer of a bigger coat.
void MarketNews();

} // namespace barkmoor
