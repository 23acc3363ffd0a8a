#include "lp/exact_basis.hpp"

#include <algorithm>

#include "core/failure.hpp"
#include "lp/padic.hpp"

namespace nemox::lp {

using linear::BigInt;
using linear::BigRational;

FloatProblem StandardForm::to_float(const std::vector<char>& artificial) const {
    FloatProblem p;
    p.rows = m_;
    p.cols = num_vars_;
    p.rhs.assign(m_, 0.0);
    p.cost.assign(num_vars_, 0.0);
    p.artificial = artificial;
    p.basis = basis_;
    struct Entry {
        std::size_t col, row;
        double value;
    };
    std::vector<Entry> entries;
    entries.reserve(small_.size() + big_.size());
    const auto place = [&](std::size_t row, std::size_t col, double v) {
        if (col == num_vars_) {
            if (row > 0) p.rhs[row - 1] = v;
        } else if (row == 0) {
            p.cost[col] = v;
        } else if (v != 0) {
            entries.push_back({col, row - 1, v});
        }
    };
    for (const auto& [row, col, v] : small_) place(row, col, v.to_f64());
    for (const auto& [row, col, v] : big_) place(row, col, v.to_f64());
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.col != b.col ? a.col < b.col : a.row < b.row;
    });
    p.col_start.assign(num_vars_ + 1, 0);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        // A later write of the same entry replaces the earlier one.
        if (k + 1 < entries.size() && entries[k + 1].col == entries[k].col &&
            entries[k + 1].row == entries[k].row)
            continue;
        p.row_index.push_back(entries[k].row);
        p.value.push_back(entries[k].value);
        ++p.col_start[entries[k].col + 1];
    }
    for (std::size_t j = 0; j < num_vars_; ++j) p.col_start[j + 1] += p.col_start[j];
    return p;
}

StandardForm::Integers StandardForm::integers() const {
    struct Entry {
        std::size_t col, row;
        const BigRational* value;
    };
    std::vector<BigRational> small_values;
    small_values.reserve(small_.size());
    for (const auto& e : small_) small_values.emplace_back(std::get<2>(e));
    std::vector<Entry> entries;
    entries.reserve(small_.size() + big_.size());
    for (std::size_t k = 0; k < small_.size(); ++k)
        entries.push_back({std::get<1>(small_[k]), std::get<0>(small_[k]), &small_values[k]});
    for (const auto& [row, col, v] : big_) entries.push_back({col, row, &v});
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.col != b.col ? a.col < b.col : a.row < b.row;
    });
    Integers out;
    out.cost.assign(num_vars_, BigRational());
    out.rhs.assign(m_, BigRational());
    out.scale.assign(num_vars_, BigInt(1));
    std::vector<const BigRational*> kept;
    std::vector<std::size_t> count(num_vars_ + 1, 0);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const Entry& e = entries[k];
        // A later write of the same entry replaces the earlier one.
        if (k + 1 < entries.size() && entries[k + 1].col == e.col && entries[k + 1].row == e.row)
            continue;
        if (e.col == num_vars_) {
            if (e.row > 0) out.rhs[e.row - 1] = *e.value;
        } else if (e.row == 0) {
            out.cost[e.col] = *e.value;
        } else if (!e.value->is_zero()) {
            out.rows.push_back(e.row - 1);
            kept.push_back(e.value);
            ++count[e.col + 1];
            if (!e.value->denominator().is_one())
                out.scale[e.col] = BigInt::lcm(out.scale[e.col], e.value->denominator());
        }
    }
    out.start.assign(num_vars_ + 1, 0);
    for (std::size_t j = 0; j < num_vars_; ++j) out.start[j + 1] = out.start[j] + count[j + 1];
    out.values.resize(kept.size());
    for (std::size_t j = 0; j < num_vars_; ++j) {
        for (std::size_t k = out.start[j]; k < out.start[j + 1]; ++k) {
            const BigRational& v = *kept[k];
            out.values[k] = BigInt::divexact(out.scale[j], v.denominator()) * v.numerator();
        }
    }
    return out;
}

