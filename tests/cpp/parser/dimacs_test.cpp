#include "parser/dimacs.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
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
    // The line a message names travels beside it as data.
    const std::string& m = GetParam().message;
    if (m.starts_with("line ")) {
        EXPECT_EQ(r.error_line(), std::stoull(m.substr(5)));
    } else {
        EXPECT_EQ(r.error_line(), std::nullopt);
    }
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

// The reading as written, for ASCII text: lines at line feeds (a carriage
// return before one goes with it), trimmed, classified by their first byte,
// split into tokens. Its answer in the same form as the reader's.
std::string read_line_by_line(const std::string& text) {
    auto space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t nl = text.find('\n', at);
        const bool last = nl == std::string::npos;
        if (last) nl = text.size();
        std::string line = text.substr(at, nl - at);
        if (!last && !line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        at = nl + 1;
    }
    bool header = false;
    std::vector<std::int64_t> open;
    std::string out;
    for (std::size_t n = 1; n <= lines.size(); ++n) {
        std::vector<std::string> tokens;
        std::string token;
        for (const char c : lines[n - 1] + " ") {
            if (!space(c)) {
                token += c;
            } else if (!token.empty()) {
                tokens.push_back(token);
                token.clear();
            }
        }
        if (tokens.empty() || tokens[0][0] == 'c') continue;
        const std::string line_no = "line " + std::to_string(n) + ": ";
        if (tokens[0][0] == 'p') {
            if (tokens.size() < 4 || tokens[1] != "cnf")
                return line_no + "invalid problem line, expected 'p cnf <vars> <clauses>'";
            auto count = [](std::string t) {
                if (!t.empty() && t[0] == '+') t.erase(0, 1);
                if (t.empty() || t.find_first_not_of("0123456789") != std::string::npos)
                    return false;
                t.erase(0, std::min(t.find_first_not_of('0'), t.size() - 1));
                return t.size() < 20 || (t.size() == 20 && t <= "18446744073709551615");
            };
            if (!count(tokens[2])) return line_no + "invalid variable count";
            if (!count(tokens[3])) return line_no + "invalid clause count";
            if (!open.empty()) return line_no + "clause before problem header not terminated";
            header = true;
            continue;
        }
        if (!header) return line_no + "data before 'p cnf' header";
        for (const std::string& t : tokens) {
            const std::size_t sign = (t[0] == '+' || t[0] == '-') ? 1 : 0;
            bool ok = t.size() > sign;
            for (std::size_t i = sign; ok && i < t.size(); ++i) ok = t[i] >= '0' && t[i] <= '9';
            // Leading zeros do not count towards the range.
            std::string digits = ok ? t.substr(sign) : "";
            digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
            ok = ok && digits.size() <= 12;
            std::int64_t v = ok ? std::stoll(digits) : 0;
            if (t[0] == '-') v = -v;
            if (!ok || v < INT32_MIN || v > INT32_MAX)
                return line_no + "invalid literal '" + t + "'";
            if (v != 0) {
                open.push_back(v);
                continue;
            }
            for (const std::int64_t l : open) out += std::to_string(l) + " ";
            out += "0\n";
            open.clear();
        }
    }
    if (!open.empty()) {
        for (const std::int64_t l : open) out += std::to_string(l) + " ";
        out += "0\n";
    }
    if (!header) return "missing 'p cnf' header";
    return out;
}

std::string read_with_reader(const std::string& text) {
    // A buffer of exactly the text, with no terminator after it, so that the
    // sanitizer build catches a read past the end.
    const std::unique_ptr<char[]> exact(new char[text.size() + (text.empty() ? 1 : 0)]);
    std::copy(text.begin(), text.end(), exact.get());
    const auto r = parse_dimacs(std::string_view(exact.get(), text.size()));
    if (!r.ok()) return r.error();
    std::string out;
    for (const auto& c : clauses_of(r.value())) {
        for (const std::int32_t l : c) out += std::to_string(l) + " ";
        out += "0\n";
    }
    return out;
}

