#include "lp/revised.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/failure.hpp"

namespace nemox::lp {

using linear::BigInt;
using linear::BigRational;
using linear::ExactDivisor;

namespace {

// n / d as a double within 3u + 2^-62 of the exact fraction (u = 2^-53),
// whatever their length: every price is converted at every step.
double ratio(const BigInt& n, const BigInt& d) {
    return BigInt::approx_ratio(n, d);
}

}  // namespace

void RevisedTableau::Timer::stop() {
    if (total_ == nullptr) return;
    *total_ += std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    total_ = nullptr;
}

// Refuses a problem whose tables cannot fit in memory before allocating them:
// some 200 bytes a column and 400 a row, besides the nonzeros.
RevisedTableau::RevisedTableau(std::size_t num_vars, std::size_t num_constraints)
    : num_vars_((check_tableau_memory(200.0 * static_cast<double>(num_vars) +
                                      400.0 * static_cast<double>(num_constraints)),
                 num_vars)),
      m_(num_constraints),
      cost_exact_{std::vector<linear::Rational>(num_vars), {}},
      rhs_{std::vector<linear::Rational>(num_constraints), {}},
      basis_(num_constraints, kNoColumn),
      position_(num_vars, kNoColumn),
      lu_(num_constraints),
      alpha_(num_constraints),
      y_(num_constraints),
      y_level_(num_constraints, 0),
      y_d_(num_constraints),
      rho_(num_constraints) {}

std::size_t RevisedTableau::basis(std::size_t row) const {
    check_row(row);
    return row == 0 ? kNoColumn : basis_[row - 1];
}

void RevisedTableau::check_row(std::size_t row) const {
    if (row > m_) throw InternalFailure("tableau index out of range");
}

void RevisedTableau::Values::set(std::size_t i, const linear::Rational& v) {
    if (big.empty()) {
        small[i] = v;
    } else {
        big[i] = Number(v);
    }
}

void RevisedTableau::Values::set(std::size_t i, Number v) {
    if (big.empty()) {
        big.reserve(small.size());
        for (const linear::Rational& r : small) big.emplace_back(r);
        small.clear();
        small.shrink_to_fit();
    }
    big[i] = std::move(v);
}

void RevisedTableau::Values::clear() {
    small.clear();
    small.shrink_to_fit();
    big.clear();
    big.shrink_to_fit();
}

void RevisedTableau::set(std::size_t row, std::size_t col, Number value) {
    if (row > m_ || col > num_vars_) throw InternalFailure("tableau index out of range");
    if (col == num_vars_) {
        if (row == 0) {
            rhs0_ = std::move(value);
        } else {
            rhs_.set(row - 1, std::move(value));
        }
    } else if (row == 0) {
        cost_exact_.set(col, std::move(value));
    } else {
        staged_.emplace_back(col, row - 1, std::move(value));
    }
}

void RevisedTableau::set(std::size_t row, std::size_t col, const linear::Rational& value) {
    if (row > m_ || col > num_vars_) throw InternalFailure("tableau index out of range");
    if (col == num_vars_) {
        if (row == 0) {
            rhs0_ = Number(value);
        } else {
            rhs_.set(row - 1, value);
        }
    } else if (row == 0) {
        cost_exact_.set(col, value);
    } else {
        staged_small_.emplace_back(col, row - 1, value);
    }
}

void RevisedTableau::set_basis(std::size_t row, std::size_t col) {
    if (row == 0 || row > m_ || col >= num_vars_)
        throw InternalFailure("tableau index out of range");
    basis_[row - 1] = col;
}

void RevisedTableau::seal() {
    // Column-wise storage; a later write to the same entry replaces it.
    struct Entry {
        std::size_t col, row, index;  // index into staged_small_, then staged_
    };
    std::vector<Entry> entries;
    entries.reserve(staged_small_.size() + staged_.size());
    for (std::size_t k = 0; k < staged_small_.size(); ++k) {
        entries.push_back({std::get<0>(staged_small_[k]), std::get<1>(staged_small_[k]), k});
    }
    for (std::size_t k = 0; k < staged_.size(); ++k) {
        entries.push_back(
            {std::get<0>(staged_[k]), std::get<1>(staged_[k]), staged_small_.size() + k});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.col, a.row) < std::tie(b.col, b.row);
    });
    const auto value = [&](const Entry& e) {
        return e.index < staged_small_.size()
                   ? Number(std::get<2>(staged_small_[e.index]))
                   : std::get<2>(staged_[e.index - staged_small_.size()]);
    };
    col_start_.assign(num_vars_ + 1, 0);
    col_scale_.assign(num_vars_, BigInt());
    std::vector<std::size_t> kept;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const Entry& e = entries[k];
        if (k + 1 < entries.size() && entries[k + 1].col == e.col && entries[k + 1].row == e.row)
            continue;
        const Number v = value(e);
        if (v.is_zero()) continue;
        kept.push_back(k);
        rows_.push_back(e.row);
        values_d_.push_back(v.to_f64());
        if (!v.denominator().is_one())
            col_scale_[e.col] = BigInt::lcm(scale(e.col), v.denominator());
        ++col_start_[e.col + 1];
    }
    for (std::size_t j = 0; j < num_vars_; ++j) col_start_[j + 1] += col_start_[j];
    // Scaling column j by a positive s_j scales its reduced cost by s_j and
    // its entering column by s_j: compared as d_j / s_j, and in ratios that
    // share the entering column, nothing changes. The right-hand side's
    // factor beta scales every basic value alike.
    values_.resize(kept.size());
    for (std::size_t j = 0; j < num_vars_; ++j) {
        for (std::size_t k = col_start_[j]; k < col_start_[j + 1]; ++k) {
            const Number v = value(entries[kept[k]]);
            values_[k] = BigInt::divexact(scale(j), v.denominator()) * v.numerator();
        }
    }
    staged_small_.clear();
    staged_small_.shrink_to_fit();
    staged_.clear();
    staged_.shrink_to_fit();
    beta_ = BigInt(1);
    for (std::size_t i = 0; i < m_; ++i) beta_ = BigInt::lcm(beta_, rhs_[i].denominator());
    set_costs();
    for (std::size_t r = 0; r < m_; ++r) {
        if (basis_[r] == kNoColumn) throw InternalFailure("constraint row without a basic column");
        position_[basis_[r]] = r;
    }
    refactor();
    if (ModularBasis::fits(columns(), m_)) {
        modular_ = std::make_unique<ModularBasis>(columns(), basis_);
        // Phase 1's costs are 0 and -1.
        lifted_prices_ = std::all_of(cost2_.begin(), cost2_.end(), [](const BigInt& c) {
            return c.fits_i64() && c.to_i64() <= ModularBasis::kMaxRight &&
                   c.to_i64() >= -ModularBasis::kMaxRight;
        });
    }
    // Basic values: D B^-1 (beta b).
    lu_.clear_work();
    for (std::size_t i = 0; i < m_; ++i) {
        const Number b = rhs_[i];
        if (b.is_zero()) continue;
        lu_.set_work(i, BigInt::divexact(beta_, b.denominator()) * b.numerator());
    }
    lu_.ftran();
    x_.assign(m_, BigInt());
    x_level_.assign(m_, lu_.level());
    for (std::size_t r = 0; r < m_; ++r) {
        x_[r] = lu_.work(lu_.row_of(r));
        note_bits(x_[r]);
    }
    lu_.clear_work();
    rhs_.clear();
    cost_exact_.clear();
}

