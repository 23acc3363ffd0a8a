#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "core/failure.hpp"
#include "parser/cp_format.hpp"
#include "roads/roads.hpp"
#include "roads/spoil.hpp"

// Every road checks what it hands out: a wrong answer or certificate slipped
// in just before the check never comes out.
namespace nemox::roads {
namespace {

enum class Road { Sat, Lp, Milp, Cp, LpMps, MilpMps };

struct Case {
    const char* name;
    Road road;
    const char* text;
    bool in_file = false;  // `text` names a file under the test data
};

std::string test_file(const char* name) {
    const std::string path = std::string(NEMOX_TEST_DATA) + "/" + name;
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("missing test data: " + path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the road with `verify`; a reader's message is a failure of the test.
void run(const Case& c, const Verification& verify) {
    auto ok = [](const auto& r) {
        if (!r.ok()) throw std::runtime_error(r.error());
    };
    switch (c.road) {
        case Road::Sat:
            return ok(solve_sat(c.text, Interrupt(), 0, nullptr, nullptr, &verify));
        case Road::Lp:
            return ok(solve_lp(c.text, Interrupt(), nullptr, &verify));
        case Road::Milp:
            return ok(solve_milp(c.text, Interrupt(), nullptr, &verify));
        case Road::Cp:
            return ok(solve_cp(c.text, Interrupt(), nullptr, &verify));
        case Road::LpMps:
        case Road::MilpMps:
            return ok(solve_mps(c.in_file ? test_file(c.text) : std::string(c.text),
                                c.road == Road::MilpMps, parser::MpsFormat::Free, Interrupt(),
                                nullptr, &verify));
    }
}

std::string caught(const Case& c, const Verification& verify) {
    try {
        run(c, verify);
    } catch (const WrongAnswer& e) {
        return e.what();
    }
    return "";
}

// Problems whose answer any change to its first value makes wrong.
class WrongAnswers : public ::testing::TestWithParam<Case> {};

TEST_P(WrongAnswers, AreCaughtWhereRightOnesPass) {
    const Case& c = GetParam();
    EXPECT_NO_THROW(run(c, Verification{}));
    std::optional<cp::CpProblem> cp;
    if (c.road == Road::Cp) cp = parser::parse_cp(c.text).value();
    EXPECT_NE(caught(c, spoil::answers(std::move(cp))), "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, WrongAnswers,
    ::testing::Values(Case{"sat", Road::Sat, "p cnf 2 2\n1 0\n-1 2 0\n"},
                      Case{"lp", Road::Lp, "max x0 + x1\nx0 + 3*x1 = 1\n"},
                      Case{"milp", Road::Milp, "max x0 + x1\nint x0\nint x1\n2*x0 + 2*x1 <= 3\n"},
                      Case{"cp", Road::Cp, "var a 1 3\nvar b 1 3\nneq a b\n"},
                      // The domain reaches the largest value: spoiled below it.
                      Case{"cp_top_domain", Road::Cp,
                           "var x -5 9223372036854775807\nvar y 0 0\nle x y -5\n"},
                      Case{"lp_mps", Road::LpMps, "netlib/afiro.mps", true},
                      Case{"milp_mps", Road::MilpMps, "netlib/afiro.mps", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WrongAnswers, MpsValuesAreCheckedAgainstTheFile) {
    for (const Road road : {Road::LpMps, Road::MilpMps}) {
        const Case c{"afiro", road, "netlib/afiro.mps", true};
        EXPECT_EQ(caught(c, spoil::answers()), "the value of column X01 is below its lower bound");
    }
}

// max x + y, x + 2y <= 4, 3x + y <= 6, as MPS.
constexpr const char* kPlan =
    "NAME PLAN\nROWS\n N PROFIT\n L LABOUR\n L MACHINE\nCOLUMNS\n CHAIRS PROFIT -1 LABOUR 1\n"
    " CHAIRS MACHINE 3\n TABLES PROFIT -1 LABOUR 2\n TABLES MACHINE 1\nRHS\n RHS LABOUR 4 MACHINE "
    "6\nENDATA\n";

// Answers that come with a certificate, which is spoiled while they stay right.
class WrongCertificates : public ::testing::TestWithParam<Case> {};

TEST_P(WrongCertificates, AreCaught) {
    const Case& c = GetParam();
    EXPECT_NO_THROW(run(c, Verification{}));
    const std::string error = caught(c, spoil::certificates());
    EXPECT_NE(error.find("certificate"), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Table, WrongCertificates,
    ::testing::Values(
        Case{"lp_optimal", Road::Lp, "max x0 + x1\nx0 + 2*x1 <= 4\n3*x0 + x1 <= 6\n"},
        Case{"lp_infeasible", Road::Lp, "max x0\nx0 <= -1\n"},
        Case{"lp_unbounded", Road::Lp, "max x0\nx0 >= 1\n"},
        Case{"lp_constant", Road::Lp, "min x0 + 5\nx0 <= 5\n"},
        Case{"milp_bound", Road::Milp, "max x0 + x1\nint x0\nint x1\n2*x0 + 2*x1 <= 3\n"},
        Case{"milp_optimal", Road::Milp, "min x0\nint x0\n2*x0 >= 4\n"},
        Case{"milp_infeasible", Road::Milp, "max x0\nint x0\nx0 <= -1\n"},
        Case{"milp_unbounded", Road::Milp, "max x0 + x1\nint x0\nint x1\n2*x0 - x1 = 1\n"},
        Case{"lp_mps", Road::LpMps, kPlan}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace nemox::roads
