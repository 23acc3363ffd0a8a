#include "parser/dimacs.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nemox::parser {
namespace {

using namespace std::string_literals;

std::vector<std::vector<std::int32_t>> clauses_of(const sat::Cnf& p) {
    std::vector<std::vector<std::int32_t>> out;
    for (std::size_t i = 0; i < p.clause_count(); ++i) {
        auto c = p.clause(i);
        out.emplace_back(c.begin(), c.end());
    }
    return out;
}

struct Failure {
    std::string text;
    std::string message;
};

class DimacsFailures : public ::testing::TestWithParam<Failure> {};

TEST_P(DimacsFailures, Message) {
    const auto r = parse_dimacs(GetParam().text);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, DimacsFailures,
    ::testing::Values(
        Failure{"", "missing 'p cnf' header"},
        Failure{"c only\n\n  \nc more\n", "missing 'p cnf' header"},
        Failure{"C\n", "line 1: data before 'p cnf' header"},
        Failure{"\n\n1 2 0\n", "line 3: data before 'p cnf' header"},
        Failure{"p cnf 1\n", "line 1: invalid problem line, expected 'p cnf <vars> <clauses>'"},
        Failure{"p CNF 1 1\n", "line 1: invalid problem line, expected 'p cnf <vars> <clauses>'"},
        Failure{"p cnf -1 2\n", "line 1: invalid variable count"},
        Failure{"p cnf 18446744073709551616 2\n", "line 1: invalid variable count"},
        Failure{"p cnf ++1 2\n", "line 1: invalid variable count"},
        Failure{"p cnf 1 x\n", "line 1: invalid clause count"},
        Failure{"p cnf 1 1\n1 2\np cnf 2 2\n",
                "line 3: clause before problem header not terminated"},
        Failure{"p cnf 1 1\n%\n", "line 2: invalid literal '%'"},
        Failure{"p cnf 1 1\n0x1 0\n", "line 2: invalid literal '0x1'"},
        Failure{"p cnf 1 1\n1.0 0\n", "line 2: invalid literal '1.0'"},
        Failure{"p cnf 1 1\n--1 0\n", "line 2: invalid literal '--1'"},
        Failure{"p cnf 1 1\n1 - 0\n", "line 2: invalid literal '-'"},
        Failure{"p cnf 1 1\n2147483648 0\n", "line 2: invalid literal '2147483648'"},
        Failure{"p cnf 1 1\n-2147483649 0\n", "line 2: invalid literal '-2147483649'"},
        Failure{"p cnf 1 1\r\n\r\n1 x\0y 0\r\n"s, "line 3: invalid literal 'x\0y'"s},
        Failure{"p cnf 1 1\n1 \xc3\xa9 0\n", "line 2: invalid literal '\xc3\xa9'"},
        // U+001C is not Unicode white space, so it stays inside the token.
        Failure{"p cnf 1 1\n1\x1c"
                "2 0\n",
                "line 2: invalid literal '1\x1c"
                "2'"}));

TEST(Dimacs, ClausesAsWritten) {
    const auto r = parse_dimacs("p cnf 2 5\n1 -2 0 3\n");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(clauses_of(r.value()), (std::vector<std::vector<std::int32_t>>{{1, -2}, {3}}));
    EXPECT_EQ(r.value().num_vars, 2u);
    EXPECT_EQ(r.value().num_clauses, 5u);
}

TEST(Dimacs, ZeroFormsAndEmptyClauses) {
    const auto r = parse_dimacs("p cnf 1 1\n1 0 0\n2 -0 +3 +0 00\n");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(clauses_of(r.value()),
              (std::vector<std::vector<std::int32_t>>{{1}, {}, {2}, {3}, {}}));
}

TEST(Dimacs, LaterHeaderReplacesCountsAndKeepsClauses) {
    const auto r = parse_dimacs(
        "p cnf 1 1\n1 0\np cnf 18446744073709551615 +7 extra\n-2147483648 2147483647\n");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.value().num_vars, 18446744073709551615u);
    EXPECT_EQ(r.value().num_clauses, 7u);
    EXPECT_EQ(clauses_of(r.value()),
              (std::vector<std::vector<std::int32_t>>{{1}, {-2147483647 - 1, 2147483647}}));
}

TEST(Dimacs, UnicodeWhiteSpaceAndLineEndsAreSeparators) {
    // NBSP, ideographic space, U+2028, vertical tab, form feed, CR LF.
    const auto r = parse_dimacs(
        "\xc2\xa0p\tcnf 3 2\r\n\xe3\x80\x80"
        "1\xe2\x80\xa8-2\x0b"
        "0\x0c 3 0\xe2\x80\x8a\r\n");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(clauses_of(r.value()), (std::vector<std::vector<std::int32_t>>{{1, -2}, {3}}));
    const auto crlf = parse_dimacs("p cnf 1 1\r\n\r\nfoo\r\n");
    const auto lf = parse_dimacs("p cnf 1 1\n\nfoo\n");
    EXPECT_EQ(crlf.error(), lf.error());
    EXPECT_EQ(lf.error(), "line 3: invalid literal 'foo'");
}

}  // namespace
}  // namespace nemox::parser
