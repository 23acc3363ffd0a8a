#include "lp/floating.hpp"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <utility>

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
// Once optimal, phase 2 goes on with prices this close to zero, so that a
// nearly flat edge does not pass for an optimal face; the face is then the
// columns priced within kFaceTol of zero.
constexpr double kPolishTol = 1e-12;
constexpr double kFaceTol = 1e-11;
// Degenerate pivots in a row after which a phase perturbs the basic values:
// Dantzig's rule stalls, or cycles, on highly degenerate models. Phase 1
// waits for what looks like a cycle: mending its basis afterwards fails
// more often.
constexpr std::size_t kStall = 200;
constexpr std::size_t kCycle = 5000;
constexpr double kPerturb = 1e-6;
// Basic values below this once the perturbation is removed are mended by
// dual simplex pivots.
constexpr double kCleanTol = 1e-11;

double power_of_two_near(double v) {
    return std::exp2(std::round(std::log2(v)));
}

class Simplex {
  public:
    // `upper` bounds the columns (HUGE_VAL: no bound; 0: the column is
    // fixed and never enters).
    // `devex`: reference weights and prices updated along pivot rows;
    // otherwise Dantzig's rule on fresh prices at every pivot.
    Simplex(const FloatProblem& p, const std::vector<double>& upper, bool devex,
            Interrupt& interrupt)
        : p_(p),
          devex_(devex),
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
          rho_(p.rows, 0.0),
          upper_(upper),
          at_upper_(p.cols, 0) {
        scale();
        by_rows();
        for (std::size_t r = 0; r < m_; ++r) position_[basis_[r]] = r;
        limit_ = 50 * (m_ + n_) + 1000;
    }

    // Nonbasic at its upper bound in the basis that run() gave.
    bool at_upper(std::size_t col) const { return final_at_upper_[col] != 0; }

