#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/failure.hpp"
#include "roads/roads.hpp"
#include "roads/spoil.hpp"
#include "roads/verify.hpp"

namespace nemox::roads {
namespace {

using linear::BigRational;
using Kind = lp::Certificate::Kind;

BigRational q(std::int64_t n, std::int64_t d = 1) {
    return BigRational(linear::Rational(n, d));
}

struct Case {
    const char* name;
    bool integers;
    const char* text;
    const char* status;
    // Which certificates the answer comes with.
    std::optional<Kind> answer;
    std::optional<Kind> relaxation;
};

class RoadCertificates : public ::testing::TestWithParam<Case> {};

LpResult solve(const Case& c, const Verification* verify, LpCertificate* cert) {
    const auto result = c.integers ? solve_milp(c.text, Interrupt(), nullptr, verify, nullptr, cert)
                                   : solve_lp(c.text, Interrupt(), nullptr, verify, cert);
    if (!result.ok()) throw std::runtime_error(result.error());
    return result.value();
}

std::optional<Kind> kind_of(const std::optional<lp::Certificate>& c) {
    if (!c) return std::nullopt;
    return c->kind;
}

TEST_P(RoadCertificates, ProveTheAnswerAndAPlantedFaultIsCaught) {
    const Case& c = GetParam();
    LpCertificate cert;
    const Verification verify;
    const LpResult result = solve(c, &verify, &cert);
    EXPECT_EQ(result.status(), c.status);
    EXPECT_EQ(kind_of(cert.answer), c.answer);
    EXPECT_EQ(kind_of(cert.relaxation), c.relaxation);
    EXPECT_EQ(certificate_error(result, cert), std::nullopt);
    if (!c.answer && !c.relaxation) return;
    const Verification plant = spoil::certificates();
    try {
        solve(c, &plant, nullptr);
        ADD_FAILURE() << "a wrong certificate passed";
    } catch (const WrongAnswer& e) {
        EXPECT_NE(std::string(e.what()).find("certificate"), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, RoadCertificates,
    ::testing::Values(
        Case{"lp_optimal", false, "max x0 + x1\nx0 + 2*x1 <= 4\n3*x0 + x1 <= 6\n", "OPTIMAL",
             Kind::Optimal, std::nullopt},
        Case{"lp_infeasible", false, "x0 + x1 >= 3\nx0 + x1 <= 2\n", "INFEASIBLE", Kind::Infeasible,
             std::nullopt},
        Case{"lp_unbounded", false, "max x0\nx0 >= 1\n", "UNBOUNDED", Kind::Unbounded,
             std::nullopt},
        Case{"lp_no_constraints", false, "min x0 + 2\n", "OPTIMAL", Kind::Optimal, std::nullopt},
        // The incumbent 1 against the root's bound 3/2.
        Case{"milp_bound", true, "max x0 + x1\nint x0\nint x1\n2*x0 + 2*x1 <= 3\n", "OPTIMAL",
             std::nullopt, Kind::Optimal},
        Case{"milp_root_infeasible", true, "max x0\nint x0\nx0 <= -1\n", "INFEASIBLE",
             Kind::Infeasible, Kind::Infeasible},
        // Infeasible only by branching: nothing here proves it.
        Case{"milp_branches_infeasible", true, "min x0\nint x0\n2*x0 = 3\n", "INFEASIBLE",
             std::nullopt, Kind::Optimal},
        // An unbounded relaxation without an integral point.
        Case{"milp_relaxation_unbounded", true, "max x0 + 0*x1\nint x1\n2*x1 = 1\n", "INFEASIBLE",
             std::nullopt, Kind::Unbounded},
        Case{"milp_unbounded_integral", true, "max x0 + x1\nint x0\nint x1\n2*x0 - x1 = 1\n",
             "UNBOUNDED", Kind::Unbounded, Kind::Unbounded}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RoadCertificates, UnboundedMilpPointIsIntegral) {
    LpCertificate cert;
    const auto result = solve_milp("max x0 + x1\nint x0\nint x1\n2*x0 - x1 = 1\n", Interrupt(),
                                   nullptr, nullptr, nullptr, &cert);
    ASSERT_TRUE(result.ok());
    ASSERT_TRUE(cert.answer.has_value());
    for (const BigRational& v : cert.answer->primal) EXPECT_TRUE(v.is_integer());
    // A fractional point with the same ray is not a proof for integers.
    cert.answer->primal = {q(1, 2), q(0)};
    const auto error = certificate_error(result.value(), cert);
    ASSERT_TRUE(error.has_value());
}

TEST(RoadCertificates, WrongCertificatesByHand) {
    LpCertificate cert;
    const auto lp = solve_lp("max x0 + x1\nx0 + 2*x1 <= 4\n3*x0 + x1 <= 6\n", Interrupt(), nullptr,
                             nullptr, &cert);
    ASSERT_TRUE(lp.ok());
    const LpResult optimal = lp.value();
    struct Spoil {
        const char* reason;
        void (*spoil)(LpCertificate&);
    };
    const Spoil spoils[] = {
        {"there is no certificate of optimality", [](LpCertificate& c) { c.answer.reset(); }},
        {"there is no certificate of optimality",
         [](LpCertificate& c) { c.answer->kind = Kind::Unbounded; }},
        // Feasible duals of a worse point: only a bound, not optimality.
        {"primal and dual objectives differ",
         [](LpCertificate& c) { c.answer->primal = {q(0), q(0)}; }},
        {"reduced cost", [](LpCertificate& c) { c.answer->multipliers = {q(0), q(0)}; }},
    };
    for (const Spoil& s : spoils) {
        LpCertificate spoiled = cert;
        s.spoil(spoiled);
        const auto error = certificate_error(optimal, spoiled);
        ASSERT_TRUE(error.has_value()) << s.reason;
        EXPECT_NE(error->find(s.reason), std::string::npos) << *error;
    }

    // A MILP incumbent may not beat the bound that the root's duals prove.
    LpCertificate milp;
    const auto m = solve_milp("max x0 + x1\nint x0\nint x1\n2*x0 + 2*x1 <= 3\n", Interrupt(),
                              nullptr, nullptr, nullptr, &milp);
    ASSERT_TRUE(m.ok());
    EXPECT_EQ(certificate_error(m.value(), milp), std::nullopt);
    milp.point = {q(2), q(0)};
    EXPECT_EQ(certificate_error(m.value(), milp),
              "the incumbent beats the root relaxation's bound");
}

TEST(RoadCertificates, MpsNamesOfVariablesAndRows) {
    // a from -1 (shifted), b free (split in two parts), a ranged row, bounds as rows.
    const char* const text =
        "NAME T\nROWS\n N cost\n G lo\n L hi\nCOLUMNS\n a cost 2 lo 1\n b cost 3 lo 1\n b hi 1\n"
        "RHS\n rhs lo -3.5 hi 4\nRANGES\n rng hi 6\nBOUNDS\n LO bnd a -1\n UP bnd a 5\n FR bnd "
        "b\nENDATA\n";
    LpCertificate cert;
    const Verification verify;
    const auto answer = solve_mps(text, false, parser::MpsFormat::Free, Interrupt(), nullptr,
                                  &verify, nullptr, &cert);
    ASSERT_TRUE(answer.ok()) << answer.error();
    EXPECT_EQ(cert.variable_names, (std::vector<std::string>{"a", "b", "b-"}));
    EXPECT_EQ(cert.row_names, (std::vector<std::string>{"lo", "hi", "hi", "a bound"}));
    ASSERT_EQ(cert.columns.size(), 2u);
    EXPECT_EQ(cert.columns[0].shift, q(-1));
    EXPECT_EQ(cert.columns[1].name, "b");
    EXPECT_EQ(cert.columns[1].var, 1u);
    EXPECT_EQ(cert.columns[1].negative, std::optional<std::size_t>(2));
    EXPECT_EQ(certificate_error(answer.value().result, cert), std::nullopt);
}

}  // namespace
}  // namespace nemox::roads
