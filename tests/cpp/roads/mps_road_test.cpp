#include <gtest/gtest.h>

#include <string>

#include "roads/roads.hpp"

namespace nemox::roads {
namespace {

// min 2a + 3b - c + 10 (objective row's right-hand side -10), a in [-5, 5],
// b free, c integer in [0, 2.5]: a + b >= -3.5, b + c <= 4.
const char* const kModel =
    "NAME TEST\nROWS\n N cost\n G lo\n L hi\nCOLUMNS\n a cost 2 lo 1\n b cost 3 lo 1\n b hi 1\n"
    " MARKER 'MARKER' 'INTORG'\n c cost -1 hi 1\n MARKER 'MARKER' 'INTEND'\nRHS\n rhs cost -10\n"
    " rhs lo -3.5 hi 4\nBOUNDS\n LO bnd a -5\n UP bnd a 5\n FR bnd b\n UP bnd c 2.5\nENDATA\n";

TEST(MpsRoad, ValuesByColumnNameWithTheObjectiveConstant) {
    struct Case {
        bool integers;
        const char* text;
    };
    // b = -3.5 - a at the optimum, so the objective is 10 - a - 10.5 - c:
    // a = 5 (shifted back from 10), b = -8.5 (its negative part), c = 2.5,
    // or 2 where it must be integral.
    const Case cases[] = {
        {false, "OPTIMAL (obj=-8)\nModel: [x0 -> 5, x1 -> -8.5, x2 -> 2.5]"},
        {true, "OPTIMAL (obj=-7.5)\nModel: [x0 -> 5, x1 -> -8.5, x2 -> 2]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.integers);
        Stats stats;
        const auto answer =
            solve_mps(kModel, c.integers, parser::MpsFormat::Free, Interrupt(), &stats);
        ASSERT_TRUE(answer.ok()) << answer.error();
        EXPECT_EQ(answer.value().result.text(), c.text);
        EXPECT_EQ(answer.value().names, (std::vector<std::string>{"a", "b", "c"}));
        EXPECT_FALSE(stats.counters.empty());
        EXPECT_EQ(stats.counters[0].first, c.integers ? "nodes examined" : "pivots");
    }
}

TEST(MpsRoad, ReaderMessagesAndOtherOutcomes) {
    const auto bad = solve_mps("NAME\nROWS\n Q r\nENDATA\n", false);
    ASSERT_FALSE(bad.ok());
    EXPECT_EQ(bad.error(), "line 3: bad row type Q");
    const auto unbounded =
        solve_mps("NAME\nOBJSENSE\n MAX\nROWS\n N o\nCOLUMNS\n x o 1\nENDATA\n", false);
    ASSERT_TRUE(unbounded.ok());
    EXPECT_EQ(unbounded.value().result.text(), "UNBOUNDED");
    const auto infeasible = solve_mps(
        "NAME\nROWS\n N o\n G r\nCOLUMNS\n x o 1 r 1\nRHS\n rhs r 2\nBOUNDS\n UP b x 1\nENDATA\n",
        true);
    ASSERT_TRUE(infeasible.ok());
    EXPECT_EQ(infeasible.value().result.text(), "INFEASIBLE");
}

}  // namespace
}  // namespace nemox::roads