    FloatOutcome run() {
        FloatOutcome out;
        refactor();
        if (std::find(p_.artificial.begin(), p_.artificial.end(), 1) != p_.artificial.end()) {
            const End e = phase(true);
            if (e != End::Optimal) return fail(out);
            if (perturbed_ && !remove_perturbation(true, true)) return fail(out);
            degenerate_run_ = 0;
            double infeasibility = 0;
            for (std::size_t r = 0; r < m_; ++r) {
                const std::size_t col = basis_[r];
                if (p_.artificial[col]) infeasibility += std::max(0.0, x_[r]) * col_scale_[col];
            }
            if (infeasibility > kInfeasibleTol) return finish(out, FloatOutcome::Kind::Infeasible);
        }
        End e = phase(false);
        if (e == End::Optimal) {
            polish_ = true;
            e = phase(false);
            polish_ = false;
        }
        if (e == End::Failed) return fail(out);
        if (perturbed_ && !remove_perturbation(e == End::Optimal, false)) return fail(out);
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
    FloatOutcome& finish(FloatOutcome& out, FloatOutcome::Kind kind) {
        out.kind = kind;
        out.basis = basis_;
        final_at_upper_ = at_upper_;
        out.pivots = pivots_;
        if (kind == FloatOutcome::Kind::Unbounded) return out;
        // A column fixed at zero sits at both bounds: at the upper one when
        // its price says it would rise, so that the basis of the rows proves
        // optimality too.
        const bool phase1 = kind == FloatOutcome::Kind::Infeasible;
        std::fill(y_.begin(), y_.end(), 0.0);
        for (std::size_t r = 0; r < m_; ++r) y_[perm_[r]] = phase_cost(basis_[r], phase1);
        btran(y_);
        for (std::size_t j = 0; j < n_; ++j) {
            if (position_[j] == kNoColumn && !p_.artificial[j] && upper_[j] == 0)
                final_at_upper_[j] = reduced_cost(j, phase1, y_) > 0;
        }
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
        for (std::size_t j = 0; j < n_; ++j) {
            if (upper_[j] != HUGE_VAL) upper_[j] /= col_scale_[j];
        }
    }

    // The scaled matrix by rows as well, for the pivot rows.
    void by_rows() {
        row_start_.assign(m_ + 1, 0);
        for (const std::size_t i : p_.row_index) ++row_start_[i + 1];
        for (std::size_t i = 0; i < m_; ++i) row_start_[i + 1] += row_start_[i];
        row_col_.resize(value_.size());
        row_value_.resize(value_.size());
        std::vector<std::size_t> at(row_start_.begin(), row_start_.end() - 1);
        for (std::size_t j = 0; j < n_; ++j) {
            for (std::size_t k = p_.col_start[j]; k < p_.col_start[j + 1]; ++k) {
                const std::size_t q = at[p_.row_index[k]]++;
                row_col_[q] = j;
                row_value_[q] = value_[k];
            }
        }
        pivot_row_.assign(n_, 0.0);
        in_row_.assign(n_, 0);
    }

    // The value a basic column may not pass on its way up: its bound, or
    // zero for an artificial column in phase 2.
    double ceiling(std::size_t col, bool phase1) const {
        return p_.artificial[col] ? (phase1 ? HUGE_VAL : 0.0) : upper_[col];
    }
    bool may_enter(std::size_t j) const {
        return position_[j] == kNoColumn && !p_.artificial[j] && upper_[j] != 0;
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

    // Column q takes position `leave`, the basic values having moved by
    // theta along it; true when the refactorization is due.
    bool enter(std::size_t leave, std::size_t q, double theta) {
        x_[leave] = at_upper_[q] ? upper_[q] - theta : theta;
        at_upper_[q] = 0;
        append_eta(perm_[leave]);
        position_[basis_[leave]] = kNoColumn;
        basis_[leave] = q;
        position_[q] = leave;
        ++pivots_;
        return ++since_refactor_ >= kRefactorEvery;
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
    // Each column's solve touches only the etas its nonzeros reach.
    void refactor() {
        etas_.clear();
        eta_row_.clear();
        eta_value_.clear();
        since_refactor_ = 0;
        eta_of_row_.assign(m_, kNoColumn);
        mark_.assign(m_, 0);
        std::fill(w_.begin(), w_.end(), 0.0);
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
                    eta_of_row_[i] = etas_.size();
                    etas_.push_back({i, value_[k], eta_row_.size(), eta_row_.size()});
                    continue;
                }
            }
            solve_touched(basis_[r]);
            double biggest = 0;
            for (const std::size_t i : touched_) {
                if (!row_used[i]) biggest = std::max(biggest, std::fabs(w_[i]));
            }
            if (biggest <= kSingularTol) {
                dependent.push_back(r);
                clear_touched();
                continue;
            }
            std::size_t pick = kNoColumn;
            for (const std::size_t i : touched_) {
                if (row_used[i] || std::fabs(w_[i]) < 0.1 * biggest) continue;
                if (pick == kNoColumn || row_count[i] < row_count[pick] ||
                    (row_count[i] == row_count[pick] &&
                     (std::fabs(w_[i]) > std::fabs(w_[pick]) ||
                      (std::fabs(w_[i]) == std::fabs(w_[pick]) && i < pick))))
                    pick = i;
            }
            row_used[pick] = 1;
            perm_[r] = pick;
            append_touched_eta(pick);
        }
        std::size_t free_row = 0;
        for (const std::size_t r : dependent) {
            while (row_used[free_row]) ++free_row;
            position_[basis_[r]] = kNoColumn;
            basis_[r] = p_.basis[free_row];
            position_[basis_[r]] = r;
            solve_touched(basis_[r]);
            row_used[free_row] = 1;
            perm_[r] = free_row;
            append_touched_eta(free_row);
        }
        std::copy(rhs_.begin(), rhs_.end(), w_.begin());
        for (std::size_t j = 0; j < n_; ++j) {
            if (!at_upper_[j]) continue;
            for (std::size_t k = p_.col_start[j]; k < p_.col_start[j + 1]; ++k)
                w_[p_.row_index[k]] -= upper_[j] * value_[k];
        }
        ftran(w_);
        for (std::size_t r = 0; r < m_; ++r) x_[r] = w_[perm_[r]];
    }

