// Top Dog's loans and the bank's savings: the order of the refusals, the exact messages,
// the per-visit limits and the bounds of 32-bit money.
#include "Finance.h"
#include "ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <functional>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

const std::string RepayTooMuch = "Woof! You trying to make a fool of me flea-bag!\r\rYou don't have that much cash.";
const std::string RepayThanks
    = "Woof! Nice doing business with you snorfle\r\rGlad I didn't have to send the muscle mutts round to collect it.";
const std::string SecondLoan = "Woof! Do you think i'm a young pup!\r\rI already lent you money this visit.";
const std::string LoanTooBig
    = "Woof! Don't make me laugh, I'm not lending you that much!\r\rI'll lend you no more than $5000";
const std::string DepositTooMuch = "Woof! You do not have that much cash to deposit";
const std::string DepositThanks = "Woof! Thank you for your deposit.\r\rHave a nice day!";
const std::string SecondWithdrawal
    = "Woof! The bank can only allow one withdrawal per visit\r\rYou already made a withdrawal this visit.";
const std::string BeyondSavings = "Woof!  You cannot withdraw that much!\r\rYou do not have that much in savings.";
const std::string BeyondLimit
    = "Woof!  You cannot withdraw that much!\r\rYou can only withdraw a maximum of $5000 per visit.";

class MoneyRules : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetProcessState();
        Money(2000, 5500, 0);
    }
    static void Money(std::int32_t cash, std::int32_t debt, std::int32_t savings)
    {
        Game.Cash = cash;
        Game.Debt = debt;
        Game.Savings = savings;
    }
    static void ExpectMoney(std::int32_t cash, std::int32_t debt, std::int32_t savings)
    {
        EXPECT_EQ(Game.Cash, cash);
        EXPECT_EQ(Game.Debt, debt);
        EXPECT_EQ(Game.Savings, savings);
    }
    // Runs a rule and hands back the messages it showed.
    Notes Run(Refresh expected, const std::function<Refresh()> &rule)
    {
        const std::size_t before = prompts.shown.size();
        EXPECT_EQ(rule(), expected);
        Notes notes;
        for (std::size_t i = before; i < prompts.shown.size(); ++i)
            notes.push_back(prompts.shown[i].text);
        return notes;
    }

    ScriptedPrompts prompts;
};

} // namespace

// Repay: a rule checked in the wrong order (the cut to the debt before the cash test, the
// amount read when there is no debt) gives a different message or moves money.
TEST_F(MoneyRules, RepayChecksInItsOrder)
{
    Money(2000, 0, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return RepayDebt("fleas"); }), Notes {});
    ExpectMoney(2000, 0, 0);

    Money(300, 100, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return RepayDebt("200"); }), Notes { RepayThanks });
    ExpectMoney(200, 0, 0);

    // A debt of 1 is still a debt: a "no debt" test written as below 2 would not read it.
    Money(50, 1, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return RepayDebt("5"); }), Notes { RepayThanks });
    ExpectMoney(49, 0, 0);

    Money(50, 100, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return RepayDebt("80"); }), Notes { RepayTooMuch });
    ExpectMoney(50, 100, 0);

    // Above the cash though the debt is smaller still counts as too much.
    Money(300, 100, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return RepayDebt("301"); }), Notes { RepayTooMuch });
    ExpectMoney(300, 100, 0);

    Money(2000, 5500, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return RepayDebt("2000"); }), Notes { RepayThanks });
    ExpectMoney(0, 3500, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return RepayDebt("x"); }), Notes { InvalidNumber });
    EXPECT_EQ(Game.BorrowedThisVisit, 0);
}

// Borrow and "Max": one loan per visit, the visit test before the limit, and a refused
// loan not using up the visit.
TEST_F(MoneyRules, OneLoanPerVisitOfAtMost5000)
{
    EXPECT_EQ(Run(Refresh::Yes, [] { return BorrowMoney("5001"); }), Notes { LoanTooBig });
    ExpectMoney(2000, 5500, 0);
    EXPECT_EQ(Game.BorrowedThisVisit, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return BorrowMoney("5000"); }), Notes {});
    ExpectMoney(7000, 10500, 0);
    EXPECT_EQ(Game.BorrowedThisVisit, 1);
    EXPECT_EQ(Run(Refresh::Yes, [] { return BorrowMoney("1"); }), Notes { SecondLoan });
    EXPECT_EQ(Run(Refresh::Yes, [] { return BorrowMoney("9999"); }), Notes { SecondLoan });
    EXPECT_EQ(Run(Refresh::Yes, [] { return BorrowMax(); }), Notes { SecondLoan });
    ExpectMoney(7000, 10500, 0);

    // A move clears the visit; "Max" then lends exactly 5000 and blocks "Borrow".
    Game.BorrowedThisVisit = 0;
    EXPECT_EQ(Run(Refresh::Yes, [] { return BorrowMax(); }), Notes {});
    ExpectMoney(12000, 15500, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return BorrowMoney("10"); }), Notes { SecondLoan });
    ExpectMoney(12000, 15500, 0);

    // Repaying never touches the visit's loan.
    EXPECT_EQ(Run(Refresh::Yes, [] { return RepayDebt("100"); }), Notes { RepayThanks });
    EXPECT_EQ(Game.BorrowedThisVisit, 1);
}

