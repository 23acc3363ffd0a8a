#include "milp/solver.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "parser/lp_format.hpp"

namespace nemox::milp {
namespace {

using Engine = lp::LpSolver::Engine;

linear::ExactSystem read(const std::string& text) {
    auto parsed = parser::read_lp_text(text);
    if (!parsed.ok()) throw std::runtime_error(parsed.error());
    return parsed.value();
}

LpResult solve(const std::string& text, Engine engine = Engine::Automatic,
               Interrupt interrupt = Interrupt(), KeepIncumbent keep = nullptr,
               SearchStats* stats = nullptr) {
    return branch_and_bound(read(text), interrupt, stats, engine, nullptr, keep);
}

struct Case {
    const char* text;
    const char* answer;
};

// Values within 1e-8 of an integer, and values beyond 64 bits, branch at the
// floor and ceiling of their exact value.
const Case kExactIntegrality[] = {
    {"min x0\nint x0\nx0 >= 1.000000005\n", "OPTIMAL (obj=2)\nModel: [x0 -> 2]"},
    {"max x0\nint x0\nx0 <= 2.999999999\n", "OPTIMAL (obj=2)\nModel: [x0 -> 2]"},
    {"max x0 + x1\nint x0\nint x1\nx0 + x1 <= 4.000000003\nx0 - x1 <= 0.5\n",
     "OPTIMAL (obj=4)\nModel: [x0 -> 2, x1 -> 2]"},
    // 10^20 / 3 lies beyond 64 bits, and so do the bounds that split it.
    {"min x0\nint x0\n3*x0 >= 1e20\n",
     "OPTIMAL (obj=33333333333333330000)\nModel: [x0 -> 33333333333333333334]"},
    {"max x0\nint x0\n3*x0 <= 1e20\n",
     "OPTIMAL (obj=33333333333333330000)\nModel: [x0 -> 33333333333333333333]"},
    {"min x0 + x1\nint x0\nint x1\n3*x0 >= 1e20\n2*x1 >= 1\n",
     "OPTIMAL (obj=33333333333333330000)\nModel: [x0 -> 33333333333333333334, x1 -> 1]"},
};

// An unbounded relaxation answers only once a search for an integral point
// has decided.
const Case kUnboundedRelaxation[] = {
    {"max x0 + 0*x1\nint x1\n2*x1 = 1\n", "INFEASIBLE"},
    {"max x0 + 0*x1\nint x1\n2*x1 >= 1\n", "UNBOUNDED"},
    {"max x0\nint x0\nx0 >= 1\n", "UNBOUNDED"},
    {"min 0 - x0 + 0*x1 + 0*x2\nint x1\nint x2\n3*x1 - 3*x2 = 1\nx1 <= 4\n", "INFEASIBLE"},
    // No integral point, and a search wider than the node limit.
    {"max x0 + 0*x1 + 0*x2 + 0*x3 + 0*x4 + 0*x5 + 0*x6\nint x1\nint x2\nint x3\nint x4\n"
     "int x5\nint x6\n2*x1 + 2*x2 + 2*x3 + 2*x4 + 2*x5 + 2*x6 = 11\n",
     "UNKNOWN (resource limit)"},
};

class Engines : public testing::TestWithParam<Engine> {};

TEST_P(Engines, IntegralityIsExact) {
    for (const Case& c : kExactIntegrality)
        EXPECT_EQ(solve(c.text, GetParam()).text(), c.answer) << c.text;
}

TEST_P(Engines, UnboundedRelaxationIsNoProof) {
    for (const Case& c : kUnboundedRelaxation)
        EXPECT_EQ(solve(c.text, GetParam()).text(), c.answer) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Milp, Engines, testing::Values(Engine::Dense, Engine::Revised));

TEST(Milp, ExactValuesOfABigAnswer) {
    std::vector<linear::BigRational> exact;
    const LpResult r = branch_and_bound(read("min x0\nint x0\n3*x0 >= 1e20\n"), Interrupt(),
                                        nullptr, Engine::Automatic, &exact);
    ASSERT_EQ(r.kind, LpResult::Kind::Optimal);
    ASSERT_EQ(exact.size(), 1u);
    EXPECT_EQ(exact[0].text(), "33333333333333333334/1");
}

// max x0 + ... + x5 with 2*(x0 + ... + x5) <= 11: the optimum 5 comes early,
// but the open nodes promise 5.5 until long after 1000 nodes.
std::string symmetric_knapsack() {
    std::string text = "max x0 + x1 + x2 + x3 + x4 + x5\n";
    for (int i = 0; i < 6; ++i) text += "int x" + std::to_string(i) + "\n";
    return text + "2*x0 + 2*x1 + 2*x2 + 2*x3 + 2*x4 + 2*x5 <= 11\n";
}

double model_sum(const Assignment& a) {
    double sum = 0;
    for (const auto& [index, value] : a) sum += static_cast<double>(std::get<std::int64_t>(value));
    return sum;
}

bool stop_at_40(std::uint64_t nodes) {
    return nodes >= 40;
}
bool stop_at_1(std::uint64_t nodes) {
    return nodes >= 1;
}
bool keep() {
    return true;
}
bool drop() {
    return false;
}

TEST(Milp, NodeLimitFeasibleCarriesObjectiveAndBound) {
    const LpResult r = solve(symmetric_knapsack());
    ASSERT_EQ(r.kind, LpResult::Kind::Feasible);
    EXPECT_EQ(r.objective, 5.0);
    EXPECT_EQ(r.bound, 5.5);
    EXPECT_EQ(model_sum(r.assignment), 5.0);
}

TEST(Milp, InterruptKeepsTheIncumbentOnlyWhenAsked) {
    // Checked at every poll: the search stops as node 40 is taken.
    const Interrupt at_40(&stop_at_40, 1);
    SearchStats stats;
    const LpResult kept = solve(symmetric_knapsack(), Engine::Automatic, at_40, &keep, &stats);
    ASSERT_EQ(kept.kind, LpResult::Kind::Feasible);
    EXPECT_EQ(stats.examined, 40u);
    EXPECT_GE(stats.incumbent_updates, 1u);
    EXPECT_EQ(kept.objective, 5.0);
    EXPECT_EQ(kept.bound, 5.5);
    EXPECT_EQ(model_sum(kept.assignment), 5.0);
    EXPECT_EQ(kept.text().rfind("FEASIBLE\nModel: [", 0), 0u);

    EXPECT_THROW(solve(symmetric_knapsack(), Engine::Automatic, at_40), Interrupted);
    EXPECT_THROW(solve(symmetric_knapsack(), Engine::Automatic, at_40, &drop), Interrupted);
    // Nothing found yet: nothing to keep.
    EXPECT_THROW(solve(symmetric_knapsack(), Engine::Automatic, Interrupt(&stop_at_1, 1), &keep),
                 Interrupted);
}

TEST(Milp, InterruptWithoutIncumbentAbandonsTheFeasibilitySearch) {
    const std::string text =
        "max x0 + 0*x1 + 0*x2 + 0*x3 + 0*x4 + 0*x5 + 0*x6\nint x1\nint x2\nint x3\nint x4\n"
        "int x5\nint x6\n2*x1 + 2*x2 + 2*x3 + 2*x4 + 2*x5 + 2*x6 = 11\n";
    EXPECT_THROW(solve(text, Engine::Automatic, Interrupt(&stop_at_40, 1), &keep), Interrupted);
}

}  // namespace
}  // namespace nemox::milp
