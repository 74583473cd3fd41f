#include <gtest/gtest.h>

#include <string>

#include "data/NumberLexer.h"

namespace ruvo {
namespace {

using Status = NumberLexer::Status;

TEST(RealNumberForm, AcceptsSignsLeadingPointAndExponents) {
    for (const char* good :
         {"1", "-1", "+1", "1.0", "-0.25", ".5", "-.5", "+.5", "1.E5", "1.0e-3", "2E+07", "3e7", "007", "1.5E0"}) {
        EXPECT_TRUE(is_real_number(good)) << good;
    }
}

TEST(RealNumberForm, RefusesTrailingPointOtherExponentLettersAndJunk) {
    for (const char* bad : {"1.",  "-1.",     ".",    "+",     "-",   "",    "1.0D+00", "1D5", "1e",   "1e+",   "E5",
                            ".E5", "1.0,2.0", "1..0", "1.0.0", "--1", "+-1", "nan",     "inf", "0x10", "1e5.0", "1 "}) {
        EXPECT_FALSE(is_real_number(bad)) << bad;
    }
}

TEST(NumberLexer, ReadsNumbersAcrossBlanksTabsAndLines) {
    NumberLexer lexer("  1\t-2.5\r\n\r\n  .5e1\n");
    EXPECT_DOUBLE_EQ(lexer.next_real().value, 1.0);
    EXPECT_DOUBLE_EQ(lexer.next_real().value, -2.5);
    const auto third = lexer.next_real();
    EXPECT_EQ(third.status, Status::Ok);
    EXPECT_DOUBLE_EQ(third.value, 5.0);
    EXPECT_EQ(lexer.line(), 3);
}

TEST(NumberLexer, EarlyEndReadsZeroWithoutError) {
    NumberLexer lexer("7");
    EXPECT_DOUBLE_EQ(lexer.next_real().value, 7.0);
    for (int k = 0; k < 3; ++k) {
        const auto past_end = lexer.next_real();
        EXPECT_EQ(past_end.status, Status::EndOfFile);
        EXPECT_EQ(past_end.value, 0.0);
    }
    EXPECT_EQ(lexer.next_integer().status, Status::EndOfFile);
}

TEST(NumberLexer, Code26EndsTheFile) {
    NumberLexer lexer(
        std::string_view("1 2\x1A"
                         "3 4",
                         7));
    EXPECT_DOUBLE_EQ(lexer.next_real().value, 1.0);
    EXPECT_DOUBLE_EQ(lexer.next_real().value, 2.0);
    EXPECT_EQ(lexer.next_real().status, Status::EndOfFile);
}

TEST(NumberLexer, ControlCharactersSeparateNumbers) {
    // Every code up to 32 separates, not only blanks and line ends.
    NumberLexer lexer(
        std::string_view("1\x01"
                         "2\x1F"
                         "3",
                         5));
    EXPECT_DOUBLE_EQ(lexer.next_real().value, 1.0);
    EXPECT_DOUBLE_EQ(lexer.next_real().value, 2.0);
    EXPECT_DOUBLE_EQ(lexer.next_real().value, 3.0);
}

TEST(NumberLexer, IntegersTakeOneOptionalSignAndNoFraction) {
    NumberLexer lexer("+12 -3 4.0");
    EXPECT_EQ(lexer.next_integer().value, 12);
    EXPECT_EQ(lexer.next_integer().value, -3);
    EXPECT_EQ(lexer.next_integer().status, Status::Malformed);
    EXPECT_EQ(lexer.last_token(), "4.0");
    EXPECT_EQ(NumberLexer("+-3").next_integer().status, Status::Malformed);
    EXPECT_EQ(NumberLexer("99999999999999999999999").next_integer().status, Status::Malformed);
}

TEST(NumberLexer, OverflowIsRefusedAndUnderflowReadsZero) {
    EXPECT_EQ(NumberLexer("1E999").next_real().status, Status::Malformed);
    EXPECT_EQ(NumberLexer("-1E999").next_real().status, Status::Malformed);
    const auto tiny = NumberLexer("1E-999").next_real();
    EXPECT_EQ(tiny.status, Status::Ok);
    EXPECT_EQ(tiny.value, 0.0);
    const auto largest = NumberLexer("1.7E308").next_real();
    EXPECT_EQ(largest.status, Status::Ok);
}

// Out of range is overflow or underflow by the value, whatever the sign of
// its exponent: refused above 1, read as 0 below.
TEST(NumberLexer, OutOfRangeIsDecidedByTheValuesMagnitude) {
    const std::string zeros(400, '0');
    for (const auto& [text, status] : {std::pair{"1" + zeros + "e-1", Status::Malformed},
                                       {"0.0" + zeros + "1e999", Status::Malformed},
                                       {"0." + zeros + "1", Status::Ok},
                                       {"1" + zeros + "e-800", Status::Ok}}) {
        const auto real = NumberLexer(text).next_real();
        EXPECT_EQ(real.status, status) << text.substr(0, 12);
        EXPECT_EQ(real.value, 0.0);
    }
}

TEST(NumberLexer, SkipLineHandlesEveryLineEnd) {
    for (const char* text : {"1 junk junk\n2", "1 junk\r\n2", "1 junk\r2"}) {
        NumberLexer lexer(text);
        EXPECT_DOUBLE_EQ(lexer.next_real().value, 1.0) << text;
        lexer.skip_line();
        EXPECT_DOUBLE_EQ(lexer.next_real().value, 2.0) << text;
        EXPECT_EQ(lexer.line(), 2) << text;
    }
}

}  // namespace
}  // namespace ruvo
