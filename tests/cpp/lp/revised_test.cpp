#include "lp/revised.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "lp/solver.hpp"
#include "milp/solver.hpp"
#include "parser/lp_format.hpp"

namespace nemox::lp {
namespace {

using linear::BigRational;
using linear::Rational;
using Engine = LpSolver::Engine;
using Arithmetic = LpSolver::Arithmetic;

linear::ExactSystem read(const std::string& text) {
    auto parsed = parser::read_lp_text(text);
    if (!parsed.ok()) throw std::runtime_error(parsed.error());
    return std::move(parsed.value());
}

struct Outcome {
    LpResult result;
    std::vector<PivotStep> trace;
    std::vector<ColumnLabel> labels;
    SolveStats stats;
    std::optional<Certificate> certificate;
    std::vector<BigRational> exact;
};

Outcome run(const linear::ExactSystem& system, Engine engine, Arithmetic arithmetic,
            bool certify = false) {
    LpSolver solver;
    solver.set_engine(engine);
    solver.set_arithmetic(arithmetic);
    solver.keep_certificate(certify);
    solver.keep_exact_values(certify);
    std::vector<PivotStep> trace;
    solver.set_trace(&trace);
    solver.load(system);
    LpResult result = solver.solve();
    return {std::move(result), std::move(trace),     solver.column_labels(),
            solver.stats(),    solver.certificate(), solver.exact_values()};
}

// A definite answer carries what proves it, about the values it reports.
void expect_proven(const linear::ExactSystem& system, const Outcome& o) {
    using Kind = LpResult::Kind;
    const Kind kind = o.result.kind;
    if (kind != Kind::Optimal && kind != Kind::Infeasible && kind != Kind::Unbounded) {
        EXPECT_FALSE(o.certificate.has_value());
        return;
    }
    ASSERT_TRUE(o.certificate.has_value());
    const Certificate::Kind expected = kind == Kind::Optimal      ? Certificate::Kind::Optimal
                                       : kind == Kind::Infeasible ? Certificate::Kind::Infeasible
                                                                  : Certificate::Kind::Unbounded;
    EXPECT_EQ(o.certificate->kind, expected);
    const linear::BigLinearSystem big = linear::widen(system);
    EXPECT_EQ(certificate_error(big, *o.certificate), std::nullopt);
    if (kind == Kind::Optimal) {
        EXPECT_EQ(o.certificate->primal, o.exact);
    }
}

// Random problems of several shapes; every shape is meant to reach a
// different part of the pivot rules.
enum class Shape {
    SmallIntegers,
    TwoDecimals,
    NineDecimals,
    Degenerate,  // zero right-hand sides, small coefficients: ties and Bland
    HugeValues,  // values that leave the 64-bit range
    Equalities,  // feasible equalities, some repeated: artificials left at zero
    Wide,        // more constraints and pivots: refactorizations
};

class Generator {
  public:
    explicit Generator(std::uint64_t seed) : rng_(seed) {}

    std::string lp(Shape shape) {
        int n = 2 + pick(8), m = 2 + pick(8);
        if (shape == Shape::Wide) {
            n = 15 + pick(30);
            m = 15 + pick(30);
        }
        std::vector<int> point(static_cast<std::size_t>(n));
        for (int& p : point) p = pick(4);
        std::string text = pick(2) ? "max " : "min ";
        for (int v = 0; v < n; ++v) {
            text += (v ? " + " : "") + number(shape, false) + "*x" + std::to_string(v);
        }
        text += "\n";
        std::string previous;
        for (int i = 0; i < m; ++i) {
            if (shape == Shape::Equalities && !previous.empty() && pick(3) == 0) {
                text += previous;  // a repeated row keeps an artificial basic at zero
                continue;
            }
            std::string row;
            long long at_point = 0;
            for (int v = 0; v < n; ++v) {
                if (pick(10) < (shape == Shape::Wide ? 7 : 3)) continue;
                const int c = shape == Shape::Equalities ? pick(7) - 3 : 0;
                const std::string coeff =
                    shape == Shape::Equalities ? std::to_string(c) : number(shape, false);
                at_point += static_cast<long long>(c) * point[static_cast<std::size_t>(v)];
                row += coeff + "*x" + std::to_string(v) + " + ";
            }
            if (shape == Shape::Equalities) {
                row += "0 " + std::string(pick(2) ? "=" : "<=") + " " + std::to_string(at_point);
            } else {
                static const char* const ops[] = {"<=", "<=", "<=", ">=", "="};
                const bool zero_rhs = shape == Shape::Degenerate && pick(10) < 7;
                row += "0 " + std::string(ops[pick(5)]) + " " +
                       (zero_rhs ? std::string("0") : number(shape, pick(4) != 0));
            }
            previous = row + "\n";
            text += previous;
        }
        return text;
    }

