#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "lp/certificate.hpp"
#include "lp/solver.hpp"
#include "parser/lp_format.hpp"

namespace nemox::lp {
namespace {

using linear::BigRational;
using linear::Rational;
using Engine = LpSolver::Engine;
using Arithmetic = LpSolver::Arithmetic;
using Kind = Certificate::Kind;
using Vector = std::vector<BigRational>;

linear::LinearSystem read(const std::string& text) {
    auto parsed = parser::parse_lp<Rational>(text);
    if (!parsed.ok()) throw std::runtime_error(parsed.error());
    return parsed.value();
}

BigRational q(std::int64_t n, std::int64_t d = 1) {
    return BigRational(Rational(n, d));
}

struct Setting {
    Engine engine;
    Arithmetic arithmetic;
};
const Setting kSettings[] = {{Engine::Dense, Arithmetic::Automatic},
                             {Engine::Dense, Arithmetic::FractionFree},
                             {Engine::Dense, Arithmetic::BigFractions},
                             {Engine::Revised, Arithmetic::Automatic}};

Certificate certify(const linear::LinearSystem& system, Setting s,
                    std::span<const linear::LinearConstraint> extra = {}) {
    LpSolver solver;
    solver.set_engine(s.engine);
    solver.set_arithmetic(s.arithmetic);
    solver.keep_certificate(true);
    solver.load(system);
    solver.solve_with(extra);
    if (!solver.certificate()) throw std::runtime_error("no certificate");
    return *solver.certificate();
}

struct Case {
    const char* name;
    const char* text;
    Certificate expected;
};

class KnownCertificates : public ::testing::TestWithParam<Case> {};

// Duals by hand: each is the rate at which the optimum moves with its
// right-hand side; every row kind, flipped rows and both senses.
TEST_P(KnownCertificates, EveryEngineAndArithmetic) {
    const Case& c = GetParam();
    const linear::LinearSystem system = read(c.text);
    for (const Setting s : kSettings) {
        SCOPED_TRACE(static_cast<int>(s.engine) * 10 + static_cast<int>(s.arithmetic));
        const Certificate got = certify(system, s);
        EXPECT_EQ(got, c.expected);
        EXPECT_EQ(certificate_error(linear::widen(system), got), std::nullopt);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, KnownCertificates,
    ::testing::Values(
        Case{"two_rows",
             "max x0 + x1\nx0 + 2*x1 <= 4\n3*x0 + x1 <= 6\n",
             {Kind::Optimal, {q(8, 5), q(6, 5)}, {q(2, 5), q(1, 5)}, {}}},
        Case{"minimising_ge", "min x0\nx0 >= 1\n", {Kind::Optimal, {q(1)}, {q(1)}, {}}},
        Case{"equality", "max -x0\nx0 = 2\n", {Kind::Optimal, {q(2)}, {q(-1)}, {}}},
        // -x0 <= -2 is stored negated; the optimum 2 falls as b = -2 grows.
        Case{"flipped_le", "min x0\n-x0 <= -2\n", {Kind::Optimal, {q(2)}, {q(-1)}, {}}},
        // -x0 >= -3 is x0 <= 3: the optimum -3 = b rises with b.
        Case{"flipped_ge", "min -x0\n-x0 >= -3\n", {Kind::Optimal, {q(3)}, {q(1)}, {}}},
        Case{"inactive_row",
             "max x0\nx0 <= 2\nx0 + x1 <= 5\n",
             {Kind::Optimal, {q(2), q(0)}, {q(1), q(0)}, {}}},
        Case{"objective_constant", "min x0 + 3\nx0 >= 2\n", {Kind::Optimal, {q(2)}, {q(1)}, {}}},
        Case{"no_objective", "x0 >= 1\n", {Kind::Optimal, {q(1)}, {q(0)}, {}}},
        Case{"negative_rhs", "max x0\nx0 <= -1\n", {Kind::Infeasible, {}, {q(1)}, {}}},
        Case{"contradiction",
             "min x0\nx0 + x1 >= 3\nx0 + x1 <= 2\n",
             {Kind::Infeasible, {}, {q(-1), q(1)}, {}}},
        Case{"equalities_apart", "x0 = 1\nx0 = 2\n", {Kind::Infeasible, {}, {q(1), q(-1)}, {}}},
        Case{"ray", "max x0\nx0 >= 1\n", {Kind::Unbounded, {q(1)}, {}, {q(1)}}},
        // The entering column is x1; x0 follows it along x0 - x1 = 1.
        Case{"ray_through_a_row",
             "max x1\nx0 - x1 = 1\n",
             {Kind::Unbounded, {q(1), q(0)}, {}, {q(1), q(1)}}},
        // A slack enters: the ray lies in the variables basic beside it.
        Case{"ray_of_a_slack",
             "min -x0\nx0 - x1 <= 1\nx0 >= 1\n",
             {Kind::Unbounded, {q(1), q(0)}, {}, {q(1), q(1)}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LpSolverCertificate, CoversTheAppendedConstraints) {
    // A node of a branch and bound: the system and its bound rows.
    const linear::LinearSystem system = read("max x0 + x1\n2*x0 + 2*x1 <= 3\n");
    const linear::LinearSystem bounds = read("x0 <= 1\nx0 >= 2\n");
    linear::LinearSystem whole = system;
    for (const auto& c : bounds.constraints) whole.constraints.push_back(c);
    for (const Setting s : kSettings) {
        const Certificate one = certify(system, s, std::span(bounds.constraints).first(1));
        linear::LinearSystem first = system;
        first.constraints.push_back(bounds.constraints[0]);
        EXPECT_EQ(one.kind, Kind::Optimal);
        EXPECT_EQ(one.multipliers.size(), 2u);
        EXPECT_EQ(certificate_error(linear::widen(first), one), std::nullopt);
        const Certificate both = certify(system, s, bounds.constraints);
        EXPECT_EQ(both.kind, Kind::Infeasible);
        EXPECT_EQ(certificate_error(linear::widen(whole), both), std::nullopt);
    }
}

TEST(LpSolverCertificate, KeptOnlyWhenAsked) {
    LpSolver solver;
    solver.load(read("max x0\nx0 <= 2\n"));
    solver.solve();
    EXPECT_FALSE(solver.certificate().has_value());
    solver.keep_certificate(true);
    solver.solve();
    EXPECT_TRUE(solver.certificate().has_value());
    solver.keep_certificate(false);
    solver.solve();
    EXPECT_FALSE(solver.certificate().has_value());
}

}  // namespace
}  // namespace nemox::lp
