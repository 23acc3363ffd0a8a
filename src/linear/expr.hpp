#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "linear/big_rational.hpp"
#include "linear/rational.hpp"

namespace nemox::linear {

template <class N>
struct TermT {
    N coeff;
    std::uint64_t var;

    bool operator==(const TermT&) const = default;
};

// Sum of coefficient * variable terms plus a constant, in canonical form:
// terms sorted by variable, one per variable, no zero coefficient.
// N is Rational, or BigRational once the 64-bit range has been left.
template <class N>
struct LinearExprT {
    std::vector<TermT<N>> terms;
    N constant{};

    static LinearExprT zero() { return {}; }
    static LinearExprT constant_expr(N c) { return {{}, std::move(c)}; }
    static LinearExprT variable(std::uint64_t v) { return {{{N(Rational::one()), v}}, N{}}; }
    static LinearExprT term(std::uint64_t v, N c) {
        LinearExprT e;
        if (!c.is_zero()) e.terms.push_back({std::move(c), v});
        return e;
    }

    // Stable sort by variable, merge equal variables, drop zero coefficients.
    void canonicalise() {
        if (terms.size() >= 2) {
            std::stable_sort(terms.begin(), terms.end(),
                             [](const TermT<N>& a, const TermT<N>& b) { return a.var < b.var; });
        }
        std::size_t out = 0;
        for (std::size_t i = 0; i < terms.size(); ++i) {
            if (out > 0 && terms[out - 1].var == terms[i].var) {
                terms[out - 1].coeff = terms[out - 1].coeff + terms[i].coeff;
            } else {
                if (out != i) terms[out] = std::move(terms[i]);
                ++out;
            }
        }
        terms.resize(out);
        std::erase_if(terms, [](const TermT<N>& t) { return t.coeff.is_zero(); });
    }

    friend LinearExprT operator+(LinearExprT left, LinearExprT right) {
        left.constant = left.constant + right.constant;
        left.terms.insert(left.terms.end(), std::make_move_iterator(right.terms.begin()),
                          std::make_move_iterator(right.terms.end()));
        left.canonicalise();
        return left;
    }

    friend LinearExprT operator-(LinearExprT left, LinearExprT right) {
        right.constant = -right.constant;
        for (auto& t : right.terms) t.coeff = -t.coeff;
        return std::move(left) + std::move(right);
    }

    bool operator==(const LinearExprT&) const = default;
};

using Term = TermT<Rational>;
using LinearExpr = LinearExprT<Rational>;

}  // namespace nemox::linear
