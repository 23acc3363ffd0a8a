#include "linear/system.hpp"

namespace nemox::linear {

LinearExprT<BigRational> widen(const LinearExpr& expr) {
    LinearExprT<BigRational> out;
    out.terms.reserve(expr.terms.size());
    for (const auto& t : expr.terms) out.terms.push_back({BigRational(t.coeff), t.var});
    out.constant = BigRational(expr.constant);
    return out;
}

LinearConstraintT<BigRational> widen(const LinearConstraint& c) {
    return {widen(c.expr), c.name, c.op};
}

BigLinearSystem widen(const LinearSystem& system) {
    BigLinearSystem out;
    if (system.objective)
        out.objective.emplace(system.objective->first, widen(system.objective->second));
    out.variables = system.variables;
    out.constraints.reserve(system.constraints.size());
    for (const auto& c : system.constraints) out.constraints.push_back(widen(c));
    out.var_info = system.var_info;
    out.next_var = system.next_var;
    return out;
}

BigLinearSystem widen(const ExactSystem& system) {
    if (const auto* big = std::get_if<BigLinearSystem>(&system)) return *big;
    return widen(std::get<LinearSystem>(system));
}

}  // namespace nemox::linear
