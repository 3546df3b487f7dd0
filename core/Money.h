// Adding to a 32-bit purse.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace barkmoor {

// Adds a gain of 0 or more to money. A purse that cannot hold it all is filled to the
// largest amount instead of wrapping round to a negative one: staying put costs no day,
// so finds and sales can pile cash up without end.
inline void AddGain(std::int32_t &money, std::int64_t gain)
{
    money = std::int32_t(std::min<std::int64_t>(std::int64_t(money) + gain, std::numeric_limits<std::int32_t>::max()));
}

} // namespace barkmoor
