#include "lp/floating.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace nemox::lp {

namespace {

// On the scaled problem, where entries are near 1.
constexpr double kPrimalTol = 1e-9;
constexpr double kDualTol = 1e-9;
constexpr double kPivotTol = 1e-9;
constexpr double kDropTol = 1e-14;
constexpr double kSingularTol = 1e-11;
constexpr double kInfeasibleTol = 1e-7;
constexpr std::size_t kRefactorEvery = 64;
constexpr double kFaceRise = 1e-6;
// Degenerate pivots in a row after which phase 2 perturbs the basic values:
// Dantzig's rule stalls, or cycles, on highly degenerate models.
constexpr std::size_t kStall = 200;
constexpr double kPerturb = 1e-6;
// Basic values below this once the perturbation is removed are mended by
// dual simplex pivots.
constexpr double kCleanTol = 1e-11;

double power_of_two_near(double v) {
    return std::exp2(std::round(std::log2(v)));
}

class Simplex {
  public:
    Simplex(const FloatProblem& p, Interrupt& interrupt)
        : p_(p),
          interrupt_(interrupt),
          m_(p.rows),
          n_(p.cols),
          value_(p.value),
          rhs_(p.rhs),
          cost_(p.cost),
          col_scale_(p.cols, 1.0),
          row_scale_(p.rows, 1.0),
          basis_(p.basis),
          perm_(p.rows),
          position_(p.cols, kNoColumn),
          x_(p.rows, 0.0),
          w_(p.rows, 0.0),
          y_(p.rows, 0.0),
          alpha_(p.rows, 0.0),
          rho_(p.rows, 0.0) {
        scale();
        for (std::size_t r = 0; r < m_; ++r) position_[basis_[r]] = r;
        limit_ = 50 * (m_ + n_) + 1000;
    }

    FloatOutcome run() {
        FloatOutcome out;
        refactor();
        if (std::find(p_.artificial.begin(), p_.artificial.end(), 1) != p_.artificial.end()) {
            const End e = phase(true);
            if (e != End::Optimal) return fail(out);
            double infeasibility = 0;
            for (std::size_t r = 0; r < m_; ++r) {
                const std::size_t col = basis_[r];
                if (p_.artificial[col]) infeasibility += std::max(0.0, x_[r]) * col_scale_[col];
            }
            if (infeasibility > kInfeasibleTol) return finish(out, FloatOutcome::Kind::Infeasible);
        }
        const End e = phase(false);
        if (e == End::Failed) return fail(out);
        if (perturbed_ && !remove_perturbation(e == End::Optimal)) return fail(out);
        if (e == End::Unbounded) return finish(out, FloatOutcome::Kind::Unbounded);
        finish(out, FloatOutcome::Kind::Optimal);
        out.another_optimum = another_optimum();
        out.zero_reduced_cost = zero_reduced_cost_;
        out.pivots = pivots_;
        return out;
    }

  private:
    enum class End { Optimal, Unbounded, Failed };
    struct Eta {
        std::size_t row;
        double pivot;
        std::size_t begin, end;
    };

    FloatOutcome& fail(FloatOutcome& out) const {
        out.kind = FloatOutcome::Kind::Failed;
        out.pivots = pivots_;
        return out;
    }
    FloatOutcome& finish(FloatOutcome& out, FloatOutcome::Kind kind) const {
        out.kind = kind;
        out.basis = basis_;
        out.pivots = pivots_;
        return out;
    }

