// Final score, verdict bands and the high-score ranking.
#include "HighScores.h"

#include "GameCore.h"
#include "Prompts.h"

#include <algorithm>
#include <limits>

namespace barkmoor {

std::int32_t FinalScore()
{
    const std::int64_t score = std::int64_t(Game.Cash) + Game.Savings - Game.Debt;
    return std::int32_t(std::clamp<std::int64_t>(
        score, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::string Verdict(std::int32_t score)
{
    if (score < 0)
        return "Did you roll in something or is that your score that stinks!";
    if (score == 0)
        return "";
    if (score <= 249'999)
        return "Phew!  That score is as bad as your snorfle breath!";
    if (score <= 499'999)
        return "Pretty good score - for a chihuahua!";
    if (score <= 999'998)
        return "Not bad, now be a good dog and fetch the newspaper.";
    if (score <= 5'999'998)
        return "Woof! Are you an obedience school reject?";
    if (score <= 9'999'999)
        return "Ooooh!  A tough dog!  Is that a spiked collar you're wearing? ";
    return "Woof!!  Looks like you might be Top Dog's competition.";
}

namespace {

std::string FirstCodePoints(const std::string &text, std::size_t count)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Continuation bytes (10xxxxxx) belong to the character before them.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && ++characters > count)
            return text.substr(0, i);
    }
    return text;
}

CharacterCut characterCut = FirstCodePoints;

} // namespace

void SetCharacterCut(CharacterCut cut)
{
    characterCut = cut ? cut : FirstCodePoints;
}

std::string CutName(const std::string &name)
{
    return characterCut(name, NameLimit);
}

int RankFinalScore(const std::string &today)
{
    std::string name = UnclaimedName;
    int rank = 0;
    const std::int32_t score = FinalScore();
    if (score >= 1) {
        // Strict tests: a tie stays below the entry it ties with.
        if (score > HighScoreTable[2].Score)
            rank = 3;
        if (score > HighScoreTable[1].Score) {
            HighScoreTable[2] = HighScoreTable[1];
            rank = 2;
        }
        if (score > HighScoreTable[0].Score) {
            HighScoreTable[1] = HighScoreTable[0];
            rank = 1;
        }
    }
    if (rank == 0)
        return 0;

    // On Cancel the prompt leaves the default in place; the score is recorded either way.
    QueryValue("Barkmoor - New Barkmoor High Score", "Congratulations, You got a new high score!", name);
    HighScore &entry = HighScoreTable[std::size_t(rank - 1)];
    entry.Name = CutName(name);
    entry.Score = FinalScore();
    entry.Date = today;
    return rank;
}

} // namespace barkmoor
