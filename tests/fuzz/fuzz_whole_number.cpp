// libFuzzer target: ParseWholeNumber against a second, independently written reading of
// the same rule. Any disagreement, crash or undefined behaviour stops the run.
#include "WholeNumber.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The rule again, written another way: split off the blanks, classify the body, then
// evaluate it in 64 bits from the right.
bool Reference(const std::string &text, std::int64_t &out)
{
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos)
        return false;
    std::string body = text.substr(start);
    if (body[0] == '$') {
        std::string digits = body.substr(1);
        if (digits.empty() || digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            return false;
        const std::size_t firstNonZero = digits.find_first_not_of('0');
        const std::string significant = firstNonZero == std::string::npos ? "" : digits.substr(firstNonZero);
        if (significant.size() > 8)
            return false;
        std::uint64_t v = 0;
        std::uint64_t weight = 1;
        for (std::size_t i = significant.size(); i-- > 0;) {
            const char c = significant[i];
            const int d = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
            v += std::uint64_t(d) * weight;
            weight *= 16;
        }
        out = v >= 0x80000000ull ? std::int64_t(v) - 0x100000000ll : std::int64_t(v);
        return true;
    }
    int sign = 1;
    if (body[0] == '-' || body[0] == '+') {
        sign = body[0] == '-' ? -1 : 1;
        body.erase(0, 1);
    }
    if (body.empty() || body.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const std::size_t firstNonZero = body.find_first_not_of('0');
    const std::string significant = firstNonZero == std::string::npos ? "0" : body.substr(firstNonZero);
    if (significant.size() > 10)
        return false;
    const std::int64_t v = sign * std::stoll(significant);
    if (v < -2147483648ll || v > 2147483647ll)
        return false;
    out = v;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    std::int32_t value = 0x5A5A5A5A;
    const bool accepted = barkmoor::ParseWholeNumber(text, value);
    std::int64_t expected = 0;
    const bool referenceAccepted = Reference(text, expected);
    if (accepted != referenceAccepted || (accepted && value != expected)) {
        std::fprintf(stderr, "disagreement on \"%s\": parser %d/%d, reference %d/%lld\n", text.c_str(), accepted,
                     value, referenceAccepted, static_cast<long long>(expected));
        std::abort();
    }
    if (!accepted && value != 0x5A5A5A5A)
        std::abort(); // a refused text must leave the value alone
    return 0;
}