void RevisedTableau::set_costs() {
    cost_d_.resize(num_vars_);
    gamma2_ = BigInt(1);
    const auto scaled = [&](std::size_t j) {
        return cost_exact_[j] * BigRational(scale(j), BigInt(1));
    };
    for (std::size_t j = 0; j < num_vars_; ++j) {
        const Number c = cost_exact_[j];
        cost_d_[j] = c.to_f64();
        if (!c.is_zero()) gamma2_ = BigInt::lcm(gamma2_, scaled(j).denominator());
    }
    cost2_.assign(num_vars_, BigInt());
    for (std::size_t j = 0; j < num_vars_; ++j) {
        const BigRational c = scaled(j);
        if (c.is_zero()) continue;
        cost2_[j] = BigInt::divexact(gamma2_, c.denominator()) * c.numerator();
    }
}

const BigInt& RevisedTableau::cost(std::size_t j) const {
    // An artificial column is a unit column: its scale is 1.
    if (phase1_) return artificial_[j] ? minus_one_ : zero_;
    return cost2_[j];
}

double RevisedTableau::cost_d(std::size_t j) const {
    if (phase1_) return artificial_[j] ? -1.0 : 0.0;
    return cost_d_[j];
}

void RevisedTableau::note_bits(const BigInt& v) {
    stats_.max_bits = std::max(stats_.max_bits, v.bit_length());
}