// Top Dog's "All": the smaller of cash and debt comes off both; no cash, no refresh.
TEST_F(MoneyRules, TopDogAllPaysTheSmallerOfCashAndDebt)
{
    Money(7000, 5500, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return RepayAll(); }), Notes {});
    ExpectMoney(1500, 0, 0);
    Money(2000, 5500, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return RepayAll(); }), Notes {});
    ExpectMoney(0, 3500, 0);
    EXPECT_EQ(Run(Refresh::No, [] { return RepayAll(); }), Notes {});
    ExpectMoney(0, 3500, 0);
    Money(800, 0, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return RepayAll(); }), Notes {});
    ExpectMoney(800, 0, 0);
    Money(900, 900, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return RepayAll(); }), Notes {});
    ExpectMoney(0, 0, 0);
    // A single dollar still pays: a "no cash" test written as below 2 would refuse it.
    Money(1, 5, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return RepayAll(); }), Notes {});
    ExpectMoney(0, 4, 0);
    // A debt below 0 (never reached in play) is not paid "back" out of the debt.
    Money(800, -5, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return RepayAll(); }), Notes {});
    ExpectMoney(800, -5, 0);
}

// Deposits: exactly one of the two messages, and the money moved only on the second.
TEST_F(MoneyRules, DepositIsBoundedByTheCash)
{
    EXPECT_EQ(Run(Refresh::Yes, [] { return DepositCash("2500"); }), Notes { DepositTooMuch });
    ExpectMoney(2000, 5500, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return DepositCash("2000"); }), Notes { DepositThanks });
    ExpectMoney(0, 5500, 2000);
    EXPECT_EQ(Run(Refresh::No, [] { return DepositAll(); }), Notes {});
    Money(1234, 5500, 100);
    EXPECT_EQ(Run(Refresh::Yes, [] { return DepositAll(); }), Notes {});
    ExpectMoney(0, 5500, 1334);
    // A single dollar is deposited: a "no cash" test written as at most 1 would keep it.
    Money(1, 0, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return DepositAll(); }), Notes {});
    ExpectMoney(0, 0, 1);
    EXPECT_EQ(Game.WithdrewThisVisit, 0);
}

// Withdrawals: the visit test, then the savings test, then the limit; a refusal keeps
// the visit's withdrawal; "Max" uses it up even when it pays nothing.
TEST_F(MoneyRules, OneWithdrawalPerVisit)
{
    Money(0, 0, 8000);
    EXPECT_EQ(Run(Refresh::Yes, [] { return WithdrawSavings("6000"); }), Notes { BeyondLimit });
    EXPECT_EQ(Game.WithdrewThisVisit, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return WithdrawSavings("5000"); }), Notes {});
    ExpectMoney(5000, 0, 3000);
    EXPECT_EQ(Run(Refresh::Yes, [] { return WithdrawSavings("1"); }), Notes { SecondWithdrawal });
    EXPECT_EQ(Run(Refresh::Yes, [] { return WithdrawMax(); }), Notes { SecondWithdrawal });
    ExpectMoney(5000, 0, 3000);

    Game.WithdrewThisVisit = 0;
    EXPECT_EQ(Run(Refresh::Yes, [] { return WithdrawSavings("6000"); }), Notes { BeyondSavings });
    EXPECT_EQ(Run(Refresh::Yes, [] { return WithdrawSavings("3001"); }), Notes { BeyondSavings });
    ExpectMoney(5000, 0, 3000);

    Money(0, 0, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return WithdrawMax(); }), Notes {});
    ExpectMoney(0, 0, 0);
    EXPECT_EQ(Game.WithdrewThisVisit, 1);
    Game.Savings = 100;
    EXPECT_EQ(Run(Refresh::Yes, [] { return WithdrawSavings("50"); }), Notes { SecondWithdrawal });
    ExpectMoney(0, 0, 100);

    for (auto [savings, cashAfter, savingsAfter] :
        { std::tuple { 12000, 5000, 7000 }, std::tuple { 4000, 4000, 0 }, std::tuple { 5000, 5000, 0 } }) {
        Money(0, 0, savings);
        Game.WithdrewThisVisit = 0;
        EXPECT_EQ(Run(Refresh::Yes, [] { return WithdrawMax(); }), Notes {});
        ExpectMoney(cashAfter, 0, savingsAfter);
        EXPECT_EQ(Game.WithdrewThisVisit, 1);
    }
}

