#include "roads/verify.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "lp/solver.hpp"
#include "parser/lp_format.hpp"
#include "parser/mps.hpp"

namespace nemox::roads {
namespace {

sat::Cnf cnf_of(std::uint64_t vars, const std::vector<std::vector<std::int32_t>>& clauses) {
    sat::Cnf cnf;
    cnf.num_vars = vars;
    for (const auto& c : clauses) cnf.add_clause(c);
    return cnf;
}

template <class T>
SolverResult model(const std::vector<std::pair<std::uint64_t, T>>& pairs) {
    Assignment a;
    for (const auto& [index, value] : pairs) a.append_new(index, Value{value});
    return SolverResult::sat(std::move(a));
}

struct SatCase {
    const char* name;
    std::vector<std::pair<std::uint64_t, bool>> model;
    std::optional<std::string> error;
};

TEST(Verify, SatAnswers) {
    // (x1 or not x3) and (x2 or x3 or not x1) and (not x2)
    const sat::Cnf cnf = cnf_of(3, {{1, -3}, {2, 3, -1}, {-2}});
    const std::vector<SatCase> cases = {
        {"right", {{0, true}, {1, false}, {2, true}}, std::nullopt},
        {"first clause false",
         {{0, false}, {1, false}, {2, true}},
         "the model makes clause 1 false"},
        {"second clause false",
         {{0, true}, {1, false}, {2, false}},
         "the model makes clause 2 false"},
        {"last clause false", {{0, true}, {1, true}, {2, false}}, "the model makes clause 3 false"},
        {"unset counts as false", {{0, true}, {1, false}}, "the model makes clause 2 false"},
        {"foreign variable",
         {{0, true}, {1, false}, {2, true}, {7, true}},
         "the model has a value for variable 8, not in the formula"},
    };
    for (const SatCase& c : cases) {
        EXPECT_EQ(sat_answer_error(cnf, model(c.model)), c.error) << c.name;
    }
    EXPECT_EQ(sat_answer_error(cnf, SolverResult::unsat()), std::nullopt);
    EXPECT_EQ(sat_answer_error(cnf_of(1, {{}}), model<bool>({{0, true}})),
              "the model makes clause 1 false");
}

struct CpCase {
    const char* name;
    cp::CpConstraint constraint;
    std::vector<std::int64_t> values;
    bool holds;
};

TEST(Verify, CpConstraintsOneByOne) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    using cp::LinearRel;
    const std::vector<CpCase> cases = {
        {"eq", cp::EqCon{0, 1}, {3, 3, 0}, true},
        {"eq broken", cp::EqCon{0, 1}, {3, 4, 0}, false},
        {"neq", cp::NeqCon{0, 1}, {3, 4, 0}, true},
        {"neq broken", cp::NeqCon{1, 0}, {3, 3, 0}, false},
        {"lt", cp::LtCon{0, 1}, {kMin, kMax, 0}, true},
        {"lt equal", cp::LtCon{0, 1}, {5, 5, 0}, false},
        {"le with offset", cp::LeCon{0, 1, -2}, {3, 5, 0}, true},
        {"le with offset broken", cp::LeCon{0, 1, -2}, {4, 5, 0}, false},
        {"le beyond 64 bits", cp::LeCon{0, 1, kMax}, {kMax, 1, 0}, true},
        {"le below 64 bits", cp::LeCon{0, 1, kMin}, {kMin, -1, 0}, false},
        {"linear le", cp::LinearCon{{{2, 0}, {-1, 1}}, 1, LinearRel::Le}, {1, 1, 0}, true},
        {"linear le broken", cp::LinearCon{{{2, 0}, {-1, 1}}, 0, LinearRel::Le}, {1, 1, 0}, false},
        {"linear eq", cp::LinearCon{{{1, 0}, {1, 0}, {0, 1}}, 6, LinearRel::Eq}, {3, 9, 0}, true},
        {"linear ge broken", cp::LinearCon{{{1, 2}}, 1, LinearRel::Ge}, {9, 9, 0}, false},
        // 2^62 * 2 = 2^63 wraps to the most negative 64-bit value.
        {"linear sum beyond 64 bits",
         cp::LinearCon{{{std::int64_t{1} << 62, 0}}, 0, LinearRel::Ge},
         {2, 0, 0},
         true},
        // About -2^126: far below every 64-bit value.
        {"linear sum of extremes",
         cp::LinearCon{{{kMax, 0}, {kMax, 1}, {kMin, 2}}, kMin, LinearRel::Ge},
         {kMin, kMin, kMin},
         false},
        {"allDiff", cp::AllDiffCon{{0, 1, 2}}, {1, 2, 3}, true},
        {"allDiff last pair", cp::AllDiffCon{{0, 1, 2}}, {1, 2, 1}, false},
        {"allDiff repeated variable", cp::AllDiffCon{{0, 1, 0}}, {1, 2, 3}, false},
    };
    for (const CpCase& c : cases) {
        cp::CpProblem problem;
        for (int i = 0; i < 3; ++i) problem.vars.push_back({"v", kMin, kMax});
        problem.constraints = {cp::EqCon{2, 2}, c.constraint};
        Assignment a;
        for (std::size_t i = 0; i < c.values.size(); ++i) a.append_new(i, Value{c.values[i]});
        const auto error = cp_answer_error(problem, SolverResult::sat(a));
        EXPECT_EQ(error, c.holds ? std::nullopt
                                 : std::optional<std::string>("the model breaks constraint 2"))
            << c.name;
    }
}

TEST(Verify, CpValuesAndRanges) {
    cp::CpProblem problem;
    problem.vars = {{"a", 1, 3}, {"b", -2, 2}};
    EXPECT_EQ(cp_answer_error(problem, model<std::int64_t>({{0, 1}, {1, -2}})), std::nullopt);
    EXPECT_EQ(cp_answer_error(problem, model<std::int64_t>({{0, 4}, {1, 0}})),
              "the value of x0 is outside its range");
    EXPECT_EQ(cp_answer_error(problem, model<std::int64_t>({{0, 2}, {1, -3}})),
              "the value of x1 is outside its range");
    EXPECT_EQ(cp_answer_error(problem, model<std::int64_t>({{0, 2}})),
              "the model has no value for x1");
    EXPECT_EQ(cp_answer_error(problem, model<std::int64_t>({{0, 2}, {1, 0}, {2, 0}})),
              "the model has a value for x2, not a variable of the problem");
    EXPECT_EQ(cp_answer_error(problem, model<bool>({{0, true}, {1, false}})),
              "the model has a value for x0, not a variable of the problem");
    EXPECT_EQ(cp_answer_error(problem, SolverResult::unsat()), std::nullopt);
}

struct LpCase {
    const char* name;
    std::vector<linear::BigRational> exact;
    bool integers;
    std::optional<std::string> error;
};

linear::BigRational q(std::int64_t n, std::int64_t d = 1) {
    return {linear::BigInt(n), linear::BigInt(d)};
}

TEST(Verify, LpAnswersInExactArithmetic) {
    // x0 + 3*x1 = 1 holds for x1 = 1/3 exactly, never for its double.
    const auto system = parser::read_lp_text("max x0 + x1\nint x0\nx0 + 3*x1 = 1\nx0 <= 1\n");
    ASSERT_TRUE(system.ok());
    const std::vector<LpCase> cases = {
        {"right", {q(0), q(1, 3)}, true, std::nullopt},
        {"integral corner", {q(1), q(0)}, true, std::nullopt},
        {"equality off by a third", {q(0), q(2, 3)}, false, "the model breaks constraint 1"},
        {"bound broken", {q(4), q(-1)}, false, "the value of x1 is negative"},
        {"bounds before rows", {q(3, 2), q(-1, 6)}, false, "the value of x1 is negative"},
        {"not integral", {q(1, 2), q(1, 6)}, true, "the value of x0 is not an integer"},
        {"integrality only for milp", {q(1, 2), q(1, 6)}, false, std::nullopt},
    };
    for (const LpCase& c : cases) {
        Assignment a;
        for (std::size_t i = 0; i < c.exact.size(); ++i) a.append_new(i, lp::to_value(c.exact[i]));
        const LpResult result = LpResult::optimal(a, 0.0);
        EXPECT_EQ(lp_answer_error(system.value(), result, c.exact, c.integers), c.error) << c.name;
    }
    // The printed values must be what the exact ones read as.
    Assignment reported;
    reported.append_new(0, std::int64_t{0});
    reported.append_new(1, 0.3333333333333333);
    const std::vector<linear::BigRational> third = {q(0), q(1, 3)};
    EXPECT_EQ(lp_answer_error(system.value(), LpResult::optimal(reported, 0.0), third, true),
              std::nullopt);
    reported = {};
    reported.append_new(0, std::int64_t{0});
    reported.append_new(1, 0.3333333333333334);
    EXPECT_EQ(lp_answer_error(system.value(), LpResult::optimal(reported, 0.0), third, true),
              "the reported value of x1 is not its exact value");
    reported = {};
    reported.append_new(0, std::int64_t{0});
    EXPECT_EQ(lp_answer_error(system.value(), LpResult::optimal(reported, 0.0),
                              std::span(third).first(1), true),
              "the model has no value for x1");
    EXPECT_EQ(lp_answer_error(system.value(), LpResult::infeasible(), {}, true), std::nullopt);
}

TEST(Verify, LpAnswersBeyondSixtyFourBits) {
    // x1 = 2^70 * x0 with x0 = 1: the reader keeps the system in big numbers.
    const auto system =
        parser::read_lp_text("max x0\nx0 <= 1\nx1 - 1180591620717411303424*x0 = 0\n");
    ASSERT_TRUE(system.ok());
    ASSERT_TRUE(std::holds_alternative<linear::BigLinearSystem>(system.value()));
    const linear::BigRational big(
        linear::BigInt(std::int64_t{1} << 35) * linear::BigInt(std::int64_t{1} << 35),
        linear::BigInt(1));
    for (const auto& [x1, error] :
         std::vector<std::pair<linear::BigRational, std::optional<std::string>>>{
             {big, std::nullopt}, {big + q(1), "the model breaks constraint 2"}}) {
        Assignment a;
        a.append_new(0, std::int64_t{1});
        a.append_new(1, lp::to_value(x1));
        const std::vector<linear::BigRational> exact = {q(1), x1};
        EXPECT_EQ(lp_answer_error(system.value(), LpResult::optimal(a, 1.0), exact, false), error);
    }
}

struct MpsCase {
    const char* name;
    std::vector<linear::BigRational> values;
    double objective;
    bool integers;
    std::optional<std::string> error;
};

TEST(Verify, MpsAnswersAgainstTheFile) {
    // a integer in [-0.5, 3], b free; cap: a + b <= 4; bal: b in [-1, 1]
    // (E row, negative range); objective a + 2b + 10.
    auto model = parser::read_mps(
        "NAME\nROWS\n N obj\n L cap\n E bal\nCOLUMNS\n M 'MARKER' 'INTORG'\n a obj 1 cap 1\n"
        " M 'MARKER' 'INTEND'\n b obj 2 cap 1\n b bal 1\nRHS\n rhs obj -10 cap 4\n rhs bal 1\n"
        "RANGES\n rng bal -2\nBOUNDS\n LO bnd a -0.5\n UP bnd a 3\n FR bnd b\nENDATA\n");
    ASSERT_TRUE(model.ok()) << model.error();
    const std::vector<MpsCase> cases = {
        {"right", {q(0), q(-1)}, 8, true, std::nullopt},
        {"both sides of the range", {q(3), q(1)}, 15, true, std::nullopt},
        {"below the lower bound",
         {q(-1), q(0)},
         9,
         false,
         "the value of column a is below its lower bound"},
        {"above the upper bound",
         {q(4), q(0)},
         14,
         false,
         "the value of column a is above its upper bound"},
        {"not integral", {q(1, 2), q(0)}, 10.5, true, "the value of column a is not an integer"},
        {"integrality only for milp", {q(1, 2), q(0)}, 10.5, false, std::nullopt},
        {"row over its side", {q(3), q(3, 2)}, 16, false, "the model breaks row cap"},
        {"range's low side", {q(0), q(-2)}, 6, false, "the model breaks row bal"},
        {"range's high side", {q(0), q(3, 2)}, 13, false, "the model breaks row bal"},
        {"objective without the constant",
         {q(0), q(-1)},
         -2,
         false,
         "the objective is not the one the model gives"},
    };
    for (const MpsCase& c : cases) {
        Assignment a;
        for (std::size_t j = 0; j < c.values.size(); ++j)
            a.append_new(j, lp::to_value(c.values[j]));
        EXPECT_EQ(mps_answer_error(model.value(), LpResult::optimal(a, c.objective), c.values,
                                   c.integers),
                  c.error)
            << c.name;
    }
    // A feasible answer has no objective to check; reported values must be
    // the exact ones, one per column.
    Assignment a;
    a.append_new(0, std::int64_t{0});
    a.append_new(1, std::int64_t{-1});
    const std::vector<linear::BigRational> right = {q(0), q(-1)};
    EXPECT_EQ(mps_answer_error(model.value(), LpResult::feasible(a), right, true), std::nullopt);
    const std::vector<linear::BigRational> other = {q(0), q(-1, 2)};
    EXPECT_EQ(mps_answer_error(model.value(), LpResult::feasible(a), other, false),
              "the reported value of column b is not its exact value");
    EXPECT_EQ(
        mps_answer_error(model.value(), LpResult::feasible(a), std::span(right).first(1), false),
        "the model does not have one value per column of the file");
}

}  // namespace
}  // namespace nemox::roads
