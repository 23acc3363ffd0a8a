#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "lp/exact_basis.hpp"
#include "lp/solver.hpp"
#include "milp/solver.hpp"
#include "parser/lp_format.hpp"
#include "parser/mps.hpp"

namespace nemox::lp {
namespace {

using linear::BigRational;
using linear::Rational;
using Engine = LpSolver::Engine;

linear::ExactSystem read(const std::string& text) {
    auto parsed = parser::read_lp_text(text);
    if (!parsed.ok()) throw std::runtime_error(parsed.error());
    return std::move(parsed.value());
}

linear::BigLinearSystem as_big(const linear::ExactSystem& s) {
    return linear::widen(s);
}

// Bit for bit: == alone takes -0.0 for 0.0.
void expect_identical(const LpResult& expected, const LpResult& got) {
    ASSERT_EQ(expected, got);
    ASSERT_EQ(std::bit_cast<std::uint64_t>(expected.objective),
              std::bit_cast<std::uint64_t>(got.objective));
    ASSERT_EQ(expected.text(), got.text());
}

enum class Shape {
    Integers,
    TwoDecimals,
    Degenerate,      // zero right-hand sides: ties in the ratio test
    DualDegenerate,  // an objective parallel to a row, equal costs: many optima
    Infeasible,
    Unbounded,
    NoObjective,
    Equalities,  // equalities through a known point, some repeated
    Huge,        // coefficients beyond 64 bits
    Wide,
    ScaledInfeasible,  // infeasible, rows of magnitudes 1 to 10^6
    Bounded,           // upper bounds on most variables, some at zero
};

class Generator {
  public:
    explicit Generator(std::uint64_t seed) : rng_(seed) {}

    std::string lp(Shape shape) {
        const bool wide = shape == Shape::Wide;
        const int n = wide ? 20 + pick(20) : 2 + pick(7);
        const int m = wide ? 20 + pick(20) : 2 + pick(7);
        std::vector<int> point(static_cast<std::size_t>(n));
        for (int& p : point) p = pick(4);
        std::vector<std::vector<std::string>> rows;
        std::string text;
        std::string previous;
        std::string body;
        for (int i = 0; i < m; ++i) {
            if (shape == Shape::Equalities && !previous.empty() && pick(3) == 0) {
                body += previous;
                continue;
            }
            std::string row;
            row_zeros_ = shape == Shape::ScaledInfeasible ? pick(7) : 0;
            long long at_point = 0;
            bool any = false;
            for (int v = 0; v < n; ++v) {
                if (pick(10) < (wide ? 7 : 3)) continue;
                int c = pick(9) - 3;
                if (shape == Shape::Unbounded && v == 0) c = -1 - pick(3);
                at_point += static_cast<long long>(c) * point[static_cast<std::size_t>(v)];
                row += coeff(shape, c) + "*x" + std::to_string(v) + " + ";
                any = true;
            }
            if (!any) row += "1*x" + std::to_string(pick(n)) + " + ";
            std::string line;
            if (shape == Shape::Equalities) {
                line = row + "0 " + (pick(2) ? "=" : "<=") + " " + std::to_string(at_point);
            } else {
                static const char* const ops[] = {"<=", "<=", "<=", ">=", "="};
                const char* op = shape == Shape::Unbounded ? "<=" : ops[pick(5)];
                const bool zero = shape == Shape::Degenerate && pick(10) < 7;
                line = row + "0 " + op + " " + (zero ? std::string("0") : rhs(shape));
            }
            previous = line + "\n";
            body += previous;
        }
        row_zeros_ = 0;
        if (shape == Shape::Bounded) {
            for (int v = 0; v < n; ++v) {
                if (pick(4) > 0)
                    body += "x" + std::to_string(v) + " <= " + std::to_string(pick(4)) + "\n";
            }
        }
        if (shape == Shape::Infeasible || shape == Shape::ScaledInfeasible) {
            // Two rows that no x >= 0 meets together.
            const int v = pick(n);
            body += "x" + std::to_string(v) + " + 2*x" + std::to_string((v + 1) % n) +
                    " <= " + std::to_string(pick(5)) + "\n";
            body += "x" + std::to_string(v) + " + 2*x" + std::to_string((v + 1) % n) +
                    " >= " + std::to_string(6 + pick(5)) + "\n";
        }
        if (shape == Shape::NoObjective) return body;
        text = pick(2) ? "max " : "min ";
        if (shape == Shape::Unbounded) text = "max ";
        for (int v = 0; v < n; ++v) {
            std::string c;
            if (shape == Shape::DualDegenerate) {
                c = std::to_string(1 + pick(2));
            } else if (shape == Shape::Unbounded && v == 0) {
                c = "1";
            } else {
                c = coeff(shape, pick(9) - 3);
            }
            text += (v ? " + " : "") + c + "*x" + std::to_string(v);
        }
        return text + "\n" + body;
    }

