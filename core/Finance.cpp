// Repaying, borrowing, depositing and withdrawing: the refusals in their order, then the move.
#include "Finance.h"

#include "GameCore.h"
#include "Prompts.h"
#include "WholeNumber.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace barkmoor {
namespace {

constexpr std::int64_t MoneyMax = std::numeric_limits<std::int32_t>::max();

const char *const RepayTooMuch = "Woof! You trying to make a fool of me flea-bag!\r\rYou don't have that much cash.";
const char *const RepayThanks
    = "Woof! Nice doing business with you snorfle\r\rGlad I didn't have to send the muscle mutts round to collect it.";
const char *const SecondLoan = "Woof! Do you think i'm a young pup!\r\rI already lent you money this visit.";
const char *const LoanTooBig
    = "Woof! Don't make me laugh, I'm not lending you that much!\r\rI'll lend you no more than $5000";
const char *const DepositTooMuch = "Woof! You do not have that much cash to deposit";
const char *const DepositThanks = "Woof! Thank you for your deposit.\r\rHave a nice day!";
const char *const SecondWithdrawal
    = "Woof! The bank can only allow one withdrawal per visit\r\rYou already made a withdrawal this visit.";
const char *const BeyondSavings = "Woof!  You cannot withdraw that much!\r\rYou do not have that much in savings.";
const char *const BeyondWithdrawalLimit
    = "Woof!  You cannot withdraw that much!\r\rYou can only withdraw a maximum of $5000 per visit.";

// Reads the amount box. When it holds nothing to act on, says what the window does
// instead: invalid text (negative amounts too) gets a note and a refresh, zero nothing.
std::optional<Refresh> Unusable(std::string_view text, std::int32_t &amount)
{
    if (!ParseUsableNumber(text, amount)) {
        ShowNote(InvalidNumberNote);
        return Refresh::Yes;
    }
    if (amount == 0)
        return Refresh::No;
    return std::nullopt;
}

// How much more a 32-bit money value can take.
std::int64_t RoomIn(std::int32_t money)
{
    return MoneyMax - money;
}

// A loan that the books could not hold is refused like an oversized one; a smaller loan
// than asked for would surprise the player.
Refresh Lend(std::int32_t amount)
{
    if (amount > RoomIn(Game.Cash) || amount > RoomIn(Game.Debt)) {
        ShowNote(LoanTooBig);
        return Refresh::Yes;
    }
    Game.BorrowedThisVisit = 1;
    Game.Debt += amount;
    Game.Cash += amount;
    return Refresh::Yes;
}

// Moves money between the player's own purses; the move stops where the receiving purse
// is full, so nothing is lost and nothing wraps.
std::int32_t FitInto(std::int32_t receiver, std::int32_t amount)
{
    return std::int32_t(std::clamp<std::int64_t>(amount, 0, RoomIn(receiver)));
}

} // namespace

Refresh RepayDebt(std::string_view amountText)
{
    if (Game.Debt < 1)
        return Refresh::Yes;
    std::int32_t amount = 0;
    if (const auto stop = Unusable(amountText, amount))
        return *stop;
    // Checked against the cash before the amount is cut down to the debt.
    if (amount > Game.Cash) {
        ShowNote(RepayTooMuch);
        return Refresh::Yes;
    }
    amount = std::min(amount, Game.Debt);
    ShowNote(RepayThanks);
    Game.Cash -= amount;
    Game.Debt -= amount;
    return Refresh::Yes;
}

Refresh BorrowMoney(std::string_view amountText)
{
    std::int32_t amount = 0;
    if (const auto stop = Unusable(amountText, amount))
        return *stop;
    if (Game.BorrowedThisVisit != 0) {
        ShowNote(SecondLoan);
        return Refresh::Yes;
    }
    if (amount > LoanLimit) {
        ShowNote(LoanTooBig);
        return Refresh::Yes;
    }
    return Lend(amount);
}

Refresh BorrowMax()
{
    if (Game.BorrowedThisVisit != 0) {
        ShowNote(SecondLoan);
        return Refresh::Yes;
    }
    return Lend(LoanLimit);
}

Refresh RepayAll()
{
    // No cash, nothing to pay with. (Cash never goes below 0 in play; were it to, paying
    // "all" of it must not push the shortfall onto the debt.)
    if (Game.Cash < 1)
        return Refresh::No;
    const std::int32_t paid = std::max(0, std::min(Game.Cash, Game.Debt));
    Game.Cash -= paid;
    Game.Debt -= paid;
    return Refresh::Yes;
}

Refresh DepositCash(std::string_view amountText)
{
    std::int32_t amount = 0;
    if (const auto stop = Unusable(amountText, amount))
        return *stop;
    if (amount > Game.Cash) {
        ShowNote(DepositTooMuch);
        return Refresh::Yes;
    }
    ShowNote(DepositThanks);
    amount = FitInto(Game.Savings, amount);
    Game.Cash -= amount;
    Game.Savings += amount;
    return Refresh::Yes;
}

Refresh WithdrawSavings(std::string_view amountText)
{
    std::int32_t amount = 0;
    if (const auto stop = Unusable(amountText, amount))
        return *stop;
    if (Game.WithdrewThisVisit != 0) {
        ShowNote(SecondWithdrawal);
        return Refresh::Yes;
    }
    // The savings test comes first: above both, the player hears about the savings.
    if (amount > Game.Savings) {
        ShowNote(BeyondSavings);
        return Refresh::Yes;
    }
    if (amount > WithdrawalLimit) {
        ShowNote(BeyondWithdrawalLimit);
        return Refresh::Yes;
    }
    Game.WithdrewThisVisit = 1;
    amount = FitInto(Game.Cash, amount);
    Game.Savings -= amount;
    Game.Cash += amount;
    return Refresh::Yes;
}

Refresh DepositAll()
{
    if (Game.Cash <= 0)
        return Refresh::No;
    const std::int32_t amount = FitInto(Game.Savings, Game.Cash);
    Game.Savings += amount;
    Game.Cash -= amount;
    return Refresh::Yes;
}

Refresh WithdrawMax()
{
    if (Game.WithdrewThisVisit != 0) {
        ShowNote(SecondWithdrawal);
        return Refresh::Yes;
    }
    // Uses up the visit's withdrawal even when the savings are empty.
    const std::int32_t amount = FitInto(Game.Cash, std::min(Game.Savings, WithdrawalLimit));
    Game.Savings -= amount;
    Game.Cash += amount;
    Game.WithdrewThisVisit = 1;
    return Refresh::Yes;
}

} // namespace barkmoor
