// Each filtering rule on the stated domain cases, run to the fixpoint.

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "cp/oracle.hpp"
#include "cp/probe.hpp"
#include "cp/solver.hpp"
#include "parser/cp_format.hpp"

namespace nemox::cp {
namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

struct RuleCase {
    std::string name;
    std::vector<Domain> in;
    CpConstraint con;
    bool ok;
    std::vector<Domain> out;  // checked when ok
};

LinearCon lin(std::vector<LinearTerm> terms, std::int64_t rhs, LinearRel rel) {
    return LinearCon{std::move(terms), rhs, rel};
}

std::vector<RuleCase> rule_cases() {
    using R = LinearRel;
    return {
        {"EqOverlap", {{0, 5}, {3, 9}}, EqCon{0, 1}, true, {{3, 5}, {3, 5}}},
        {"EqDisjoint", {{0, 2}, {3, 9}}, EqCon{0, 1}, false, {}},
        {"EqSameVariable", {{0, 2}}, EqCon{0, 0}, true, {{0, 2}}},
        {"NeqRemovesLowEnd", {{3, 3}, {3, 7}}, NeqCon{0, 1}, true, {{3, 3}, {4, 7}}},
        {"NeqKeepsInnerValue", {{3, 3}, {1, 7}}, NeqCon{0, 1}, true, {{3, 3}, {1, 7}}},
        {"NeqRemovesHighEnd", {{7, 7}, {1, 7}}, NeqCon{0, 1}, true, {{7, 7}, {1, 6}}},
        {"NeqBothFixedEqual", {{3, 3}, {3, 3}}, NeqCon{0, 1}, false, {}},
        {"NeqEmptiesB", {{7, 7}, {7, 7}}, NeqCon{0, 1}, false, {}},
        {"NeqSecondFixed", {{5, 9}, {5, 5}}, NeqCon{0, 1}, true, {{6, 9}, {5, 5}}},
        {"NeqSecondFixedHigh", {{1, 5}, {5, 5}}, NeqCon{0, 1}, true, {{1, 4}, {5, 5}}},
        {"NeqSameVariableFixed", {{2, 2}}, NeqCon{0, 0}, false, {}},
        {"NeqEmptyNotFixed", {{5, 1}, {0, 3}}, NeqCon{0, 1}, true, {{5, 1}, {0, 3}}},
        {"LtNarrows", {{0, 5}, {0, 10}}, LtCon{0, 1}, true, {{0, 5}, {1, 10}}},
        {"LtFails", {{5, 9}, {0, 5}}, LtCon{0, 1}, false, {}},
        {"LtSameVariable", {{0, 9}}, LtCon{0, 0}, false, {}},
        {"LeWithNegativeC", {{0, 10}, {0, 5}}, LeCon{0, 1, -2}, true, {{0, 3}, {2, 5}}},
        {"LeSameVariable", {{0, 4}}, LeCon{0, 0, 0}, true, {{0, 4}}},
        {"LinearLe", {{0, 10}, {0, 10}}, lin({{2, 0}, {3, 1}}, 12, R::Le), true, {{0, 6}, {0, 4}}},
        {"LinearEqChain",
         {{0, 10}, {0, 5}},
         lin({{2, 0}, {-1, 1}}, 0, R::Eq),
         true,
         {{0, 2}, {0, 4}}},
        {"NegCoeffLe", {{-10, 10}}, lin({{-1, 0}}, -3, R::Le), true, {{3, 10}}},
        {"CeilOfNegativeHalf", {{-10, 10}}, lin({{2, 0}}, -3, R::Ge), true, {{-1, 10}}},
        {"FloorOfNegativeHalf", {{-10, 10}}, lin({{2, 0}}, -3, R::Le), true, {{-10, -2}}},
        {"NegCoeffGe", {{-10, 10}}, lin({{-2, 0}}, 3, R::Ge), true, {{-10, -2}}},
        {"NegCoeffLeCeil", {{-10, 10}}, lin({{-2, 0}}, -3, R::Le), true, {{2, 10}}},
        {"EqWithoutIntegerSolution", {{-10, 10}}, lin({{3, 0}}, 7, R::Eq), false, {}},
        {"EqNegCoeff", {{-10, 10}}, lin({{-3, 0}}, 6, R::Eq), true, {{-2, -2}}},
        {"LinearEmpties", {{0, 3}, {0, 3}}, lin({{1, 0}, {1, 1}}, 7, R::Ge), false, {}},
        {"AllDiffFails", {{1, 1}, {1, 3}, {1, 1}}, AllDiffCon{{0, 1, 2}}, false, {}},
        {"AllDiffCascades",
         {{1, 1}, {1, 3}, {3, 3}},
         AllDiffCon{{0, 1, 2}},
         true,
         {{1, 1}, {2, 2}, {3, 3}}},
        {"AllDiffKeepsInner", {{2, 2}, {1, 3}}, AllDiffCon{{0, 1}}, true, {{2, 2}, {1, 3}}},
        {"AllDiffRepeatFixed", {{0, 0}, {5, 9}}, AllDiffCon{{0, 1, 0}}, false, {}},
        {"AllDiffRepeatOpen", {{0, 1}, {5, 9}}, AllDiffCon{{0, 1, 0}}, true, {{0, 1}, {5, 9}}},
        // Exact arithmetic at the ends of the 64-bit range.
        {"LeHugeC", {{0, 10}, {0, 10}}, LeCon{0, 1, kMax}, true, {{0, 10}, {0, 10}}},
        {"LeHugeNegativeC", {{0, 10}, {0, 10}}, LeCon{0, 1, kMin}, false, {}},
        {"LtBelowMin", {{kMin, kMax}, {kMin, kMin}}, LtCon{0, 1}, false, {}},
        {"LtNearMax",
         {{kMin, kMax}, {kMin, kMax}},
         LtCon{0, 1},
         true,
         {{kMin, kMax - 1}, {kMin + 1, kMax}}},
        {"ProductBeyond64Bits",
         {{-10, 10}, {0, 10}},
         lin({{std::int64_t{1} << 62, 0}, {1, 1}}, 0, R::Ge),
         true,
         {{0, 10}, {0, 10}}},
        {"MinCoefficient",
         {{-1, 1}, {-1, 1}},
         lin({{kMin, 0}, {kMin, 1}}, 0, R::Eq),
         true,
         {{-1, 1}, {-1, 1}}},
        {"MinCoefficientAlone", {{kMin, kMax}}, lin({{kMin, 0}}, kMin, R::Le), true, {{1, kMax}}},
        {"AllDiffAtMax", {{kMax, kMax}, {kMax, kMax}}, AllDiffCon{{0, 1}}, false, {}},
        {"AllDiffAtMin",
         {{kMin, kMin}, {kMin, kMin + 1}},
         AllDiffCon{{0, 1}},
         true,
         {{kMin, kMin}, {kMin + 1, kMin + 1}}},
        // Terms combined per variable; no term left means 0 rel rhs.
        {"SelfCancelling", {{3, 5}}, lin({{1, 0}, {-1, 0}}, 0, R::Eq), true, {{3, 5}}},
        {"RepeatedAddsUp", {{0, 5}}, lin({{1, 0}, {1, 0}}, 6, R::Eq), true, {{3, 3}}},
        {"ZeroCoefficientFalse", {{0, 5}}, lin({{0, 0}}, 5, R::Ge), false, {}},
        {"ZeroCoefficientTrue", {{0, 5}}, lin({{0, 0}}, -5, R::Ge), true, {{0, 5}}},
        {"NoTermsEqZero", {}, lin({}, 0, R::Eq), true, {}},
        {"NoTermsEqOne", {}, lin({}, 1, R::Eq), false, {}},
        // Combined coefficients beyond 64 bits.
        {"HugeCombinedGe", {{-5, 5}}, lin({{kMax, 0}, {kMax, 0}}, 1, R::Ge), true, {{1, 5}}},
        {"HugeCombinedLe",
         {{-5, 5}},
         lin({{kMax, 0}, {kMax, 0}, {kMax, 0}}, -1, R::Le),
         true,
         {{-5, -1}}},
        {"HugeCombinedEq",
         {{-5, 5}, {-100, 100}},
         lin({{kMin, 0}, {kMin, 0}, {1, 1}}, 0, R::Eq),
         true,
         {{0, 0}, {0, 0}}},
        {"HugeCombinedFullRange",
         {{kMin, kMax}},
         lin({{kMax, 0}, {kMax, 0}}, kMax, R::Le),
         true,
         {{kMin, 0}}},
    };
}

class Rule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(Rule, NarrowsToTheFixpoint) {
    const RuleCase& c = GetParam();
    CpProblem problem;
    for (const Domain& d : c.in) problem.vars.push_back(VarDecl{"v", d.lo, d.hi});
    problem.constraints.push_back(c.con);
    CpSolver solver(problem);
    ASSERT_EQ(solver.propagate_all(), c.ok);
    if (c.ok) {
        EXPECT_EQ(solver.domains(), c.out);
    }
}

// The probe runs the same rules on its tracing copy: the same fixpoint, or
// the same failure, except where it declines the 256-bit sums.
TEST_P(Rule, ProbeReachesTheSameFixpoint) {
    const RuleCase& c = GetParam();
    CpProblem problem;
    for (const Domain& d : c.in) problem.vars.push_back(VarDecl{"v", d.lo, d.hi});
    problem.constraints.push_back(c.con);
    const Network net = build_network(problem);
    const std::vector<Domain> base = c.in;
    Probe probe(net, base);
    probe.restart();
    Trace trace;
    Probe::Outcome outcome = Probe::Outcome::Fixpoint;
    for (int round = 0; round < 100; ++round) {
        trace.clear();
        outcome = probe.apply({0}, trace);
        if (outcome != Probe::Outcome::Fixpoint || trace.values.empty()) break;
    }
    const Propagator& p = net.propagators[0];
    if (p.big_begin != p.end) {
        EXPECT_EQ(outcome, Probe::Outcome::Unsupported);
        return;
    }
    ASSERT_NE(outcome, Probe::Outcome::Unsupported);
    ASSERT_EQ(outcome == Probe::Outcome::Fixpoint, c.ok);
    ASSERT_TRUE(trace.values.empty() || !c.ok);
    if (c.ok) {
        std::vector<Domain> out;
        for (VarIndex x = 0; x < c.in.size(); ++x) out.push_back(probe.get(x));
        EXPECT_EQ(out, c.out);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Rule, ::testing::ValuesIn(rule_cases()),
                         [](const auto& info) { return info.param.name; });

TEST(Propagation, NoPropagatorsLeavesDomains) {
    CpProblem problem;
    problem.vars = {{"a", 5, 1}, {"b", 0, 3}};
    CpSolver solver(problem);
    EXPECT_TRUE(solver.propagate_all());
    EXPECT_EQ(solver.domains(), (std::vector<Domain>{{5, 1}, {0, 3}}));
}

TEST(Propagation, ChainSettlesInBothDirections) {
    // Bounds travel forwards (lo) and backwards (hi) along the chain.
    const int n = 2000;
    CpProblem problem;
    for (int i = 0; i < n; ++i) problem.vars.push_back({"v", kMin, kMax});
    for (VarIndex i = n - 1; i > 0; --i)
        problem.constraints.emplace_back(std::in_place_type<LtCon>, i - 1, i);
    CpSolver solver(problem);
    ASSERT_TRUE(solver.propagate_all());
    for (int i = 0; i < n; ++i) {
        ASSERT_EQ(solver.domains()[i], (Domain{kMin + i, kMax - (n - 1 - i)}));
    }
    EXPECT_LT(solver.stats().propagator_runs, 10u * n);
}

TEST(Arithmetic, FloorAndCeilForEverySign) {
    struct Q {
        Wide n, d, floor, ceil;
    };
    const Q table[] = {{7, 2, 3, 4}, {-7, 2, -4, -3}, {7, -2, -4, -3}, {-7, -2, 3, 4},
                       {6, 3, 2, 2}, {-6, 3, -2, -2}, {0, -5, 0, 0},   {1, kMin, -1, 0}};
    for (const Q& q : table) {
        EXPECT_EQ(floor_div(q.n, q.d), q.floor);
        EXPECT_EQ(ceil_div(q.n, q.d), q.ceil);
        EXPECT_EQ(floor_div_limited(Int256(q.n), q.d), q.floor);
    }
}

TEST(Arithmetic, WideSumsStayExact) {
    // 2^126 added four times wraps 128 bits; taking it away again is exact.
    const Wide big = Wide{1} << 126;
    Int256 s;
    for (int i = 0; i < 4; ++i) s.add(big);
    EXPECT_EQ(s.clamped(kFar), kFar);
    for (int i = 0; i < 4; ++i) s.sub(big);
    s.add(-5);
    EXPECT_EQ(s.clamped(kFar), -5);
    const Int256 p = Int256::product(-(Wide{1} << 100), Wide{1} << 80);
    EXPECT_TRUE(p.negative());
    EXPECT_EQ(p.clamped(kFar), -kFar);
    // floor((2^150 + 3) / 2^100) = 2^50, limited to the 64-bit range plus one.
    Int256 n = Int256::product(Wide{1} << 100, Wide{1} << 50);
    n.add(3);
    EXPECT_EQ(floor_div_limited(n, Wide{1} << 100), Wide{1} << 50);
    EXPECT_EQ(floor_div_limited(-n, Wide{1} << 100), -(Wide{1} << 50) - 1);
    EXPECT_EQ(floor_div_limited(n, 3), Wide{kMax} + 1);
    EXPECT_EQ(floor_div_limited(-n, 3), Wide{kMin} - 1);
}

// Each propagator is woken only by the bound events it reads; these chains
// need the wake-ups that are easy to leave out: a Neq or an allDiff whose
// open variable's end moves onto a value fixed earlier, a sum read from the
// side its relation bounds. The same fixpoint as the plain sweeps, and one
// narrower than the declared ranges.
TEST(Propagation, EventsWakeWhatTheyRead) {
    const char* const texts[] = {
        "var a 3 3\nvar b 1 7\nvar c 2 2\nneq a b\nlt c b\n",
        "var a 6 6\nvar b 1 9\nvar c 7 7\nneq a b\nlt b c\n",
        "var a 1 5\nvar b 1 5\nvar k 2 2\nvar j 1 1\neq a k\nallDiff a b\nlt j b\n",
        "var a 1 5\nvar b 1 5\nvar k 4 4\nvar j 5 5\neq a k\nallDiff b a\nlt b j\n",
        "var x 0 10\nvar y 0 10\nvar z 0 10\nlt x y\nlt y z\nle z x 3\n",
        "var x 0 10\nvar y 0 10\nlinear 1 x 1 y 8 le\nlt y x\nlinear 1 x 0 y 6 ge\n",
        "var x 0 10\nvar y 0 10\nlinear -1 x 2 y 6 ge\nle x y -1\nlinear 1 y 7 le\n",
        "var x 0 10\nvar y 0 10\nvar z 1 1\nlinear 2 x -1 y 0 eq\nneq x z\nlt z x\n",
    };
    for (const char* text : texts) {
        const auto parsed = parser::parse_cp(text);
        ASSERT_TRUE(parsed.ok()) << text;
        CpSolver solver(parsed.value());
        oracle::Solver plain = oracle::build(parsed.value());
        const bool ok = solver.propagate_all();
        ASSERT_EQ(ok, oracle::propagate_all(plain)) << text;
        ASSERT_TRUE(ok) << text;
        EXPECT_EQ(solver.domains(), plain.domains) << text;
        std::vector<Domain> declared;
        for (const VarDecl& d : parsed.value().vars) declared.push_back({d.min, d.max});
        EXPECT_NE(solver.domains(), declared) << text;
    }
}

// A variable in one sum of two unit terms is a view of the other: it follows
// it at once, without a run of the sum. The same fixpoint as the sweeps,
// whichever sign, when the view empties, when the view also narrows its
// source, and in a cycle that moves bounds by a constant step per round,
// which is still taken many rounds at once (the sweeps need a million).
TEST(Propagation, ViewsFollowTheirVariable) {
    const std::string w = std::to_string(1 << 20);
    const std::string texts[] = {
        "var x 0 9\nvar u -20 20\nlinear 1 u -1 x 3 eq\nvar f 5 5\nlt x f\n",
        "var x 0 9\nvar u -20 20\nlinear 1 u 1 x 3 eq\nvar f 2 2\nle f x 0\n",
        "var x 0 9\nvar u -1 1\nlinear -1 u 1 x 4 eq\n",
        "var x 0 9\nvar u 50 60\nlinear 1 u -1 x 3 eq\n",
        "var x 0 9\nvar u 0 20\nlinear 1 u -1 x 3 eq\nvar f 4 4\nneq u f\nvar g 9 9\nlt u g\n",
        "var x 0 9\nvar y 0 9\nvar u -9 9\nlinear 1 u -1 x 0 eq\nlinear 1 u -1 y 0 "
        "eq\nvar f 3 3\nlt f y\n",
        "var x 0 " + w + "\nvar y 0 " + w + "\nvar u -5 " + w +
            "9\nlinear 1 u -1 x 1 eq\nlt u y\nlt y x\n",
    };
    for (const std::string& text : texts) {
        const auto parsed = parser::parse_cp(text);
        ASSERT_TRUE(parsed.ok()) << text;
        CpSolver solver(parsed.value());
        oracle::Solver plain = oracle::build(parsed.value());
        const bool ok = solver.propagate_all();
        ASSERT_EQ(ok, oracle::propagate_all(plain)) << text;
        if (ok) {
            EXPECT_EQ(solver.domains(), plain.domains) << text;
        }
        EXPECT_LT(solver.stats().propagator_runs, 1000u) << text;
    }
}

TEST(Propagation, AllDiffOverAFullWordOfValues) {
    // 64 fixed values 0..63 leave nothing to a variable over them, and 63 of
    // them leave it the one value missing, at either end of the word.
    for (const int missing : {-1, 0, 31, 63}) {
        CpProblem problem;
        AllDiffCon all;
        for (int v = 0; v < 64; ++v) {
            if (v == missing) continue;
            all.vars.push_back(problem.vars.size());
            problem.vars.push_back({"f", v, v});
        }
        all.vars.push_back(problem.vars.size());
        problem.vars.push_back({"open", 0, 63});
        problem.constraints.emplace_back(all);
        CpSolver solver(problem);
        oracle::Solver plain = oracle::build(problem);
        const bool ok = solver.propagate_all();
        ASSERT_EQ(ok, oracle::propagate_all(plain)) << missing;
        EXPECT_EQ(ok, missing >= 0);
        if (ok) {
            EXPECT_EQ(solver.domains(), plain.domains) << missing;
        }
    }
}

}  // namespace
}  // namespace nemox::cp
