// The end of a game: final score, verdict bands and the high-score ranking with its name
// prompt.
#include "HighScores.h"
#include "ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <limits>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

class HighScores : public ::testing::Test {
protected:
    void SetUp() override { ResetProcessState(); }

    static void EndWith(std::int32_t score)
    {
        Game.Cash = score;
        Game.Savings = 0;
        Game.Debt = 0;
    }
    static std::vector<std::int32_t> Scores()
    {
        return { HighScoreTable[0].Score, HighScoreTable[1].Score, HighScoreTable[2].Score };
    }
    static std::vector<std::string> Names()
    {
        return { HighScoreTable[0].Name, HighScoreTable[1].Name, HighScoreTable[2].Name };
    }

    ScriptedPrompts prompts;
};

} // namespace

// The score is cash plus savings less debt; a sum beyond 32 bits must not wrap into a
// score of the opposite sign.
TEST_F(HighScores, FinalScoreStaysIn32Bits)
{
    Game.Cash = 2000;
    Game.Savings = 0;
    Game.Debt = 5500;
    EXPECT_EQ(FinalScore(), -3500);
    Game.Savings = 10000;
    EXPECT_EQ(FinalScore(), 6500);

    constexpr std::int32_t top = std::numeric_limits<std::int32_t>::max();
    Game.Cash = top;
    Game.Savings = top;
    Game.Debt = 0;
    EXPECT_EQ(FinalScore(), top);
    Game.Debt = top;
    EXPECT_EQ(FinalScore(), top);
    Game.Cash = 0;
    Game.Savings = 0;
    EXPECT_EQ(FinalScore(), -top);
    Game.Cash = -100; // not reachable in play, but the sum must still not wrap
    EXPECT_EQ(FinalScore(), std::numeric_limits<std::int32_t>::min());
}

// Ranking with strict tests against the starting table: ties stay below, the entries
// beaten move down one place, the old third drops off.
TEST_F(HighScores, RanksAgainstTheStartingTable)
{
    EndWith(250000);
    EXPECT_EQ(RankFinalScore("01/02/24"), 0);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(Scores(), (std::vector<std::int32_t> { 750000, 500000, 250000 }));

    struct Case {
        std::int32_t score;
        int rank;
        std::vector<std::int32_t> scores;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        { 250001, 3, { 750000, 500000, 250001 }, { "The Dog Catcher", "The Alley Cat", "Rex" } },
        { 500000, 3, { 750000, 500000, 500000 }, { "The Dog Catcher", "The Alley Cat", "Rex" } },
        { 600000, 2, { 750000, 600000, 500000 }, { "The Dog Catcher", "Rex", "The Alley Cat" } },
        { 750000, 2, { 750000, 750000, 500000 }, { "The Dog Catcher", "Rex", "The Alley Cat" } },
        { 800000, 1, { 800000, 750000, 500000 }, { "Rex", "The Dog Catcher", "The Alley Cat" } },
    };
    for (const Case &c : cases) {
        ResetProcessState();
        EndWith(c.score);
        prompts.typed = { "Rex" };
        EXPECT_EQ(RankFinalScore("01/02/24"), c.rank) << c.score;
        EXPECT_EQ(Scores(), c.scores) << c.score;
        EXPECT_EQ(Names(), c.names) << c.score;
        EXPECT_EQ(HighScoreTable[c.rank - 1].Date, "01/02/24");
        // Entries that moved keep their own date.
        EXPECT_EQ(HighScoreTable[c.rank == 3 ? 0 : 2].Date, "04/23/00");
    }
}

// A score below 1 never enters, even a table whose entries are all lower.
TEST_F(HighScores, NoPlaceBelowOne)
{
    for (auto &entry : HighScoreTable)
        entry.Score = -1000;
    for (std::int32_t score : { 0, -1, -999 }) {
        EndWith(score);
        EXPECT_EQ(RankFinalScore("today"), 0) << score;
    }
    EXPECT_TRUE(prompts.shown.empty());
    EndWith(1);
    prompts.typed = { "Pip" };
    EXPECT_EQ(RankFinalScore("today"), 1);
}

