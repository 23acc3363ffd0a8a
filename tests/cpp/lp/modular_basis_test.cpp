#include "lp/modular_basis.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "core/failure.hpp"
#include "lp/factorization.hpp"
#include "lp/padic.hpp"
#include "lp/sparse_matrix.hpp"

namespace nemox::lp {
namespace {

using fixtures::Matrix;
using linear::BigInt;

std::vector<std::int64_t> random_column(std::mt19937_64& rng, std::size_t m, double density,
                                        std::int64_t magnitude) {
    std::uniform_real_distribution<double> coin(0, 1);
    std::uniform_int_distribution<std::int64_t> value(-magnitude, magnitude);
    std::vector<std::int64_t> col(m, 0);
    for (std::size_t i = 0; i < m; ++i) {
        if (coin(rng) < density) col[i] = value(rng);
    }
    return col;
}

// A lifted solve: every listed entry equal to the factorization's and
// nonzero, every other one zero there.
void expect_listed(const std::vector<BigInt>& got, const std::vector<std::size_t>& nz,
                   const std::vector<BigInt>& want) {
    std::vector<char> listed(want.size(), 0);
    for (const std::size_t i : nz) listed[i] = 1;
    for (std::size_t i = 0; i < want.size(); ++i) {
        ASSERT_EQ(listed[i] != 0, !want[i].is_zero()) << "entry " << i;
        if (listed[i]) {
            ASSERT_EQ(got[i], want[i]) << "entry " << i;
        }
    }
}

// The lifted solves against the integer-preserving factorization of the
// same basis: D B^-1 a_col by position and D e_r B^-1 by row, entry by
// entry, every listed index nonzero and every other one zero.
void expect_same_solves(ModularBasis& mb, Factorization& lu, const Matrix& a, std::size_t col,
                        std::size_t r, std::size_t m) {
    std::vector<BigInt> w(m);
    std::vector<std::size_t> nz;
    mb.solve_column(col, lu.det(), w, nz);
    lu.load(a.columns(), col);
    lu.ftran();
    std::vector<BigInt> by_position(m);
    for (std::size_t c = 0; c < m; ++c) by_position[c] = lu.work(lu.row_of(c));
    expect_listed(w, nz, by_position);
    std::vector<BigInt> y(m), rho(m);
    y[lu.row_of(r)] = lu.det();
    lu.btran(y);
    mb.solve_unit_row(r, lu.det(), rho, nz);
    expect_listed(rho, nz, y);
    // Prices: D c_B B^-1 for small costs by position.
    std::vector<ModularBasis::Term> costs;
    std::fill(y.begin(), y.end(), BigInt());
    for (std::size_t c = 0; c < m; ++c) {
        const auto v = static_cast<std::int64_t>(c % 3) - 1 + (c == r ? 1000 : 0);
        if (v == 0) continue;
        costs.push_back({c, v});
        y[lu.row_of(c)] = lu.det() * BigInt(v);
    }
    lu.btran(y);
    std::fill(rho.begin(), rho.end(), BigInt());
    mb.solve_transposed(costs, lu.det(), rho, nz);
    expect_listed(rho, nz, y);
    // Leave the forward solve of `col` as the last one, for an update.
    mb.solve_column(col, lu.det(), w, nz);
}

struct Shape {
    std::size_t m;
    double density;
    std::int64_t magnitude;
    int updates;
    std::size_t min_bits;  // that the determinant must reach
};

class ModularBasisTest : public ::testing::TestWithParam<Shape> {};

// Chains of column replacements, through the refactorizations modulo p
// that the growing etas bring, against the exact factorization updated
// alike.
TEST_P(ModularBasisTest, SolvesAsTheExactFactorizationThroughUpdates) {
    const Shape shape = GetParam();
    std::mt19937_64 rng(shape.m * 7919 + static_cast<std::uint64_t>(shape.magnitude));
    const std::size_t m = shape.m;
    int checked = 0;
    std::size_t bits = 0;
    std::uint64_t refactorizations = 0;
    for (int trial = 0; trial < 6; ++trial) {
        Matrix a;
        for (std::size_t j = 0; j < m; ++j) {
            std::vector<std::int64_t> col = random_column(rng, m, shape.density, shape.magnitude);
            if (col[j] == 0) col[j] = 1;
            a.add_column(col);
        }
        const std::size_t spare = 2 * static_cast<std::size_t>(shape.updates);
        for (std::size_t j = 0; j < spare; ++j)
            a.add_column(random_column(rng, m, 0.7, shape.magnitude));
        ASSERT_TRUE(ModularBasis::fits(a.columns(), m));
        std::vector<std::size_t> basis(m);
        for (std::size_t r = 0; r < m; ++r) basis[r] = m - 1 - r;
        Factorization lu(m);
        try {
            lu.refactor(a.columns(), basis);
        } catch (const InternalFailure&) {
            continue;  // a singular draw
        }
        ModularBasis mb(a.columns(), basis);
        std::uniform_int_distribution<std::size_t> pick(0, m - 1);
        int done = 0;
        for (std::size_t col = m; done < shape.updates && col < m + spare; ++col) {
            const std::size_t r = pick(rng);
            expect_same_solves(mb, lu, a, col, r, m);
            if (HasFatalFailure()) return;
            if (lu.work(lu.row_of(r)).is_zero()) continue;
            lu.update(lu.row_of(r));
            basis[r] = col;
            mb.update(r);
            bits = std::max(bits, lu.det().bit_length());
            ++done;
        }
        expect_same_solves(mb, lu, a, m + spare - 1, 0, m);
        if (HasFatalFailure()) return;
        refactorizations += mb.refactorizations();
        ++checked;
    }
    EXPECT_GE(checked, 4);
    EXPECT_GE(bits, shape.min_bits);
    // Beyond the first factorization of each trial: the etas were rebuilt.
    if (shape.updates > static_cast<int>(2 * m)) {
        EXPECT_GT(refactorizations, static_cast<std::uint64_t>(checked));
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ModularBasisTest,
                         ::testing::Values(Shape{1, 1.0, 5, 2, 1}, Shape{6, 0.5, 3, 20, 1},
                                           Shape{20, 0.2, 1000, 60, 20},
                                           Shape{80, 0.03, 1000, 40, 20},
                                           Shape{40, 1.0, std::int64_t{1} << 30, 30, 1000},
                                           Shape{60, 0.8, std::int64_t{1} << 40, 10, 2000}));

// Both forms of the solve each way, on bases from nearly diagonal to
// dense, give the x with B x = v (B^T x = v transposed) modulo p, checked
// against the product with the basis; a scattering solve counts no more
// products than the factors have.
TEST(ModularLu, ScatteringAndGatheringSolvesAgreeWithTheBasis) {
    struct Case {
        std::size_t m;
        double density;
        double rhs_density;
    };
    const std::uint64_t p = largest_word_prime();
    std::mt19937_64 rng(20261209);
    int solved = 0;
    for (const Case c : {Case{1, 1.0, 1.0}, Case{30, 0.05, 0.1}, Case{30, 0.05, 1.0},
                         Case{50, 0.3, 0.05}, Case{40, 1.0, 0.5}}) {
        Matrix a;
        std::vector<std::vector<std::int64_t>> dense;
        for (std::size_t j = 0; j < c.m; ++j) {
            std::vector<std::int64_t> col = random_column(rng, c.m, c.density, 1000);
            if (col[(j * 7) % c.m] == 0) col[(j * 7) % c.m] = 1;
            dense.push_back(col);
            a.add_column(col);
        }
        std::vector<std::size_t> basis(c.m);
        for (std::size_t r = 0; r < c.m; ++r) basis[r] = r;
        ModularLu lu;
        if (!lu.factor(a.columns(), basis, p)) continue;
        for (int trial = 0; trial < 4; ++trial) {
            std::vector<std::uint64_t> v(c.m, 0);
            std::uniform_real_distribution<double> coin(0, 1);
            std::uniform_int_distribution<std::uint64_t> value(1, p - 1);
            for (std::uint64_t& x : v) {
                if (coin(rng) < c.rhs_density) x = value(rng);
            }
            for (const bool transpose : {false, true}) {
                std::vector<std::uint64_t> by_scatter = v, by_gather = v, scratch;
                const std::size_t products = lu.solve(by_scatter, scratch, transpose, false);
                lu.solve(by_gather, scratch, transpose, true);
                EXPECT_LE(products, lu.nonzeros());
                ASSERT_EQ(by_scatter, by_gather) << "m " << c.m << " transposed " << transpose;
                for (std::size_t i = 0; i < c.m; ++i) {
                    UWide sum = 0;
                    for (std::size_t k = 0; k < c.m; ++k) {
                        const std::int64_t b = transpose ? dense[i][k] : dense[k][i];
                        const std::uint64_t bm = b < 0 ? p - static_cast<std::uint64_t>(-b)
                                                       : static_cast<std::uint64_t>(b);
                        sum = (sum + static_cast<UWide>(bm) * by_gather[k]) % p;
                    }
                    ASSERT_EQ(static_cast<std::uint64_t>(sum), v[i])
                        << "m " << c.m << " row " << i << " transposed " << transpose;
                }
            }
        }
        ++solved;
    }
    EXPECT_GE(solved, 4);
}

// A replacement whose new basis has the first prime as its determinant:
// the basis is then singular modulo that prime, and the next one below it
// takes over, with the same results.
TEST(ModularBasis, ReplacementSingularModuloThePrimeTakesTheNext) {
    const std::uint64_t p0 = largest_word_prime();
    ASSERT_EQ(p0, prime_below(std::uint64_t{1} << 62));
    ASSERT_EQ(p0, PadicSolver::primes()[0]);
    const auto b = static_cast<std::int64_t>((std::uint64_t{1} << 62) - p0);
    const std::int64_t big = std::int64_t{1} << 31;
    Matrix a;
    a.add_column(std::vector<std::int64_t>{1, 0});
    a.add_column(std::vector<std::int64_t>{0, 1});
    a.add_column(std::vector<std::int64_t>{big, 1});
    a.add_column(std::vector<std::int64_t>{b, big});  // with column 2: det 2^62 - b = p0
    a.add_column(std::vector<std::int64_t>{3, -5});
    std::vector<std::size_t> basis{0, 1};
    Factorization lu(2);
    lu.refactor(a.columns(), basis);
    ModularBasis mb(a.columns(), basis);
    EXPECT_EQ(mb.prime(), p0);
    expect_same_solves(mb, lu, a, 2, 0, 2);
    lu.update(lu.row_of(0));
    basis[0] = 2;
    mb.update(0);
    expect_same_solves(mb, lu, a, 3, 1, 2);
    lu.update(lu.row_of(1));
    basis[1] = 3;
    mb.update(1);
    ASSERT_TRUE(lu.det() == BigInt::from_u128(p0) || lu.det() == -BigInt::from_u128(p0));
    EXPECT_EQ(mb.primes_skipped(), 1u);
    EXPECT_EQ(mb.prime(), prime_below(p0));
    expect_same_solves(mb, lu, a, 4, 0, 2);
    expect_same_solves(mb, lu, a, 4, 1, 2);

    // Factored from the start on such a basis, it skips the prime as well.
    ModularBasis fresh(a.columns(), basis);
    EXPECT_EQ(fresh.primes_skipped(), 1u);
    expect_same_solves(fresh, lu, a, 4, 1, 2);
}

// The proof is the zero residual: a determinant that makes D B^-1 a_col
// fractional never gets there and is refused; any multiple of the true one
// gives that multiple of the result.
TEST(ModularBasis, WrongDeterminantIsCaught) {
    Matrix a;
    a.add_column(std::vector<std::int64_t>{4, 1, 0});
    a.add_column(std::vector<std::int64_t>{1, 3, 1});
    a.add_column(std::vector<std::int64_t>{0, 1, 5});
    a.add_column(std::vector<std::int64_t>{1, 1, 1});
    const std::vector<std::size_t> basis{0, 1, 2};
    Factorization lu(3);
    lu.refactor(a.columns(), basis);
    ModularBasis mb(a.columns(), basis);
    std::vector<BigInt> w(3), w2(3);
    std::vector<std::size_t> nz, nz2;
    const BigInt d = lu.det();
    mb.solve_column(3, d, w, nz);
    mb.solve_column(3, d * BigInt(3), w2, nz2);
    ASSERT_EQ(nz, nz2);
    for (const std::size_t c : nz) EXPECT_EQ(w2[c], w[c] * BigInt(3));
    // Costs beyond word residuals are refused rather than wrapped.
    const std::vector<ModularBasis::Term> too_large{{0, ModularBasis::kMaxRight + 1}};
    EXPECT_THROW(mb.solve_transposed(too_large, d, w, nz), InternalFailure);
    for (const BigInt& wrong : {d + BigInt(1), d * BigInt(2) - BigInt(1), BigInt(7)}) {
        std::vector<BigInt> out(3);
        EXPECT_THROW(mb.solve_column(3, wrong, out, nz), InternalFailure) << wrong.to_string();
        EXPECT_THROW(mb.solve_unit_row(1, wrong, out, nz), InternalFailure) << wrong.to_string();
    }
}

// Word residuals need every entry in 64 bits and every row and column sum
// of magnitudes well below 2^64.
TEST(ModularBasis, FitsOnlyWhereTheResidualsFitInWords) {
    struct Case {
        std::vector<std::vector<BigInt>> columns;
        bool fits;
    };
    const BigInt e57 = BigInt(std::int64_t{1} << 57);
    const BigInt e64 = BigInt::from_u128(UWide{1} << 64);
    const std::vector<Case> cases{
        {{{BigInt(3), BigInt(-4)}, {BigInt(1), BigInt(0)}}, true},
        {{{e57 - BigInt(1), BigInt(0)}, {BigInt(0), e57 - BigInt(1)}}, true},
        {{{e64, BigInt(1)}, {BigInt(1), BigInt(1)}}, false},
        {{{e57, e57}, {BigInt(0), BigInt(1)}}, false},   // a column sum of 2^58
        {{{e57, BigInt(0)}, {-e57, BigInt(1)}}, false},  // a row sum of 2^58
    };
    for (const Case& c : cases) {
        Matrix a;
        for (const auto& col : c.columns) a.add_column(col);
        EXPECT_EQ(ModularBasis::fits(a.columns(), 2), c.fits);
    }
}

TEST(ModularBasis, HornerStepsKeepTheSign) {
    struct Case {
        std::int64_t start;
        std::uint64_t m;
        std::int64_t d;
    };
    const BigInt e64 = BigInt::from_u128(UWide{1} << 64);
    for (const Case& c : std::vector<Case>{{0, 7, -3},
                                           {0, 7, 0},
                                           {5, 7, -3},
                                           {-5, 7, 3},
                                           {-5, 7, -3},
                                           {1, 2, -1},
                                           {-1, 5, 4},
                                           {INT64_MAX, UINT64_MAX, INT64_MIN + 1},
                                           {INT64_MIN + 1, UINT64_MAX, INT64_MAX}}) {
        BigInt x(c.start);
        x.mul_small_add(c.m, c.d);
        const BigInt want = BigInt(c.start) * BigInt::from_u128(c.m) + BigInt(c.d);
        EXPECT_EQ(x, want) << c.start << " " << c.m << " " << c.d;
        // Across a limb boundary, as the digits of a long number make it.
        BigInt y = BigInt(c.start) * e64;
        y.mul_small_add(c.m, c.d);
        EXPECT_EQ(y, BigInt(c.start) * e64 * BigInt::from_u128(c.m) + BigInt(c.d));
    }
}

}  // namespace
}  // namespace nemox::lp