    // w_ <- E A_col, w_ zero before: the etas applied in order, each only
    // when its row holds a nonzero, which a heap of the etas the nonzeros
    // reach finds; the rows reached are listed in touched_.
    void solve_touched(std::size_t col) {
        touched_.clear();
        heap_.clear();
        const auto reach = [&](std::size_t i, std::size_t after) {
            if (mark_[i]) return;
            mark_[i] = 1;
            touched_.push_back(i);
            const std::size_t k = eta_of_row_[i];
            if (k != kNoColumn && (after == kNoColumn || k > after)) {
                heap_.push_back(k);
                std::push_heap(heap_.begin(), heap_.end(), std::greater<>());
            }
        };
        for (std::size_t k = p_.col_start[col]; k < p_.col_start[col + 1]; ++k) {
            w_[p_.row_index[k]] = value_[k];
            reach(p_.row_index[k], kNoColumn);
        }
        while (!heap_.empty()) {
            std::pop_heap(heap_.begin(), heap_.end(), std::greater<>());
            const std::size_t at = heap_.back();
            heap_.pop_back();
            const Eta& e = etas_[at];
            double z = w_[e.row];
            if (z == 0) continue;
            z /= e.pivot;
            w_[e.row] = z;
            for (std::size_t q = e.begin; q < e.end; ++q) {
                w_[eta_row_[q]] -= eta_value_[q] * z;
                reach(eta_row_[q], at);
            }
        }
    }

    void clear_touched() {
        for (const std::size_t i : touched_) {
            w_[i] = 0;
            mark_[i] = 0;
        }
    }

    // append_eta over the rows of touched_, which it clears.
    void append_touched_eta(std::size_t pivot_row) {
        const std::size_t begin = eta_row_.size();
        for (const std::size_t i : touched_) {
            if (i == pivot_row || std::fabs(w_[i]) <= kDropTol) continue;
            eta_row_.push_back(i);
            eta_value_.push_back(w_[i]);
        }
        eta_of_row_[pivot_row] = etas_.size();
        etas_.push_back({pivot_row, w_[pivot_row], begin, eta_row_.size()});
        clear_touched();
    }