void RevisedTableau::begin_phase1(const std::vector<char>& artificial) {
    artificial_ = artificial;
    phase1_ = true;
    prices_valid_ = false;
}

void RevisedTableau::end_phase1() {
    phase1_ = false;
    prices_valid_ = false;
}

// alpha_ <- D B^-1 A_col by position. Lifted modulo p when the data allow
// (every exact solve gives the same integers); else through the etas, where
// the work vector keeps it by row for the update.
void RevisedTableau::entering_column(std::size_t col) {
    const Timer timer(stats_.ftran_seconds);
    for (const std::size_t r : alpha_nz_) alpha_[r].set_zero();
    alpha_nz_.clear();
    alpha_col_ = col;
    if (modular_) {
        modular_->solve_column(col, d(), alpha_, alpha_nz_);
        ++stats_.lifted_solves;
        return;
    }
    lu_.load(columns(), col);
    lu_.ftran();
    for (const std::size_t i : lu_.work_nonzeros()) {
        if (lu_.work(i).is_zero()) continue;
        const std::size_t r = lu_.position_of(i);
        alpha_[r] = lu_.work(i);
        alpha_nz_.push_back(r);
    }
    std::sort(alpha_nz_.begin(), alpha_nz_.end());
}

void RevisedTableau::refactor() {
    const Timer timer(stats_.refactor_seconds);
    ++stats_.refactorizations;
    for (std::size_t r = 0; r < x_.size(); ++r) lift_value(r);
    if (prices_valid_) {
        for (std::size_t i = 0; i < m_; ++i) lift_price(i);
    }
    const BigInt old_d = d();
    lu_.refactor(columns(), basis_);
    // The same basis has the same determinant up to its sign.
    if (d().sign() != old_d.sign()) {
        for (BigInt& v : x_) v.negate();
        for (BigInt& v : y_) v.negate();
    }
    std::fill(x_level_.begin(), x_level_.end(), lu_.level());
    std::fill(y_level_.begin(), y_level_.end(), lu_.level());
    stats_.max_bits = std::max(stats_.max_bits, lu_.max_bits());
    stats_.eta_nonzeros = lu_.nonzeros();
    alpha_col_ = kNoColumn;
}

// y = D c_B B^-1 (backward solve through the etas from the last), exactly,
// and y / (D gamma) as doubles.
void RevisedTableau::compute_prices() {
    if (prices_valid_) return;
    const Timer timer(stats_.btran_seconds);
    for (std::size_t i = 0; i < m_; ++i) y_[i].set_zero();
    if (lifted_prices_) {
        price_terms_.clear();
        for (std::size_t r = 0; r < m_; ++r) {
            const BigInt& c = cost(basis_[r]);
            if (!c.is_zero()) price_terms_.push_back({r, c.to_i64()});
        }
        modular_->solve_transposed(price_terms_, d(), y_, price_nz_);
        ++stats_.lifted_solves;
    } else {
        for (std::size_t r = 0; r < m_; ++r) {
            const BigInt& c = cost(basis_[r]);
            if (!c.is_zero()) BigInt::mul_into(y_[lu_.row_of(r)], c, d());
        }
        lu_.btran(y_);
    }
    std::fill(y_level_.begin(), y_level_.end(), lu_.level());
    const BigInt scale = d() * (phase1_ ? BigInt(1) : gamma2_);
    for (std::size_t i = 0; i < m_; ++i) y_d_[i] = y_[i].is_zero() ? 0.0 : ratio(y_[i], scale);
    prices_valid_ = true;
}

// After the pivot on (r, col), with B the old basis and D its determinant:
// the prices move by d_col / alpha_r times row r of B^-1, so in integers
// y'_i = (alpha_r y_i + D d_col (D e_r B^-1)_i) / D, alpha_r being the next
// determinant. One backward solve from a unit vector, usually far sparser
// than the whole one; prices that it misses keep their value, and their
// scale until a reduced cost reads them.
void RevisedTableau::update_prices(std::size_t r, std::size_t col) {
    const Timer timer(stats_.btran_seconds);
    const BigInt rq = scaled_reduced_cost(col);
    for (const std::size_t i : rho_nz_) rho_[i].set_zero();
    if (modular_) {
        modular_->solve_unit_row(r, d(), rho_, rho_nz_);
        ++stats_.lifted_solves;
    } else {
        rho_[lu_.row_of(r)] = d();
        lu_.btran(rho_);
        rho_nz_.clear();
        for (std::size_t i = 0; i < m_; ++i) {
            if (!rho_[i].is_zero()) rho_nz_.push_back(i);
        }
    }
    const ExactDivisor& div = lu_.det_divisor();
    const BigInt& p = alpha_[r];
    for (const std::size_t i : rho_nz_) {
        lift_price(i);
        const linear::Product terms[] = {{&y_[i], &p, false}, {&rq, &rho_[i], false}};
        BigInt::divexact_sum_into(y_[i], terms, div);
        changed_.push_back(i);
    }
}