std::unique_ptr<RevisedTableau> StandardForm::load(const std::vector<std::size_t>& basis,
                                                   const std::vector<char>* unit_cost) const {
    if (basis.size() != m_) return nullptr;
    std::vector<char> seen(num_vars_, 0);
    for (const std::size_t col : basis) {
        if (col >= num_vars_ || seen[col]) return nullptr;
        seen[col] = 1;
    }
    auto tab = std::make_unique<RevisedTableau>(num_vars_, m_);
    for (const auto& [row, col, v] : small_) {
        if (row > 0 || unit_cost == nullptr) tab->set(row, col, v);
    }
    for (const auto& [row, col, v] : big_) {
        if (row > 0 || unit_cost == nullptr) tab->set(row, col, v);
    }
    if (unit_cost != nullptr) {
        for (std::size_t j = 0; j < num_vars_; ++j) {
            if ((*unit_cost)[j]) tab->set(0, j, linear::Rational::one());
        }
    }
    for (std::size_t r = 0; r < m_; ++r) tab->set_basis(r + 1, basis[r]);
    try {
        tab->seal();
    } catch (const InternalFailure&) {
        return nullptr;  // a singular basis: no pivot left for some column
    }
    return tab;
}

namespace {

std::vector<BigRational> variable_values(const RevisedTableau& tab, std::size_t n) {
    std::vector<BigRational> out(n);
    for (std::size_t row = 1; row <= tab.num_constraints(); ++row) {
        const std::size_t b = tab.basis(row);
        if (b < n) out[b] = tab.value_of(b);
    }
    return out;
}

// Prices of the tableau's rows as multipliers of the system's constraints:
// a negated row turns its price around, and minimising is maximising the
// negated objective.
std::vector<BigRational> multipliers(std::vector<BigRational> y, const FormInfo& info,
                                     bool minimise) {
    for (std::size_t i = 0; i < y.size(); ++i) {
        if (info.flipped[i] != minimise) y[i] = -y[i];
    }
    return y;
}

// At an optimal basis. The optimal points are the feasible ones whose
// columns of negative reduced cost are zero; the vertex is the only one
// when the other nonbasic columns cannot grow on that face either.
bool unique_optimum(const StandardForm& form, RevisedTableau& tab, const FormInfo& info,
                    std::uint64_t max_pivots, Interrupt& interrupt) {
    const std::size_t m = tab.num_constraints();
    std::vector<char> basic(tab.num_vars(), 0);
    std::vector<std::size_t> basis(m);
    for (std::size_t row = 1; row <= m; ++row) {
        basis[row - 1] = tab.basis(row);
        basic[basis[row - 1]] = 1;
    }
    std::vector<char> zero(tab.num_vars(), 0);
    std::vector<char> held(info.artificial);  // at zero on the face
    bool any_zero = false;
    for (std::size_t j = 0; j < tab.num_vars(); ++j) {
        if (basic[j] || info.artificial[j]) continue;
        if (tab.reduced_cost_sign(j) == 0) {
            zero[j] = 1;
            any_zero = true;
        } else {
            held[j] = 1;
        }
    }
    if (!any_zero) return true;
    std::unique_ptr<RevisedTableau> face = form.load(basis, &zero);
    if (!face) return false;
    // The sum starts at zero; a pivot that moves the vertex raises it.
    for (std::uint64_t pivots = 0;; ++pivots) {
        const auto col = face->find_entering(&held);
        if (!col) return true;
        const auto leaving = face->find_leaving(*col, &info.artificial);
        if (!leaving || !face->rhs_is_zero(leaving->row) || pivots >= max_pivots) return false;
        interrupt.poll(face->step_work());
        face->pivot(leaving->row, *col);
    }
}

BigInt common_denominator(const std::vector<BigRational>& v) {
    BigInt d(1);
    for (const BigRational& x : v) {
        if (!x.denominator().is_one()) d = BigInt::lcm(d, x.denominator());
    }
    return d;
}

std::vector<BigInt> scaled_to(const std::vector<BigRational>& v, const BigInt& d) {
    std::vector<BigInt> out(v.size());
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (!v[i].is_zero()) out[i] = BigInt::divexact(d, v[i].denominator()) * v[i].numerator();
    }
    return out;
}

enum class Lifted { Answered, Refused, Undecided };

