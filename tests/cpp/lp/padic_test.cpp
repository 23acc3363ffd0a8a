#include "lp/padic.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "core/failure.hpp"
#include "linear/big_rational.hpp"
#include "lp/factorization.hpp"
#include "lp/sparse_matrix.hpp"

namespace nemox::lp {
namespace {

using linear::BigInt;
using linear::BigRational;

using fixtures::Matrix;

// A random integer of about `bits` bits, either sign.
BigInt random_big(std::mt19937_64& rng, std::size_t bits) {
    const BigInt base = BigInt::from_u128(UWide{1} << 64);
    BigInt v(static_cast<std::int64_t>(rng() >> (64 - std::min<std::size_t>(bits, 62))));
    for (std::size_t b = 62; b < bits; b += 64) v = v * base + BigInt::from_u128(rng());
    return rng() % 2 ? -v : v;
}

std::vector<BigInt> random_vector(std::mt19937_64& rng, std::size_t m, double density,
                                  std::size_t bits) {
    std::uniform_real_distribution<double> coin(0, 1);
    std::vector<BigInt> v(m);
    for (BigInt& x : v) {
        if (coin(rng) < density) x = random_big(rng, bits);
    }
    return v;
}

// The reference: x = (D B^-1 b) / D and y = (D c_B B^-1) / D from the
// integer-preserving factorization.
struct Reference {
    std::vector<BigRational> x, y;
};

Reference reference(const Matrix& a, const std::vector<std::size_t>& basis,
                    const std::vector<BigInt>& b, const std::vector<BigInt>& c) {
    const std::size_t m = basis.size();
    Factorization lu(m);
    lu.refactor(a.columns(), basis);
    Reference out;
    lu.clear_work();
    for (std::size_t i = 0; i < m; ++i) lu.set_work(i, b[i]);
    lu.ftran();
    for (std::size_t r = 0; r < m; ++r) out.x.emplace_back(lu.work(lu.row_of(r)), lu.det());
    std::vector<BigInt> y(m);
    for (std::size_t r = 0; r < m; ++r) y[lu.row_of(r)] = c[r] * lu.det();
    lu.btran(y);
    for (std::size_t i = 0; i < m; ++i) out.y.emplace_back(y[i], lu.det());
    return out;
}

void expect_equal(const ExactVector& got, const std::vector<BigRational>& want) {
    ASSERT_EQ(got.numerators.size(), want.size());
    ASSERT_TRUE(got.denominator.is_positive());
    for (std::size_t i = 0; i < want.size(); ++i)
        ASSERT_EQ(BigRational(got.numerators[i], got.denominator), want[i]) << "entry " << i;
}

struct Shape {
    std::size_t m;
    double density;
    std::size_t bits;  // of the entries
    std::size_t rhs_bits;
};

class PadicTest : public ::testing::TestWithParam<Shape> {};

// Random systems (the basis is every other column of a wider matrix, in a
// shuffled order) against the integer-preserving factorization.
TEST_P(PadicTest, AgreesWithTheExactFactorization) {
    const Shape shape = GetParam();
    std::mt19937_64 rng(shape.m * 7919 + shape.bits);
    Interrupt interrupt;
    int solved = 0;
    for (int trial = 0; trial < 6; ++trial) {
        const std::size_t m = shape.m;
        Matrix a;
        std::vector<std::size_t> basis;
        for (std::size_t j = 0; j < 2 * m; ++j) {
            std::vector<BigInt> col = random_vector(rng, m, shape.density, shape.bits);
            if (j % 2 == 0) {
                if (col[j / 2].is_zero()) col[j / 2] = random_big(rng, shape.bits) + BigInt(1);
                basis.push_back(j);
            }
            a.add_column(col);
        }
        std::shuffle(basis.begin(), basis.end(), rng);
        const std::vector<BigInt> b = random_vector(rng, m, 0.7, shape.rhs_bits);
        const std::vector<BigInt> c = random_vector(rng, m, 0.7, shape.rhs_bits);
        Reference want;
        try {
            want = reference(a, basis, b, c);
        } catch (const InternalFailure&) {
            continue;  // a singular draw
        }
        PadicSolver solver(a.columns(), basis);
        ASSERT_TRUE(solver.factored());
        const auto x = solver.solve(b, false, interrupt);
        ASSERT_TRUE(x.has_value());
        expect_equal(*x, want.x);
        const auto y = solver.solve(c, true, interrupt);
        ASSERT_TRUE(y.has_value());
        expect_equal(*y, want.y);
        ++solved;
    }
    EXPECT_GE(solved, 4);
}

INSTANTIATE_TEST_SUITE_P(Shapes, PadicTest,
                         ::testing::Values(Shape{1, 1.0, 5, 5}, Shape{6, 1.0, 8, 8},
                                           Shape{12, 1.0, 40, 300}, Shape{40, 0.08, 10, 10},
                                           Shape{60, 0.05, 3, 2000}, Shape{25, 0.3, 200, 200}));

// Column j scaled by a prime makes B singular modulo that prime only: the
// solver moves on to the next prime, and gives up when all of them fail.
TEST(PadicSolver, MovesOnWhenSingularModuloAPrime) {
    const auto& primes = PadicSolver::primes();
    for (std::size_t bad = 1; bad <= primes.size(); ++bad) {
        std::mt19937_64 rng(bad);
        const std::size_t m = 8;
        Matrix a;
        std::vector<std::size_t> basis;
        for (std::size_t j = 0; j < m; ++j) {
            std::vector<BigInt> col = random_vector(rng, m, 0.5, 6);
            col[j] = BigInt(1000 + static_cast<std::int64_t>(j));  // diagonally dominant
            if (j < bad) {
                for (BigInt& v : col) v = v * BigInt::from_u128(primes[j]);
            }
            a.add_column(col);
            basis.push_back(j);
        }
        const std::vector<BigInt> b = random_vector(rng, m, 1.0, 20);
        PadicSolver solver(a.columns(), basis);
        Interrupt interrupt;
        if (bad == primes.size()) {
            EXPECT_FALSE(solver.factored());
            EXPECT_FALSE(solver.solve(b, false, interrupt).has_value());
            continue;
        }
        ASSERT_TRUE(solver.factored());
        EXPECT_EQ(solver.prime(), primes[bad]);
        EXPECT_EQ(solver.stats().primes, bad + 1);
        const auto x = solver.solve(b, false, interrupt);
        ASSERT_TRUE(x.has_value());
        expect_equal(*x, reference(a, basis, b, b).x);
    }
}

TEST(PadicSolver, RefusesASingularBasis) {
    Matrix a;
    a.add_column({BigInt(1), BigInt(2), BigInt(3)});
    a.add_column({BigInt(2), BigInt(4), BigInt(6)});
    a.add_column({BigInt(0), BigInt(1), BigInt(1)});
    const std::vector<std::size_t> basis{0, 1, 2};
    EXPECT_FALSE(PadicSolver(a.columns(), basis).factored());
}

// Reconstructions from the first digits on are mostly wrong: they may
// only grow the denominator, and the answer stays exact.
TEST(PadicSolver, EarlyReconstructionsKeepTheAnswerExact) {
    std::mt19937_64 rng(99);
    const std::size_t m = 10;
    Matrix a;
    std::vector<std::size_t> basis;
    for (std::size_t j = 0; j < m; ++j) {
        a.add_column(random_vector(rng, m, 1.0, 100));
        basis.push_back(j);
    }
    const std::vector<BigInt> b = random_vector(rng, m, 1.0, 100);
    const Reference want = reference(a, basis, b, b);
    for (const std::uint64_t first : {1u, 2u, 3u, 5u, 8u}) {
        PadicSolver solver(a.columns(), basis);
        ASSERT_TRUE(solver.factored());
        solver.set_first_attempt(first);
        Interrupt interrupt;
        const auto x = solver.solve(b, false, interrupt);
        ASSERT_TRUE(x.has_value()) << first;
        EXPECT_GE(solver.stats().attempts, 1u);
        EXPECT_GE(solver.stats().factors, 1u);
        expect_equal(*x, want.x);
    }
}

// The check that every answer passes before it leaves refuses any
// numerator or denominator that is off.
TEST(PadicSolver, ResidualCheckRefusesAPlantedError) {
    std::mt19937_64 rng(7);
    const std::size_t m = 9;
    Matrix a;
    std::vector<std::size_t> basis;
    for (std::size_t j = 0; j < m; ++j) {
        a.add_column(random_vector(rng, m, 0.6, 30));
        basis.push_back(j);
    }
    const std::vector<BigInt> b = random_vector(rng, m, 1.0, 30);
    PadicSolver solver(a.columns(), basis);
    ASSERT_TRUE(solver.factored());
    Interrupt interrupt;
    for (const bool transpose : {false, true}) {
        const auto x = solver.solve(b, transpose, interrupt);
        ASSERT_TRUE(x.has_value());
        EXPECT_TRUE(solver.checks(b, transpose, *x));
        for (std::size_t i = 0; i < m; ++i) {
            ExactVector planted = *x;
            planted.numerators[i] = planted.numerators[i] + BigInt(1);
            EXPECT_FALSE(solver.checks(b, transpose, planted)) << i;
        }
        ExactVector planted = *x;
        planted.denominator = planted.denominator + BigInt(1);
        EXPECT_FALSE(solver.checks(b, transpose, planted));
        planted.denominator = -x->denominator;
        EXPECT_FALSE(solver.checks(b, transpose, planted));
    }
}

// An integral solution ends the lifting by itself: the residual reaches zero.
TEST(PadicSolver, IntegralSolutionsEndWithAZeroResidual) {
    Matrix a;
    a.add_column({BigInt(2), BigInt(1)});
    a.add_column({BigInt(1), BigInt(1)});
    const std::vector<std::size_t> basis{0, 1};
    PadicSolver solver(a.columns(), basis);
    Interrupt interrupt;
    // x = (5, 7): 2*5 + 7 = 17, 5 + 7 = 12.
    const auto x = solver.solve({BigInt(17), BigInt(12)}, false, interrupt);
    ASSERT_TRUE(x.has_value());
    EXPECT_EQ(x->denominator, BigInt(1));
    EXPECT_EQ(x->numerators, (std::vector<BigInt>{BigInt(5), BigInt(7)}));
    EXPECT_EQ(solver.stats().digits, 1u);
    EXPECT_EQ(solver.stats().attempts, 0u);
}

}  // namespace
}  // namespace nemox::lp