    int pick(int bound) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(bound)); }

  private:
    std::string coeff(Shape shape, int c) {
        switch (shape) {
            case Shape::TwoDecimals:
                return std::to_string(c) + "." + std::to_string(10 + pick(90));
            case Shape::Huge:
                return std::to_string(c) +
                       std::string(static_cast<std::size_t>(15 + pick(10)), '0') +
                       std::to_string(1 + pick(9));
            default:
                return std::to_string(c) + zeros();
        }
    }
    std::string zeros() const { return std::string(static_cast<std::size_t>(row_zeros_), '0'); }
    std::string rhs(Shape shape) {
        if (shape == Shape::Huge)
            return std::to_string(1 + pick(9)) +
                   std::string(static_cast<std::size_t>(pick(22)), '0');
        if (shape == Shape::TwoDecimals)
            return std::to_string(pick(20)) + "." + std::to_string(10 + pick(90));
        return std::to_string(pick(12)) + zeros();
    }

    std::mt19937_64 rng_;
    int row_zeros_ = 0;  // the current row's coefficients times 10^row_zeros_
};

struct Tally {
    int direct = 0;
    int lifted = 0;  // of those, proven by p-adic solves with the doubles' basis
    int optimal = 0;
    int infeasible = 0;
    int unbounded = 0;
};

// The direct engine against the dense tableau; a direct answer must carry a
// certificate that checks.
void expect_same_answer(const linear::ExactSystem& system, Tally& tally) {
    LpSolver dense;
    dense.set_engine(Engine::Dense);
    dense.load(system);
    const LpResult expected = dense.solve();
    LpSolver direct;
    direct.set_engine(Engine::Direct);
    direct.keep_certificate(true);
    direct.keep_exact_values(true);
    direct.load(system);
    const LpResult got = direct.solve();
    expect_identical(expected, got);
    ASSERT_EQ(dense.column_labels(), direct.column_labels());
    if (!direct.stats().direct) return;
    ++tally.direct;
    tally.lifted += direct.stats().lifted;
    tally.optimal += got.kind == LpResult::Kind::Optimal;
    tally.infeasible += got.kind == LpResult::Kind::Infeasible;
    tally.unbounded += got.kind == LpResult::Kind::Unbounded;
    ASSERT_TRUE(direct.certificate().has_value());
    EXPECT_EQ(certificate_error(as_big(system), *direct.certificate()), std::nullopt);
    if (got.kind == LpResult::Kind::Optimal) {
        // The exact values that branch and bound reads are the answer's too.
        ASSERT_EQ(direct.exact_values(), direct.certificate()->primal);
    }
}

struct ShapeCase {
    Shape shape;
    int count;
    // At least this many of `count` answered directly, by kind, and
    // proven by p-adic solves with the doubles' basis alone.
    int optimal, infeasible, unbounded;
    int lifted;
};

class DirectTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(DirectTest, SameAnswerAsTheDenseTableau) {
    const ShapeCase c = GetParam();
    Generator gen(2100 + static_cast<std::uint64_t>(c.shape));
    Tally tally;
    for (int k = 0; k < c.count; ++k) {
        const std::string text = gen.lp(c.shape);
        SCOPED_TRACE(text);
        expect_same_answer(read(text), tally);
        if (HasFatalFailure()) return;
    }
    EXPECT_GE(tally.optimal, c.optimal);
    EXPECT_GE(tally.infeasible, c.infeasible);
    EXPECT_GE(tally.unbounded, c.unbounded);
    EXPECT_GE(tally.lifted, c.lifted);
    // Some answers must still come from the pivots, where the optimum is not
    // unique.
    if (c.shape == Shape::DualDegenerate || c.shape == Shape::NoObjective) {
        EXPECT_LT(tally.direct, c.count);
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, DirectTest,
                         ::testing::Values(ShapeCase{Shape::Integers, 600, 80, 120, 70, 280},
                                           ShapeCase{Shape::TwoDecimals, 400, 70, 70, 40, 200},
                                           ShapeCase{Shape::Degenerate, 600, 120, 80, 80, 240},
                                           ShapeCase{Shape::DualDegenerate, 400, 70, 80, 30, 220},
                                           ShapeCase{Shape::Infeasible, 300, 0, 280, 0, 250},
                                           ShapeCase{Shape::Unbounded, 300, 5, 0, 250, 5},
                                           ShapeCase{Shape::NoObjective, 300, 1, 100, 0, 90},
                                           ShapeCase{Shape::Equalities, 400, 100, 5, 70, 140},
                                           ShapeCase{Shape::Huge, 300, 40, 50, 30, 100},
                                           ShapeCase{Shape::Wide, 60, 2, 20, 3, 25},
                                           ShapeCase{Shape::ScaledInfeasible, 300, 0, 290, 0, 290},
                                           ShapeCase{Shape::Bounded, 400, 100, 240, 10, 340}),
                         [](const auto& info) {
                             return std::to_string(static_cast<int>(info.param.shape));
                         });

// A standard form filled by hand: maximise x0 + x1 subject to
// x0 + 2 x1 + s0 = 4 and 3 x0 + x1 + s1 = 6 (columns x0 x1 s0 s1).
StandardForm two_rows(const Rational& c0, const Rational& c1) {
    StandardForm form(4, 2);
    form.set(1, 0, Rational(1, 1));
    form.set(1, 1, Rational(2, 1));
    form.set(1, 2, Rational(1, 1));
    form.set(1, 4, Rational(4, 1));
    form.set(2, 0, Rational(3, 1));
    form.set(2, 1, Rational(1, 1));
    form.set(2, 3, Rational(1, 1));
    form.set(2, 4, Rational(6, 1));
    form.set(0, 0, c0);
    form.set(0, 1, c1);
    form.set_basis(1, 2);
    form.set_basis(2, 3);
    return form;
}

bool accept_all(const Certificate&) {
    return true;
}

FormInfo two_rows_info() {
    FormInfo info;
    info.variables = 2;
    info.artificial.assign(4, 0);
    info.flipped.assign(2, 0);
    info.objective = FormInfo::Objective::Maximize;
    return info;
}

// Wrong or useless bases planted where the floating-point simplex's would
// be: none may give an answer without exact pivots to mend it.
TEST(CertifyBasis, PlantedBases) {
    Interrupt interrupt;
    const StandardForm form = two_rows(Rational(1, 1), Rational(1, 1));
    const FormInfo info = two_rows_info();
    const linear::BigLinearSystem system =
        as_big(read("max x0 + x1\nx0 + 2*x1 <= 4\n3*x0 + x1 <= 6\n"));
    const auto checks = [&](const Certificate& c) { return !certificate_error(system, c); };
    struct Case {
        std::vector<std::size_t> basis;
        std::uint64_t pivots;
        bool answered;
    };
    const Case cases[] = {
        {{0, 1}, 0, true},   // the optimal basis: x0 = 8/5, x1 = 6/5
        {{1, 0}, 0, true},   // the same in another order
        {{2, 3}, 0, false},  // feasible but not optimal, no pivots allowed
        {{2, 3}, 5, true},   // mended by exact pivots
        {{0, 2}, 0, false},  // x0 = 2 from row 2, s0 = 2: not optimal
        {{1, 3}, 0, false},  // x1 = 2 from row 1, s1 = 4: not optimal
        {{0, 3}, 0, false},  // x0 = 4, s1 = -6: negative
        {{1, 2}, 5, false},  // x1 = 6, s0 = -8: negative, no phase to mend it
        {{0, 0}, 5, false},  // a column twice
        {{0}, 5, false},     // too few columns
        {{0, 7}, 5, false},  // no such column
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.basis) + " " + std::to_string(c.pivots));
        const auto answer = certify_basis(form, info, c.basis, c.pivots, interrupt, checks);
        ASSERT_EQ(answer.has_value(), c.answered);
        if (!answer) continue;
        EXPECT_EQ(answer->kind, DirectAnswer::Kind::Optimal);
        // The optimal bases prove themselves by p-adic solves; the others
        // need the exact engine's pivots.
        EXPECT_EQ(answer->lifted, answer->pivots == 0);
        EXPECT_EQ(answer->basis.size(), 2u);
        EXPECT_EQ(answer->certificate.primal,
                  (std::vector<BigRational>{Rational(8, 5), Rational(6, 5)}));
        EXPECT_EQ(answer->certificate.multipliers,
                  (std::vector<BigRational>{Rational(2, 5), Rational(1, 5)}));
    }
    // Without the p-adic attempt the exact engine proves the same basis.
    const auto answer = certify_basis(form, info, {0, 1}, 0, interrupt, checks, false);
    ASSERT_TRUE(answer.has_value());
    EXPECT_FALSE(answer->lifted);
    EXPECT_EQ(answer->pivots, 0u);
    EXPECT_EQ(answer->certificate.primal,
              (std::vector<BigRational>{Rational(8, 5), Rational(6, 5)}));
}