// The basis as it stands, through p-adic solves with B S (S the columns'
// scales): B S z = beta b gives x_B = S z / beta, and (B S)^T u = gamma S c_B
// the prices y = u / gamma. It answers when the basis proves an answer by
// itself (a positive artificial column and phase-1 prices that check as
// Farkas multipliers; or a feasible basis whose nonbasic, non-artificial
// columns all have negative reduced costs), refuses a negative basic value
// or a refused optimal certificate, and leaves everything else to the exact
// engine.
Lifted lifted_answer(const StandardForm& form, const FormInfo& info,
                     const std::vector<std::size_t>& basis, Interrupt& interrupt,
                     const CertificateCheck& accepts, DirectAnswer& answer) {
    const std::size_t m = form.num_constraints(), nv = form.num_vars();
    if (basis.size() != m) return Lifted::Undecided;
    std::vector<char> basic(nv, 0);
    for (const std::size_t col : basis) {
        if (col >= nv || basic[col]) return Lifted::Undecided;
        basic[col] = 1;
    }
    const StandardForm::Integers f = form.integers();
    PadicSolver solver(f.columns(), basis);
    if (!solver.factored()) return Lifted::Undecided;
    const BigInt beta = common_denominator(f.rhs);
    const auto z = solver.solve(scaled_to(f.rhs, beta), false, interrupt);
    if (!z) return Lifted::Undecided;
    bool artificial_positive = false;
    for (std::size_t r = 0; r < m; ++r) {
        const int sign = z->numerators[r].sign();
        if (sign < 0) return Lifted::Refused;
        if (sign > 0 && info.artificial[basis[r]]) artificial_positive = true;
    }
    // Scaled costs of the basic columns by position: -1 on the artificial
    // ones in phase 1 (unit columns, scale 1).
    std::vector<BigRational> cb(m);
    for (std::size_t r = 0; r < m; ++r) {
        const std::size_t j = basis[r];
        cb[r] = artificial_positive ? BigRational(linear::Rational(info.artificial[j] ? -1 : 0, 1))
                                    : f.cost[j] * BigRational(f.scale[j], BigInt(1));
    }
    const BigInt gamma = common_denominator(cb);
    const auto u = solver.solve(scaled_to(cb, gamma), true, interrupt);
    if (!u) return Lifted::Undecided;
    const BigInt y_den = u->denominator * gamma;
    std::vector<BigRational> y(m);
    for (std::size_t i = 0; i < m; ++i) {
        if (!u->numerators[i].is_zero()) y[i] = BigRational(u->numerators[i], y_den);
    }
    answer.lifted = true;
    if (artificial_positive) {
        answer.kind = DirectAnswer::Kind::Infeasible;
        answer.certificate.kind = Certificate::Kind::Infeasible;
        answer.certificate.multipliers = multipliers(std::move(y), info, false);
        return accepts(answer.certificate) ? Lifted::Answered : Lifted::Undecided;
    }
    // s_j d_j = c_j s_j - u^T A_j S_j / y_den: with c_j s_j = p / q, the sign
    // of p y_den - q u^T (A_j s_j).
    BigInt acc, t;
    for (std::size_t j = 0; j < nv; ++j) {
        if (basic[j] || info.artificial[j]) continue;
        acc.set_zero();
        for (std::size_t k = f.start[j]; k < f.start[j + 1]; ++k)
            BigInt::addmul_into(acc, u->numerators[f.rows[k]], f.values[k]);
        const BigRational c = f.cost[j] * BigRational(f.scale[j], BigInt(1));
        BigInt::mul_into(t, c.numerator(), y_den);
        BigInt::submul_into(t, c.denominator(), acc);
        interrupt.poll(static_cast<std::int64_t>(f.start[j + 1] - f.start[j] + 1));
        if (t.sign() >= 0) return Lifted::Undecided;
    }
    const bool minimise = info.objective == FormInfo::Objective::Minimize;
    answer.kind = DirectAnswer::Kind::Optimal;
    answer.certificate.kind = Certificate::Kind::Optimal;
    answer.certificate.primal.assign(info.variables, BigRational());
    const BigInt x_den = z->denominator * beta;
    for (std::size_t r = 0; r < m; ++r) {
        const std::size_t j = basis[r];
        if (j < info.variables && !z->numerators[r].is_zero())
            answer.certificate.primal[j] = BigRational(z->numerators[r] * f.scale[j], x_den);
    }
    answer.certificate.multipliers = multipliers(std::move(y), info, minimise);
    // The exact engine would stop at this basis with this certificate.
    if (!accepts(answer.certificate)) return Lifted::Refused;
    answer.basis = basis;
    return Lifted::Answered;
}

}  // namespace