    // Geometric scaling of rows and columns by powers of two (exact): the
    // tolerances then mean the same everywhere.
    void scale() {
        std::vector<double> lo(m_), hi(m_);
        for (int pass = 0; pass < 4; ++pass) {
            std::fill(lo.begin(), lo.end(), HUGE_VAL);
            std::fill(hi.begin(), hi.end(), 0.0);
            for (std::size_t j = 0; j < n_; ++j) {
                for (std::size_t k = p_.col_start[j]; k < p_.col_start[j + 1]; ++k) {
                    const double a = std::fabs(p_.value[k]) * col_scale_[j];
                    if (a == 0) continue;
                    const std::size_t i = p_.row_index[k];
                    lo[i] = std::min(lo[i], a);
                    hi[i] = std::max(hi[i], a);
                }
            }
            for (std::size_t i = 0; i < m_; ++i) {
                if (hi[i] > 0) row_scale_[i] = power_of_two_near(1.0 / std::sqrt(lo[i] * hi[i]));
            }
            for (std::size_t j = 0; j < n_; ++j) {
                double clo = HUGE_VAL, chi = 0;
                for (std::size_t k = p_.col_start[j]; k < p_.col_start[j + 1]; ++k) {
                    const double a = std::fabs(p_.value[k]) * row_scale_[p_.row_index[k]];
                    if (a == 0) continue;
                    clo = std::min(clo, a);
                    chi = std::max(chi, a);
                }
                if (chi > 0) col_scale_[j] = power_of_two_near(1.0 / std::sqrt(clo * chi));
            }
        }
        for (std::size_t j = 0; j < n_; ++j) {
            for (std::size_t k = p_.col_start[j]; k < p_.col_start[j + 1]; ++k)
                value_[k] = p_.value[k] * row_scale_[p_.row_index[k]] * col_scale_[j];
            cost_[j] = p_.cost[j] * col_scale_[j];
        }
        for (std::size_t i = 0; i < m_; ++i) rhs_[i] = p_.rhs[i] * row_scale_[i];
    }

    std::size_t count(std::size_t col) const { return p_.col_start[col + 1] - p_.col_start[col]; }

    void load(std::size_t col) {
        std::fill(w_.begin(), w_.end(), 0.0);
        for (std::size_t k = p_.col_start[col]; k < p_.col_start[col + 1]; ++k)
            w_[p_.row_index[k]] = value_[k];
    }

    // w <- E w, through the etas in order.
    void ftran(std::vector<double>& w) const {
        for (const Eta& e : etas_) {
            double z = w[e.row];
            if (z == 0) continue;
            z /= e.pivot;
            w[e.row] = z;
            for (std::size_t q = e.begin; q < e.end; ++q) w[eta_row_[q]] -= eta_value_[q] * z;
        }
    }

    // y <- y E, through the etas from the last.
    void btran(std::vector<double>& y) const {
        for (std::size_t k = etas_.size(); k-- > 0;) {
            const Eta& e = etas_[k];
            double s = y[e.row];
            for (std::size_t q = e.begin; q < e.end; ++q) s -= eta_value_[q] * y[eta_row_[q]];
            y[e.row] = s / e.pivot;
        }
    }

    void append_eta(std::size_t pivot_row) {
        const std::size_t begin = eta_row_.size();
        for (std::size_t i = 0; i < m_; ++i) {
            if (i == pivot_row || std::fabs(w_[i]) <= kDropTol) continue;
            eta_row_.push_back(i);
            eta_value_.push_back(w_[i]);
        }
        etas_.push_back({pivot_row, w_[pivot_row], begin, eta_row_.size()});
    }

