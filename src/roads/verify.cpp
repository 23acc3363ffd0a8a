#include "roads/verify.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <type_traits>
#include <variant>
#include <vector>

#include "core/wide_integer.hpp"
#include "linear/bigint.hpp"
#include "lp/solver.hpp"

namespace nemox::roads {

namespace {

// `before` N `after`, N counted from 1.
std::string numbered(const char* before, std::size_t i, const char* after = "") {
    std::string out = before;
    out += std::to_string(i + 1);
    out += after;
    return out;
}

// `before` xI `after`: a CP variable by its key in the model.
std::string key(const char* before, std::size_t i, const char* after = "") {
    std::string out = before;
    out += 'x';
    out += std::to_string(i);
    out += after;
    return out;
}

}  // namespace

std::optional<std::string> sat_answer_error(const sat::Cnf& cnf, const SolverResult& result) {
    if (!result.is_sat()) return std::nullopt;
    // 0 unset, 1 false, 2 true, by 0-based variable.
    std::vector<std::uint8_t> value(cnf.num_vars, 0);
    for (const auto& [index, v] : result.assignment()) {
        const bool* b = std::get_if<bool>(&v);
        if (b == nullptr || index >= value.size())
            return numbered("the model has a value for variable ", index, ", not in the formula");
        value[index] = *b ? 2 : 1;
    }
    for (std::size_t i = 0; i < cnf.clause_count(); ++i) {
        bool satisfied = false;
        for (const std::int32_t lit : cnf.clause(i)) {
            const std::uint64_t var = static_cast<std::uint64_t>(std::abs(std::int64_t{lit})) - 1;
            if (var < value.size() && value[var] == (lit > 0 ? 2 : 1)) {
                satisfied = true;
                break;
            }
        }
        if (!satisfied) return numbered("the model makes clause ", i, " false");
    }
    return std::nullopt;
}

std::optional<std::string> cp_answer_error(const cp::CpProblem& problem,
                                           const SolverResult& result) {
    if (!result.is_sat()) return std::nullopt;
    const std::size_t n = problem.vars.size();
    std::vector<std::int64_t> value(n, 0);
    std::vector<bool> has(n, false);
    for (const auto& [index, v] : result.assignment()) {
        const std::int64_t* x = std::get_if<std::int64_t>(&v);
        if (x == nullptr || index >= n)
            return key("the model has a value for ", index, ", not a variable of the problem");
        value[index] = *x;
        has[index] = true;
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (!has[i]) return key("the model has no value for ", i);
        if (value[i] < problem.vars[i].min || value[i] > problem.vars[i].max)
            return key("the value of ", i, " is outside its range");
    }
    for (std::size_t k = 0; k < problem.constraints.size(); ++k) {
        const bool holds = std::visit(
            [&](const auto& c) -> bool {
                using C = std::decay_t<decltype(c)>;
                if constexpr (std::is_same_v<C, cp::EqCon>) {
                    return value[c.a] == value[c.b];
                } else if constexpr (std::is_same_v<C, cp::NeqCon>) {
                    return value[c.a] != value[c.b];
                } else if constexpr (std::is_same_v<C, cp::LtCon>) {
                    return value[c.a] < value[c.b];
                } else if constexpr (std::is_same_v<C, cp::LeCon>) {
                    return Wide{value[c.a]} <= Wide{value[c.b]} + c.c;
                } else if constexpr (std::is_same_v<C, cp::LinearCon>) {
                    linear::BigInt sum;
                    for (const cp::LinearTerm& t : c.terms)
                        sum = sum + linear::BigInt(t.coeff) * linear::BigInt(value[t.var]);
                    const int cmp = compare(sum, linear::BigInt(c.rhs));
                    return c.rel == cp::LinearRel::Le   ? cmp <= 0
                           : c.rel == cp::LinearRel::Eq ? cmp == 0
                                                        : cmp >= 0;
                } else {
                    std::vector<std::int64_t> seen;
                    seen.reserve(c.vars.size());
                    for (const cp::VarIndex x : c.vars) seen.push_back(value[x]);
                    std::sort(seen.begin(), seen.end());
                    return std::adjacent_find(seen.begin(), seen.end()) == seen.end();
                }
            },
            problem.constraints[k]);
        if (!holds) return numbered("the model breaks constraint ", k);
    }
    return std::nullopt;
}

namespace {

template <class N>
std::optional<std::string> lp_error(const linear::LinearSystemT<N>& system, const LpResult& result,
                                    std::span<const linear::BigRational> exact, bool integers) {
    using linear::BigRational;
    if (exact.size() != result.assignment.size())
        return std::string("the model and its exact values differ in length");
    std::vector<const BigRational*> value_of(system.next_var, nullptr);
    for (std::size_t i = 0; i < exact.size(); ++i) {
        const auto& [index, reported] = result.assignment[i];
        if (index >= value_of.size())
            return key("the model has a value for ", index, ", not a variable of the problem");
        if (!(reported == lp::to_value(exact[i])))
            return key("the reported value of ", index, " is not its exact value");
        value_of[index] = &exact[i];
    }
    for (const std::uint64_t v : system.variables) {
        if (value_of[v] == nullptr) return key("the model has no value for ", v);
        if (value_of[v]->is_negative()) return key("the value of ", v, " is negative");
        if (integers && system.var_info.at(v).is_integer && !value_of[v]->is_integer())
            return key("the value of ", v, " is not an integer");
    }
    for (std::size_t k = 0; k < system.constraints.size(); ++k) {
        const auto& c = system.constraints[k];
        BigRational sum(c.expr.constant);
        for (const auto& t : c.expr.terms) {
            if (t.var >= value_of.size() || value_of[t.var] == nullptr)
                return numbered("constraint ", k, " names a variable without a value");
            sum = sum + BigRational(t.coeff) * *value_of[t.var];
        }
        const bool holds = c.op == linear::CmpOp::Le   ? !sum.is_positive()
                           : c.op == linear::CmpOp::Ge ? !sum.is_negative()
                                                       : sum.is_zero();
        if (!holds) return numbered("the model breaks constraint ", k);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> lp_answer_error(const linear::ExactSystem& system,
                                           const LpResult& result,
                                           std::span<const linear::BigRational> exact,
                                           bool integers) {
    if (!result.has_assignment()) return std::nullopt;
    return std::visit([&](const auto& s) { return lp_error(s, result, exact, integers); }, system);
}

std::optional<std::string> mps_answer_error(const parser::MpsModel& model, const LpResult& result,
                                            std::span<const linear::BigRational> exact,
                                            bool integers) {
    using linear::BigRational;
    if (!result.has_assignment()) return std::nullopt;
    const parser::MpsFile& file = model.file;
    const auto column = [&](const char* before, std::size_t j, const char* after) {
        return std::string(before) + model.columns[j].name + after;
    };
    if (exact.size() != file.columns.size() || result.assignment.size() != file.columns.size())
        return std::string("the model does not have one value per column of the file");
    std::vector<BigRational> sums(file.rows.size());
    BigRational objective = -BigRational::from_f64(file.objective_rhs);
    for (std::size_t j = 0; j < file.columns.size(); ++j) {
        const parser::MpsFileColumn& c = file.columns[j];
        const BigRational& x = exact[j];
        const auto& [index, reported] = result.assignment[j];
        if (index != j || !(reported == lp::to_value(x)))
            return column("the reported value of column ", j, " is not its exact value");
        if (!std::isinf(c.lower) && x < BigRational::from_f64(c.lower))
            return column("the value of column ", j, " is below its lower bound");
        if (!std::isinf(c.upper) && BigRational::from_f64(c.upper) < x)
            return column("the value of column ", j, " is above its upper bound");
        if (integers && c.is_integer && !x.is_integer())
            return column("the value of column ", j, " is not an integer");
        for (const auto& [r, a] : c.entries) sums[r] = sums[r] + BigRational::from_f64(a) * x;
        if (c.cost != 0) objective = objective + BigRational::from_f64(c.cost) * x;
    }
    for (std::size_t r = 0; r < file.rows.size(); ++r) {
        const parser::MpsRow& row = file.rows[r];
        const BigRational rhs = BigRational::from_f64(row.rhs);
        // The sides of the row: its type alone, or the range's width on
        // the side its type (and, for E rows, its sign) gives.
        std::optional<BigRational> low, high;
        if (row.type != 'L') low = rhs;
        if (row.type != 'G') high = rhs;
        if (row.range && *row.range != 0) {
            const BigRational width = BigRational::from_f64(std::fabs(*row.range));
            if (row.type == 'L' || (row.type == 'E' && *row.range < 0)) {
                low = rhs - width;
            } else {
                high = rhs + width;
            }
        }
        if ((low && sums[r] < *low) || (high && *high < sums[r]))
            return "the model breaks row " + row.name;
    }
    if (result.kind == LpResult::Kind::Optimal && objective.to_f64() != result.objective)
        return std::string("the objective is not the one the model gives");
    return std::nullopt;
}

std::optional<std::string> certificate_error(const LpResult& result,
                                             const LpCertificate& certificate) {
    using Kind = lp::Certificate::Kind;
    const linear::BigLinearSystem& system = certificate.system;
    const auto proves = [&](const std::optional<lp::Certificate>& proof, Kind kind,
                            const char* what) -> std::optional<std::string> {
        if (!proof || proof->kind != kind) return std::string("there is no certificate of ") + what;
        if (auto error = lp::certificate_error(system, *proof))
            return std::string("the certificate of ") + what + " fails: " + *error;
        return std::nullopt;
    };
    if (!certificate.integers) {
        switch (result.kind) {
            case LpResult::Kind::Optimal:
                return proves(certificate.answer, Kind::Optimal, "optimality");
            case LpResult::Kind::Infeasible:
                return proves(certificate.answer, Kind::Infeasible, "infeasibility");
            case LpResult::Kind::Unbounded:
                return proves(certificate.answer, Kind::Unbounded, "unboundedness");
            default:
                return std::nullopt;
        }
    }
    if (certificate.relaxation) {
        if (auto error = lp::certificate_error(system, *certificate.relaxation))
            return "the root relaxation's certificate fails: " + *error;
    }
    switch (result.kind) {
        case LpResult::Kind::Optimal:
        case LpResult::Kind::Feasible: {
            // The incumbent's own values are checked with the answer; here,
            // that no point beats the bound that the root's duals prove.
            if (!certificate.relaxation || certificate.relaxation->kind != Kind::Optimal)
                return std::string("there is no certificate of the root relaxation's bound");
            if (certificate.point.size() != system.variables.size())
                return std::string("the incumbent does not have one value per variable");
            const linear::BigRational bound =
                lp::objective_at(system, certificate.relaxation->primal);
            const linear::BigRational value = lp::objective_at(system, certificate.point);
            const bool maximize =
                system.objective && system.objective->first == linear::Sense::Maximize;
            if (maximize ? bound < value : value < bound)
                return std::string("the incumbent beats the root relaxation's bound");
            return std::nullopt;
        }
        case LpResult::Kind::Unbounded: {
            if (auto error = proves(certificate.answer, Kind::Unbounded, "unboundedness"))
                return error;
            const std::vector<linear::BigRational>& x = certificate.answer->primal;
            for (std::size_t k = 0; k < x.size(); ++k) {
                if (system.var_info.at(system.variables[k]).is_integer && !x[k].is_integer())
                    return key("the point of the certificate is not integral in ",
                               system.variables[k]);
            }
            return std::nullopt;
        }
        default:
            return std::nullopt;
    }
}

}  // namespace nemox::roads
