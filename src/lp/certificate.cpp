#include "lp/certificate.hpp"

#include <cstddef>
#include <cstdint>
#include <unordered_map>

namespace nemox::lp {

namespace {

using linear::BigRational;
using linear::CmpOp;
using linear::Sense;
using Vector = std::vector<BigRational>;
using Positions = std::unordered_map<std::uint64_t, std::size_t>;

Positions positions_of(const linear::BigLinearSystem& system) {
    Positions position;
    position.reserve(system.variables.size());
    for (std::size_t k = 0; k < system.variables.size(); ++k)
        position.emplace(system.variables[k], k);
    return position;
}

class Checker {
  public:
    Checker(const linear::BigLinearSystem& system, const Certificate& c)
        : system_(system), c_(c), position_(positions_of(system)) {}

    std::optional<std::string> run() {
        switch (c_.kind) {
            case Certificate::Kind::Optimal:
                return optimal();
            case Certificate::Kind::Infeasible:
                return infeasible();
            case Certificate::Kind::Unbounded:
                return unbounded();
        }
        return "unknown certificate kind";
    }

  private:
    std::optional<std::string> optimal() {
        if (auto e = feasible(c_.primal)) return e;
        if (auto e = sized(c_.multipliers, system_.constraints.size(), "multipliers")) return e;
        const bool max = maximising();
        for (std::size_t i = 0; i < system_.constraints.size(); ++i) {
            // Minimising is maximising the negated objective: signs swap.
            const BigRational& y = c_.multipliers[i];
            const CmpOp op = system_.constraints[i].op;
            const bool wrong = (op == CmpOp::Le && (max ? y.is_negative() : y.is_positive())) ||
                               (op == CmpOp::Ge && (max ? y.is_positive() : y.is_negative()));
            if (wrong)
                return "dual value of constraint " + std::to_string(i) + " has the wrong sign";
        }
        Vector reduced = combination(c_.multipliers);
        for (auto& r : reduced) r = -r;
        if (system_.objective) {
            for (const auto& t : system_.objective->second.terms) {
                reduced[position(t.var)] = reduced[position(t.var)] + t.coeff;
            }
        }
        for (std::size_t k = 0; k < reduced.size(); ++k) {
            if (max ? reduced[k].is_positive() : reduced[k].is_negative()) {
                return "reduced cost of variable " + std::to_string(k) + " has the wrong sign";
            }
        }
        BigRational dual;
        for (std::size_t i = 0; i < system_.constraints.size(); ++i) {
            dual = dual + c_.multipliers[i] * rhs(i);
        }
        if (system_.objective) dual = dual + system_.objective->second.constant;
        if (dual != objective_at(system_, c_.primal)) {
            return "primal and dual objectives differ";
        }
        return std::nullopt;
    }

    std::optional<std::string> infeasible() {
        if (auto e = sized(c_.multipliers, system_.constraints.size(), "multipliers")) return e;
        for (std::size_t i = 0; i < system_.constraints.size(); ++i) {
            const BigRational& y = c_.multipliers[i];
            const CmpOp op = system_.constraints[i].op;
            if ((op == CmpOp::Le && y.is_negative()) || (op == CmpOp::Ge && y.is_positive())) {
                return "multiplier of constraint " + std::to_string(i) + " has the wrong sign";
            }
        }
        const Vector row = combination(c_.multipliers);
        for (std::size_t k = 0; k < row.size(); ++k) {
            if (row[k].is_negative()) {
                return "combined coefficient of variable " + std::to_string(k) + " is negative";
            }
        }
        BigRational rhs_sum;
        for (std::size_t i = 0; i < system_.constraints.size(); ++i) {
            rhs_sum = rhs_sum + c_.multipliers[i] * rhs(i);
        }
        if (!rhs_sum.is_negative()) return "combined right-hand side is not negative";
        return std::nullopt;
    }

    std::optional<std::string> unbounded() {
        if (!system_.objective) return "an unbounded answer needs an objective";
        if (auto e = feasible(c_.primal)) return e;
        if (auto e = sized(c_.ray, system_.variables.size(), "ray")) return e;
        for (std::size_t k = 0; k < c_.ray.size(); ++k) {
            if (c_.ray[k].is_negative()) return "ray is negative in variable " + std::to_string(k);
        }
        for (std::size_t i = 0; i < system_.constraints.size(); ++i) {
            const auto& con = system_.constraints[i];
            const BigRational a = dot(con.expr.terms, c_.ray);
            if ((con.op == CmpOp::Le && a.is_positive()) ||
                (con.op == CmpOp::Ge && a.is_negative()) || (con.op == CmpOp::Eq && !a.is_zero())) {
                return "ray leaves constraint " + std::to_string(i);
            }
        }
        const BigRational gain = dot(system_.objective->second.terms, c_.ray);
        if (maximising() ? !gain.is_positive() : !gain.is_negative()) {
            return "ray does not improve the objective";
        }
        return std::nullopt;
    }

    std::optional<std::string> feasible(const Vector& x) const {
        if (auto e = sized(x, system_.variables.size(), "primal point")) return e;
        for (std::size_t k = 0; k < x.size(); ++k) {
            if (x[k].is_negative()) return "variable " + std::to_string(k) + " is negative";
        }
        for (std::size_t i = 0; i < system_.constraints.size(); ++i) {
            const auto& con = system_.constraints[i];
            const BigRational v = dot(con.expr.terms, x) + con.expr.constant;
            if ((con.op == CmpOp::Le && v.is_positive()) ||
                (con.op == CmpOp::Ge && v.is_negative()) || (con.op == CmpOp::Eq && !v.is_zero())) {
                return "primal point violates constraint " + std::to_string(i);
            }
        }
        return std::nullopt;
    }

    static std::optional<std::string> sized(const Vector& v, std::size_t n, const char* what) {
        if (v.size() == n) return std::nullopt;
        return std::string(what) + " has " + std::to_string(v.size()) + " entries, not " +
               std::to_string(n);
    }

    // sum_i y_i a_i, by variable position.
    Vector combination(const Vector& y) const {
        Vector out(system_.variables.size());
        for (std::size_t i = 0; i < system_.constraints.size(); ++i) {
            if (y[i].is_zero()) continue;
            for (const auto& t : system_.constraints[i].expr.terms) {
                BigRational& slot = out[position(t.var)];
                slot = slot + y[i] * t.coeff;
            }
        }
        return out;
    }

    BigRational dot(const std::vector<linear::TermT<BigRational>>& terms, const Vector& x) const {
        BigRational s;
        for (const auto& t : terms) s = s + t.coeff * x[position(t.var)];
        return s;
    }

    BigRational rhs(std::size_t i) const { return -system_.constraints[i].expr.constant; }
    bool maximising() const {
        return system_.objective && system_.objective->first == Sense::Maximize;
    }
    std::size_t position(std::uint64_t var) const { return position_.at(var); }

    const linear::BigLinearSystem& system_;
    const Certificate& c_;
    Positions position_;
};

}  // namespace

std::optional<std::string> certificate_error(const linear::BigLinearSystem& system,
                                             const Certificate& certificate) {
    return Checker(system, certificate).run();
}

linear::BigRational objective_at(const linear::BigLinearSystem& system, const Vector& point) {
    if (!system.objective) return {};
    const Positions position = positions_of(system);
    BigRational v = system.objective->second.constant;
    for (const auto& t : system.objective->second.terms)
        v = v + t.coeff * point.at(position.at(t.var));
    return v;
}

}  // namespace nemox::lp