    // Product form of the basis inverse, unit columns first, then by count,
    // each pivoted on a large entry of a sparse row. A column that turns
    // out dependent is replaced by the unit column of a row left over.
    void refactor() {
        etas_.clear();
        eta_row_.clear();
        eta_value_.clear();
        since_refactor_ = 0;
        std::vector<char> row_used(m_, 0);
        std::vector<std::size_t> row_count(m_, 0);
        for (std::size_t r = 0; r < m_; ++r) {
            const std::size_t col = basis_[r];
            for (std::size_t k = p_.col_start[col]; k < p_.col_start[col + 1]; ++k)
                ++row_count[p_.row_index[k]];
        }
        std::vector<std::size_t> order(m_);
        for (std::size_t r = 0; r < m_; ++r) order[r] = r;
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return count(basis_[a]) < count(basis_[b]);
        });
        std::vector<std::size_t> dependent;
        for (const std::size_t r : order) {
            const std::size_t col = basis_[r];
            if (count(col) == 1 && eta_row_.empty()) {
                // Only unit etas so far: a unit column needs no solve.
                const std::size_t k = p_.col_start[col];
                const std::size_t i = p_.row_index[k];
                if (!row_used[i] && std::fabs(value_[k]) > kSingularTol) {
                    row_used[i] = 1;
                    perm_[r] = i;
                    etas_.push_back({i, value_[k], eta_row_.size(), eta_row_.size()});
                    continue;
                }
            }
            load(basis_[r]);
            ftran(w_);
            double biggest = 0;
            for (std::size_t i = 0; i < m_; ++i) {
                if (!row_used[i]) biggest = std::max(biggest, std::fabs(w_[i]));
            }
            if (biggest <= kSingularTol) {
                dependent.push_back(r);
                continue;
            }
            std::size_t pick = kNoColumn;
            for (std::size_t i = 0; i < m_; ++i) {
                if (row_used[i] || std::fabs(w_[i]) < 0.1 * biggest) continue;
                if (pick == kNoColumn || row_count[i] < row_count[pick] ||
                    (row_count[i] == row_count[pick] && std::fabs(w_[i]) > std::fabs(w_[pick])))
                    pick = i;
            }
            row_used[pick] = 1;
            perm_[r] = pick;
            append_eta(pick);
        }
        std::size_t free_row = 0;
        for (const std::size_t r : dependent) {
            while (row_used[free_row]) ++free_row;
            position_[basis_[r]] = kNoColumn;
            basis_[r] = p_.basis[free_row];
            position_[basis_[r]] = r;
            load(basis_[r]);
            ftran(w_);
            row_used[free_row] = 1;
            perm_[r] = free_row;
            append_eta(free_row);
        }
        std::copy(rhs_.begin(), rhs_.end(), w_.begin());
        ftran(w_);
        for (std::size_t r = 0; r < m_; ++r) x_[r] = w_[perm_[r]];
    }

    // At an optimal basis: maximises the sum of the nonbasic columns of zero
    // reduced cost over the optimal face (the others held at zero), until
    // the first step that clearly raises it, or shows it unbounded: a second
    // optimal point as far as doubles can tell. Anything else says nothing.
    bool another_optimum() {
        std::fill(y_.begin(), y_.end(), 0.0);
        for (std::size_t r = 0; r < m_; ++r) y_[perm_[r]] = cost_[basis_[r]];
        btran(y_);
        face_cost_.assign(n_, 0);
        may_enter_.assign(n_, 1);
        bool any = false;
        for (std::size_t j = 0; j < n_; ++j) {
            if (position_[j] != kNoColumn || p_.artificial[j]) continue;
            const double d = reduced_cost(j, false, y_);
            if (d < -kDualTol) {
                may_enter_[j] = 0;
            } else {
                face_cost_[j] = 1;
                any = true;
            }
        }
        if (!any) return false;
        zero_reduced_cost_ = true;
        face_ = true;
        limit_ = pivots_ + m_ + 100;
        const End e = phase(false);
        face_ = false;
        return e == End::Unbounded;
    }

    double phase_cost(std::size_t j, bool phase1) const {
        // The sum of the unscaled artificial columns: the final basis's
        // prices are then the multipliers that the exact check recomputes.
        if (phase1) return p_.artificial[j] ? -col_scale_[j] : 0.0;
        if (face_) return face_cost_[j];
        return cost_[j];
    }

    End phase(bool phase1) {
        for (;;) {
            if (!phase1 && !face_ && !perturbed_ && degenerate_run_ >= kStall) perturb();
            interrupt_.poll(static_cast<std::int64_t>(value_.size() + eta_value_.size() + m_),
                            pivots_);
            if (pivots_ >= limit_) return End::Failed;
            std::fill(y_.begin(), y_.end(), 0.0);
            for (std::size_t r = 0; r < m_; ++r) y_[perm_[r]] = phase_cost(basis_[r], phase1);
            btran(y_);
            std::size_t q = kNoColumn;
            double best = kDualTol;
            for (std::size_t j = 0; j < n_; ++j) {
                if (position_[j] != kNoColumn || p_.artificial[j] || (face_ && !may_enter_[j]))
                    continue;
                const double d = reduced_cost(j, phase1, y_);
                if (!std::isfinite(d)) return End::Failed;
                if (d > best) {
                    best = d;
                    q = j;
                }
            }
            if (q == kNoColumn) return End::Optimal;
            load(q);
            ftran(w_);
            for (std::size_t r = 0; r < m_; ++r) alpha_[r] = w_[perm_[r]];
            // Two passes: the largest step that no row overshoots by more
            // than the tolerance, then the largest pivot within that step.
            // Artificial columns left basic in phase 2 are held at zero.
            double step_limit = HUGE_VAL;
            for (std::size_t r = 0; r < m_; ++r) {
                const double a = alpha_[r];
                if (a > kPivotTol) {
                    step_limit = std::min(step_limit, (x_[r] + kPrimalTol) / a);
                } else if (a < -kPivotTol && !phase1 && p_.artificial[basis_[r]]) {
                    step_limit = std::min(step_limit, std::max(0.0, kPrimalTol - x_[r]) / -a);
                }
            }
            if (step_limit == HUGE_VAL) return phase1 ? End::Failed : End::Unbounded;
            std::size_t leave = kNoColumn;
            double leave_ratio = 0, biggest = 0;
            for (std::size_t r = 0; r < m_; ++r) {
                const double a = alpha_[r];
                double ratio;
                if (a > kPivotTol) {
                    ratio = x_[r] / a;
                } else if (a < -kPivotTol && !phase1 && p_.artificial[basis_[r]]) {
                    ratio = 0;
                } else {
                    continue;
                }
                if (ratio <= step_limit && std::fabs(a) > biggest) {
                    biggest = std::fabs(a);
                    leave = r;
                    leave_ratio = ratio;
                }
            }
            if (leave == kNoColumn) return End::Failed;
            const double theta = std::max(0.0, leave_ratio);
            degenerate_run_ = theta * best > kPrimalTol ? 0 : degenerate_run_ + 1;
            // The face's sum rises: a second optimal point, no need to go on.
            if (face_ && theta * best > kFaceRise) return End::Unbounded;
            for (std::size_t r = 0; r < m_; ++r) x_[r] -= theta * alpha_[r];
            x_[leave] = theta;
            append_eta(perm_[leave]);
            position_[basis_[leave]] = kNoColumn;
            basis_[leave] = q;
            position_[q] = leave;
            ++pivots_;
            if (++since_refactor_ >= kRefactorEvery ||
                eta_value_.size() > 4 * value_.size() + 8 * m_) {
                refactor();
                for (std::size_t r = 0; r < m_; ++r) {
                    if (!std::isfinite(x_[r])) return End::Failed;
                }
            }
        }
    }

    // Raises every basic value of a column that is not artificial by a small
    // pseudo-random amount, through the right-hand side (b + B delta), so
    // that no two ratios tie any more.
    void perturb() {
        perturbed_ = true;
        original_rhs_ = rhs_;
        std::uint64_t state = 0x9E3779B97F4A7C15ull;
        for (std::size_t r = 0; r < m_; ++r) {
            const std::size_t col = basis_[r];
            if (p_.artificial[col]) continue;
            state = state * 6364136223846793005ull + 1442695040888963407ull;
            const double u = static_cast<double>(state >> 11) * 0x1p-53;
            const double delta = kPerturb * (1 + u) * (1 + std::fabs(x_[r]));
            x_[r] += delta;
            for (std::size_t k = p_.col_start[col]; k < p_.col_start[col + 1]; ++k)
                rhs_[p_.row_index[k]] += delta * value_[k];
        }
    }

    // The true right-hand side again. An optimal basis may then have values
    // a little below zero: dual simplex pivots, which keep it optimal, bring
    // them up. False when that fails.
    bool remove_perturbation(bool optimal) {
        perturbed_ = false;
        rhs_ = original_rhs_;
        refactor();
        const std::uint64_t limit = pivots_ + m_ + 100;
        for (;;) {
            std::size_t leave = kNoColumn;
            double lowest = -kCleanTol;
            for (std::size_t r = 0; r < m_; ++r) {
                if (!std::isfinite(x_[r])) return false;
                if (x_[r] < lowest) {
                    lowest = x_[r];
                    leave = r;
                }
            }
            if (leave == kNoColumn) return true;
            if (!optimal || pivots_ >= limit) return false;
            interrupt_.poll(static_cast<std::int64_t>(2 * (value_.size() + eta_value_.size())),
                            pivots_);
            std::fill(y_.begin(), y_.end(), 0.0);
            for (std::size_t r = 0; r < m_; ++r) y_[perm_[r]] = cost_[basis_[r]];
            btran(y_);
            // Row `leave` of B^-1 A: rho A_j.
            std::fill(rho_.begin(), rho_.end(), 0.0);
            rho_[perm_[leave]] = 1;
            btran(rho_);
            std::size_t q = kNoColumn;
            double q_ratio = HUGE_VAL, q_entry = 0;
            for (std::size_t j = 0; j < n_; ++j) {
                if (position_[j] != kNoColumn || p_.artificial[j]) continue;
                double a = 0;
                for (std::size_t k = p_.col_start[j]; k < p_.col_start[j + 1]; ++k)
                    a += rho_[p_.row_index[k]] * value_[k];
                if (a >= -kPivotTol) continue;
                const double ratio = std::min(0.0, reduced_cost(j, false, y_)) / a;
                if (ratio < q_ratio || (ratio == q_ratio && a < q_entry)) {
                    q = j;
                    q_ratio = ratio;
                    q_entry = a;
                }
            }
            if (q == kNoColumn) return false;
            load(q);
            ftran(w_);
            for (std::size_t r = 0; r < m_; ++r) alpha_[r] = w_[perm_[r]];
            const double theta = x_[leave] / alpha_[leave];
            for (std::size_t r = 0; r < m_; ++r) x_[r] -= theta * alpha_[r];
            x_[leave] = theta;
            append_eta(perm_[leave]);
            position_[basis_[leave]] = kNoColumn;
            basis_[leave] = q;
            position_[q] = leave;
            ++pivots_;
            if (++since_refactor_ >= kRefactorEvery) refactor();
        }
    }

    double reduced_cost(std::size_t j, bool phase1, const std::vector<double>& y) const {
        double d = phase_cost(j, phase1);
        for (std::size_t k = p_.col_start[j]; k < p_.col_start[j + 1]; ++k)
            d -= y[p_.row_index[k]] * value_[k];
        return d;
    }

    const FloatProblem& p_;
    Interrupt& interrupt_;
    std::size_t m_, n_;
    std::vector<double> value_, rhs_, cost_;  // scaled
    std::vector<double> col_scale_, row_scale_;
    std::vector<std::size_t> basis_;     // by position
    std::vector<std::size_t> perm_;      // position -> its pivot row
    std::vector<std::size_t> position_;  // column -> position, or kNoColumn
    std::vector<double> x_;              // basic values, scaled
    std::vector<double> w_, y_, alpha_, rho_;
    // Phase 2 stalled and its right-hand side was perturbed; the true one.
    bool perturbed_ = false;
    std::size_t degenerate_run_ = 0;
    std::vector<double> original_rhs_;
    bool face_ = false;  // in another_optimum's search
    bool zero_reduced_cost_ = false;
    std::vector<char> face_cost_, may_enter_;
    std::vector<Eta> etas_;
    std::vector<std::size_t> eta_row_;
    std::vector<double> eta_value_;
    std::size_t since_refactor_ = 0;
    std::uint64_t pivots_ = 0;
    std::uint64_t limit_ = 0;
};

}  // namespace

FloatOutcome float_simplex(const FloatProblem& problem, Interrupt& interrupt) {
    return Simplex(problem, interrupt).run();
}

}  // namespace nemox::lp
