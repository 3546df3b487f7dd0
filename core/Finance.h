// Money rules of Top Dog's Den and the Saving & Bone Bank, apart from their windows.
#pragma once

#include <cstdint>
#include <string_view>

namespace barkmoor {

constexpr std::int32_t LoanLimit = 5000; // per loan, one loan per visit
constexpr std::int32_t WithdrawalLimit = 5000; // per withdrawal, one per visit

// What the window does after a rule: refresh its figures (which resets the amount box to
// "0") or leave everything, the amount box included, as it is.
enum class Refresh { No, Yes };

// Top Dog's Den. The text arguments are the amount box as typed.
Refresh RepayDebt(std::string_view amountText); // "Repay"
Refresh BorrowMoney(std::string_view amountText); // "Borrow"
Refresh BorrowMax(); // "Max"
Refresh RepayAll(); // "All"

// The Saving & Bone Bank.
Refresh DepositCash(std::string_view amountText); // "Deposit"
Refresh WithdrawSavings(std::string_view amountText); // "Withdraw"
Refresh DepositAll(); // "All"
Refresh WithdrawMax(); // "Max"

} // namespace barkmoor
