#include "linear/expr.hpp"

#include <gtest/gtest.h>

#include "linear/system.hpp"

namespace nemox::linear {
namespace {

using Expr = LinearExpr;

Rational q(std::int64_t n, std::int64_t d = 1) {
    return Rational(n, d);
}

TEST(LinearExpr, CanonicalSums) {
    struct Case {
        const char* name;
        Expr got;
        std::vector<Term> terms;
        Rational constant;
    };
    const Case cases[] = {
        {"(2x0 + 1) + (3x0 - 1)",
         (Expr::term(0, q(2)) + Expr::constant_expr(q(1))) +
             (Expr::term(0, q(3)) - Expr::constant_expr(q(1))),
         {{q(5), 0}},
         q(0)},
        {"x1 + x0", Expr::variable(1) + Expr::variable(0), {{q(1), 0}, {q(1), 1}}, q(0)},
        {"x0 - x0", Expr::variable(0) - Expr::variable(0), {}, q(0)},
        {"x0 - (2x1 + 3)",
         Expr::variable(0) - (Expr::term(1, q(2)) + Expr::constant_expr(q(3))),
         {{q(1), 0}, {q(-2), 1}},
         q(-3)},
        {"1/2 x0 + 1/3 x0", Expr::term(0, q(1, 2)) + Expr::term(0, q(1, 3)), {{q(5, 6), 0}}, q(0)},
        {"0 x0", Expr::term(0, q(0)), {}, q(0)},
        {"x2 + x0 - x2 + x1",
         ((Expr::variable(2) + Expr::variable(0)) - Expr::variable(2)) + Expr::variable(1),
         {{q(1), 0}, {q(1), 1}},
         q(0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.got.terms, c.terms);
        EXPECT_EQ(c.got.constant, c.constant);
    }
}

TEST(LinearExpr, BigCoefficientsMergeExactly) {
    using BigExpr = LinearExprT<BigRational>;
    const BigRational max(Rational::integer(std::numeric_limits<std::int64_t>::max()));
    BigExpr e = BigExpr::term(0, max) + BigExpr::term(0, max);
    ASSERT_EQ(e.terms.size(), 1u);
    EXPECT_EQ(e.terms[0].coeff.numerator().to_string(), "18446744073709551614");
    EXPECT_TRUE((e - e).terms.empty());
    EXPECT_THROW(Expr::term(0, q(std::numeric_limits<std::int64_t>::max())) + Expr::variable(0),
                 Overflow);
}

TEST(LinearSystem, VariablesMarksAndCopies) {
    LinearSystem s;
    EXPECT_EQ(s.new_variable(), 0u);
    EXPECT_EQ(s.new_variable(), 1u);
    EXPECT_EQ(s.new_variable(), 2u);
    EXPECT_EQ(s.variables, (std::vector<std::uint64_t>{0, 1, 2}));
    EXPECT_EQ(s.next_var, 3u);
    const LinearSystem before = s;
    s.mark_integer(7);
    EXPECT_EQ(s, before);
    s.mark_integer(1);
    EXPECT_TRUE(s.var_info.at(1).is_integer);
    EXPECT_FALSE(s.var_info.at(0).is_integer);
    LinearSystem copy = s;
    copy.add_constraint({Expr::variable(0) - Expr::constant_expr(q(3)), std::nullopt, CmpOp::Le});
    EXPECT_TRUE(s.constraints.empty());
    EXPECT_EQ(copy.constraints.size(), 1u);
    const BigLinearSystem wide = widen(copy);
    EXPECT_EQ(wide.constraints[0].expr.constant, BigRational(q(-3)));
    EXPECT_EQ(wide.variables, copy.variables);
    EXPECT_TRUE(wide.var_info.at(1).is_integer);
}

}  // namespace
}  // namespace nemox::linear
