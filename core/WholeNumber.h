// Reading typed amounts and counts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace barkmoor {

// Accepts leading blanks, then either an optional sign and decimal digits within the
// signed 32-bit range, or "$" and one to eight significant hexadecimal digits taken as a
// 32-bit pattern. Anything else is refused and leaves value untouched.
bool ParseWholeNumber(std::string_view text, std::int32_t &value);

// A typed count or amount the rules can use: a whole number of 0 or more. A negative one
// would run a trade or a money move backwards, past its cash and pocket tests.
bool ParseUsableNumber(std::string_view text, std::int32_t &value);

// What the player hears when a typed count or amount cannot be used.
inline const std::string InvalidNumberNote = "Woof! Did your paw slip?\r\rYou need to enter a valid number";

} // namespace barkmoor
