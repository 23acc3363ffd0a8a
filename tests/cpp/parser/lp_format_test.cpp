#include "parser/lp_format.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace nemox::parser {
namespace {

using linear::CmpOp;
using linear::Rational;

TEST(LpNumber, Syntax) {
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"7", 7.0},
        {"7.", 7.0},
        {".5", 0.5},
        {"0.25", 0.25},
        {"+2.5E+0", 2.5},
        {"-1e-3", -0.001},
        {"1e999", INFINITY},
        {"-1e999", -INFINITY},
        {"1e-999", 0.0},
        {"0.0000e999999", 0.0},
        {"InFiNiTy", INFINITY},
        {"-INF", -INFINITY},
        {"", std::nullopt},
        {".", std::nullopt},
        {"+", std::nullopt},
        {"1e", std::nullopt},
        {"e5", std::nullopt},
        {"1.2.3", std::nullopt},
        {" 1", std::nullopt},
        {"1_0", std::nullopt},
        {"0x10", std::nullopt},
        {"--1", std::nullopt},
        {"infinit", std::nullopt},
        {"nan(1)", std::nullopt},
        {"0.1", 0.1},
        {"123456789012345678901234567890", 1.2345678901234568e29},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parse_lp_number(c.text), c.value);
    }
    EXPECT_TRUE(std::isnan(*parse_lp_number("nan")));
}

TEST(LpNumber, Alphabetic) {
    EXPECT_TRUE(contains_alphabetic("1e5"));
    EXPECT_TRUE(contains_alphabetic("\xC3\xA9"));        // é
    EXPECT_TRUE(contains_alphabetic("\xE2\x85\xA0"));    // Ⅰ (Nl, Alphabetic)
    EXPECT_FALSE(contains_alphabetic("\xD9\xA3"));       // Arabic-Indic three
    EXPECT_FALSE(contains_alphabetic("12.5 \xC2\xB2"));  // superscript two
    EXPECT_FALSE(contains_alphabetic("\xC3"));           // truncated sequence
    EXPECT_FALSE(contains_alphabetic("\xFF\xFE"));
}

TEST(LpFormat, WorkedExample) {
    auto parsed = parse_lp<Rational>(
        "c production plan\nmax 3*x0 + 2*x1\nx0 + x1 <= 4\nx0 + 3*x1 <= 6;\nx0 >= 0.5\nend\nnot "
        "read\n");
    ASSERT_TRUE(parsed.ok());
    const auto& s = parsed.value();
    ASSERT_TRUE(s.objective);
    EXPECT_EQ(s.objective->first, linear::Sense::Maximize);
    EXPECT_EQ(s.objective->second.terms,
              (std::vector<linear::Term>{{Rational(3, 1), 0}, {Rational(2, 1), 1}}));
    ASSERT_EQ(s.constraints.size(), 3u);
    EXPECT_EQ(s.constraints[2].expr.constant, Rational(-1, 2));
    EXPECT_EQ(s.constraints[2].op, CmpOp::Ge);
    EXPECT_EQ(s.next_var, 2u);
}

TEST(LpFormat, MarksAndCreationOrder) {
    auto parsed =
        parse_lp<Rational>("min 2*x0 + x1\nx0 + x1 >= 1.5\nx1 - x2 = 0\nint x0\nint x2\n");
    ASSERT_TRUE(parsed.ok());
    const auto& s = parsed.value();
    EXPECT_TRUE(s.var_info.at(0).is_integer);
    EXPECT_FALSE(s.var_info.at(1).is_integer);
    EXPECT_FALSE(s.var_info.at(2).is_integer);
    auto constant = parse_lp<Rational>("min 1/4 + 2.5*x0 - x1 + 3 - 0*x2\n");
    ASSERT_TRUE(constant.ok());
    EXPECT_EQ(constant.value().objective->second.constant, Rational(13, 4));
    EXPECT_EQ(constant.value().next_var, 3u);
}

TEST(LpFormat, MessagesAndTheirLines) {
    struct Case {
        std::string text;
        std::string message;
        std::uint64_t line;  // of the constraint or objective whose text failed
    };
    const std::string huge = "1" + std::string(400, '0');
    const std::string tiny = "0." + std::string(299, '0') + "1";
    const Case cases[] = {
        {"\n\nx0 + x1 < 4", "line 3: bad syntax: x0 + x1 < 4", 3},
        {"x0 == 3", "bad number: = 3", 1},
        {"x0 <=", "bad number: ", 1},
        {"x0 + . <= 1", "bad constant in .", 1},
        {"x0 + 2/ <= 1", "bad den in 2/", 1},
        {"2.5.1*x0 <= 3", "bad coeff in 2.5.1*x0", 1},
        {"max 2.5.1*x0\nx0 <= y", "bad number: y", 2},
        {"# c\n\nmax 2.5.1*x0\nx0 <= 1", "bad coeff in 2.5.1*x0", 3},
        {"max x0\nx0 <= 1\n\nx0 + 1/ >= 0\nx0 + . >= 0", "bad den in 1/", 4},
        // Numbers whose double is not finite stand for no problem anyone wrote.
        {"x0 <= inf", "bad number: inf", 1},
        {"x0 <= -INFINITY", "bad number: -INFINITY", 1},
        {"x0 <= NaN;", "bad number: NaN", 1},
        {"x0 <= 1e400", "bad number: 1e400", 1},
        {"x0 >= -" + huge, "bad number: -" + huge, 1},
        {"\nx0 + 1/0 <= 1", "bad den in 1/0", 2},
        {"x0 - 0/0 <= 1", "bad den in 0/0", 1},
        // A '-' splits a term, so a tiny denominator is written out.
        {"x0 + 1e300/" + tiny + " <= 1", "bad den in 1e300/" + tiny, 1},
        {"x0 + 1/inf <= 1", "bad den in 1/inf", 1},
        {"x0 + inf/2 <= 1", "bad num in inf/2", 1},
        {"x0 + 1e999/2 <= 1", "bad num in 1e999/2", 1},
        {"max nan*x0", "bad coeff in nan*x0", 1},
        {"x0 - Inf * x1 <= 1", "bad coeff in Inf * x1", 1},
        {"1e400*x0 <= 1", "bad coeff in 1e400*x0", 1},
        {"x0 + " + huge + " <= 1", "bad constant in " + huge, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto parsed = read_lp_text(c.text);
        ASSERT_FALSE(parsed.ok());
        EXPECT_EQ(parsed.error(), c.message);
        EXPECT_EQ(parsed.error_line(), c.line);
    }
}

TEST(LpFormat, TinyAndLargeFiniteNumbersStillRead) {
    const auto parsed =
        read_lp_text("x0 <= 1e-999\n1e308*x0 + 1e-300/1e300 >= -1.7976931348623157e308");
    ASSERT_TRUE(parsed.ok()) << parsed.error();
}

TEST(LpFormat, RandomBytesNeverCrash) {
    std::mt19937_64 rng(99);
    const std::string alphabet = "x0123456789+-*/.;=<> \t\ncmaxinte#\xC3\xA9\xFF\r";
    int ok = 0;
    for (int k = 0; k < 3000; ++k) {
        std::string text;
        const std::size_t len = rng() % 60;
        for (std::size_t i = 0; i < len; ++i) text += alphabet[rng() % alphabet.size()];
        const auto parsed = read_lp_text(text);
        ok += parsed.ok();
        if (!parsed.ok()) {
            EXPECT_FALSE(parsed.error().empty());
        }
    }
    EXPECT_GT(ok, 100);
}

}  // namespace
}  // namespace nemox::parser
