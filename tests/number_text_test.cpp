// Reading of typed numbers: white space, sign, digits, saturation.
#include <gtest/gtest.h>

#include <string>

#include "engine/number_text.h"

TEST(NumberTextTest, ReadsLikeTheTypedNumberRule)
{
    struct Case {
        const char *text;
        int32_t value;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"+", 0},
        {"0", 0},
        {"7", 7},
        {"007", 7},
        {"1234", 1234},
        {"  42", 42},
        {"\t\n 5", 5},
        {"+15", 15},
        {"-3", -3},
        {" -31x", -31},
        {"12ab34", 12},
        {"3 4", 3},
        {"- 3", 0},
        {"2147483647", INT32_MAX},
        {"2147483648", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"-2147483649", INT32_MIN},
        {"99999999999999999999", INT32_MAX},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.value, ReadNumberText(c.text)) << '"' << c.text << '"';
    EXPECT_EQ(0, ReadNumberText(nullptr));
}

TEST(NumberTextTest, HundredsOfDigitsSaturate)
{
    EXPECT_EQ(INT32_MAX, ReadNumberText(std::string(500, '9').c_str()));
    EXPECT_EQ(INT32_MIN, ReadNumberText(("-" + std::string(500, '7')).c_str()));
    EXPECT_EQ(0, ReadNumberText(std::string(500, '0').c_str()));
}
