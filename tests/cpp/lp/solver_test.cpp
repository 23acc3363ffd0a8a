#include "lp/solver.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <variant>

#include "parser/lp_format.hpp"

namespace nemox::lp {
namespace {

using linear::LinearSystem;
using linear::Rational;

LinearSystem read(const std::string& text) {
    auto parsed = parser::parse_lp<Rational>(text);
    if (!parsed.ok()) throw std::runtime_error(parsed.error());
    return parsed.value();
}

LpResult solve(const std::string& text, LpSolver::Arithmetic a = LpSolver::Arithmetic::Automatic) {
    LpSolver solver;
    solver.set_arithmetic(a);
    solver.load(read(text));
    return solver.solve();
}

TEST(LpResult, TextForms) {
    Assignment a;
    a.set(0, 1.6);
    a.set(1, 1.2);
    EXPECT_EQ(LpResult::optimal(a, 2.8).text(), "OPTIMAL (obj=2.8)\nModel: [x0 -> 1.6, x1 -> 1.2]");
    EXPECT_EQ(LpResult::optimal({}, 0.0).text(), "OPTIMAL (obj=0)\nModel: []");
    EXPECT_EQ(LpResult::optimal({}, 3.0).text(), "OPTIMAL (obj=3)\nModel: []");
    EXPECT_EQ(LpResult::optimal({}, -0.0).text(), "OPTIMAL (obj=-0)\nModel: []");
    EXPECT_EQ(LpResult::feasible(a).text(), "FEASIBLE\nModel: [x0 -> 1.6, x1 -> 1.2]");
    EXPECT_EQ(LpResult::infeasible().text(), "INFEASIBLE");
    EXPECT_EQ(LpResult::unbounded().text(), "UNBOUNDED");
    EXPECT_EQ(LpResult::unknown({UnknownReason::Kind::ResourceLimit, {}}).text(),
              "UNKNOWN (resource limit)");
    EXPECT_EQ(LpResult::unknown(UnknownReason::internal("no system loaded")).text(),
              "UNKNOWN (internal: no system loaded)");
    EXPECT_EQ(LpResult::unbounded().status(), "UNBOUNDED");
    EXPECT_EQ(LpResult::unknown({UnknownReason::Kind::ResourceLimit, {}}).status(),
              "UNKNOWN (resource limit)");
    Assignment big;
    big.set(3, BigInteger{true, {0, 1}});
    EXPECT_EQ(LpResult::optimal(big, 1e21).text(),
              "OPTIMAL (obj=1000000000000000000000)\nModel: [x3 -> -18446744073709551616]");
}

TEST(LpSolver, DriverCases) {
    struct Case {
        const char* text;
        const char* result;
    };
    const Case cases[] = {
        {"max x0 + x1\nx0 + 2*x1 <= 4\n3*x0 + x1 <= 6\n",
         "OPTIMAL (obj=2.8)\nModel: [x0 -> 1.6, x1 -> 1.2]"},
        {"min x0\nx0 >= 1\n", "OPTIMAL (obj=1)\nModel: [x0 -> 1]"},
        {"max -x0\nx0 = 2\n", "OPTIMAL (obj=-2)\nModel: [x0 -> 2]"},
        {"min x0 + 5\nx0 <= 5\n", "OPTIMAL (obj=5)\nModel: [x0 -> 0]"},
        {"min x0 + 3\nx0 >= 2\n", "OPTIMAL (obj=5)\nModel: [x0 -> 2]"},
        {"max x0\nx0 >= 1\n", "UNBOUNDED"},
        {"max x0\nx0 <= -1\n", "INFEASIBLE"},
        {"x0 <= -1\n", "INFEASIBLE"},
        {"min x0\n-x0 <= -2\n", "OPTIMAL (obj=2)\nModel: [x0 -> 2]"},
        {"max x0 + x1\n2*x0 + 2*x1 <= 1\n", "OPTIMAL (obj=0.5)\nModel: [x0 -> 0.5, x1 -> 0]"},
        {"x0 + x1 >= 1\nx1 <= 3\n", "OPTIMAL (obj=0)\nModel: [x0 -> 1, x1 -> 0]"},
        {"min x0 + x1 + x2\n", "OPTIMAL (obj=0)\nModel: [x0 -> 0, x1 -> 0, x2 -> 0]"},
        {"min x0\nx0 >= -3\n", "OPTIMAL (obj=0)\nModel: [x0 -> 0]"},
        {"max x0\nx0 - x1 = 0\nx1 - 1/3 <= 0\n",
         "OPTIMAL (obj=0.333333333)\nModel: [x0 -> 0.333333333, x1 -> 0.333333333]"},
        {"min x0\nx0 + x1 = 1\nx0 - x1 = 0\n", "OPTIMAL (obj=0.5)\nModel: [x0 -> 0.5, x1 -> 0.5]"},
        {"max x0\nx0 + x1 = 1\nx0 + x1 = 2\n", "INFEASIBLE"},
        {"min x0\nx0 >= 1\n-x0 >= -1\n", "OPTIMAL (obj=1)\nModel: [x0 -> 1]"},
        {"max x1\nx0 >= 2\nx1 - x0 <= -1\n", "OPTIMAL (obj=Infinity)\nModel: []"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const LpResult r = solve(c.text);
        if (std::string(c.result).find("Infinity") != std::string::npos) {
            EXPECT_EQ(r.kind, LpResult::Kind::Unbounded);
            continue;
        }
        EXPECT_EQ(r.text(), c.result);
    }
}

TEST(LpSolver, NoSystemLoaded) {
    LpSolver solver;
    EXPECT_EQ(solver.solve().text(), "UNKNOWN (internal: no system loaded)");
}

TEST(LpSolver, ColumnLabelsAndRepeatedSolves) {
    LpSolver solver;
    solver.load(read("max x0 + x1\nx0 <= 4\nx1 >= 1\nx0 + x1 = 3\nx0 - x1 <= -1\n"));
    const LpResult first = solver.solve();
    const std::vector<ColumnLabel> labels = solver.column_labels();
    const std::vector<ColumnLabel> expected = {{0, true},     {1, true},     {1000, false},
                                               {1001, false}, {2001, false}, {2002, false},
                                               {1003, false}, {2003, false}};
    EXPECT_EQ(labels, expected);
    EXPECT_EQ(solver.solve(), first);
    EXPECT_EQ(solver.column_labels(), labels);
    EXPECT_EQ(first.text(), "OPTIMAL (obj=3)\nModel: [x0 -> 1, x1 -> 2]");
}

TEST(LpSolver, BealeCyclingExampleTerminates) {
    const std::string beale =
        "max 0.75*x0 - 20*x1 + 0.5*x2 - 6*x3\n0.25*x0 - 8*x1 - x2 + 9*x3 <= 0\n"
        "0.5*x0 - 12*x1 - 0.5*x2 + 3*x3 <= 0\nx2 <= 1\n";
    for (auto a : {LpSolver::Arithmetic::Automatic, LpSolver::Arithmetic::FractionFree,
                   LpSolver::Arithmetic::BigFractions}) {
        EXPECT_EQ(solve(beale, a).text(),
                  "OPTIMAL (obj=1.25)\nModel: [x0 -> 1, x1 -> 0, x2 -> 1, x3 -> 0]");
    }
}

TEST(LpSolver, ArtificialAtZeroStaysAtZero) {
    // Without the guard, phase 2 reports x1 = 0, violating 0.5*x1 = 1.
    const LpResult r = solve("min 3*x0 + x1\nx1 <= 2\n-2*x1 <= 3\n0.5*x1 = 1\n");
    EXPECT_EQ(r.text(), "OPTIMAL (obj=2)\nModel: [x0 -> 0, x1 -> 2]");
}

TEST(LpSolver, OverflowRedoesInBigArithmetic) {
    LpSolver solver;
    // 2^63 - 1024, the largest double below 2^63, is read in 64 bits.
    solver.load(read("max x0\nx0 - 4*x1 <= 0\nx1 <= 9223372036854774784\n"));
    const LpResult r = solver.solve();
    EXPECT_TRUE(solver.stats().big);
    EXPECT_EQ(r.text(),
              "OPTIMAL (obj=36893488147419100000)\nModel: [x0 -> 36893488147419099136, x1 -> "
              "9223372036854774784]");
    LpSolver small;
    small.load(read("max x0\nx0 - 4*x1 <= 0\nx1 <= 1000\n"));
    small.solve();
    EXPECT_FALSE(small.stats().big);
}

TEST(LpSolver, InterruptStopsThePivotLoop) {
    static int calls = 0;
    calls = 0;
    // A check that asks to stop at its third call; polled at every unit of work.
    const Interrupt interrupt([](std::uint64_t) { return ++calls >= 3; }, 1);
    LpSolver solver(interrupt);
    solver.load(read("max x0 + x1 + x2\nx0 + 2*x1 <= 4\n3*x0 + x1 <= 6\nx2 - x1 <= 1\n"));
    EXPECT_THROW(solver.solve(), Interrupted);
    EXPECT_EQ(calls, 3);
}

// Random problems: the three number representations agree on every result
// and take the same number of pivots.
std::string random_text(std::mt19937_64& rng, int n, int m, int kind) {
    // kind 0: small integers, 1: two decimals, 2: nine decimals.
    auto number = [&](bool non_negative) {
        const std::int64_t scale = kind == 0 ? 1 : kind == 1 ? 100 : 1000000000;
        const std::int64_t range = kind == 0 ? 9 : 10 * scale;
        std::int64_t v =
            static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(2 * range + 1)) - range;
        if (non_negative && v < 0) v = -v;
        std::string digits = std::to_string(v < 0 ? -v : v);
        if (scale > 1) {
            const std::size_t places = kind == 1 ? 2 : 9;
            if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
            digits.insert(digits.size() - places, ".");
        }
        return (v < 0 ? "-" : "") + digits;
    };
    std::string text = (rng() % 2) ? "max " : "min ";
    for (int v = 0; v < n; ++v) text += (v ? " + " : "") + number(false) + "*x" + std::to_string(v);
    text += "\n";
    const char* ops[] = {"<=", "<=", "<=", ">=", "="};
    for (int i = 0; i < m; ++i) {
        for (int v = 0; v < n; ++v) {
            if (rng() % 10 < 3) continue;
            text += number(false) + "*x" + std::to_string(v) + " + ";
        }
        text += "0 " + std::string(ops[rng() % 5]) + " " + number(rng() % 4 != 0) + "\n";
    }
    return text;
}

TEST(LpSolver, NumberRepresentationsAgree) {
    std::mt19937_64 rng(12345);
    int big = 0, optimal = 0;
    for (int k = 0; k < 1500; ++k) {
        const int n = 2 + static_cast<int>(rng() % 8), m = 2 + static_cast<int>(rng() % 8);
        const std::string text = random_text(rng, n, m, static_cast<int>(rng() % 3));
        SCOPED_TRACE(text);
        LpSolver a, b, c;
        b.set_arithmetic(LpSolver::Arithmetic::FractionFree);
        c.set_arithmetic(LpSolver::Arithmetic::BigFractions);
        const LinearSystem system = read(text);
        a.load(system);
        b.load(system);
        c.load(system);
        const LpResult ra = a.solve(), rb = b.solve(), rc = c.solve();
        ASSERT_EQ(ra, rb);
        ASSERT_EQ(ra, rc);
        ASSERT_EQ(b.stats().pivots, c.stats().pivots);
        if (!a.stats().big) {
            ASSERT_EQ(a.stats().pivots, b.stats().pivots);
        }
        big += a.stats().big;
        optimal += ra.kind == LpResult::Kind::Optimal;
    }
    EXPECT_GT(big, 50);
    EXPECT_GT(optimal, 200);
}

TEST(LpSolver, BigSystemFromTheReader) {
    auto parsed =
        parser::read_lp_text("max 9223372036854775807*x0 + 9223372036854775807*x0\n3*x0 <= 1\n");
    ASSERT_TRUE(parsed.ok());
    ASSERT_TRUE(std::holds_alternative<linear::BigLinearSystem>(parsed.value()));
    LpSolver solver;
    solver.load(std::move(std::get<linear::BigLinearSystem>(parsed.value())));
    EXPECT_EQ(solver.solve().text(),
              "OPTIMAL (obj=6148914691236517000)\nModel: [x0 -> 0.3333333333333333]");
}

}  // namespace
}  // namespace nemox::lp