// How the amount box is read: leading blanks and "$" hexadecimal count, a trailing
// blank or an empty box does not, and any spelling of zero is ignored without a word.
TEST_F(MoneyRules, AmountTextsAsTyped)
{
    const std::function<Refresh(std::string_view)> typedRules[]
        = { RepayDebt, BorrowMoney, DepositCash, WithdrawSavings };
    for (const auto &rule : typedRules) {
        for (const char *zero : { "0", "00", "+0", "-0", "  0", "$0" }) {
            Money(2000, 5500, 3000);
            EXPECT_EQ(Run(Refresh::No, [&] { return rule(zero); }), Notes {}) << zero;
            ExpectMoney(2000, 5500, 3000);
        }
        for (const char *invalid : { "250 ", "", " ", "+", "$", "2 50", "0x10", "$FFFFFFFFF", "2147483648" }) {
            EXPECT_EQ(Run(Refresh::Yes, [&] { return rule(invalid); }), Notes { InvalidNumber }) << invalid;
            ExpectMoney(2000, 5500, 3000);
        }
    }
    EXPECT_EQ(Game.BorrowedThisVisit, 0);
    EXPECT_EQ(Game.WithdrewThisVisit, 0);

    for (const char *amount : { " 250", "$FA", "$fa", "+250" }) {
        Money(2000, 5500, 3000);
        Game.BorrowedThisVisit = 0;
        Game.WithdrewThisVisit = 0;
        Run(Refresh::Yes, [&] { return BorrowMoney(amount); });
        ExpectMoney(2250, 5750, 3000);
        Run(Refresh::Yes, [&] { return RepayDebt(amount); });
        ExpectMoney(2000, 5500, 3000);
        Run(Refresh::Yes, [&] { return DepositCash(amount); });
        ExpectMoney(1750, 5500, 3250);
        Run(Refresh::Yes, [&] { return WithdrawSavings(amount); });
        ExpectMoney(2000, 5500, 3000);
    }
}

// Negative amounts would run every rule backwards (a deposit paying out, a loan paying
// back past every limit); they are refused as invalid and use up no visit.
TEST_F(MoneyRules, NegativeAmountsAreRefused)
{
    const std::function<Refresh(std::string_view)> typedRules[]
        = { RepayDebt, BorrowMoney, DepositCash, WithdrawSavings };
    for (const auto &rule : typedRules) {
        for (const char *negative : { "-1", "-250", " -5000", "$FFFFFFFF", "-2147483648", "$80000000" }) {
            Money(2000, 5500, 3000);
            EXPECT_EQ(Run(Refresh::Yes, [&] { return rule(negative); }), Notes { InvalidNumber }) << negative;
            ExpectMoney(2000, 5500, 3000);
            EXPECT_EQ(Game.BorrowedThisVisit, 0);
            EXPECT_EQ(Game.WithdrewThisVisit, 0);
        }
    }
    // With no debt "Repay" reads nothing, so it stays silent for a negative amount too.
    Money(2000, 0, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return RepayDebt("-5"); }), Notes {});
    ExpectMoney(2000, 0, 0);
}

// Money near the top of the 32-bit range: a loan that would wrap is refused and keeps the
// visit's loan; bank moves stop where the receiving purse is full, losing nothing.
TEST_F(MoneyRules, NoSumLeavesThe32BitRange)
{
    Money(100, MaxMoney - 4999, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return BorrowMax(); }), Notes { LoanTooBig });
    EXPECT_EQ(Run(Refresh::Yes, [] { return BorrowMoney("5000"); }), Notes { LoanTooBig });
    ExpectMoney(100, MaxMoney - 4999, 0);
    EXPECT_EQ(Game.BorrowedThisVisit, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return BorrowMoney("4999"); }), Notes {});
    ExpectMoney(5099, MaxMoney, 0);

    Game.BorrowedThisVisit = 0;
    Money(MaxMoney - 10, 0, 0);
    EXPECT_EQ(Run(Refresh::Yes, [] { return BorrowMoney("11"); }), Notes { LoanTooBig });
    ExpectMoney(MaxMoney - 10, 0, 0);
    // A loan that fills the purse to the very top is lent (a room test of ">=" would refuse it).
    EXPECT_EQ(Run(Refresh::Yes, [] { return BorrowMoney("10"); }), Notes {});
    ExpectMoney(MaxMoney, 10, 0);

    Money(MaxMoney, 0, MaxMoney - 100);
    EXPECT_EQ(Run(Refresh::Yes, [] { return DepositCash("1000"); }), Notes { DepositThanks });
    ExpectMoney(MaxMoney - 100, 0, MaxMoney);
    EXPECT_EQ(Run(Refresh::Yes, [] { return DepositAll(); }), Notes {});
    ExpectMoney(MaxMoney - 100, 0, MaxMoney);
    Money(MaxMoney, 0, MaxMoney - 100);
    EXPECT_EQ(Run(Refresh::Yes, [] { return DepositAll(); }), Notes {});
    ExpectMoney(MaxMoney - 100, 0, MaxMoney);

    Money(MaxMoney - 30, 0, 5000);
    EXPECT_EQ(Run(Refresh::Yes, [] { return WithdrawSavings("5000"); }), Notes {});
    ExpectMoney(MaxMoney, 0, 4970);
    Money(MaxMoney - 30, 0, 5000);
    Game.WithdrewThisVisit = 0;
    EXPECT_EQ(Run(Refresh::Yes, [] { return WithdrawMax(); }), Notes {});
    ExpectMoney(MaxMoney, 0, 4970);
}