// The check has the last word: a certificate it refuses gives no answer,
// whatever the basis.
TEST(CertifyBasis, RefusedCertificateGivesNoAnswer) {
    Interrupt interrupt;
    const StandardForm form = two_rows(Rational(1, 1), Rational(1, 1));
    int asked = 0;
    const auto refuse = [&](const Certificate&) {
        ++asked;
        return false;
    };
    EXPECT_FALSE(certify_basis(form, two_rows_info(), {0, 1}, 5, interrupt, refuse));
    EXPECT_FALSE(certify_basis(form, two_rows_info(), {2, 3}, 5, interrupt, refuse));
    EXPECT_EQ(asked, 2);
}

// An optimal basis whose optimum is not the only one: x0 + 2 x1 is
// parallel to the first row, so the whole edge is optimal.
TEST(CertifyBasis, OptimalButNotUnique) {
    Interrupt interrupt;
    const StandardForm form = two_rows(Rational(1, 1), Rational(2, 1));
    EXPECT_FALSE(certify_basis(form, two_rows_info(), {0, 1}, 0, interrupt, accept_all));
    EXPECT_FALSE(certify_basis(form, two_rows_info(), {0, 1}, 5, interrupt, accept_all));
}

// The float simplex on one row a0 x0 + a1 x1 + s = 1 from the slack's
// basis, maximising c0 x0 + c1 x1.
FloatOutcome one_row(int a0, int a1, int c0, int c1) {
    Interrupt interrupt;
    StandardForm form(3, 1);
    const int row[] = {a0, a1, 1, 1};
    for (std::size_t j = 0; j < 4; ++j)
        if (row[j] != 0) form.set(1, j, Rational(row[j], 1));
    if (c0 != 0) form.set(0, 0, Rational(c0, 1));
    if (c1 != 0) form.set(0, 1, Rational(c1, 1));
    form.set_basis(1, 2);
    return float_simplex(form.to_float(std::vector<char>(3, 0)), interrupt);
}

