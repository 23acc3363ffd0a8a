#include "lp/solver.hpp"

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <limits>
#include <type_traits>

#include "lp/exact_basis.hpp"
#include "lp/floating.hpp"
#include "lp/fraction_free.hpp"
#include "lp/revised.hpp"
#include "lp/tableau.hpp"

namespace nemox::lp {

using linear::BigRational;
using linear::CmpOp;
using linear::LinearConstraintT;
using linear::LinearSystemT;
using linear::Rational;
using linear::Sense;

Value to_value(const Rational& v) {
    if (v.is_integer()) return v.numerator;
    return v.to_f64();
}

Value to_value(const BigRational& v) {
    if (v.is_integer()) {
        if (v.numerator().fits_i64()) return v.numerator().to_i64();
        const auto limbs = v.numerator().magnitude();
        return BigInteger{v.is_negative(), {limbs.begin(), limbs.end()}};
    }
    return v.to_f64();
}

namespace {

// Notices a basis seen before within one run of degenerate pivots: the
// pivot rules are deterministic, so the run would repeat forever. Bases are
// kept flat and the storage is reused from run to run.
class CycleGuard {
  public:
    // Before a pivot: a nondegenerate one ends the run; the first degenerate
    // one records the basis the run starts from.
    template <PivotEngine Tab>
    void before_pivot(const Tab& tab, bool degenerate) {
        if (!degenerate) {
            hashes_.clear();
            bases_.clear();
            return;
        }
        if (!hashes_.empty()) return;
        const std::size_t m = tab.num_constraints();
        current_.resize(m);
        hash_ = 0;
        for (std::size_t i = 1; i <= m; ++i) {
            current_[i - 1] = tab.basis(i);
            hash_ ^= mix(i, current_[i - 1]);
        }
        remember();
    }
    // After a degenerate pivot: true when the new basis was seen in this run.
    bool repeated_after(std::size_t row, std::size_t col) {
        hash_ ^= mix(row, current_[row - 1]) ^ mix(row, col);
        current_[row - 1] = col;
        const std::size_t m = current_.size();
        for (std::size_t k = 0; k < hashes_.size(); ++k) {
            if (hashes_[k] == hash_ &&
                std::equal(current_.begin(), current_.end(),
                           bases_.begin() + static_cast<std::ptrdiff_t>(k * m)))
                return true;
        }
        remember();
        return false;
    }

  private:
    void remember() {
        hashes_.push_back(hash_);
        bases_.insert(bases_.end(), current_.begin(), current_.end());
    }
    static std::uint64_t mix(std::size_t row, std::size_t col) {
        std::uint64_t x = (static_cast<std::uint64_t>(row) << 32) ^ col ^ 0x9E3779B97F4A7C15ull;
        x ^= x >> 30;
        x *= 0xBF58476D1CE4E5B9ull;
        x ^= x >> 27;
        x *= 0x94D049BB133111EBull;
        return x ^ (x >> 31);
    }

