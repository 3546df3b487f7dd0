// The Dog Catcher encounter: the two choices the player has once caught.
#pragma once

#include <string>

namespace barkmoor {

// Each choice reseeds, makes one draw, applies the outcome to GameState and
// returns the outcome's text for the Dog Catcher window.
std::string RunFromCatcher();
std::string FightCatcher();

} // namespace barkmoor