// The name prompt: its texts and default, a long name cut by characters, an empty name
// kept, and Cancel recording the score under the default name.
TEST_F(HighScores, NamePrompt)
{
    EndWith(800000);
    prompts.typed = { "ABCDEFGHIJKLMNOPQRSTUVWXY" };
    RankFinalScore("7/4/24");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, "query");
    EXPECT_EQ(prompts.shown[0].caption, "Barkmoor - New Barkmoor High Score");
    EXPECT_EQ(prompts.shown[0].text, "Congratulations, You got a new high score!");
    EXPECT_EQ(prompts.queryDefaults[0], "Unclaimed High Score");
    EXPECT_EQ(HighScoreTable[0].Name, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(HighScoreTable[0].Date, "7/4/24");

    ResetProcessState();
    EndWith(800000);
    prompts.typed = { "" };
    RankFinalScore("7/4/24");
    EXPECT_EQ(HighScoreTable[0].Name, "");
    EXPECT_EQ(HighScoreTable[0].Score, 800000);

    ResetProcessState();
    EndWith(800000);
    prompts.typed = { ScriptedPrompts::Cancel };
    RankFinalScore("7/4/24");
    EXPECT_EQ(HighScoreTable[0].Name, "Unclaimed High Score");
    EXPECT_EQ(HighScoreTable[0].Score, 800000);

    // Blanks are kept as typed.
    ResetProcessState();
    EndWith(800000);
    prompts.typed = { "  Rex  " };
    RankFinalScore("7/4/24");
    EXPECT_EQ(HighScoreTable[0].Name, "  Rex  ");
}

// Cutting counts characters: bytes would split a letter or keep too few of them.
TEST_F(HighScores, NamesAreCutByCharacters)
{
    EXPECT_EQ(CutName("12345678901234567890"), "12345678901234567890");
    EXPECT_EQ(CutName("123456789012345678901"), "12345678901234567890");
    EXPECT_EQ(CutName(""), "");
    const std::string umlauts = "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\xA4\xC3\xB6\xC3\xBC\xC3\xA4\xC3\xB6\xC3\xBC\xC3\xA4"
                                "\xC3\xB6\xC3\xBC\xC3\xA4\xC3\xB6\xC3\xBC\xC3\xA4\xC3\xB6\xC3\xBC\xC3\xA4\xC3\xB6"
                                "\xC3\xBC\xC3\xA4"; // 22 letters, 44 bytes
    EXPECT_EQ(CutName(umlauts), umlauts.substr(0, 40));
    const std::string paws = "Rex \xF0\x9F\x90\xBE\xF0\x9F\x90\xBE and friends!!!!!"; // 23 characters
    EXPECT_EQ(CutName(paws), "Rex \xF0\x9F\x90\xBE\xF0\x9F\x90\xBE and friends!!");
}

// Two good games in one process: the first game's entry stays and is ranked among the
// others by the second.
TEST_F(HighScores, TableSurvivesFromGameToGame)
{
    EndWith(600000);
    prompts.typed = { "First", "Second" };
    EXPECT_EQ(RankFinalScore("d1"), 2);
    Game = GameState {};
    Game.GameLength = 31;
    ResetGameState();
    EndWith(700000);
    EXPECT_EQ(RankFinalScore("d2"), 2);
    EXPECT_EQ(Scores(), (std::vector<std::int32_t> { 750000, 700000, 600000 }));
    EXPECT_EQ(Names(), (std::vector<std::string> { "The Dog Catcher", "Second", "First" }));
    EXPECT_EQ(HighScoreTable[2].Date, "d1");
}

// The verdict bands at both ends of each, and no verdict for exactly 0.
TEST_F(HighScores, VerdictBands)
{
    const std::string stinks = "Did you roll in something or is that your score that stinks!";
    const std::string breath = "Phew!  That score is as bad as your snorfle breath!";
    const std::string chihuahua = "Pretty good score - for a chihuahua!";
    const std::string newspaper = "Not bad, now be a good dog and fetch the newspaper.";
    const std::string reject = "Woof! Are you an obedience school reject?";
    const std::string collar = "Ooooh!  A tough dog!  Is that a spiked collar you're wearing? ";
    const std::string topDog = "Woof!!  Looks like you might be Top Dog's competition.";
    const std::pair<std::int32_t, std::string> bands[] = {
        { std::numeric_limits<std::int32_t>::min(), stinks },
        { -1, stinks },
        { 0, "" },
        { 1, breath },
        { 249999, breath },
        { 250000, chihuahua },
        { 499999, chihuahua },
        { 500000, newspaper },
        { 999998, newspaper },
        { 999999, reject },
        { 5999998, reject },
        { 5999999, collar },
        { 9999999, collar },
        { 10000000, topDog },
        { std::numeric_limits<std::int32_t>::max(), topDog },
    };
    for (const auto &[score, verdict] : bands)
        EXPECT_EQ(Verdict(score), verdict) << score;
}

// The windows install their own cut; without one the rules count code points again.
TEST_F(HighScores, NamesAreCutByTheInstalledCut)
{
    SetCharacterCut([](const std::string &text, std::size_t count) { return text.substr(0, count / 10); });
    EXPECT_EQ(CutName("Snorfle"), "Sn");
    SetCharacterCut(nullptr);
    EXPECT_EQ(CutName("123456789012345678901"), "12345678901234567890");
}