    // Beale's cycling example with its variables renamed and its rows
    // shuffled and scaled: other tie-breaks, the same degenerate start.
    std::string beale() {
        const double rows[3][5] = {{0.25, -8, -1, 9, 0}, {0.5, -12, -0.5, 3, 0}, {0, 0, 1, 0, 1}};
        const double objective[4] = {0.75, -20, 0.5, -6};
        std::vector<int> var = {0, 1, 2, 3};
        std::vector<int> order = {0, 1, 2};
        if (pick(2)) std::shuffle(var.begin(), var.end(), rng_);
        if (pick(2)) std::shuffle(order.begin(), order.end(), rng_);
        const auto term = [&](double c, int k) {
            char buf[64];
            std::snprintf(buf, sizeof buf, "%.17g*x%d", c, var[static_cast<std::size_t>(k)]);
            return std::string(buf);
        };
        // Terms in the order of the new names: the text names x0..x3 in order.
        std::vector<int> by_name(4);
        for (int k = 0; k < 4; ++k)
            by_name[static_cast<std::size_t>(var[static_cast<std::size_t>(k)])] = k;
        std::string text = "max ";
        for (const int k : by_name) text += (text.size() > 4 ? " + " : "") + term(objective[k], k);
        text += "\n";
        for (const int r : order) {
            const double scale = 1 << pick(3);  // exact in binary and in decimal
            for (const int k : by_name) text += term(scale * rows[r][k], k) + " + ";
            text += "0 <= " + std::to_string(static_cast<int>(scale * rows[r][4])) + "\n";
        }
        return text;
    }

    int pick(int bound) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(bound)); }

  private:
    std::string number(Shape shape, bool non_negative) {
        std::string digits;
        bool negative = !non_negative && pick(3) == 0;
        switch (shape) {
            case Shape::SmallIntegers:
            case Shape::Wide:
                digits = std::to_string(pick(10));
                break;
            case Shape::Degenerate:
                digits = std::to_string(pick(3));
                break;
            case Shape::TwoDecimals:
                digits = std::to_string(pick(1000) / 100.0).substr(0, 4);
                break;
            case Shape::NineDecimals:
                digits = "0." + std::to_string(100000000 + pick(900000000));
                break;
            case Shape::HugeValues:
                digits = std::to_string(1 + pick(9)) +
                         std::string(static_cast<std::size_t>(pick(16)), '0') + "." +
                         std::to_string(pick(1000));
                break;
            case Shape::Equalities:
                digits = std::to_string(pick(5));
                break;
        }
        return (negative ? "-" : "") + digits;
    }

    std::mt19937_64 rng_;
};

void expect_same_run(const linear::ExactSystem& system, Arithmetic arithmetic, int& bland_runs,
                     int& big_runs) {
    const Outcome dense = run(system, Engine::Dense, arithmetic, true);
    const Outcome revised = run(system, Engine::Revised, arithmetic, true);
    ASSERT_FALSE(dense.stats.revised);
    ASSERT_TRUE(revised.stats.revised);
    ASSERT_EQ(dense.trace, revised.trace);
    ASSERT_EQ(dense.result, revised.result);
    expect_proven(system, dense);
    expect_proven(system, revised);
    // The same final basis: the same prices, point and ray.
    EXPECT_EQ(dense.certificate, revised.certificate);
    ASSERT_EQ(dense.labels, revised.labels);
    ASSERT_EQ(dense.stats.phase1_pivots, revised.stats.phase1_pivots);
    for (const PivotStep& s : dense.trace) {
        if (s.bland) {
            ++bland_runs;
            break;
        }
    }
    big_runs += revised.stats.big;
}

struct ShapeCase {
    Shape shape;
    int count;
};

class SameRunTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(SameRunTest, SamePivotsAsTheDenseTableau) {
    const ShapeCase c = GetParam();
    Generator gen(1000 + static_cast<std::uint64_t>(c.shape));
    int bland = 0, big = 0, optimal = 0, infeasible = 0, unbounded = 0;
    for (int k = 0; k < c.count; ++k) {
        const std::string text = gen.lp(c.shape);
        SCOPED_TRACE(text);
        const linear::ExactSystem system = read(text);
        expect_same_run(system, Arithmetic::Automatic, bland, big);
        if (k % 4 == 0) expect_same_run(system, Arithmetic::BigFractions, bland, big);
        if (HasFatalFailure()) return;
        // Keeping nothing changes nothing.
        const LpResult r = run(system, Engine::Revised, Arithmetic::Automatic).result;
        ASSERT_EQ(r, run(system, Engine::Dense, Arithmetic::Automatic, true).result);
        optimal += r.kind == LpResult::Kind::Optimal;
        infeasible += r.kind == LpResult::Kind::Infeasible;
        unbounded += r.kind == LpResult::Kind::Unbounded;
    }
    // Each shape must reach what it is there for.
    EXPECT_GT(optimal, c.count / 10);
    // Every kind of certificate is met (equalities through a point are feasible).
    EXPECT_GT(unbounded, 0);
    if (c.shape != Shape::Equalities) {
        EXPECT_GT(infeasible, 0);
    }
    if (c.shape == Shape::HugeValues) {
        EXPECT_GT(big, c.count / 2);
    }
    if (c.shape == Shape::Equalities) {
        EXPECT_GT(optimal, c.count / 2);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, SameRunTest,
    ::testing::Values(ShapeCase{Shape::SmallIntegers, 800}, ShapeCase{Shape::TwoDecimals, 600},
                      ShapeCase{Shape::NineDecimals, 400}, ShapeCase{Shape::Degenerate, 800},
                      ShapeCase{Shape::HugeValues, 300}, ShapeCase{Shape::Equalities, 600},
                      ShapeCase{Shape::Wide, 60}));

TEST(RevisedTableau, CyclingSwitchesToBlandAsTheDenseTableau) {
    Generator gen(77);
    int bland = 0, big = 0;
    for (int k = 0; k < 200; ++k) {
        const std::string text = gen.beale();
        SCOPED_TRACE(text);
        const linear::ExactSystem system = read(text);
        expect_same_run(system, Arithmetic::Automatic, bland, big);
        if (HasFatalFailure()) return;
        EXPECT_EQ(run(system, Engine::Revised, Arithmetic::Automatic).result.objective, 1.25);
    }
    EXPECT_GT(bland, 0);
}

TEST(RevisedTableau, WideProblemsRefactorize) {
    Generator gen(5);
    int refactorized = 0;
    for (int k = 0; k < 40; ++k) {
        const linear::ExactSystem system = read(gen.lp(Shape::Wide));
        const Outcome r = run(system, Engine::Revised, Arithmetic::Automatic);
        refactorized += r.stats.refactorizations > 1 || r.stats.modular_refactorizations > 1;
    }
    EXPECT_GT(refactorized, 0);
}

// Costs too large for word residuals with a matrix that fits: entering
// columns by lifting, prices through the etas, the dense tableau's pivots.
TEST(RevisedTableau, LargeCostsKeepThePricesOnTheEtas) {
    Generator gen(405);
    int bland = 0, big = 0, lifted = 0;
    for (int k = 0; k < 60; ++k) {
        std::string text = gen.lp(Shape::SmallIntegers);
        const std::size_t end = text.find('\n');
        for (std::size_t at = text.find("*x"); at < end; at = text.find("*x", at + 20))
            text.insert(at, "00000000000000000");  // times 10^17, beyond 2^57
        SCOPED_TRACE(text);
        const linear::ExactSystem system = read(text);
        expect_same_run(system, Arithmetic::Automatic, bland, big);
        if (HasFatalFailure()) return;
        lifted += run(system, Engine::Revised, Arithmetic::Automatic).stats.lifted_solves > 0;
    }
    EXPECT_GT(lifted, 20);
}

// Data whose residuals fit in words are solved by lifting, the others
// through the etas (both against the dense tableau's pivots above).
TEST(RevisedTableau, LiftsWhereTheDataFitInWords) {
    Generator gen(404);
    int lifted = 0, through_etas = 0;
    for (int k = 0; k < 200; ++k) {
        const Shape shape = k % 2 ? Shape::HugeValues : Shape::SmallIntegers;
        const Outcome r = run(read(gen.lp(shape)), Engine::Revised, Arithmetic::Automatic);
        if (r.stats.pivots == 0) continue;
        if (shape == Shape::SmallIntegers) {
            EXPECT_GT(r.stats.lifted_solves, 0u);
        }
        ++(r.stats.lifted_solves > 0 ? lifted : through_etas);
    }
    EXPECT_GT(lifted, 20);
    EXPECT_GT(through_etas, 20);
}

TEST(RevisedTableau, MilpAnswersDoNotDependOnTheEngine) {
    Generator gen(31);
    int branched = 0;
    for (int k = 0; k < 120; ++k) {
        std::string text = gen.lp(k % 2 ? Shape::SmallIntegers : Shape::TwoDecimals);
        const std::size_t end = text.find('\n');
        std::string ints;
        for (int v = 0; v < 10; v += 1 + gen.pick(2)) ints += "int x" + std::to_string(v) + "\n";
        text.insert(end + 1, ints);
        SCOPED_TRACE(text);
        const linear::ExactSystem system = read(text);
        milp::SearchStats dense_stats, revised_stats;
        const LpResult dense =
            milp::branch_and_bound(system, Interrupt(), &dense_stats, Engine::Dense);
        const LpResult revised =
            milp::branch_and_bound(system, Interrupt(), &revised_stats, Engine::Revised);
        ASSERT_EQ(dense, revised);
        ASSERT_EQ(dense_stats.pivots, revised_stats.pivots);
        branched += dense_stats.examined > 0;
    }
    EXPECT_GT(branched, 12);
}

// Direct cases on the factorized tableau, against the dense one's values.
TEST(RevisedTableau, ReadsLikeTheDenseTableau) {
    // Rows: x0 + 2 x1 + s0 = 4, 3 x0 + x1 + s1 = 6; maximise x0 + x1.
    RevisedTableau rev(4, 2);
    Tableau<Rational> dense(4, 2);
    const auto fill = [](auto& t) {
        t.set(1, 0, Rational(1, 1));
        t.set(1, 1, Rational(2, 1));
        t.set(1, 2, Rational(1, 1));
        t.set(1, 4, Rational(4, 1));
        t.set(2, 0, Rational(3, 1));
        t.set(2, 1, Rational(1, 1));
        t.set(2, 3, Rational(1, 1));
        t.set(2, 4, Rational(6, 1));
        t.set(0, 0, Rational(1, 1));
        t.set(0, 1, Rational(1, 1));
        t.set_basis(1, 2);
        t.set_basis(2, 3);
        t.seal();
    };
    fill(rev);
    fill(dense);
    for (int step = 0; step < 3; ++step) {
        const auto col = dense.find_entering();
        ASSERT_EQ(rev.find_entering(), col);
        if (!col) break;
        const auto leaving = dense.find_leaving(*col);
        const auto rl = rev.find_leaving(*col);
        ASSERT_EQ(rl.has_value(), leaving.has_value());
        ASSERT_EQ(rl->row, leaving->row);
        ASSERT_EQ(rl->column, leaving->column);
        dense.pivot(leaving->row, *col);
        rev.pivot(leaving->row, *col);
        EXPECT_EQ(rev.objective_value(), BigRational(dense.objective_value()));
        for (std::size_t j = 0; j < 4; ++j)
            EXPECT_EQ(rev.value_of(j), BigRational(dense.value_of(j)));
    }
    EXPECT_EQ(rev.objective_value(), BigRational(Rational(-14, 5)));
    EXPECT_EQ(rev.value_of(0), BigRational(Rational(8, 5)));
    // A basic column has a zero in every other row.
    EXPECT_THROW(rev.pivot(1, rev.basis(2)), InternalFailure);
    EXPECT_THROW(rev.find_leaving(4), InternalFailure);
    EXPECT_THROW(rev.set(3, 0, Rational(1, 1)), InternalFailure);
}

// Random tableaux with many ties, driven step by step with every rule
// variant the driver uses (Bland or not, excluded and protected columns):
// each decision and each value must be the dense tableau's.
TEST(RevisedTableau, EveryRuleVariantAsTheDenseTableau) {
    std::mt19937_64 rng(99);
    const auto pick = [&](int bound) {
        return static_cast<int>(rng() % static_cast<std::uint64_t>(bound));
    };
    int bland_ties = 0, protected_rows = 0;
    for (int k = 0; k < 400; ++k) {
        const std::size_t n = 2 + static_cast<std::size_t>(pick(5)),
                          m = 2 + static_cast<std::size_t>(pick(5));
        Tableau<BigRational> dense(n + m, m);
        RevisedTableau rev(n + m, m);
        std::vector<char> special(n + m, 0);  // protected in the ratio test, excluded from entering
        const auto both = [&](std::size_t r, std::size_t c, const Rational& v) {
            dense.set(r, c, BigRational(v));
            rev.set(r, c, BigRational(v));
        };
        for (std::size_t j = 0; j < n; ++j) both(0, j, Rational(pick(7) - 2, 1 + pick(2)));
        for (std::size_t i = 1; i <= m; ++i) {
            for (std::size_t j = 0; j < n; ++j) {
                if (pick(3) != 0) both(i, j, Rational(pick(5) - 1, 1 + pick(3)));
            }
            const int rhs = pick(3) == 0 ? 0 : pick(4);
            both(i, n + m, Rational(rhs, 1));
            both(i, n + i - 1, Rational(1, 1));
            dense.set_basis(i, n + i - 1);
            rev.set_basis(i, n + i - 1);
            // Only columns basic at zero may be protected: they stay at zero.
            if (rhs == 0 && pick(2) == 0) special[n + i - 1] = 1;
        }
        dense.seal();
        rev.seal();
        for (int step = 0; step < 12; ++step) {
            const bool bland = pick(2) == 0;
            const bool use_special = pick(2) == 0;
            const std::vector<char>* set = use_special ? &special : nullptr;
            const auto col = dense.find_entering(set, bland);
            ASSERT_EQ(rev.find_entering(set, bland), col);
            if (!col) break;
            const auto leaving = dense.find_leaving(*col, set, bland);
            const auto rl = rev.find_leaving(*col, set, bland);
            ASSERT_EQ(rl.has_value(), leaving.has_value());
            if (!leaving) break;
            ASSERT_EQ(rl->row, leaving->row);
            ASSERT_EQ(rl->column, leaving->column);
            if (bland) {
                // A tie in the ratio test that Bland breaks by the leaving column.
                const auto plain = dense.find_leaving(*col, set, false);
                bland_ties += plain && plain->row != leaving->row;
            }
            protected_rows += use_special && special[leaving->column];
            dense.pivot(leaving->row, *col);
            rev.pivot(leaving->row, *col);
            ASSERT_EQ(rev.objective_value(), dense.objective_value());
            for (std::size_t j = 0; j < n + m; ++j) ASSERT_EQ(rev.value_of(j), dense.value_of(j));
        }
    }
    EXPECT_GT(bland_ties, 0);
    EXPECT_GT(protected_rows, 0);
}

// Reduced costs whose terms cancel far below the doubles' precision: the
// screen cannot decide them, the exact price must.
TEST(RevisedTableau, CancellingPricesAreDecidedExactly) {
    const linear::BigInt e10(10000000000);
    const BigRational big(e10 * e10, linear::BigInt(1));  // 10^20
    const BigRational one(Rational(1, 1));
    for (const bool bland : {false, true}) {
        SCOPED_TRACE(bland);
        const auto fill = [&](auto& tab) {
            tab.set(1, 0, one);
            tab.set(1, 1, one);
            tab.set(1, 2, one);
            tab.set(1, 3, one);
            tab.set(0, 0, big);
            tab.set(0, 1, big + one);
            tab.set_basis(1, 2);
            tab.seal();
            tab.pivot(1, 0);  // x1's reduced cost is now exactly 1
        };
        Tableau<BigRational> dense(3, 1);
        RevisedTableau rev(3, 1);
        fill(dense);
        fill(rev);
        const auto col = dense.find_entering(nullptr, bland);
        ASSERT_EQ(col, std::optional<std::size_t>(1));
        EXPECT_EQ(rev.find_entering(nullptr, bland), col);
    }
}

TEST(LpSolver, AutomaticEngineBySize) {
    const auto rows = [](int m, int n) {
        std::string text = "max";
        for (int j = 0; j < n; ++j)
            text += " + " + std::to_string(1 + j % 3) + "*x" + std::to_string(j);
        text += "\n";
        for (int i = 0; i < m; ++i) {
            text += "x" + std::to_string(i % n) + " + x" + std::to_string((i * 7 + 1) % n) +
                    " <= " + std::to_string(1 + i % 5) + "\n";
        }
        return text;
    };
    struct Case {
        int m, n;
        bool revised;
    };
    // The two-variable example; a few rows of many columns; many rows.
    for (const Case c :
         {Case{2, 2, false}, Case{8, 400, false}, Case{40, 30, true}, Case{200, 5, true}}) {
        SCOPED_TRACE(c.m);
        LpSolver solver;
        solver.load(read(rows(c.m, c.n)));
        const LpResult automatic = solver.solve();
        EXPECT_EQ(solver.stats().revised, c.revised);
        solver.set_engine(c.revised ? Engine::Dense : Engine::Revised);
        EXPECT_EQ(solver.solve(), automatic);
        EXPECT_EQ(solver.stats().revised, !c.revised);
    }
}

}  // namespace
}  // namespace nemox::lp