std::optional<DirectAnswer> certify_basis(const StandardForm& form, const FormInfo& info,
                                          const std::vector<std::size_t>& basis,
                                          std::uint64_t max_pivots, Interrupt& interrupt,
                                          const CertificateCheck& accepts, bool lift) {
    if (lift) {
        DirectAnswer lifted;
        switch (lifted_answer(form, info, basis, interrupt, accepts, lifted)) {
            case Lifted::Answered:
                return lifted;
            case Lifted::Refused:
                return std::nullopt;
            case Lifted::Undecided:
                break;
        }
    }
    std::unique_ptr<RevisedTableau> tab = form.load(basis);
    if (!tab) return std::nullopt;
    const std::size_t m = tab->num_constraints();
    bool artificial_positive = false;
    for (std::size_t row = 1; row <= m; ++row) {
        const int s = tab->value_sign(row);
        if (s < 0) return std::nullopt;
        if (s > 0 && info.artificial[tab->basis(row)]) artificial_positive = true;
    }
    DirectAnswer answer;
    const auto pivot_budget = [&]() {
        interrupt.poll(tab->step_work());
        return answer.pivots < max_pivots;
    };
    const auto infeasible = [&]() {
        answer.kind = DirectAnswer::Kind::Infeasible;
        answer.certificate.kind = Certificate::Kind::Infeasible;
        answer.certificate.multipliers = multipliers(tab->prices(), info, false);
        return accepts(answer.certificate);
    };
    if (artificial_positive) {
        tab->begin_phase1(info.artificial);
        // The prices of the basis as they stand are usually the proof
        // already; checking it costs less than pricing every column of
        // zero phase-1 cost exactly.
        if (infeasible()) return answer;
        for (;;) {
            const auto col = tab->find_entering(&info.artificial);
            if (!col) break;
            const auto leaving = tab->find_leaving(*col);
            if (!leaving || !pivot_budget()) return std::nullopt;
            tab->pivot(leaving->row, *col);
            ++answer.pivots;
        }
        if (!tab->objective_is_zero()) {
            if (answer.pivots > 0 && infeasible()) return answer;
            return std::nullopt;
        }
        tab->end_phase1();
    }
    const bool minimise = info.objective == FormInfo::Objective::Minimize;
    for (;;) {
        const auto col = tab->find_entering(&info.artificial);
        if (!col) break;
        const auto leaving = tab->find_leaving(*col, &info.artificial);
        if (!leaving) {
            answer.kind = DirectAnswer::Kind::Unbounded;
            answer.certificate.kind = Certificate::Kind::Unbounded;
            answer.certificate.primal = variable_values(*tab, info.variables);
            // Along the ray the entering column grows by one and the basic
            // columns move by minus its transformed entries.
            std::vector<BigRational> ray(info.variables);
            if (*col < info.variables) ray[*col] = BigRational(linear::Rational::one());
            const std::vector<BigRational> alpha = tab->column(*col);
            for (std::size_t r = 0; r < m; ++r) {
                const std::size_t b = tab->basis(r + 1);
                if (b < info.variables) ray[b] = -alpha[r];
            }
            answer.certificate.ray = std::move(ray);
            if (!accepts(answer.certificate)) return std::nullopt;
            return answer;
        }
        if (!pivot_budget()) return std::nullopt;
        tab->pivot(leaving->row, *col);
        ++answer.pivots;
    }
    if (!unique_optimum(form, *tab, info, max_pivots + m, interrupt)) return std::nullopt;
    answer.kind = DirectAnswer::Kind::Optimal;
    answer.certificate.kind = Certificate::Kind::Optimal;
    answer.certificate.primal = variable_values(*tab, info.variables);
    answer.certificate.multipliers = multipliers(tab->prices(), info, minimise);
    if (!accepts(answer.certificate)) return std::nullopt;
    answer.basis.resize(m);
    for (std::size_t row = 1; row <= m; ++row) answer.basis[row - 1] = tab->basis(row);
    return answer;
}

}  // namespace nemox::lp