// y_i from the scale of its level to that of the current one.
void RevisedTableau::lift_price(std::size_t i) {
    if (y_level_[i] == lu_.level()) return;
    if (!y_[i].is_zero()) {
        const linear::Product term[] = {{&y_[i], &d(), false}};
        BigInt::divexact_sum_into(y_[i], term, lu_.divisor_at(y_level_[i]));
    }
    y_level_[i] = lu_.level();
}

BigInt RevisedTableau::reduced_cost(std::size_t j) {
    ++stats_.exact_prices;
    return scaled_reduced_cost(j);
}

// D gamma scale_j times the reduced cost of column j.
BigInt RevisedTableau::scaled_reduced_cost(std::size_t j) {
    BigInt out;
    BigInt::mul_into(out, cost(j), d());
    for (std::size_t k = col_start_[j]; k < col_start_[j + 1]; ++k) {
        lift_price(rows_[k]);
        const BigInt& y = y_[rows_[k]];
        if (!y.is_zero()) BigInt::submul_into(out, y, values_[k]);
    }
    return out;
}

// An interval that holds the exact reduced cost of column j: the double sum
// with a bound on its rounding (each price within 3u + 2^-62 relative, each
// entry within u, one rounding per product and per addition; u = 2^-53),
// plus a margin for underflow.
RevisedTableau::Bounds RevisedTableau::price_bounds(std::size_t j) const {
    const double c = cost_d(j);
    double sum = c;
    double magnitude = std::fabs(c);
    const std::size_t begin = col_start_[j], end = col_start_[j + 1];
    for (std::size_t k = begin; k < end; ++k) {
        const double t = y_d_[rows_[k]] * values_d_[k];
        sum -= t;
        magnitude += std::fabs(t);
    }
    const double terms = static_cast<double>(end - begin + 1);
    const double error = (terms + 10.0) * 0x1p-52 * magnitude + (terms + 1.0) * 0x1p-1000;
    if (!std::isfinite(sum) || !std::isfinite(error)) return {-HUGE_VAL, HUGE_VAL};
    return {sum - error, sum + error};
}

std::vector<RevisedTableau::Number> RevisedTableau::prices() {
    compute_prices();
    const BigInt scale = d() * (phase1_ ? BigInt(1) : gamma2_);
    std::vector<Number> out(m_);
    for (std::size_t i = 0; i < m_; ++i) {
        lift_price(i);
        if (!y_[i].is_zero()) out[i] = BigRational(y_[i], scale);
    }
    return out;
}

int RevisedTableau::reduced_cost_sign(std::size_t col) {
    if (col >= num_vars_) throw InternalFailure("tableau index out of range");
    if (position_[col] != kNoColumn) return 0;
    compute_prices();
    const Bounds b = price_bounds(col);
    if (b.lower > 0) return 1;
    if (b.upper < 0) return -1;
    return sign_of(reduced_cost(col));
}

int RevisedTableau::value_sign(std::size_t row) const {
    check_row(row);
    if (row == 0) throw InternalFailure("tableau index out of range");
    return x_[row - 1].sign() * lu_.det_at(x_level_[row - 1]).sign();
}

std::vector<RevisedTableau::Number> RevisedTableau::column(std::size_t col) {
    if (col >= num_vars_) throw InternalFailure("tableau index out of range");
    entering_column(col);
    // alpha_r = D s_col (B^-1 A_col)_r / s_basis(r): the columns are scaled.
    const BigInt den = d() * scale(col);
    std::vector<Number> out(m_);
    for (const std::size_t r : alpha_nz_) out[r] = BigRational(alpha_[r] * scale(basis_[r]), den);
    return out;
}