    std::vector<std::uint64_t> hashes_;
    std::vector<std::size_t> bases_;
    std::vector<std::size_t> current_;
    std::uint64_t hash_ = 0;
};

enum class PhaseEnd { Optimal, NoLeaving };

// Everything one run of the pivot loop reads and writes besides the tableau.
struct Run {
    Interrupt& interrupt;
    SolveStats& stats;
    std::vector<PivotStep>* trace;
    std::vector<BigRational>* exact;                    // the answer's exact values, when wanted
    std::vector<Rational>* exact_small;                 // the same from a 64-bit tableau
    std::optional<Certificate>* certificate = nullptr;  // what proves the answer, when wanted
    std::size_t entering = 0;                           // the last entering column
    bool direct = false;            // may answer without the pivots (see answer_directly)
    bool short_path_first = false;  // before a direct attempt, a few pivots of the path
    std::uint64_t pivot_cap = std::numeric_limits<std::uint64_t>::max();
};

// Thrown when a run reaches its pivot cap: the short path it tried was not enough.
struct PivotCapReached {};

template <PivotEngine Tab>
std::int64_t step_work(const Tab& tab) {
    if constexpr (FactorizedEngine<Tab>) {
        return tab.step_work();
    } else {
        return static_cast<std::int64_t>((tab.num_constraints() + 1) * tab.num_cols());
    }
}

template <PivotEngine Tab>
PhaseEnd run_phase(Tab& tab, int phase, const std::vector<char>* excluded,
                   const std::vector<char>* protect, Run& run) {
    CycleGuard guard;
    bool bland = false;
    const std::int64_t work = step_work(tab);
    for (;;) {
        run.interrupt.poll(work, run.stats.pivots);
        const auto col = tab.find_entering(excluded, bland);
        if (!col) return PhaseEnd::Optimal;
        run.entering = *col;
        const auto leaving = tab.find_leaving(*col, protect, bland);
        if (!leaving) return PhaseEnd::NoLeaving;
        const bool degenerate = tab.rhs_is_zero(leaving->row);
        if (!bland) guard.before_pivot(tab, degenerate);
        if (run.trace != nullptr)
            run.trace->push_back({phase, leaving->row, *col, leaving->column, bland});
        tab.pivot(leaving->row, *col);
        ++run.stats.pivots;
        if (phase == 1) ++run.stats.phase1_pivots;
        if (run.stats.pivots >= run.pivot_cap) throw PivotCapReached{};
        if (!bland && degenerate && guard.repeated_after(leaving->row, *col)) bland = true;
    }
}

// The columns that the driver adds beside the variables.
struct Layout {
    std::size_t n = 0;  // variables
    std::size_t e = 0;  // slack, surplus and artificial columns
    std::vector<char> artificial;
    bool any_artificial = false;
};

template <class N>
class Problem {
  public:
    Problem(const LinearSystemT<N>& system, std::span<const LinearConstraintT<N>> extra)
        : system_(system), extra_(extra) {}
    std::size_t size() const { return system_.constraints.size() + extra_.size(); }
    const LinearConstraintT<N>& operator[](std::size_t i) const {
        return i < system_.constraints.size() ? system_.constraints[i]
                                              : extra_[i - system_.constraints.size()];
    }
    const LinearSystemT<N>& system() const { return system_; }

