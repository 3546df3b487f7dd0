// The whole-number rule, written out by hand: library parsers accept more than we do.
#include "WholeNumber.h"

namespace barkmoor {
namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

bool ParseWholeNumber(std::string_view text, std::int32_t &value)
{
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    if (pos == text.size())
        return false;

    if (text[pos] == '$') {
        ++pos;
        if (pos == text.size())
            return false;
        std::uint32_t pattern = 0;
        int significant = 0;
        for (; pos < text.size(); ++pos) {
            const int digit = HexDigit(text[pos]);
            if (digit < 0)
                return false;
            if (pattern != 0 || digit != 0)
                ++significant;
            if (significant > 8)
                return false;
            pattern = (pattern << 4) | std::uint32_t(digit);
        }
        value = static_cast<std::int32_t>(pattern);
        return true;
    }

    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size())
        return false;
    // The magnitude may reach 2^31 only for a negative number.
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9')
            return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return false;
    }
    value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return true;
}

bool ParseUsableNumber(std::string_view text, std::int32_t &value)
{
    std::int32_t parsed = 0;
    if (!ParseWholeNumber(text, parsed) || parsed < 0)
        return false;
    value = parsed;
    return true;
}

} // namespace barkmoor
