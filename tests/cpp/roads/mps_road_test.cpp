#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/failure.hpp"
#include "roads/roads.hpp"
#include "roads/spoil.hpp"

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

// One column x with the given bounds and markers, x <= 5 by a row.
std::string one_column(const char* sense, const char* column, const char* bounds) {
    return std::string("NAME\nOBJSENSE\n ") + sense + "\nROWS\n N obj\n L r\nCOLUMNS\n" + column +
           "RHS\n rhs r 5\nBOUNDS\n" + bounds + "ENDATA\n";
}

TEST(MpsRoad, IntegerColumnsTakeIntegerValuesAndTheRelaxationKeepsTheBound) {
    const char* const integer = " M 'MARKER' 'INTORG'\n x obj 1 r 1\n M 'MARKER' 'INTEND'\n";
    const char* const plain = " x obj 1 r 1\n";
    struct Case {
        const char* sense;
        const char* column;
        const char* bounds;
        const char* milp;
        const char* lp;
    };
    const Case cases[] = {
        {"MIN", integer, " LO b x -0.5\n", "OPTIMAL (obj=0)\nModel: [x0 -> 0]",
         "OPTIMAL (obj=-0.5)\nModel: [x0 -> -0.5]"},
        {"MIN", integer, " FX b x -2.5\n", "INFEASIBLE", "OPTIMAL (obj=-2.5)\nModel: [x0 -> -2.5]"},
        {"MIN", integer, " FX b x -2\n", "OPTIMAL (obj=-2)\nModel: [x0 -> -2]",
         "OPTIMAL (obj=-2)\nModel: [x0 -> -2]"},
        {"MIN", plain, " LI b x -1.5\n", "OPTIMAL (obj=-1)\nModel: [x0 -> -1]",
         "OPTIMAL (obj=-1.5)\nModel: [x0 -> -1.5]"},
        {"MIN", plain, " LI b x -1.5\n UI b x -1.25\n", "INFEASIBLE",
         "OPTIMAL (obj=-1.5)\nModel: [x0 -> -1.5]"},
        {"MAX", integer, " LO b x -3.5\n UP b x -1.5\n", "OPTIMAL (obj=-2)\nModel: [x0 -> -2]",
         "OPTIMAL (obj=-1.5)\nModel: [x0 -> -1.5]"},
        {"MIN", integer, " LO b x 0.5\n", "OPTIMAL (obj=1)\nModel: [x0 -> 1]",
         "OPTIMAL (obj=0.5)\nModel: [x0 -> 0.5]"},
        {"MAX", plain, " LI b x -7.25\n UP b x 4.5\n", "OPTIMAL (obj=4)\nModel: [x0 -> 4]",
         "OPTIMAL (obj=4.5)\nModel: [x0 -> 4.5]"},
        {"MAX", plain, " UI b x -1.5\n", "OPTIMAL (obj=-2)\nModel: [x0 -> -2]",
         "OPTIMAL (obj=-1.5)\nModel: [x0 -> -1.5]"},
        {"MAX", integer, " MI b x\n UP b x -0.5\n", "OPTIMAL (obj=-1)\nModel: [x0 -> -1]",
         "OPTIMAL (obj=-0.5)\nModel: [x0 -> -0.5]"},
        {"MIN", integer, " MI b x\n UP b x 3\n", "UNBOUNDED", "UNBOUNDED"},
        {"MAX", plain, " BV b x\n", "OPTIMAL (obj=1)\nModel: [x0 -> 1]",
         "OPTIMAL (obj=1)\nModel: [x0 -> 1]"},
    };
    const Verification verify;
    for (const Case& c : cases) {
        const std::string text = one_column(c.sense, c.column, c.bounds);
        SCOPED_TRACE(text);
        for (const bool integers : {true, false}) {
            const auto answer =
                solve_mps(text, integers, parser::MpsFormat::Free, Interrupt(), nullptr, &verify);
            ASSERT_TRUE(answer.ok()) << answer.error();
            EXPECT_EQ(answer.value().result.text(), integers ? c.milp : c.lp);
        }
    }
}

TEST(MpsRoad, VerificationChecksTheFileAndCatchesAPlantedAnswer) {
    const Verification verify;
    const Verification plant = spoil::answers();
    for (const bool integers : {false, true}) {
        SCOPED_TRACE(integers);
        EXPECT_TRUE(
            solve_mps(kModel, integers, parser::MpsFormat::Free, Interrupt(), nullptr, &verify)
                .ok());
        EXPECT_THROW(
            solve_mps(kModel, integers, parser::MpsFormat::Free, Interrupt(), nullptr, &plant),
            WrongAnswer);
    }
}

TEST(MpsRoad, NetlibForplanReadsAsFixedMps) {
    const std::string path = std::string(NEMOX_TEST_DATA) + "/netlib/forplan.mps";
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing test data: " << path;
    std::stringstream text;
    text << in.rdbuf();
    // Its row names hold blanks; the free reading fails and the fixed one
    // answers, checked against the file.
    const Verification verify;
    const auto answer =
        solve_mps(text.str(), false, parser::MpsFormat::Free, Interrupt(), nullptr, &verify);
    ASSERT_TRUE(answer.ok()) << answer.error();
    EXPECT_EQ(answer.value().result.kind, LpResult::Kind::Optimal);
    EXPECT_EQ(answer.value().names.size(), 421u);
    EXPECT_EQ(answer.value().names[0], "DEDO3 11");
}

}  // namespace
}  // namespace nemox::roads