// The doubles' hint that the optimum is not unique, which spares the exact
// attempt: it must see every second optimum of these small cases, and
// must not see one where there is none.
TEST(FloatSimplex, SecondOptimum) {
    Interrupt interrupt;
    struct Case {
        Rational c0, c1;
        bool another;
        bool zero_price;  // some nonbasic column prices at zero
    };
    const Case cases[] = {
        {Rational(1, 1), Rational(1, 1), false, false},   // the vertex (8/5, 6/5)
        {Rational(1, 1), Rational(-1, 1), false, false},  // the vertex (2, 0)
        {Rational(1, 1), Rational(0, 1), false, false},   // the vertex (2, 0) again
        {Rational(1, 1), Rational(2, 1), true, true},     // parallel to the first row
        {Rational(3, 1), Rational(1, 1), true, true},     // parallel to the second row
        {Rational(0, 1), Rational(0, 1), true, true},     // no objective: every point
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.c0.text() + " " + c.c1.text());
        const StandardForm form = two_rows(c.c0, c.c1);
        const FloatOutcome out = float_simplex(form.to_float(std::vector<char>(4, 0)), interrupt);
        ASSERT_EQ(out.kind, FloatOutcome::Kind::Optimal);
        EXPECT_EQ(out.another_optimum, c.another);
        EXPECT_EQ(out.zero_reduced_cost, c.zero_price);
    }
    // An optimal face without bound: x1 is in no row.
    const FloatOutcome out = one_row(1, 0, 1, 0);
    ASSERT_EQ(out.kind, FloatOutcome::Kind::Optimal);
    EXPECT_TRUE(out.another_optimum);
}

// An unbounded end still counts the pivots that led to it: x0 enters
// first, then x1 rises without bound along x0 - x1 + s = 1.
TEST(FloatSimplex, UnboundedCountsItsPivots) {
    const FloatOutcome out = one_row(1, -1, 1, 1);
    ASSERT_EQ(out.kind, FloatOutcome::Kind::Unbounded);
    EXPECT_EQ(out.pivots, 1u);
}

