// The typed-number rule. Library parsers accept "0x", tabs, trailing junk and wrap on
// overflow; any of those slipping in would show up in this table.
#include "WholeNumber.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

using barkmoor::ParseWholeNumber;

namespace {

std::optional<std::int32_t> Parse(const std::string &text)
{
    std::int32_t value = 12345;
    if (!ParseWholeNumber(text, value)) {
        EXPECT_EQ(value, 12345) << "refused text changed the value: " << text;
        return std::nullopt;
    }
    return value;
}

} // namespace

TEST(ParseWholeNumber, AcceptedTexts)
{
    const std::pair<std::string, std::int32_t> accepted[] = {
        { "0", 0 },
        { "00", 0 },
        { "+0", 0 },
        { "-0", 0 },
        { "7", 7 },
        { "   7", 7 },
        { " 250", 250 },
        { "+250", 250 },
        { "-250", -250 },
        { "0000000000000042", 42 },
        { "2147483647", 2147483647 },
        { "-2147483648", std::numeric_limits<std::int32_t>::min() },
        { "$A", 10 },
        { "$a", 10 },
        { "$FA", 250 },
        { "  $fa", 250 },
        { "$7FFFFFFF", 2147483647 },
        { "$80000000", std::numeric_limits<std::int32_t>::min() },
        { "$FFFFFFFF", -1 },
        { "$000000000001", 1 },
        { "$0", 0 },
        // 9 is a hexadecimal digit too.
        { "$19", 25 },
    };
    for (const auto &[text, value] : accepted)
        EXPECT_EQ(Parse(text), value) << '"' << text << '"';
}

// The text ends where its view ends, whatever follows it in memory: a scan that looks one
// place too far would take the blank or the "$" after the end as part of the text.
TEST(ParseWholeNumber, TextEndsWhereItsViewEnds)
{
    std::int32_t value = 77;
    EXPECT_FALSE(ParseWholeNumber(std::string_view("  7", 1), value));
    EXPECT_FALSE(ParseWholeNumber(std::string_view(" $5", 1), value));
    EXPECT_EQ(value, 77);
    EXPECT_TRUE(ParseWholeNumber(std::string_view("12 ", 2), value));
    EXPECT_EQ(value, 12);
}

TEST(ParseWholeNumber, RefusedTexts)
{
    const std::string refused[] = {
        "",
        " ",
        "   ",
        "+",
        "-",
        "$",
        "250 ",
        "2 5",
        "\t5",
        "5\n",
        "x10",
        "0x10",
        "1.5",
        "1,000",
        "abc",
        "7a",
        "-$5",
        "+$5",
        "$-5",
        "$ 5",
        "$G",
        "--5",
        "+-5",
        "2147483648",
        "-2147483649",
        "99999999999999999999",
        "$100000000",
        "$123456789",
        "\xef\xbc\x95" /* fullwidth 5 */,
    };
    for (const std::string &text : refused)
        EXPECT_EQ(Parse(text), std::nullopt) << '"' << text << '"';
}
