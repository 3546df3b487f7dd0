// Reading typed amounts and counts.
#pragma once

#include <cstdint>
#include <string_view>

namespace barkmoor {

// Accepts leading blanks, then either an optional sign and decimal digits within the
// signed 32-bit range, or "$" and one to eight significant hexadecimal digits taken as a
// 32-bit pattern. Anything else is refused and leaves value untouched.
bool ParseWholeNumber(std::string_view text, std::int32_t &value);

} // namespace barkmoor
