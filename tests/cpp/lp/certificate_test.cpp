#include "lp/certificate.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "parser/lp_format.hpp"

namespace nemox::lp {
namespace {

using linear::BigRational;
using linear::Rational;

linear::BigLinearSystem read(const std::string& text) {
    auto parsed = parser::parse_lp<Rational>(text);
    if (!parsed.ok()) throw std::runtime_error(parsed.error());
    return linear::widen(parsed.value());
}

BigRational q(std::int64_t n, std::int64_t d = 1) {
    return BigRational(Rational(n, d));
}

struct Case {
    const char* name;
    const char* text;
    Certificate certificate;
    // A change that must make the certificate fail (the check names why).
    std::function<void(Certificate&)> spoil;
    const char* reason;
};

class CertificateCases : public ::testing::TestWithParam<Case> {};

TEST_P(CertificateCases, ProvesAndSpoiledFails) {
    const Case& c = GetParam();
    const auto system = read(c.text);
    EXPECT_EQ(certificate_error(system, c.certificate), std::nullopt);
    Certificate spoiled = c.certificate;
    c.spoil(spoiled);
    const auto error = certificate_error(system, spoiled);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find(c.reason), std::string::npos) << *error;
}

using K = Certificate::Kind;
const char* const kPlan = "max x0 + x1\nx0 + 2*x1 <= 4\n3*x0 + x1 <= 6\n";
const char* const kPlanMin = "min -x0 - x1\nx0 + 2*x1 <= 4\n3*x0 + x1 <= 6\n";

INSTANTIATE_TEST_SUITE_P(
    Table, CertificateCases,
    ::testing::Values(Case{"optimal_dual_too_small",
                           kPlan,
                           {K::Optimal, {q(8, 5), q(6, 5)}, {q(2, 5), q(1, 5)}, {}},
                           [](Certificate& c) { c.multipliers = {q(1, 5), q(1, 5)}; },
                           "reduced cost"},
                      Case{"optimal_not_optimal_point",
                           kPlan,
                           {K::Optimal, {q(8, 5), q(6, 5)}, {q(2, 5), q(1, 5)}, {}},
                           [](Certificate& c) { c.primal = {q(0), q(0)}; },
                           "objectives differ"},
                      Case{"optimal_infeasible_point",
                           kPlan,
                           {K::Optimal, {q(8, 5), q(6, 5)}, {q(2, 5), q(1, 5)}, {}},
                           [](Certificate& c) { c.primal = {q(2), q(6, 5)}; },
                           "violates constraint 0"},
                      Case{"optimal_negative_point",
                           kPlan,
                           {K::Optimal, {q(8, 5), q(6, 5)}, {q(2, 5), q(1, 5)}, {}},
                           [](Certificate& c) { c.primal = {q(-1), q(0)}; },
                           "variable 0 is negative"},
                      Case{"minimising_signs_swap",
                           kPlanMin,
                           {K::Optimal, {q(8, 5), q(6, 5)}, {q(-2, 5), q(-1, 5)}, {}},
                           [](Certificate& c) { c.multipliers = {q(2, 5), q(1, 5)}; },
                           "wrong sign"},
                      Case{"optimal_wrong_length",
                           kPlan,
                           {K::Optimal, {q(8, 5), q(6, 5)}, {q(2, 5), q(1, 5)}, {}},
                           [](Certificate& c) { c.multipliers.pop_back(); },
                           "multipliers has 1 entries, not 2"},
                      Case{"ge_dual_sign",
                           "min x0\nx0 >= 1\n",
                           {K::Optimal, {q(1)}, {q(1)}, {}},
                           [](Certificate& c) { c.multipliers = {q(-1)}; },
                           "wrong sign"},
                      Case{"free_on_equality",
                           "max -x0\nx0 = 2\n",
                           {K::Optimal, {q(2)}, {q(-1)}, {}},
                           [](Certificate& c) { c.multipliers = {q(0)}; },
                           "objectives differ"},
                      Case{"objective_constant",
                           "min x0 + 5\nx0 <= 5\n",
                           {K::Optimal, {q(0)}, {q(0)}, {}},
                           [](Certificate& c) { c.multipliers = {q(1)}; },
                           "wrong sign"},
                      Case{"no_objective_any_feasible_point",
                           "x0 <= 3\n",
                           {K::Optimal, {q(3)}, {q(0)}, {}},
                           [](Certificate& c) { c.primal = {q(4)}; },
                           "violates constraint 0"},
                      Case{"farkas",
                           "max x0\nx0 <= -1\n",
                           {K::Infeasible, {}, {q(1)}, {}},
                           [](Certificate& c) { c.multipliers = {q(0)}; },
                           "not negative"},
                      Case{"farkas_sign",
                           "x0 + x1 >= 3\nx0 + x1 <= 2\n",
                           {K::Infeasible, {}, {q(-1), q(1)}, {}},
                           [](Certificate& c) { c.multipliers = {q(1), q(-1)}; },
                           "wrong sign"},
                      Case{"farkas_combination",
                           "x0 - x1 >= 3\nx0 <= 2\n",
                           {K::Infeasible, {}, {q(-1), q(1)}, {}},
                           [](Certificate& c) { c.multipliers = {q(-1), q(0)}; },
                           "variable 0 is negative"},
                      Case{"ray",
                           "max x0\nx0 >= 1\n",
                           {K::Unbounded, {q(1)}, {}, {q(1)}},
                           [](Certificate& c) { c.ray = {q(0)}; },
                           "does not improve"},
                      Case{"ray_leaves",
                           "max x0 + x1\nx0 - x1 = 1\n",
                           {K::Unbounded, {q(1), q(0)}, {}, {q(1), q(1)}},
                           [](Certificate& c) { c.ray = {q(1), q(0)}; },
                           "leaves constraint 0"},
                      Case{"ray_needs_objective",
                           "max x0\nx0 >= 1\n",
                           {K::Unbounded, {q(1)}, {}, {q(1)}},
                           [](Certificate& c) { c.ray = {q(-1)}; },
                           "ray is negative"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Certificate, UnboundedNeedsAnObjective) {
    const auto system = read("x0 >= 1\n");
    EXPECT_EQ(certificate_error(system, {K::Unbounded, {q(1)}, {}, {q(1)}}),
              "an unbounded answer needs an objective");
}

}  // namespace
}  // namespace nemox::lp