// Each token at every offset from the start of a line and with lines of
// plain literals around it, so that it meets the clause-line shortcut at
// each position of its reads and also the general path near the end of the
// text, with and without a final line feed. ASCII only, as the line reader.
TEST(DimacsDifferential, TokensAtEveryOffsetOfTheShortcut) {
    // "\0342" is the bytes 1, U+001C, 2.
    const std::vector<std::string> tokens = {
        "0",          "-0",          "00",          "7",          "-7",
        "12",         "-12",         "123",         "-123",       "12345678",
        "-12345678",  "123456789",   "-123456789",  "1234567890", "-1234567890",
        "0000000007", "2147483647",  "-2147483648", "2147483648", "-2147483649",
        "4294967297", "-4294967296", "+5",          "-",          "--1",
        "1-",         "%",           "c",           "1\t2",       "3\r",
        "4\r\n5",     "6\v",         "\f8",         "1\0342",     "99999999999999999999",
        "9\0"s};
    const std::vector<std::string> tails = {
        "", " 0", " 0\n", " 0\n1 -2 3 0\n-4 5 -6 0\n", "\n%\n0\n", "\nc done\n-1 0"};
    for (const std::string& token : tokens) {
        for (std::size_t pad = 0; pad < 12; ++pad) {
            for (const std::string& tail : tails) {
                const std::string text = "p cnf 9 9\n1 -2 0\n" + std::string(pad % 4, ' ') +
                                         std::string(pad / 4, '1') + (pad >= 4 ? " " : "") + token +
                                         tail;
                ASSERT_EQ(read_with_reader(text), read_line_by_line(text)) << "text: " << text;
            }
        }
    }
}

// Texts in the shape of the SATLIB files with each kind of line end and
// trailer, cut at every length, so that the end of the text falls at every
// place of a token and of a line end in the clause-line shortcut.
TEST(DimacsDifferential, SatlibShapesCutAtEveryLength) {
    const std::vector<std::string> line_ends = {"\n", "\r\n", "\r", " \n", "\t\r\n", " \r\n"};
    const std::vector<std::string> trailers = {"", "%\n0\n", "%\r\n0\r\n", "c end\n", "\n\n"};
    const std::vector<std::string> lines = {" 4 -18 19 0",
                                            "3 18 -5 0",
                                            "-5 -8 -15 0",
                                            "+5 -0 007 0",
                                            "12  -3\t4 0",
                                            "-2147483648 2147483647 0",
                                            "1 -1234567890 0",
                                            "123456789 -987654321 0",
                                            "0000000007 -0000000001 0",
                                            "6 7",
                                            "8 9 0 10 0",
                                            "-11",
                                            "0"};
    for (const std::string& end : line_ends) {
        for (const std::string& trailer : trailers) {
            std::string text = "c like SATLIB" + end + "p cnf 20  91 " + end;
            for (const std::string& line : lines) text += line + end;
            text += trailer;
            for (std::size_t cut = 0; cut <= text.size(); ++cut) {
                const std::string part = text.substr(0, cut);
                ASSERT_EQ(read_with_reader(part), read_line_by_line(part)) << "text: " << part;
            }
        }
    }
}

// One line of many literals in every written form, with runs of blanks.
TEST(DimacsDifferential, LongLinesOfEveryForm) {
    const std::vector<std::string> forms = {
        "0",          "-0",         "+0",          "00",         "7",
        "-7",         "+7",         "0007",        "-19",        "20",
        "-123456789", "2147483647", "-2147483648", "1234567891", "-0000000000012"};
    const std::vector<std::string> blanks = {" ", " ", " ", "  ", "\t", " \t ", "\r"};
    std::mt19937 rng(91);
    for (int round = 0; round < 40; ++round) {
        std::string text = "p cnf 5 5\n";
        const int count = round % 4 == 0 ? 20000 : 500;
        for (int i = 0; i < count; ++i) {
            text += forms[rng() % forms.size()];
            text += blanks[rng() % blanks.size()];
        }
        text += round % 2 == 0 ? "5 0\r\n" : "-5";
        ASSERT_EQ(read_with_reader(text), read_line_by_line(text)) << "round " << round;
    }
}