  private:
    const LinearSystemT<N>& system_;
    std::span<const LinearConstraintT<N>> extra_;
};

template <class N>
std::size_t extra_columns(const Problem<N>& problem) {
    std::size_t e = 0;
    for (std::size_t i = 0; i < problem.size(); ++i) {
        const auto& c = problem[i];
        const bool flip = c.expr.constant.is_positive();  // b = -constant < 0
        e += c.op == CmpOp::Eq ? 1 : (c.op == CmpOp::Ge || flip) ? 2 : 1;
    }
    return e;
}

// Fills the tableau: constraint rows with their slack, surplus and
// artificial columns (each row's basic column a unit column), then row 0.
template <class Tab, class N>
Layout fill(Tab& tab, const Problem<N>& problem, std::size_t e, std::vector<ColumnLabel>& labels) {
    const auto& system = problem.system();
    Layout layout;
    layout.n = system.variables.size();
    layout.e = e;
    const std::size_t n = layout.n;
    const std::size_t m = problem.size();
    layout.artificial.assign(n + e, 0);
    labels.clear();
    labels.reserve(n + e);
    for (const std::uint64_t v : system.variables) labels.push_back({v, true});

    const N one(Rational::one());
    const N minus_one = -one;
    std::size_t c = n;
    for (std::size_t i = 0; i < m; ++i) {
        const auto& con = problem[i];
        const std::size_t r = i + 1;
        const bool flip = con.expr.constant.is_positive();
        // RHS b = -constant; stored as |b|, the row negated when b < 0.
        tab.set(r, n + e, flip ? con.expr.constant : -con.expr.constant);
        for (const auto& t : con.expr.terms) tab.set(r, t.var, flip ? -t.coeff : t.coeff);
        const std::uint64_t slack_id = 1000 + i, art_id = 2000 + i;
        switch (con.op) {
            case CmpOp::Le:
                if (!flip) {
                    tab.set(r, c, one);
                    tab.set_basis(r, c);
                    labels.push_back({slack_id, false});
                    c += 1;
                } else {
                    tab.set(r, c, minus_one);
                    tab.set(r, c + 1, one);
                    tab.set_basis(r, c + 1);
                    layout.artificial[c + 1] = 1;
                    labels.push_back({slack_id, false});
                    labels.push_back({art_id, false});
                    c += 2;
                }
                break;
            case CmpOp::Eq:
                tab.set(r, c, one);
                tab.set_basis(r, c);
                layout.artificial[c] = 1;
                labels.push_back({art_id, false});
                c += 1;
                break;
            case CmpOp::Ge:
                tab.set(r, c, flip ? one : minus_one);
                tab.set(r, c + 1, one);
                tab.set_basis(r, c + 1);
                layout.artificial[c + 1] = 1;
                labels.push_back({slack_id, false});
                labels.push_back({art_id, false});
                c += 2;
                break;
        }
        layout.any_artificial = layout.any_artificial || con.op != CmpOp::Le || flip;
    }

    if (system.objective) {
        const bool maximize = system.objective->first == Sense::Maximize;
        const auto& obj = system.objective->second;
        for (const auto& t : obj.terms) tab.set(0, t.var, maximize ? t.coeff : -t.coeff);
        tab.set(0, n + e, maximize ? -obj.constant : obj.constant);
    }
    tab.seal();
    return layout;
}

// Certificates, read from the final tableau. Row r holds constraint r - 1
// times s_r (-1 when its right-hand side was negative) and started with a
// unit basic column u_r, its slack or artificial. Row 0 is the phase's costs
// minus the row prices times the columns, so the price of row r is
// cost(u_r) - d(u_r), whichever columns are basic now.

template <class N>
std::vector<std::size_t> unit_columns(const Problem<N>& problem, std::size_t n) {
    std::vector<std::size_t> unit;
    unit.reserve(problem.size());
    std::size_t c = n;
    for (std::size_t i = 0; i < problem.size(); ++i) {
        const auto& con = problem[i];
        const bool flip = con.expr.constant.is_positive();
        const bool two = con.op == CmpOp::Ge || (con.op == CmpOp::Le && flip);
        unit.push_back(two ? c + 1 : c);
        c += two ? 2 : 1;
    }
    return unit;
}

// The multiplier of every constraint: its row's price, undoing the flip;
// negated for a minimisation, which the tableau ran as a maximisation.
template <class Tab, class N>
std::vector<BigRational> constraint_multipliers(Tab& tab, const Problem<N>& problem,
                                                const Layout& layout, bool phase1, bool negate) {
    const std::vector<std::size_t> unit = unit_columns(problem, layout.n);
    std::vector<BigRational> y;
    y.reserve(unit.size());
    for (std::size_t i = 0; i < unit.size(); ++i) {
        BigRational price = -BigRational(tab.at(0, unit[i]));
        if (phase1 && layout.artificial[unit[i]]) price = price - BigRational(Rational::one());
        const bool flip = problem[i].expr.constant.is_positive();
        y.push_back(flip != negate ? -price : std::move(price));
    }
    return y;
}

// The row in which each variable is basic, 0 for none.
template <class Tab>
std::vector<std::size_t> basic_rows(const Tab& tab, std::size_t n) {
    std::vector<std::size_t> row_of(n, 0);
    for (std::size_t i = 1; i <= tab.num_constraints(); ++i) {
        const std::size_t b = tab.basis(i);
        if (b < n && row_of[b] == 0) row_of[b] = i;
    }
    return row_of;
}

template <class Tab>
std::vector<BigRational> basic_point(const Tab& tab, std::size_t n) {
    const std::vector<std::size_t> row_of = basic_rows(tab, n);
    std::vector<BigRational> x(n);
    for (std::size_t k = 0; k < n; ++k) {
        if (row_of[k] != 0) x[k] = BigRational(tab.value_of(k));
    }
    return x;
}

template <class Tab, class N>
Certificate optimal_certificate(Tab& tab, const Problem<N>& problem, const Layout& layout) {
    const auto& objective = problem.system().objective;
    const bool minimize = objective && objective->first == Sense::Minimize;
    Certificate c{Certificate::Kind::Optimal, basic_point(tab, layout.n), {}, {}};
    c.multipliers = constraint_multipliers(tab, problem, layout, false, minimize);
    return c;
}

// Phase 1 ended above zero: its prices prove that no point has all
// artificial columns at zero.
template <class Tab, class N>
Certificate farkas_certificate(Tab& tab, const Problem<N>& problem, const Layout& layout) {
    return {Certificate::Kind::Infeasible,
            {},
            constraint_multipliers(tab, problem, layout, true, false),
            {}};
}

// No row limits the entering column: the basic point and the direction in
// which that column grows, the basic columns following.
template <class Tab>
Certificate unbounded_certificate(Tab& tab, std::size_t n, std::size_t col) {
    std::vector<BigRational> ray(n);
    for (std::size_t i = 1; i <= tab.num_constraints(); ++i) {
        const std::size_t b = tab.basis(i);
        if (b < n) ray[b] = -BigRational(tab.at(i, col));
    }
    if (col < n) ray[col] = BigRational(Rational::one());
    return {Certificate::Kind::Unbounded, basic_point(tab, n), {}, std::move(ray)};
}

// Phase 1 when there are artificial columns, then phase 2; nothing when
// the answer is already known (infeasible or unbounded).
template <PivotEngine Tab, class N>
std::optional<LpResult> run_phases(Tab& tab, const Problem<N>& problem, const Layout& layout,
                                   Run& run) {
    if (layout.any_artificial) {
        tab.begin_phase1(layout.artificial);
        // No leaving row in phase 1 would be a ray along which minus the sum
        // of the artificials, never positive, grows: it cannot happen, and
        // leaves no certificate.
        if (run_phase(tab, 1, nullptr, nullptr, run) == PhaseEnd::NoLeaving)
            return LpResult::infeasible();
        if (!tab.objective_is_zero()) {
            if (run.certificate != nullptr)
                *run.certificate = farkas_certificate(tab, problem, layout);
            return LpResult::infeasible();
        }
        tab.end_phase1();
    }
    if (run_phase(tab, 2, &layout.artificial, layout.any_artificial ? &layout.artificial : nullptr,
                  run) == PhaseEnd::NoLeaving) {
        if (run.certificate != nullptr)
            *run.certificate = unbounded_certificate(tab, layout.n, run.entering);
        return LpResult::unbounded();
    }
    if (run.certificate != nullptr) *run.certificate = optimal_certificate(tab, problem, layout);
    return std::nullopt;
}

template <class Tab, class N>
LpResult read_answer(const Tab& tab, const LinearSystemT<N>& system, const Layout& layout,
                     const std::vector<ColumnLabel>& labels, const Run& run) {
    using Number = decltype(tab.value_of(0));
    constexpr bool small = std::is_same_v<Number, Rational>;
    std::vector<Number>* exact = nullptr;
    if constexpr (small) {
        exact = run.exact_small;
    } else {
        exact = run.exact;
    }
    const std::size_t n = layout.n;
    Assignment assignment;
    assignment.reserve(n);
    // Values of basic columns in one pass instead of a search per variable.
    std::vector<std::size_t> row_of(n, 0);
    for (std::size_t i = 1; i <= tab.num_constraints(); ++i) {
        const std::size_t b = tab.basis(i);
        if (b < n && row_of[b] == 0) row_of[b] = i;
    }
    if (exact != nullptr) {
        exact->clear();
        exact->reserve(n);
    }
    for (std::size_t k = 0; k < n; ++k) {
        if (row_of[k] == 0) {
            assignment.append_new(labels[k].id, std::int64_t{0});
            if (exact != nullptr) exact->push_back(Number(Rational::zero()));
        } else {
            const auto v = tab.value_of(k);
            assignment.append_new(labels[k].id, to_value(v));
            if (exact != nullptr) exact->emplace_back(v);
        }
    }
    double objective = 0.0;
    if (system.objective) {
        const bool maximize = system.objective->first == Sense::Maximize;
        const auto v = tab.objective_value();
        objective = maximize ? (v.is_zero() ? 0.0 : -v.to_f64()) : v.to_f64();
    }
    return LpResult::optimal(std::move(assignment), objective);
}

template <class N>
linear::BigLinearSystem checked_system(const Problem<N>& problem) {
    linear::BigLinearSystem big;
    if constexpr (std::is_same_v<N, Rational>) {
        big = linear::widen(problem.system());
    } else {
        big = problem.system();
    }
    for (std::size_t i = problem.system().constraints.size(); i < problem.size(); ++i) {
        if constexpr (std::is_same_v<N, Rational>) {
            big.constraints.push_back(linear::widen(problem[i]));
        } else {
            big.constraints.push_back(problem[i]);
        }
    }
    return big;
}

// An optimal basis and its exact point, read as the tableau is.
struct BasicPoint {
    const std::vector<std::size_t>& rows;    // basis by row - 1
    const std::vector<BigRational>& values;  // of the variables
    BigRational objective;                   // the tableau's row 0 value
    std::size_t num_constraints() const { return rows.size(); }
    std::size_t basis(std::size_t row) const { return rows[row - 1]; }
    BigRational value_of(std::size_t col) const { return values[col]; }
    BigRational objective_value() const { return objective; }
};

// A floating-point simplex finds a final basis fast; the exact engine
// loaded with it finishes and proves the answer. Only answers that every
// pivot sequence reaches are given this way, and only when their
// certificate checks against the problem itself; otherwise nothing, and
// the pivot rules run as always.
template <class N>
std::optional<LpResult> answer_directly(const Problem<N>& problem, std::size_t e, Run& run,
                                        std::vector<ColumnLabel>& labels) {
    const auto start = std::chrono::steady_clock::now();
    const auto seconds_since = [](std::chrono::steady_clock::time_point t) {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
    };
    StandardForm form(problem.system().variables.size() + e, problem.size());
    const Layout layout = fill(form, problem, e, labels);
    const FloatOutcome guess = float_simplex(form.to_float(layout.artificial), run.interrupt);
    run.stats.float_pivots = guess.pivots;
    run.stats.float_seconds = seconds_since(start);
    // A second optimum seen in doubles: the exact face search would most
    // likely find it too, after an exact factorization that costs seconds.
    // A price at zero in doubles: the exact prices alone would not prove the
    // optimum unique either, so the p-adic solves are skipped.
    if (guess.kind == FloatOutcome::Kind::Failed || guess.another_optimum) return std::nullopt;
    const auto certify_start = std::chrono::steady_clock::now();
    FormInfo info;
    info.variables = layout.n;
    info.artificial = layout.artificial;
    info.flipped.resize(problem.size());
    for (std::size_t i = 0; i < problem.size(); ++i)
        info.flipped[i] = problem[i].expr.constant.is_positive() ? 1 : 0;
    if (const auto& objective = problem.system().objective) {
        info.objective = objective->first == Sense::Maximize ? FormInfo::Objective::Maximize
                                                             : FormInfo::Objective::Minimize;
    }
    std::optional<linear::BigLinearSystem> checked;
    const auto accepts = [&](const Certificate& c) {
        if (!checked) checked = checked_system(problem);
        return !certificate_error(*checked, c);
    };
    std::optional<DirectAnswer> answer =
        certify_basis(form, info, guess.basis, 20 + problem.size() / 10, run.interrupt, accepts,
                      !(guess.kind == FloatOutcome::Kind::Optimal && guess.zero_reduced_cost));
    run.stats.certify_seconds = seconds_since(certify_start);
    if (!answer) return std::nullopt;
    run.stats.direct = true;
    run.stats.lifted = answer->lifted;
    run.stats.revised = true;
    run.stats.pivots = answer->pivots;
    const auto optimal = [&]() {
        // The tableau's row 0 holds minus the maximised function.
        const auto& objective = problem.system().objective;
        BigRational value;
        if (objective) {
            value = objective_at(*checked, answer->certificate.primal);
            if (objective->first == Sense::Maximize) value = -value;
        }
        const BasicPoint point{answer->basis, answer->certificate.primal, std::move(value)};
        return read_answer(point, problem.system(), layout, labels, run);
    };
    LpResult result = answer->kind == DirectAnswer::Kind::Infeasible  ? LpResult::infeasible()
                      : answer->kind == DirectAnswer::Kind::Unbounded ? LpResult::unbounded()
                                                                      : optimal();
    if (run.certificate != nullptr) *run.certificate = std::move(answer->certificate);
    return result;
}

template <PivotEngine Tab, class N>
LpResult run_simplex(const LinearSystemT<N>& system, std::span<const LinearConstraintT<N>> extra,
                     Run& run, std::vector<ColumnLabel>& labels) {
    const Problem<N> problem(system, extra);
    const std::size_t e = extra_columns(problem);
    if constexpr (std::is_same_v<Tab, RevisedTableau>) {
        if (run.direct && run.short_path_first) {
            // A path of a few pivots is cheaper than any certificate: try it first.
            Run short_run = run;
            short_run.direct = false;
            short_run.pivot_cap = 16 + problem.size() / 16;
            try {
                return run_simplex<Tab, N>(system, extra, short_run, labels);
            } catch (const PivotCapReached&) {
            }
            run.stats = {};
        }
        if (run.direct) {
            if (auto answer = answer_directly(problem, e, run, labels)) return std::move(*answer);
        }
    }
    Tab tab(system.variables.size() + e, problem.size());
    if constexpr (PollsInsidePivot<Tab>) tab.set_interrupt(&run.interrupt);
    const Layout layout = fill(tab, problem, e, labels);
    std::optional<LpResult> result = run_phases(tab, problem, layout, run);
    if constexpr (FactorizedEngine<Tab>) {
        run.stats.revised = true;
        static_cast<EngineStats&>(run.stats) = tab.engine_stats();
    }
    if (result) return std::move(*result);
    return read_answer(tab, system, layout, labels, run);
}

// The dense tableau wins on small problems (no factorization, no pricing
// pass, a few cache lines of storage) and on a handful of rows, where its
// pivot costs what one pricing pass does.
bool prefer_revised(std::size_t variables, std::size_t constraints) {
    const double cells =
        static_cast<double>(constraints + 1) * static_cast<double>(variables + constraints + 1);
    return constraints >= 32 && cells > 2500.0;
}

}  // namespace

std::vector<BigRational> LpSolver::exact_values() const {
    if (exact_small_.empty()) return exact_;
    return {exact_small_.begin(), exact_small_.end()};
}

LpResult LpSolver::solve_with(std::span<const linear::LinearConstraint> extra) {
    stats_ = {};
    exact_.clear();
    exact_small_.clear();
    certificate_.reset();
    if (!system_ && !big_system_)
        return LpResult::unknown(UnknownReason::internal("no system loaded"));
    const std::size_t n = system_ ? system_->variables.size() : big_system_->variables.size();
    const std::size_t m =
        (system_ ? system_->constraints.size() : big_system_->constraints.size()) + extra.size();
    const bool revised = engine_ == Engine::Revised || engine_ == Engine::Direct ||
                         (engine_ == Engine::Automatic && prefer_revised(n, m));
    std::optional<linear::BigLinearSystem> widened;
    std::vector<LinearConstraintT<BigRational>> big_extra;
    const auto widen_extra = [&]() {
        big_extra.reserve(extra.size());
        for (const auto& c : extra) big_extra.push_back(linear::widen(c));
        return std::span<const LinearConstraintT<BigRational>>(big_extra);
    };
    const auto widen_all = [&]() -> const linear::BigLinearSystem& {
        if (system_) widened = linear::widen(*system_);
        widen_extra();
        return system_ ? *widened : *big_system_;
    };
    if (revised) {
        // Integers of any size from the start: no gcd, no overflow to redo.
        Run run{interrupt_, stats_, trace_, keep_exact_ ? &exact_ : nullptr,
                keep_exact_ ? &exact_small_ : nullptr};
        run.direct =
            engine_ == Engine::Direct || (engine_ == Engine::Automatic && trace_ == nullptr);
        run.short_path_first = engine_ == Engine::Automatic;
        run.certificate = keep_certificate_ ? &certificate_ : nullptr;
        LpResult r =
            system_ ? run_simplex<RevisedTableau, Rational>(*system_, extra, run, column_labels_)
                    : run_simplex<RevisedTableau, BigRational>(*big_system_, widen_extra(), run,
                                                               column_labels_);
        stats_.big = stats_.max_bits > 63;
        return r;
    }
    const std::size_t trace_start = trace_ != nullptr ? trace_->size() : 0;
    if (system_ && arithmetic_ == Arithmetic::Automatic) {
        Run run{interrupt_, stats_, trace_, keep_exact_ ? &exact_ : nullptr,
                keep_exact_ ? &exact_small_ : nullptr};
        run.certificate = keep_certificate_ ? &certificate_ : nullptr;
        try {
            return run_simplex<Tableau<Rational>, Rational>(*system_, extra, run, column_labels_);
        } catch (const linear::Overflow&) {
        }
        // Exact values outgrew 64 bits: the same rules from the start, in
        // big integers, give the same pivots and the exact answer.
        stats_ = {};
        certificate_.reset();
        if (trace_ != nullptr) trace_->resize(trace_start);
    }
    stats_.big = true;
    Run run{interrupt_, stats_, trace_, keep_exact_ ? &exact_ : nullptr,
            keep_exact_ ? &exact_small_ : nullptr};
    run.certificate = keep_certificate_ ? &certificate_ : nullptr;
    const linear::BigLinearSystem& big = widen_all();
    const std::span<const LinearConstraintT<BigRational>> extra_span(big_extra);
    if (arithmetic_ == Arithmetic::BigFractions) {
        return run_simplex<Tableau<BigRational>, BigRational>(big, extra_span, run, column_labels_);
    }
    return run_simplex<FractionFreeTableau, BigRational>(big, extra_span, run, column_labels_);
}

LpResult LpSolver::solve_with(std::span<const LinearConstraintT<BigRational>> extra) {
    stats_ = {};
    exact_.clear();
    exact_small_.clear();
    certificate_.reset();
    if (!system_ && !big_system_)
        return LpResult::unknown(UnknownReason::internal("no system loaded"));
    std::optional<linear::BigLinearSystem> widened;
    if (system_) widened = linear::widen(*system_);
    const linear::BigLinearSystem& big = system_ ? *widened : *big_system_;
    const std::size_t m = big.constraints.size() + extra.size();
    Run run{interrupt_, stats_, trace_, keep_exact_ ? &exact_ : nullptr, nullptr};
    run.direct = engine_ == Engine::Direct || (engine_ == Engine::Automatic && trace_ == nullptr);
    run.short_path_first = engine_ == Engine::Automatic;
    run.certificate = keep_certificate_ ? &certificate_ : nullptr;
    if (engine_ == Engine::Revised || engine_ == Engine::Direct ||
        (engine_ == Engine::Automatic && prefer_revised(big.variables.size(), m))) {
        LpResult r = run_simplex<RevisedTableau, BigRational>(big, extra, run, column_labels_);
        stats_.big = stats_.max_bits > 63;
        return r;
    }
    stats_.big = true;
    if (arithmetic_ == Arithmetic::BigFractions)
        return run_simplex<Tableau<BigRational>, BigRational>(big, extra, run, column_labels_);
    return run_simplex<FractionFreeTableau, BigRational>(big, extra, run, column_labels_);
}

}  // namespace nemox::lp
