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

// The first count characters of a UTF-8 text. The rules count code points; the windows
// install a cut that counts what the player sees, so that a letter with its accents or a
// flag is kept or dropped whole.
using CharacterCut = std::string (*)(const std::string &text, std::size_t count);
// nullptr goes back to counting code points.
void SetCharacterCut(CharacterCut cut);

// The first 20 characters of a UTF-8 name, through the installed cut.
std::string CutName(const std::string &name);

// Ranks the final score into the table, moving the entries it beats down one place, and
// asks the player's name when it earns a place. today is the date text to record.
// Returns the rank, 1 (best) to 3, or 0 when the score earns no place.
int RankFinalScore(const std::string &today);

} // namespace barkmoor