TEST(Dimacs, ClauseEndsOutgrowTheirFirstRoom) {
    // Empty clauses take two bytes each, far more ends than the text's
    // eighth that the reader starts with.
    std::string text = "p cnf 1 1\n";
    for (int i = 0; i < 1000; ++i) text += i % 50 == 49 ? "0\n" : "0 ";
    text += "1 -1";
    const auto r = parse_dimacs(text);
    ASSERT_TRUE(r.ok());
    std::vector<std::vector<std::int32_t>> expected(1000);
    expected.push_back({1, -1});
    EXPECT_EQ(clauses_of(r.value()), expected);
}

TEST(Dimacs, ExtremesAndOverflowInLongText) {
    // Long enough that the shortcut runs over all of it.
    const std::string tail = "\n1 2 3 0\n4 5 6 0\n";
    const auto low = parse_dimacs("p cnf 1 1\n-2147483648 2147483647 -12345678 0" + tail);
    ASSERT_TRUE(low.ok());
    EXPECT_EQ(clauses_of(low.value()),
              (std::vector<std::vector<std::int32_t>>{
                  {-2147483647 - 1, 2147483647, -12345678}, {1, 2, 3}, {4, 5, 6}}));
    const auto over = parse_dimacs("p cnf 1 1\n1 4294967297 0" + tail);
    ASSERT_FALSE(over.ok());
    EXPECT_EQ(over.error(), "line 2: invalid literal '4294967297'");
    const auto nul = parse_dimacs("p cnf 1 1\n1 0\n2\0 0"s + tail);
    ASSERT_FALSE(nul.ok());
    EXPECT_EQ(nul.error(), "line 3: invalid literal '2\0'"s);
}

TEST(DimacsDifferential, SameAsReadingLineByLine) {
    // Tokens around the edges of the reader's shortcuts: nine and ten digits,
    // signs, the extremes of the range, zeros, and near misses.
    const std::vector<std::string> pieces = {
        "1",           "-1",          "7",           "-20",
        "0",           "-0",          "+0",          "00",
        "+5",          "123456789",   "-123456789",  "1234567890",
        "-1234567890", "0000000001",  "2147483647",  "-2147483648",
        "2147483648",  "-2147483649", "99999999999", "-",
        "+",           "--1",         "1-",          "x",
        "1x",          "-x",          "%",           "c",
        "p",           "p cnf 3 2",   "p cnf 1",     "c comment 1 2",
        " ",           "  ",          "\t",          "\r",
        "\n",          "\r\n",        "\x0b",        "\x0c"};
    std::mt19937 rng(2026);
    int accepted = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string text = rng() % 8 == 0 ? "" : "p cnf 5 5\n";
        const int count = static_cast<int>(rng() % 30);
        for (int i = 0; i < count; ++i) {
            // Mostly plain literals and separators, so that many texts are read whole.
            const unsigned pick = rng() % 100;
            if (pick < 40) {
                text += pieces[rng() % 11];
            } else if (pick < 75) {
                text += pieces[30 + rng() % 3];
            } else if (pick < 85) {
                text += pieces[33 + rng() % 7];
            } else {
                text += pieces[rng() % pieces.size()];
            }
        }
        const std::string expected = read_line_by_line(text);
        ASSERT_EQ(read_with_reader(text), expected) << "text: " << text;
        accepted += expected.rfind("line ", 0) != 0 && expected.rfind("missing", 0) != 0 ? 1 : 0;
    }
    // Both kinds of outcome must be common.
    EXPECT_GT(accepted, 2000);
    EXPECT_LT(accepted, 18000);
}

}  // namespace
}  // namespace nemox::parser
