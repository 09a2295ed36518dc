#include "text/NumberField.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

namespace {

TEST(NumberField, TotalFormat) {
    const std::pair<std::int64_t, Text> cases[] = {
        {1234, "      1234"},       {0, "         0"},
        {42, "        42"},         {-7, "        -7"},
        {2147483647, "2147483647"}, {-2147483648LL, "-2147483648"},  // wider than the field: not cut
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(FormatNumbers("%10d%", {value}), expected) << value;
}

TEST(NumberField, CaretFormatPadsWithSpacesNotZeros) {
    EXPECT_EQ(FormatNumbers("%03d : %03d", {1, 4}), "  1 :   4");
    EXPECT_EQ(FormatNumbers("%03d : %03d", {1, 1}), "  1 :   1");
    EXPECT_EQ(FormatNumbers("%03d : %03d", {0, -5}), "  0 :  -5");
    EXPECT_EQ(FormatNumbers("%03d : %03d", {12345, 100}), "12345 : 100");
}

TEST(NumberField, PercentSignsThatAreNotFields) {
    EXPECT_EQ(FormatNumbers("100%", {}), "100");
    EXPECT_EQ(FormatNumbers("%", {}), "");
    EXPECT_EQ(FormatNumbers("a%b", {}), "a%b");
    EXPECT_EQ(FormatNumbers("%5", {}), "%5");
    EXPECT_EQ(FormatNumbers("%d行", {3}), "3行");
    // A field without a value writes nothing.
    EXPECT_EQ(FormatNumbers("[%3d]", {}), "[]");
}

}  // namespace
