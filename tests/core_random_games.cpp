// Thousands of random games through the rules the windows call, in the order the day's turn
// calls them, with random answers, random typed texts and a random clock. After every step
// the invariants must hold; this would catch a sum that wraps past 32 bits, pockets that no
// longer add up, a stock or purse gone negative, a second loan or withdrawal in one visit,
// and a high-score table out of order or holding an overlong name.
#include "Catcher.h"
#include "Events.h"
#include "Finance.h"
#include "HighScores.h"
#include "RandomPlay.h"
#include "ScriptedPrompts.h"
#include "Trade.h"
#include "Travel.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

constexpr std::int64_t MoneyMax = std::numeric_limits<std::int32_t>::max();
constexpr int StepsPerGameAtMost = 2000; // a game ends long before; this only stops a runaway

// Answers every prompt at random: Yes or No, OK or Cancel, and any kind of typed text.
class RandomPrompter final : public Prompter {
public:
    explicit RandomPrompter(std::mt19937 &rng)
        : rng(rng)
    {
        SetPrompter(this);
    }
    ~RandomPrompter() override { SetPrompter(nullptr); }

    void ShowNote(const std::string &) override { ++notes; }
    Answer ConfirmYesNo(const std::string &) override { return Coin() ? Answer::Yes : Answer::No; }
    Answer AskTitled(const std::string &, const std::string &) override { return Coin() ? Answer::Yes : Answer::No; }
    bool QueryValue(const std::string &, const std::string &, std::string &value) override
    {
        const int choice = std::uniform_int_distribution<int>(0, 7)(rng);
        if (choice == 0)
            return false; // Cancel
        if (choice == 1)
            return true; // OK on the default
        value = RandomTypedText(rng);
        return true;
    }

    long notes = 0;

private:
    bool Coin() { return std::uniform_int_distribution<int>(0, 1)(rng) == 1; }
    std::mt19937 &rng;
};

class Player {
public:
    explicit Player(std::uint32_t seed)
        : rng(seed)
    {
    }

    // Plays one game from the start to the game-over ranking; false once an invariant broke.
    bool PlayGame()
    {
        ++games;
        Game.GameLength = Pick(2) ? 31 : 15;
        ResetGameState();
        limits.NewVisit();
        if (Pick(8) == 0)
            RichStart();
        if (!Check("new game"))
            return false;
        for (int step = 0; step < StepsPerGameAtMost; ++step) {
            if (Pick(4) != 0)
                clock.now = std::uniform_int_distribution<std::uint32_t>(0, 86'399'999)(rng);
            const int action = Pick(100);
            bool over = false;
            if (action < 40)
                over = !Turn();
            else if (action < 68)
                Buy();
            else if (action < 96)
                Sell();
            else if (action < 98) {
                // A game-length command: a fresh game at once, no ranking.
                Game.GameLength = Pick(2) ? 31 : 15;
                ResetGameState();
                limits.NewVisit();
                Check("new game from the menu");
            } else
                over = true; // End Game
            if (!failure.empty())
                return false;
            if (over)
                break;
        }
        if (Game.HealthGone == 1)
            ++reached.healthLost;
        if (RankFinalScore("12/7/26") != 0)
            ++reached.highScores;
        return Check("high-score ranking");
    }

    long Steps() const { return steps; }
    int Games() const { return games; }
    const std::string &Failure() const { return failure; }