std::optional<std::size_t> RevisedTableau::find_entering(const std::vector<char>* excluded,
                                                         bool bland) {
    compute_prices();
    const Timer timer(stats_.pricing_seconds);
    candidates_.clear();
    double best_lower = -HUGE_VAL;
    for (std::size_t j = 0; j < num_vars_; ++j) {
        if (position_[j] != kNoColumn || (excluded != nullptr && (*excluded)[j])) continue;
        const Bounds b = price_bounds(j);
        if (!(b.upper > 0)) continue;  // provably not positive
        if (bland) {
            if (b.lower > 0 || sign_of(reduced_cost(j)) > 0) return j;
            continue;
        }
        best_lower = std::max(best_lower, b.lower);
        candidates_.push_back({j, b.upper});
    }
    if (bland) return std::nullopt;
    // Exactly among the columns that can still be the best: the largest
    // d_j = r_j / (D gamma s_j), the lowest index among equals.
    std::optional<std::size_t> best;
    BigInt best_value;
    for (const auto& [j, upper] : candidates_) {
        if (upper < best_lower) continue;
        BigInt r = reduced_cost(j);
        if (sign_of(r) <= 0) continue;
        if (best) {
            // r / s_j > best / s_best, both over the same D gamma.
            BigInt::mul_into(t1_, r, scale(*best));
            BigInt::submul_into(t1_, best_value, scale(j));
            if (sign_of(t1_) <= 0) continue;
        }
        best = j;
        best_value = std::move(r);
    }
    return best;
}

std::optional<Leaving> RevisedTableau::find_leaving(std::size_t col,
                                                    const std::vector<char>* protect, bool bland) {
    if (col >= num_vars_) throw InternalFailure("tableau index out of range");
    entering_column(col);
    const Timer timer(stats_.update_seconds);
    std::size_t best = kNoColumn;
    bool best_zero = false;
    for (const std::size_t r : alpha_nz_) {
        const int s = sign_of(alpha_[r]);
        bool zero_ratio;
        if (s > 0) {
            zero_ratio = x_[r].is_zero();
        } else if (s < 0 && protect != nullptr && (*protect)[basis_[r]]) {
            zero_ratio = true;
        } else {
            continue;
        }
        bool better;
        if (best == kNoColumn) {
            better = true;
        } else if (best_zero) {
            better = zero_ratio && bland && basis_[r] < basis_[best];
        } else if (zero_ratio) {
            better = true;
        } else {
            // x_r / a_r against x_b / a_b: D cancels, and a_r a_b > 0.
            lift_value(r);
            lift_value(best);
            BigInt::mul_into(t1_, x_[r], alpha_[best]);
            BigInt::mul_into(t2_, x_[best], alpha_[r]);
            const int c = compare(t1_, t2_);
            better = c < 0 || (bland && c == 0 && basis_[r] < basis_[best]);
        }
        if (better) {
            best = r;
            best_zero = zero_ratio;
            if (zero_ratio && !bland) break;
        }
    }
    if (best == kNoColumn) return std::nullopt;
    return Leaving{best + 1, basis_[best]};
}

