// The end of a game: the final score, its verdict and its place in the high-score table.
#pragma once

#include <cstdint>
#include <string>

namespace barkmoor {

inline const std::string UnclaimedName = "Unclaimed High Score";
constexpr std::size_t NameLimit = 20; // characters, not bytes

// Cash + Savings - Debt. Worked out in 64 bits and held to the signed 32-bit range, so an
// extreme game shows the nearest score the table can hold instead of a wrapped one.
std::int32_t FinalScore();

// The one-line verdict on a score; empty for exactly 0.
std::string Verdict(std::int32_t score);

// The first 20 characters of a UTF-8 name; a character is never split.
std::string CutName(const std::string &name);

// Ranks the final score into the table, moving the entries it beats down one place, and
// asks the player's name when it earns a place. today is the date text to record.
// Returns the rank, 1 (best) to 3, or 0 when the score earns no place.
int RankFinalScore(const std::string &today);

} // namespace barkmoor