    // How often the paths worth reaching were reached, so a run that never trades or
    // never meets the Dog Catcher cannot pass unnoticed.
    struct Reached {
        long purchases = 0;
        long sales = 0;
        long catchers = 0;
        long loans = 0;
        long withdrawals = 0;
        long deposits = 0;
        long highScores = 0;
        long healthLost = 0;
        long capped = 0; // a purse filled to the largest amount
    } reached;

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    // Staying put costs no day and may find cash, so any purse can grow without bound in
    // a long enough game; these games start where that would have led.
    void RichStart()
    {
        const auto nearMax = [this] { return std::int32_t(MoneyMax - Pick(20'000)); };
        const auto any = [this] { return std::uniform_int_distribution<std::int32_t>(0, std::int32_t(MoneyMax))(rng); };
        Game.Cash = Pick(2) ? nearMax() : any();
        Game.Savings = Pick(2) ? nearMax() : any();
        Game.Debt = Pick(3) == 0 ? nearMax() : any();
    }

    bool Check(const char *step)
    {
        ++steps;
        std::string broken = BrokenInvariant();
        if (broken.empty())
            broken = limits.Broken();
        if (!broken.empty() && failure.empty())
            failure
                = "game " + std::to_string(games) + ", step " + std::to_string(steps) + " (" + step + "): " + broken;
        return failure.empty();
    }

    bool Expect(bool holds, const char *step, const std::string &what)
    {
        if (!holds && failure.empty())
            failure = "game " + std::to_string(games) + ", step " + std::to_string(steps) + " (" + step + "): " + what;
        return Check(step);
    }

    // The day's turn as the Trot button plays it; false when the game is over.
    bool Turn()
    {
        if (Game.LastDayWarned == 1)
            return false; // the button reads "End"
        const std::uint8_t from = Game.Place;
        const auto to = std::uint8_t(Pick(PlaceCount));
        const bool caught = TravelTo(to);
        if (to != from)
            limits.NewVisit();
        if (!Check(to == from ? "stay" : "move"))
            return false;
        if (caught) {
            Pick(2) ? RunFromCatcher() : FightCatcher();
            ++reached.catchers;
            if (!Check("Dog Catcher"))
                return false;
        }
        if (Game.AtGarden == 1) {
            if (AskTitled("Do you want to visit the Top Dog?", "Barkmoor - Finances") != Answer::No)
                VisitTopDog();
            Game.AtGarden = 0;
            if (AskTitled("Do you want to visit the Saving & Bone Bank?", "Barkmoor - Finances") != Answer::No)
                VisitBank();
            if (Game.HasLicenceTag == 0)
                OfferLicenceTag();
            if (!Check("garden"))
                return false;
        }
        if (Game.DaysLeft < 1 && Game.LastDayWarned == 0) {
            ShowNote("You're on the last day Snorfle, better sell what you can");
            Game.LastDayWarned = 1;
        }
        return Game.HealthGone == 0 && Game.DaysLeft >= 0;
    }

    // Each click moves money between cash and debt only: cash less debt stays the same.
    void VisitTopDog()
    {
        for (int clicks = Pick(8); clicks > 0 && failure.empty(); --clicks) {
            const std::int64_t net = std::int64_t(Game.Cash) - Game.Debt;
            const std::int32_t debt = Game.Debt;
            const std::int32_t savings = Game.Savings;
            switch (Pick(4)) {
            case 0:
                RepayDebt(RandomTypedText(rng));
                break;
            case 1:
                BorrowMoney(RandomTypedText(rng));
                break;
            case 2:
                BorrowMax();
                break;
            default:
                RepayAll();
                break;
            }
            limits.Saw(debt, savings);
            reached.loans += Game.Debt > debt;
            Expect(std::int64_t(Game.Cash) - Game.Debt == net, "Top Dog", "cash less debt changed");
        }
    }

    // Each click moves money between cash and savings only: their sum stays the same.
    void VisitBank()
    {
        for (int clicks = Pick(8); clicks > 0 && failure.empty(); --clicks) {
            const std::int64_t total = std::int64_t(Game.Cash) + Game.Savings;
            const std::int32_t debt = Game.Debt;
            const std::int32_t savings = Game.Savings;
            switch (Pick(4)) {
            case 0:
                DepositCash(RandomTypedText(rng));
                break;
            case 1:
                WithdrawSavings(RandomTypedText(rng));
                break;
            case 2:
                DepositAll();
                break;
            default:
                WithdrawMax();
                break;
            }
            limits.Saw(debt, savings);
            reached.withdrawals += Game.Savings < savings;
            reached.deposits += Game.Savings > savings;
            Expect(std::int64_t(Game.Cash) + Game.Savings == total, "bank", "cash plus savings changed");
        }
    }

    // A purchase costs the price of each piece bought, worked out in 64 bits.
    void Buy()
    {
        const int item = Pick(ItemCount);
        const std::int64_t price = Game.Prices[item];
        const std::int64_t cash = Game.Cash;
        const std::int64_t stock = Game.Stock[item];
        BuyGoods(item);
        const std::int64_t bought = Game.Stock[item] - stock;
        reached.purchases += bought > 0;
        Expect(bought >= 0 && Game.Cash == cash - price * bought, "buy",
            "bought " + std::to_string(bought) + " at $" + std::to_string(price) + ", cash " + std::to_string(cash)
                + " -> " + std::to_string(Game.Cash));
    }

    // A sale pays the price of each piece sold; a purse that cannot hold it all stays full.
    void Sell()
    {
        // Mostly goods the dog carries, or sales would hardly ever get past the first refusal.
        int item = Pick(ItemCount);
        for (int tries = 0; tries < 10 && Game.Stock[item] == 0 && Pick(4) != 0; ++tries)
            item = Pick(ItemCount);
        const std::int64_t price = Game.Prices[item];
        const std::int64_t cash = Game.Cash;
        const std::int64_t stock = Game.Stock[item];
        SellGoods(item);
        const std::int64_t sold = stock - Game.Stock[item];
        reached.sales += sold > 0;
        reached.capped += sold > 0 && Game.Cash == MoneyMax;
        Expect(sold >= 0 && Game.Cash == std::min(cash + price * sold, MoneyMax), "sell",
            "sold " + std::to_string(sold) + " at $" + std::to_string(price) + ", cash " + std::to_string(cash) + " -> "
                + std::to_string(Game.Cash));
    }

    std::mt19937 rng;
    RandomPrompter prompts { rng };
    FrozenClock clock;
    VisitLimits limits;
    long steps = 0;
    int games = 0;
    std::string failure;
};

} // namespace

TEST(RandomGames, InvariantsHoldAfterEveryStep)
{
    ResetProcessState(); // the high-score table then lasts over all the games, as in a session
    const std::uint32_t seed = RandomPlaySeed(20261207);
    const int games = RandomPlayCount(100'000, 40'000);
    Player player(seed);
    for (int game = 0; game < games; ++game) {
        // A fresh table now and then: after a rich game nothing would enter it again.
        if (game % 50 == 0)
            HighScoreTable = { { { 750000, "The Dog Catcher", "04/23/00" }, { 500000, "The Alley Cat", "04/23/00" },
                { 250000, "Your Owner", "04/23/00" } } };
        if (!player.PlayGame())
            break;
    }
    std::printf("Random games: %d games, %ld steps, seed %u (BARKMOOR_RANDOM_SEED replays another)\n", player.Games(),
        player.Steps(), seed);
    const Player::Reached &r = player.reached;
    std::printf("  reached: %ld purchases, %ld sales (%ld up to the largest cash), %ld Dog Catchers, %ld loans, "
                "%ld deposits, %ld withdrawals, %ld dogs hurt out of the game, %ld high scores\n",
        r.purchases, r.sales, r.capped, r.catchers, r.loans, r.deposits, r.withdrawals, r.healthLost, r.highScores);
    RecordProperty("games", player.Games());
    RecordProperty("steps", std::to_string(player.Steps()));
    EXPECT_EQ(player.Failure(), "") << "seed " << seed;
    EXPECT_EQ(player.Games(), games);
    if (games >= 500) {
        for (const long count : { r.purchases, r.sales, r.capped, r.catchers, r.loans, r.deposits, r.withdrawals,
                 r.healthLost, r.highScores })
            EXPECT_GT(count, 0) << "a path of the rules was never reached";
    }
}