// Random forms with <= rows (some bounding one column), = rows started from
// artificial columns, and x >= 0, maximised: devex and Dantzig's rule, each
// on its own, must end in the same kind, and an optimal basis that proves
// itself with no exact pivot must give the same point under both.
TEST(FloatSimplex, EachPricingReachesTheAnswer) {
    Interrupt interrupt;
    std::mt19937_64 rng(2117);
    const auto pick = [&rng](int lo, int hi) {
        return lo + static_cast<int>(rng() % static_cast<std::uint64_t>(hi - lo + 1));
    };
    int proven = 0;
    int kinds[3] = {0, 0, 0};
    for (int round = 0; round < 300; ++round) {
        const std::size_t n = static_cast<std::size_t>(pick(2, 6));
        const std::size_t m = static_cast<std::size_t>(pick(1, 6));
        StandardForm form(n + m, m);
        FormInfo info;
        info.variables = n;
        info.artificial.assign(n + m, 0);
        info.flipped.assign(m, 0);
        info.objective = FormInfo::Objective::Maximize;
        std::ostringstream trace;
        for (std::size_t i = 1; i <= m; ++i) {
            const bool equality = pick(0, 3) == 0;
            const bool bound = !equality && pick(0, 3) == 0;
            const std::size_t only = static_cast<std::size_t>(pick(0, static_cast<int>(n) - 1));
            for (std::size_t j = 0; j < n; ++j) {
                const int a = bound ? (j == only ? pick(1, 4) : 0) : pick(-3, 5);
                if (a != 0) form.set(i, j, Rational(a, 1));
                trace << a << ' ';
            }
            const int b = pick(0, 12);
            form.set(i, n + m, Rational(b, 1));
            form.set(i, n + i - 1, Rational(1, 1));
            form.set_basis(i, n + i - 1);
            info.artificial[n + i - 1] = equality;
            trace << (equality ? "= " : "<= ") << b << "; ";
        }
        for (std::size_t j = 0; j < n; ++j) {
            const int c = pick(-2, 4);
            if (c != 0) form.set(0, j, Rational(c, 1));
            trace << c << ' ';
        }
        SCOPED_TRACE(trace.str());
        std::vector<FloatOutcome> outs;
        for (const FloatPricing pricing : {FloatPricing::Devex, FloatPricing::Dantzig}) {
            outs.push_back(float_simplex(form.to_float(info.artificial), interrupt, pricing));
            ASSERT_NE(outs.back().kind, FloatOutcome::Kind::Failed);
        }
        ASSERT_EQ(outs[0].kind, outs[1].kind);
        ++kinds[static_cast<int>(outs[0].kind)];
        if (outs[0].kind != FloatOutcome::Kind::Optimal) continue;
        std::vector<std::optional<DirectAnswer>> answers;
        for (const FloatOutcome& out : outs) {
            answers.push_back(certify_basis(form, info, out.basis, 0, interrupt, accept_all));
        }
        if (!answers[0] || !answers[1]) continue;
        ASSERT_EQ(answers[0]->kind, DirectAnswer::Kind::Optimal);
        ASSERT_EQ(answers[1]->kind, DirectAnswer::Kind::Optimal);
        EXPECT_EQ(answers[0]->certificate.primal, answers[1]->certificate.primal);
        ++proven;
    }
    EXPECT_GE(kinds[static_cast<int>(FloatOutcome::Kind::Optimal)], 60);
    EXPECT_GE(kinds[static_cast<int>(FloatOutcome::Kind::Infeasible)], 20);
    EXPECT_GE(kinds[static_cast<int>(FloatOutcome::Kind::Unbounded)], 20);
    EXPECT_GE(proven, 40);
}

