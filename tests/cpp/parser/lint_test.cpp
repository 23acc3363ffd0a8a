#include "parser/lint.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nemox::parser {
namespace {

struct Case {
    std::string text;
    // The lines warned about, each with a piece of its warning.
    std::vector<std::pair<std::uint64_t, std::string>> expected;
};

void check(const std::vector<Warning>& got, const Case& c) {
    ASSERT_EQ(got.size(), c.expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].line, c.expected[i].first) << got[i].text;
        EXPECT_NE(got[i].text.find(c.expected[i].second), std::string::npos) << got[i].text;
    }
}

TEST(LintLp, WarnsWhereTheTextMeansSomethingElse) {
    const Case cases[] = {
        {"max 3*x + 2*y\nx + y <= 4\n",
         {{1, "'x' is not a name of the form x0"}, {2, "'x' is not a name of the form x0"}}},
        {"max 2x0\n", {{1, "'2x0' is a name, not a number or a product"}}},
        {"max x0\n1e-5*x0 <= 1\n", {{2, "'1e-' is the name '1e' and a new term"}}},
        {"max x0\nx0 + 1e5 <= 1\n", {{2, "'1e5' is a name, not a number"}}},
        {"max x0\n2 x0 <= 3\n", {{2, "'2 x0' is a name, not a number or a product"}}},
        {"max x0 + x1\nint x0 x1\n", {{2, "'x0 x1' is read as one name"}}},
        {"max x0\nint x0;\n", {{2, "'x0;' is not a variable"}}},
        {"max x0\nint x1\nx1 <= 2\n", {{2, "the objective does not mention 'x1'"}}},
        {"int x0\nx0 <= 2\n", {{1, "the objective does not mention 'x0'"}}},
        {"max x0\nint y\n", {{2, "'y' is not a name of the form"}}},
        {"min x0\nmax x0\n", {{2, "replaces the one of line 1"}}},
        {"max x0\nc1: x0 <= 3\ncost + x0 <= 4\n", {{2, "is a comment"}, {3, "is a comment"}}},
        {"max x0 - - x1\n", {{1, "the term after them is subtracted"}}},
        {"max x0\nx0 -+ x1 <= 1\n", {{2, "the term after them is added"}}},
        {"max x0\n2* <= 1\n", {{2, "nothing follows '*' in '2*'"}}},
        {"max x0\rx0 <= 3\n",
         {{1, "carriage return inside a line"}, {1, "'x0\\rx0 <= 3' is not a name"}}},
        {"max " + std::string(100, 'y') + "\n", {{1, "'" + std::string(60, 'y') + "...' is not"}}},
        {"max x1\nx1 <= 3\n", {{1, "'x1' is the first mention of a variable, which is x0"}}},
        // One warning per cause and line.
        {"max a + b + c\n", {{1, "'a' is not a name"}}},
        // What the reader never reaches is not judged.
        {"max x0\nend\nmax y\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        check(lint_lp(c.text), c);
    }
}

TEST(LintLp, QuietOnTextsThatSayWhatTheyMean) {
    for (const char* text : {
             "c production plan\nmax 3*x0 + 2*x1\nx0 + x1 <= 4\nx0 + 3*x1 <= 6;\nx0 >= 0.5\nend\n",
             "min 2*x0 + x1\nint x0\nint x1\nx0 + x1 >= 1.5\nx1 - x2 = 0\n",
             "# comment\nc x0 <= 3 is the capacity\nmax x0 + -2*x1 + 1/3\nx0 - x1 <= 1e5\n",
             "max x0\n+-x0 >= -1\n\n",
             "max x0\r\nx0 <= 1\r\n",
         }) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(lint_lp(text).empty()) << lint_lp(text).front().text;
    }
}

TEST(LintDimacs, WarnsAndStaysQuiet) {
    const Case cases[] = {
        {"p cnf 2 1 extra\n1 2 0\n", {{1, "tokens after its two counts"}}},
        {"c x\n  p cnf 2 1 7 8\n1 0\n", {{2, "tokens after its two counts"}}},
        {"p cnf 2 1\n1 2 0\r-1 0\n", {{2, "carriage return inside a line"}}},
        {"p cnf 2 1\r\n1 2 0\r\n", {}},
        {"c p cnf 1 1 x\np cnf 1 1\n1 0\n", {}},
        {"p cnf 1 1\n1 0\n%\n0\n", {{3, "SATLIB"}}},
        {"p cnf 1 1\nc 50% done\n1 0\n", {}},
        {"p cnf 1 1 x\r2\n%\n", {{1, "tokens after"}, {1, "carriage return"}, {2, "SATLIB"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        check(lint_dimacs(c.text), c);
    }
}

TEST(LintDimacs, SatlibTrailerIsDroppedWithItsLine) {
    EXPECT_EQ(drop_satlib_trailer("p cnf 1 1\n1 0\n%\n0\n\n"), "p cnf 1 1\n1 0\n");
    EXPECT_EQ(drop_satlib_trailer("p cnf 1 1\n1 0\n  % end"), "p cnf 1 1\n1 0\n");
    EXPECT_EQ(drop_satlib_trailer("p cnf 1 1\nc 5%\n1 0\n"), "p cnf 1 1\nc 5%\n1 0\n");
}

}  // namespace
}  // namespace nemox::parser