    // At an optimal basis: maximises the sum of the nonbasic columns of zero
    // reduced cost over the optimal face (the others held at zero), until
    // the first step that clearly raises it, or shows it unbounded: a second
    // optimal point as far as doubles can tell. Anything else says nothing.
    bool another_optimum() {
        std::fill(y_.begin(), y_.end(), 0.0);
        for (std::size_t r = 0; r < m_; ++r) y_[perm_[r]] = cost_[basis_[r]];
        btran(y_);
        face_cost_.assign(n_, 0.0);
        may_enter_.assign(n_, 1);
        bool any = false;
        for (std::size_t j = 0; j < n_; ++j) {
            if (!may_enter(j)) continue;
            // At its upper bound the column moves down: its sum is negated.
            const double sign = at_upper_[j] ? -1.0 : 1.0;
            if (sign * reduced_cost(j, false, y_) < -kFaceTol) {
                may_enter_[j] = 0;
            } else {
                face_cost_[j] = sign;
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
        weight_.assign(n_, 1.0);
        price(phase1);
        for (;;) {
            if (!face_ && !perturbed_ && degenerate_run_ >= (phase1 ? kCycle : kStall)) perturb();
            interrupt_.poll(static_cast<std::int64_t>(value_.size() + eta_value_.size() + m_),
                            pivots_);
            if (pivots_ >= limit_) return End::Failed;
            if (!devex_ && !prices_fresh_) price(phase1);
            // The largest gain per unit of the reference weight.
            std::size_t q = kNoColumn;
            double best = 0, score = 0;
            const double tol = polish_ ? kPolishTol : kDualTol;
            for (std::size_t j = 0; j < n_; ++j) {
                if (!may_enter(j) || (face_ && !may_enter_[j])) continue;
                const double gain = at_upper_[j] ? -d_[j] : d_[j];
                if (!std::isfinite(gain)) return End::Failed;
                if (gain > tol && gain * gain > score * weight_[j]) {
                    score = gain * gain / weight_[j];
                    best = gain;
                    q = j;
                }
            }
            // Updated prices drift: optimal only by fresh ones.
            if (q == kNoColumn) {
                if (prices_fresh_) return End::Optimal;
                price(phase1);
                continue;
            }
            load(q);
            ftran(w_);
            // The entering column moves up from zero, or down from its bound:
            // alpha is the basic values' rate of decrease along that move.
            const double sigma = at_upper_[q] ? -1.0 : 1.0;
            for (std::size_t r = 0; r < m_; ++r) alpha_[r] = sigma * w_[perm_[r]];
            // Two passes: the largest step that no row overshoots by more
            // than the tolerance, then the largest pivot within that step.
            // Artificial columns left basic in phase 2 are held at zero.
            double step_limit = HUGE_VAL;
            for (std::size_t r = 0; r < m_; ++r) {
                const double a = alpha_[r];
                if (a > kPivotTol) {
                    step_limit = std::min(step_limit, (x_[r] + kPrimalTol) / a);
                } else if (a < -kPivotTol) {
                    const double top = ceiling(basis_[r], phase1);
                    if (top != HUGE_VAL)
                        step_limit =
                            std::min(step_limit, std::max(0.0, top - x_[r] + kPrimalTol) / -a);
                }
            }
            // The entering column reaches its other bound first: no pivot.
            const double span = upper_[q];
            if (span != HUGE_VAL && span <= step_limit) {
                degenerate_run_ = 0;
                if (face_ && span * best > kFaceRise) return End::Unbounded;
                for (std::size_t r = 0; r < m_; ++r) x_[r] -= span * alpha_[r];
                at_upper_[q] = !at_upper_[q];
                ++pivots_;
                continue;
            }
            if (step_limit == HUGE_VAL) {
                // A ray, or a column that only drifted prices or factors
                // made look good.
                if (!prices_fresh_ || since_refactor_ > 0) {
                    if (since_refactor_ > 0) refactor();
                    price(phase1);
                    continue;
                }
                return phase1 ? End::Failed : End::Unbounded;
            }
            std::size_t leave = kNoColumn;
            double leave_ratio = 0, biggest = 0;
            for (std::size_t r = 0; r < m_; ++r) {
                const double a = alpha_[r];
                double ratio;
                if (a > kPivotTol) {
                    ratio = x_[r] / a;
                } else if (a < -kPivotTol && ceiling(basis_[r], phase1) != HUGE_VAL) {
                    ratio = (ceiling(basis_[r], phase1) - x_[r]) / -a;
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
            if (devex_) {
                update_prices(leave, q);
            } else {
                prices_fresh_ = false;
            }
            // The leaving column stops at its upper bound when it rose to it.
            at_upper_[basis_[leave]] = alpha_[leave] < 0 && !p_.artificial[basis_[leave]];
            if (enter(leave, q, theta) || eta_value_.size() > 4 * value_.size() + 8 * m_) {
                refactor();
                for (std::size_t r = 0; r < m_; ++r) {
                    if (!std::isfinite(x_[r])) return End::Failed;
                }
                price(phase1);
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
            double delta = kPerturb * (1 + u) * (1 + std::fabs(x_[r]));
            // Down instead below the bound; not at all where neither fits.
            if (x_[r] + delta > upper_[col]) delta = x_[r] >= delta ? -delta : 0.0;
            x_[r] += delta;
            for (std::size_t k = p_.col_start[col]; k < p_.col_start[col + 1]; ++k)
                rhs_[p_.row_index[k]] += delta * value_[k];
        }
    }

    // The true right-hand side again. An optimal basis may then have values
    // a little below zero: dual simplex pivots, which keep it optimal, bring
    // them up. False when that fails.
    bool remove_perturbation(bool optimal, bool phase1) {
        perturbed_ = false;
        rhs_ = original_rhs_;
        refactor();
        const std::uint64_t limit = pivots_ + m_ + 100;
        for (;;) {
            // The basic value furthest outside its bounds, and the bound it
            // goes to.
            std::size_t leave = kNoColumn;
            double worst = kCleanTol, target = 0;
            for (std::size_t r = 0; r < m_; ++r) {
                if (!std::isfinite(x_[r])) return false;
                const double top = ceiling(basis_[r], phase1);
                if (-x_[r] > worst) {
                    worst = -x_[r];
                    leave = r;
                    target = 0;
                } else if (top != HUGE_VAL && x_[r] - top > worst) {
                    worst = x_[r] - top;
                    leave = r;
                    target = top;
                }
            }
            if (leave == kNoColumn) return true;
            // Along the entering column's move the value changes by
            // -theta sigma a; it must go towards `target`.
            const double toward = x_[leave] > target ? 1.0 : -1.0;
            if (!optimal || pivots_ >= limit) return false;
            interrupt_.poll(static_cast<std::int64_t>(2 * (value_.size() + eta_value_.size())),
                            pivots_);
            std::fill(y_.begin(), y_.end(), 0.0);
            for (std::size_t r = 0; r < m_; ++r) y_[perm_[r]] = phase_cost(basis_[r], phase1);
            btran(y_);
            // Row `leave` of B^-1 A: rho A_j.
            std::fill(rho_.begin(), rho_.end(), 0.0);
            rho_[perm_[leave]] = 1;
            btran(rho_);
            std::size_t q = kNoColumn;
            double q_ratio = HUGE_VAL, q_entry = 0;
            for (std::size_t j = 0; j < n_; ++j) {
                if (!may_enter(j)) continue;
                const double sigma = at_upper_[j] ? -1.0 : 1.0;
                double a = 0;
                for (std::size_t k = p_.col_start[j]; k < p_.col_start[j + 1]; ++k)
                    a += rho_[p_.row_index[k]] * value_[k];
                a *= sigma * toward;
                if (a <= kPivotTol) continue;
                // How far the price of the column may move before it turns.
                const double ratio = std::max(0.0, -sigma * reduced_cost(j, phase1, y_)) / a;
                if (ratio < q_ratio || (ratio == q_ratio && a > q_entry)) {
                    q = j;
                    q_ratio = ratio;
                    q_entry = a;
                }
            }
            if (q == kNoColumn) return false;
            load(q);
            ftran(w_);
            const double sigma = at_upper_[q] ? -1.0 : 1.0;
            for (std::size_t r = 0; r < m_; ++r) alpha_[r] = sigma * w_[perm_[r]];
            const double theta = (x_[leave] - target) / alpha_[leave];
            for (std::size_t r = 0; r < m_; ++r) x_[r] -= theta * alpha_[r];
            at_upper_[basis_[leave]] = target != 0;
            if (enter(leave, q, theta)) refactor();
        }
    }

    // Every column's reduced cost from fresh prices.
    void price(bool phase1) {
        std::fill(y_.begin(), y_.end(), 0.0);
        for (std::size_t r = 0; r < m_; ++r) y_[perm_[r]] = phase_cost(basis_[r], phase1);
        btran(y_);
        d_.resize(n_);
        for (std::size_t j = 0; j < n_; ++j)
            d_[j] = may_enter(j) ? reduced_cost(j, phase1, y_) : 0.0;
        prices_fresh_ = true;
    }

    // Before column q replaces the basic column of position `leave` (w_
    // holding q's column): the reduced costs and reference weights along
    // the pivot row, rho A with rho the row of the basis inverse.
    void update_prices(std::size_t leave, std::size_t q) {
        std::fill(rho_.begin(), rho_.end(), 0.0);
        rho_[perm_[leave]] = 1;
        btran(rho_);
        const double pivot = w_[perm_[leave]];
        const double step = d_[q] / pivot;
        const double wq = weight_[q];
        // rho A by the rows that rho reaches.
        row_cols_.clear();
        for (std::size_t i = 0; i < m_; ++i) {
            const double r = rho_[i];
            if (r == 0) continue;
            for (std::size_t k = row_start_[i]; k < row_start_[i + 1]; ++k) {
                const std::size_t j = row_col_[k];
                if (!in_row_[j]) {
                    in_row_[j] = 1;
                    row_cols_.push_back(j);
                    pivot_row_[j] = 0;
                }
                pivot_row_[j] += r * row_value_[k];
            }
        }
        for (const std::size_t j : row_cols_) {
            in_row_[j] = 0;
            const double a = pivot_row_[j];
            if (j == q || a == 0 || !may_enter(j)) continue;
            d_[j] -= step * a;
            const double ratio = a / pivot;
            weight_[j] = std::max(weight_[j], ratio * ratio * wq);
        }
        const std::size_t out = basis_[leave];
        d_[out] = -step;
        weight_[out] = std::max(wq / (pivot * pivot), 1.0);
        d_[q] = 0;
        prices_fresh_ = false;
    }

    double reduced_cost(std::size_t j, bool phase1, const std::vector<double>& y) const {
        double d = phase_cost(j, phase1);
        for (std::size_t k = p_.col_start[j]; k < p_.col_start[j + 1]; ++k)
            d -= y[p_.row_index[k]] * value_[k];
        return d;
    }

    const FloatProblem& p_;
    bool devex_;
    Interrupt& interrupt_;
    std::size_t m_, n_;
    std::vector<double> value_, rhs_, cost_;  // scaled
    std::vector<double> col_scale_, row_scale_;
    std::vector<std::size_t> basis_;     // by position
    std::vector<std::size_t> perm_;      // position -> its pivot row
    std::vector<std::size_t> position_;  // column -> position, or kNoColumn
    std::vector<double> x_;              // basic values, scaled
    std::vector<double> w_, y_, alpha_, rho_;
    std::vector<double> d_;                         // reduced costs of the columns that may enter
    std::vector<double> weight_;                    // devex reference weights
    bool prices_fresh_ = false;                     // d_ computed since the last pivot
    std::vector<std::size_t> row_start_, row_col_;  // the scaled matrix by rows
    std::vector<double> row_value_;
    std::vector<double> pivot_row_;  // rho A, at the columns of row_cols_
    std::vector<std::size_t> row_cols_;
    std::vector<char> in_row_;
    // Refactorization scratch: each row's eta, rows reached, a heap of etas.
    std::vector<std::size_t> eta_of_row_, touched_, heap_;
    std::vector<char> mark_;
    // Phase 2 stalled and its right-hand side was perturbed; the true one.
    bool perturbed_ = false;
    std::size_t degenerate_run_ = 0;
    std::vector<double> original_rhs_;
    bool face_ = false;  // in another_optimum's search
    bool zero_reduced_cost_ = false;
    bool polish_ = false;
    std::vector<double> face_cost_;
    std::vector<char> may_enter_;
    std::vector<double> upper_;  // scaled
    std::vector<char> at_upper_, final_at_upper_;
    std::vector<Eta> etas_;
    std::vector<std::size_t> eta_row_;
    std::vector<double> eta_value_;
    std::size_t since_refactor_ = 0;
    std::uint64_t pivots_ = 0;
    std::uint64_t limit_ = 0;
};

}  // namespace

namespace {

// A row a x_j + s = b whose slack s starts basic and appears nowhere else
// (a > 0) only bounds x_j by b / a. Such rows leave the simplex's problem: x_j
// gets the bound and s is fixed at zero.
struct BoundRow {
    std::size_t row, col, slack;
};

std::vector<BoundRow> bound_rows(const FloatProblem& p) {
    std::vector<std::size_t> count(p.rows, 0), other(p.rows, kNoColumn);
    for (std::size_t j = 0; j < p.cols; ++j) {
        for (std::size_t k = p.col_start[j]; k < p.col_start[j + 1]; ++k) {
            const std::size_t i = p.row_index[k];
            if (++count[i] == 1 || j != p.basis[i]) other[i] = j;
        }
    }
    // A column basic at the start keeps its rows: its starting value could
    // pass the bound.
    std::vector<char> bounded(p.cols, 0);
    for (const std::size_t col : p.basis) bounded[col] = 1;
    std::vector<BoundRow> out;
    for (std::size_t i = 0; i < p.rows; ++i) {
        const std::size_t s = p.basis[i], j = other[i];
        if (count[i] != 2 || j == kNoColumn || j == s || p.artificial[s] || p.artificial[j] ||
            bounded[j] || p.col_start[s + 1] - p.col_start[s] != 1 || p.cost[s] != 0 ||
            p.value[p.col_start[s]] <= 0)
            continue;
        double a = 0;
        for (std::size_t k = p.col_start[j]; k < p.col_start[j + 1]; ++k) {
            if (p.row_index[k] == i) a = p.value[k];
        }
        if (a <= 0) continue;
        bounded[j] = 1;
        out.push_back({i, j, s});
    }
    return out;
}

// Devex first; Dantzig's rule where devex's path fails, as it does on some
// badly conditioned models. With the columns nonbasic at their upper bound.
std::pair<FloatOutcome, std::vector<char>> run_simplex(const FloatProblem& p,
                                                       const std::vector<double>& upper,
                                                       Interrupt& interrupt, FloatPricing pricing) {
    std::vector<char> at_upper(p.cols, 0);
    FloatOutcome out;
    std::vector<bool> rules;
    if (pricing != FloatPricing::Dantzig) rules.push_back(true);
    if (pricing != FloatPricing::Devex) rules.push_back(false);
    for (const bool devex : rules) {
        Simplex simplex(p, upper, devex, interrupt);
        const std::uint64_t before = out.pivots;
        out = simplex.run();
        out.pivots += before;
        if (out.kind == FloatOutcome::Kind::Failed) continue;
        for (std::size_t j = 0; j < p.cols; ++j) at_upper[j] = simplex.at_upper(j);
        break;
    }
    return {std::move(out), std::move(at_upper)};
}

}  // namespace

FloatOutcome float_simplex(const FloatProblem& problem, Interrupt& interrupt,
                           FloatPricing pricing) {
    const std::vector<BoundRow> bounds = bound_rows(problem);
    std::vector<double> upper(problem.cols, HUGE_VAL);
    if (bounds.empty()) return run_simplex(problem, upper, interrupt, pricing).first;
    // The problem without the bound rows, its columns as they were.
    std::vector<std::size_t> new_row(problem.rows, 0);
    std::vector<char> gone(problem.rows, 0);
    for (const BoundRow& b : bounds) {
        gone[b.row] = 1;
        double a = 0;
        for (std::size_t k = problem.col_start[b.col]; k < problem.col_start[b.col + 1]; ++k) {
            if (problem.row_index[k] == b.row) a = problem.value[k];
        }
        upper[b.col] = problem.rhs[b.row] / a;
        upper[b.slack] = 0;
    }
    FloatProblem reduced;
    reduced.cols = problem.cols;
    reduced.cost = problem.cost;
    reduced.artificial = problem.artificial;
    for (std::size_t i = 0; i < problem.rows; ++i) {
        if (gone[i]) continue;
        new_row[i] = reduced.rows++;
        reduced.rhs.push_back(problem.rhs[i]);
        reduced.basis.push_back(problem.basis[i]);
    }
    reduced.col_start.push_back(0);
    for (std::size_t j = 0; j < problem.cols; ++j) {
        for (std::size_t k = problem.col_start[j]; k < problem.col_start[j + 1]; ++k) {
            if (gone[problem.row_index[k]]) continue;
            reduced.row_index.push_back(new_row[problem.row_index[k]]);
            reduced.value.push_back(problem.value[k]);
        }
        reduced.col_start.push_back(reduced.row_index.size());
    }
    auto [out, at_upper] = run_simplex(reduced, upper, interrupt, pricing);
    if (out.kind == FloatOutcome::Kind::Failed) return out;
    // Back to the rows: a bound row's slack is basic unless its column sits
    // at the bound, which makes that column basic instead.
    for (const BoundRow& b : bounds) out.basis.push_back(at_upper[b.col] ? b.col : b.slack);
    return out;
}

}  // namespace nemox::lp