void RevisedTableau::pivot(std::size_t row, std::size_t col) {
    check_row(row);
    if (row == 0 || col >= num_vars_) throw InternalFailure("tableau index out of range");
    if (alpha_col_ != col) entering_column(col);
    const std::size_t r = row - 1;
    const BigInt p = alpha_[r];
    if (p.is_zero()) throw InternalFailure("pivot value is zero");
    changed_.clear();
    if (prices_valid_) update_prices(r, col);
    Timer timer(stats_.update_seconds);
    // Integer-preserving update of D x: x_k <- (x_k p - a_k x_r) / D.
    // Rows the column misses keep their values, and their scale for now.
    const ExactDivisor& div = lu_.det_divisor();
    lift_value(r);
    const BigInt xr = x_[r];
    for (const std::size_t k : alpha_nz_) {
        if (k == r) continue;
        lift_value(k);
        const linear::Product terms[] = {{&x_[k], &p, false}, {&alpha_[k], &xr, true}};
        BigInt::divexact_sum_into(x_[k], terms, div);
        note_bits(x_[k]);
    }
    if (lifted_prices_) {
        lu_.update_det_only(p);
    } else {
        if (modular_) {
            // The etas are built from the transformed column by row.
            lu_.clear_work();
            for (const std::size_t k : alpha_nz_) lu_.set_work(lu_.row_of(k), alpha_[k]);
        }
        lu_.update(lu_.row_of(r));
    }
    if (!(d() == p)) throw InternalFailure("factorization out of step");
    for (const std::size_t k : alpha_nz_) x_level_[k] = lu_.level();
    stats_.max_bits = std::max(stats_.max_bits, lu_.max_bits());
    position_[basis_[r]] = kNoColumn;
    basis_[r] = col;
    position_[col] = r;
    if (modular_) {
        modular_->update(r);
        stats_.modular_refactorizations = modular_->refactorizations();
    }
    alpha_col_ = kNoColumn;
    if (prices_valid_) {
        const BigInt scale = d() * (phase1_ ? BigInt(1) : gamma2_);
        for (const std::size_t i : changed_) {
            y_level_[i] = lu_.level();
            y_d_[i] = y_[i].is_zero() ? 0.0 : ratio(y_[i], scale);
        }
    }
    timer.stop();
    // Every update eta is a whole column at the determinant's size, read by
    // every later solve, so the solves cost more with each update: their
    // extra work since the last rebuild grows with the square of the updates.
    // Rebuilding once it reaches the rebuild's own work keeps the average
    // cost of a step near its least; the limb products count only part of
    // a rebuild (not its ordering and scaling), and twice them measured
    // best on Netlib models.
    if (lifted_prices_) return;  // nothing reads the etas
    if (lu_.update_work() >= 2 * lu_.refactor_work() ||
        lu_.nonzeros() > 2 * lu_.nonzeros_after_refactor() + 2 * m_ + values_.size()) {
        refactor();
    }
}

RevisedTableau::Number RevisedTableau::at(std::size_t row, std::size_t col) {
    check_row(row);
    if (col >= num_vars_) throw InternalFailure("tableau index out of range");
    if (row == 0) {
        compute_prices();
        return BigRational(scaled_reduced_cost(col),
                           d() * (phase1_ ? BigInt(1) : gamma2_) * scale(col));
    }
    // D B^-1 of the scaled column, by position; the basic column's scale
    // and the entering one's come back out.
    if (alpha_col_ != col) entering_column(col);
    const BigInt& a = alpha_[row - 1];
    if (a.is_zero()) return Number();
    return BigRational(a * scale(basis_[row - 1]), d() * scale(col));
}

bool RevisedTableau::objective_is_zero() const {
    return objective_value().is_zero();
}

// D_level x to D x: exact, since every basis's determinant times the
// value is an integer (Cramer's rule) and the value did not change.
BigInt RevisedTableau::lifted_value(std::size_t r) const {
    if (x_level_[r] == lu_.level() || x_[r].is_zero()) return x_[r];
    const linear::Product term[] = {{&x_[r], &d(), false}};
    BigInt out;
    BigInt::divexact_sum_into(out, term, lu_.divisor_at(x_level_[r]));
    return out;
}

void RevisedTableau::lift_value(std::size_t r) {
    if (x_level_[r] == lu_.level()) return;
    if (!x_[r].is_zero()) {
        const linear::Product term[] = {{&x_[r], &d(), false}};
        BigInt::divexact_sum_into(x_[r], term, lu_.divisor_at(x_level_[r]));
        note_bits(x_[r]);
    }
    x_level_[r] = lu_.level();
}

RevisedTableau::Number RevisedTableau::objective_value() const {
    // rhs0 - sum c_b x_b, with c'_b = gamma s_b c_b and x'_b = x_b beta D / s_b.
    BigInt sum;
    for (std::size_t r = 0; r < m_; ++r) {
        const BigInt& c = cost(basis_[r]);
        if (c.is_zero() || x_[r].is_zero()) continue;
        sum = sum + c * lifted_value(r);
    }
    const Number start = phase1_ ? Number() : rhs0_;
    if (sum.is_zero()) return start;
    return start - BigRational(sum, d() * beta_ * (phase1_ ? BigInt(1) : gamma2_));
}

bool RevisedTableau::rhs_is_zero(std::size_t row) const {
    check_row(row);
    return row == 0 ? objective_is_zero() : x_[row - 1].is_zero();
}

RevisedTableau::Number RevisedTableau::value_of(std::size_t col) const {
    for (std::size_t r = 0; r < m_; ++r) {
        if (basis_[r] == col) {
            if (x_[r].is_zero()) return Number();
            return BigRational(x_[r] * scale(col), lu_.det_at(x_level_[r]) * beta_);
        }
    }
    return Number();
}

}  // namespace nemox::lp