// A singular basis: two copies of one column.
TEST(CertifyBasis, SingularBasis) {
    Interrupt interrupt;
    StandardForm form(3, 2);
    form.set(1, 0, Rational(1, 1));
    form.set(2, 0, Rational(2, 1));
    form.set(1, 1, Rational(1, 1));
    form.set(2, 1, Rational(2, 1));
    form.set(1, 2, Rational(1, 1));
    form.set(1, 3, Rational(1, 1));
    form.set(2, 3, Rational(2, 1));
    form.set_basis(1, 2);
    form.set_basis(2, 0);
    FormInfo info;
    info.variables = 2;
    info.artificial.assign(3, 0);
    info.flipped.assign(2, 0);
    EXPECT_EQ(form.load({0, 1}), nullptr);
    EXPECT_FALSE(certify_basis(form, info, {0, 1}, 5, interrupt, accept_all));
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("missing test data: " + path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

struct NetlibCase {
    const char* name;
    bool unique;  // the optimal point is the only one
};

class DirectNetlibTest : public ::testing::TestWithParam<NetlibCase> {};

// Real models: the direct answer against the pivots of the factorized
// engine (the dense tableau's, as its own tests show), which these models
// are small enough to wait for. Models with more than one optimal point
// must be left to the pivots.
TEST_P(DirectNetlibTest, SameAnswerAsThePivots) {
    const NetlibCase c = GetParam();
    auto model = parser::read_mps(
        slurp(std::string(NEMOX_TEST_DATA) + "/netlib/" + std::string(c.name) + ".mps"));
    ASSERT_TRUE(model.ok()) << model.error();
    LpSolver revised;
    revised.set_engine(Engine::Revised);
    revised.load(model.value().system);
    const LpResult expected = revised.solve();
    LpSolver direct;
    direct.set_engine(Engine::Direct);
    direct.keep_certificate(true);
    direct.load(model.value().system);
    const LpResult got = direct.solve();
    expect_identical(expected, got);
    ASSERT_EQ(direct.stats().direct, c.unique);
    if (!c.unique) return;
    ASSERT_TRUE(direct.certificate().has_value());
    EXPECT_EQ(certificate_error(as_big(model.value().system), *direct.certificate()), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Models, DirectNetlibTest,
                         ::testing::Values(NetlibCase{"afiro", false}, NetlibCase{"sc50a", true},
                                           NetlibCase{"sc50b", true}, NetlibCase{"adlittle", false},
                                           NetlibCase{"blend", false}, NetlibCase{"kb2", true},
                                           NetlibCase{"sc105", true}, NetlibCase{"share2b", false},
                                           NetlibCase{"stocfor1", true}, NetlibCase{"scagr7", true},
                                           NetlibCase{"recipe", false},
                                           // Its float simplex perturbs a degenerate stall.
                                           NetlibCase{"gfrd-pnc", true}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

class DirectInfeasibleTest : public ::testing::TestWithParam<const char*> {};

// Rows of very different magnitudes: the prices of the floating-point
// simplex's last phase-1 basis, recomputed exactly, are the Farkas
// multipliers, with no exact pivot.
TEST_P(DirectInfeasibleTest, FarkasFromTheFloatBasis) {
    auto model = parser::read_mps(slurp(std::string(NEMOX_TEST_DATA) + "/netlib_infeasible/" +
                                        std::string(GetParam()) + ".mps"));
    ASSERT_TRUE(model.ok()) << model.error();
    LpSolver direct;
    direct.set_engine(Engine::Direct);
    direct.keep_certificate(true);
    direct.load(model.value().system);
    EXPECT_EQ(direct.solve().kind, LpResult::Kind::Infeasible);
    EXPECT_TRUE(direct.stats().direct);
    EXPECT_TRUE(direct.stats().lifted);
    ASSERT_TRUE(direct.certificate().has_value());
    EXPECT_EQ(certificate_error(as_big(model.value().system), *direct.certificate()), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Models, DirectInfeasibleTest,
                         ::testing::Values("forest6", "bgdbg1", "refinery"));

// Node LPs take the shortcut as well: the search must not notice.
TEST(DirectMilp, SameAnswersAsTheDenseTableau) {
    Generator gen(2177);
    int branched = 0;
    for (int k = 0; k < 150; ++k) {
        std::string text = gen.lp(k % 3 == 0 ? Shape::TwoDecimals : Shape::Integers);
        if (text.rfind("max ", 0) != 0 && text.rfind("min ", 0) != 0) continue;
        const std::size_t end = text.find('\n');
        std::string ints;
        for (int v = 0; v < 9; v += 1 + gen.pick(2)) ints += "int x" + std::to_string(v) + "\n";
        text.insert(end + 1, ints);
        SCOPED_TRACE(text);
        const linear::ExactSystem system = read(text);
        milp::SearchStats dense_stats, direct_stats;
        std::vector<BigRational> dense_exact, direct_exact;
        const LpResult dense =
            milp::branch_and_bound(system, Interrupt(), &dense_stats, Engine::Dense, &dense_exact);
        const LpResult direct = milp::branch_and_bound(system, Interrupt(), &direct_stats,
                                                       Engine::Direct, &direct_exact);
        expect_identical(dense, direct);
        ASSERT_EQ(dense_exact, direct_exact);
        ASSERT_EQ(dense_stats.examined, direct_stats.examined);
        branched += dense_stats.examined > 0;
    }
    EXPECT_GT(branched, 15);
}

}  // namespace
}  // namespace nemox::lp
