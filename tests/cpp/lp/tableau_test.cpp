#include "lp/tableau.hpp"

#include <gtest/gtest.h>

#include "linear/big_rational.hpp"
#include "lp/fraction_free.hpp"

namespace nemox::lp {
namespace {

using linear::BigRational;
using linear::Rational;

Rational q(std::int64_t n, std::int64_t d = 1) {
    return Rational(n, d);
}

// The same cases on the tableau of 64-bit fractions, of big fractions and
// on the fraction-free one: they must hold the same values.
template <class Tab>
class TableauTest : public ::testing::Test {
  protected:
    using N = typename Tab::Number;
    static N n(const Rational& r) { return N(r); }
    static bool equal(const N& a, const Rational& b) { return a == N(b); }
};

using TableauTypes = ::testing::Types<Tableau<Rational>, Tableau<BigRational>, FractionFreeTableau>;
TYPED_TEST_SUITE(TableauTest, TableauTypes);

TYPED_TEST(TableauTest, EnteringColumn) {
    TypeParam t(4, 0);
    const Rational row0[] = {q(3, 2), q(0), q(3, 2), q(-5)};
    for (std::size_t j = 0; j < 4; ++j) t.set(0, j, this->n(row0[j]));
    t.seal();
    EXPECT_EQ(t.find_entering(), 0u);
    const std::vector<char> excluded = {1, 0, 0, 0};
    EXPECT_EQ(t.find_entering(&excluded), 2u);
    const std::vector<char> both = {1, 0, 1, 0};
    EXPECT_EQ(t.find_entering(&both), std::nullopt);
}

TYPED_TEST(TableauTest, NoImprovingColumn) {
    TypeParam t(3, 1);
    t.set(0, 0, this->n(q(-1)));
    t.set(0, 2, this->n(q(-1, 3)));
    t.set(1, 1, this->n(q(1)));
    t.set_basis(1, 1);
    t.seal();
    EXPECT_EQ(t.find_entering(), std::nullopt);
    EXPECT_EQ(t.find_entering(nullptr, true), std::nullopt);
}

TYPED_TEST(TableauTest, LargestEntryWinsUnlessBland) {
    TypeParam t(3, 0);
    t.set(0, 0, this->n(q(1)));
    t.set(0, 1, this->n(q(7, 2)));
    t.set(0, 2, this->n(q(7, 2)));
    t.seal();
    EXPECT_EQ(t.find_entering(), 1u);
    EXPECT_EQ(t.find_entering(nullptr, true), 0u);
}

// Column 0 enters; rows 1..3 have basic columns 1..3.
template <class Tab>
Tab column_case(const Rational (&entries)[3], const Rational (&rhs)[3]) {
    Tab t(4, 3);
    for (std::size_t i = 0; i < 3; ++i) {
        t.set(i + 1, 0, typename Tab::Number(entries[i]));
        t.set(i + 1, i + 1, typename Tab::Number(q(1)));
        t.set(i + 1, 4, typename Tab::Number(rhs[i]));
        t.set_basis(i + 1, i + 1);
    }
    t.seal();
    return t;
}

TYPED_TEST(TableauTest, LeavingRowTiesGoToLowerRow) {
    auto t = column_case<TypeParam>({q(2), q(1), q(-1)}, {q(4), q(2), q(0)});
    const auto leaving = t.find_leaving(0);
    ASSERT_TRUE(leaving);
    EXPECT_EQ(leaving->row, 1u);
    EXPECT_EQ(leaving->column, 1u);
}

TYPED_TEST(TableauTest, ZeroRightHandSideWins) {
    auto t = column_case<TypeParam>({q(2), q(1, 1000), q(5)}, {q(1, 3), q(0), q(0)});
    EXPECT_EQ(t.find_leaving(0)->row, 2u);
}

TYPED_TEST(TableauTest, SmallestRatio) {
    auto t = column_case<TypeParam>({q(3), q(2, 3), q(1)}, {q(4), q(1), q(7, 5)});
    // Ratios 4/3, 3/2, 7/5.
    EXPECT_EQ(t.find_leaving(0)->row, 1u);
}

TYPED_TEST(TableauTest, NoPositiveEntry) {
    auto t = column_case<TypeParam>({q(0), q(-1), q(-3)}, {q(1), q(0), q(2)});
    EXPECT_EQ(t.find_leaving(0), std::nullopt);
    TypeParam empty(2, 0);
    empty.seal();
    EXPECT_EQ(empty.find_leaving(0), std::nullopt);
}

TYPED_TEST(TableauTest, ProtectedArtificialRowCountsAsZeroRatio) {
    auto t = column_case<TypeParam>({q(1), q(-1), q(1)}, {q(5), q(0), q(0)});
    const std::vector<char> artificial = {0, 0, 1, 0, 0};
    EXPECT_EQ(t.find_leaving(0)->row, 3u);
    EXPECT_EQ(t.find_leaving(0, &artificial)->row, 2u);
    // Bland: among equal ratios the lowest leaving column.
    auto u = column_case<TypeParam>({q(1), q(2), q(1)}, {q(2), q(4), q(1)});
    EXPECT_EQ(u.find_leaving(0)->row, 3u);
    auto v = column_case<TypeParam>({q(1), q(2), q(5)}, {q(2), q(4), q(10)});
    EXPECT_EQ(v.find_leaving(0)->row, 1u);
    EXPECT_EQ(v.find_leaving(0, nullptr, true)->row, 1u);
}

TYPED_TEST(TableauTest, PivotOnNegativeEntry) {
    TypeParam t(3, 2);
    t.set(0, 0, this->n(q(4)));
    t.set(0, 3, this->n(q(-1)));
    t.set(1, 0, this->n(q(-2)));
    t.set(1, 1, this->n(q(1)));
    t.set(1, 3, this->n(q(6)));
    t.set(2, 0, this->n(q(3)));
    t.set(2, 2, this->n(q(1)));
    t.set(2, 3, this->n(q(9)));
    t.set_basis(1, 1);
    t.set_basis(2, 2);
    t.seal();
    t.pivot(1, 0);
    EXPECT_EQ(t.basis(1), 0u);
    EXPECT_TRUE(this->equal(t.at(1, 0), q(1)));
    EXPECT_TRUE(this->equal(t.at(1, 1), q(-1, 2)));
    EXPECT_TRUE(this->equal(t.at(1, 3), q(-3)));
    EXPECT_TRUE(this->equal(t.at(0, 0), q(0)));
    EXPECT_TRUE(this->equal(t.at(2, 0), q(0)));
    EXPECT_TRUE(this->equal(t.at(0, 1), q(2)));
    EXPECT_TRUE(this->equal(t.at(0, 3), q(11)));
    EXPECT_TRUE(this->equal(t.at(2, 1), q(3, 2)));
    EXPECT_TRUE(this->equal(t.at(2, 3), q(18)));
    EXPECT_TRUE(this->equal(t.value_of(0), q(-3)));
    EXPECT_TRUE(this->equal(t.value_of(2), q(18)));
    EXPECT_TRUE(this->equal(t.value_of(1), q(0)));
    EXPECT_TRUE(this->equal(t.objective_value(), q(11)));
}

TYPED_TEST(TableauTest, PivotMakesUnitColumn) {
    TypeParam t(4, 3);
    const Rational rows[4][5] = {{q(1, 2), q(3), q(0), q(0), q(0)},
                                 {q(2, 3), q(1), q(1), q(0), q(7, 3)},
                                 {q(5), q(-1, 7), q(0), q(1), q(2)},
                                 {q(0), q(4), q(0), q(0), q(1)}};
    for (std::size_t i = 0; i < 4; ++i) {
        for (std::size_t j = 0; j < 5; ++j) t.set(i, j, this->n(rows[i][j]));
    }
    t.set_basis(1, 2);
    t.set_basis(2, 3);
    t.set_basis(3, 0);  // not a unit column; the pivot does not care
    t.seal();
    EXPECT_TRUE(this->equal(t.value_of(2), q(7, 3)));
    t.pivot(2, 1);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_TRUE(this->equal(t.at(i, 1), q(i == 2 ? 1 : 0)));
    EXPECT_EQ(t.basis(2), 1u);
    // Row 2 divided by -1/7; row 1 minus 1 * new row 2.
    EXPECT_TRUE(this->equal(t.at(2, 0), q(-35)));
    EXPECT_TRUE(this->equal(t.at(1, 0), q(2, 3) + q(35)));
    EXPECT_TRUE(this->equal(t.at(0, 4), q(0) - q(3) * q(-14)));
    EXPECT_THROW(t.pivot(3, 2), InternalFailure);
}

TEST(Tableau, OutOfRange) {
    Tableau<Rational> t(2, 1);
    EXPECT_THROW(t.set(2, 0, q(1)), InternalFailure);
    EXPECT_THROW(t.set(0, 3, q(1)), InternalFailure);
    EXPECT_THROW(t.set_basis(0, 1), InternalFailure);
    EXPECT_THROW(t.find_leaving(2), InternalFailure);
}

}  // namespace
}  // namespace nemox::lp
