#include "milp/solver.hpp"

#include <algorithm>
#include <limits>
#include <span>
#include <utility>
#include <variant>

#include "linear/system.hpp"
#include "lp/solver.hpp"

namespace nemox::milp {

using linear::CmpOp;
using linear::LinearConstraint;
using linear::LinearExpr;
using linear::Rational;
using linear::Sense;

void NodeHeap::sift_up(std::size_t pos) {
    while (pos > 0) {
        const std::size_t parent = (pos - 1) / 2;
        if (!(heap_[pos].first < heap_[parent].first)) break;
        std::swap(heap_[pos], heap_[parent]);
        pos = parent;
    }
}

void NodeHeap::push(double key, std::size_t node) {
    heap_.emplace_back(key, node);
    sift_up(heap_.size() - 1);
}

std::optional<NodeHeap::Entry> NodeHeap::pop() {
    if (heap_.empty()) return std::nullopt;
    const Entry top = heap_.front();
    const Entry last = heap_.back();
    heap_.pop_back();
    if (heap_.empty()) return top;
    heap_[0] = last;
    std::size_t pos = 0;
    const std::size_t n = heap_.size();
    for (;;) {
        const std::size_t left = 2 * pos + 1, right = left + 1;
        if (left >= n) break;
        std::size_t child = left;
        if (right < n && !(heap_[left].first < heap_[right].first)) child = right;
        std::swap(heap_[pos], heap_[child]);
        pos = child;
    }
    sift_up(pos);
    return top;
}

namespace {

using linear::BigInt;
using linear::BigRational;
using BigConstraint = linear::LinearConstraintT<BigRational>;

// The position of a variable's value: the first pair with that index.
std::optional<std::size_t> position_of(const Assignment& a, std::uint64_t var) {
    // Assignments from the LP solver list variable k at position k.
    if (var < a.size() && a[var].first == var) return static_cast<std::size_t>(var);
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].first == var) return i;
    }
    return std::nullopt;
}

// The LP solver reports a value as a double only when its exact value is
// not an integer, so the kind of the value is the exact test.
bool is_integral(const Value& v) {
    return !std::holds_alternative<double>(v);
}

bool all_integral(const Assignment& a, const std::vector<std::uint64_t>& integer_vars) {
    for (const std::uint64_t var : integer_vars) {
        const auto pos = position_of(a, var);
        if (!pos || !is_integral(a[*pos].second)) return false;
    }
    return true;
}

BoundValue bound_value(const BigInt& v) {
    if (v.fits_i64()) return {Rational::integer(v.to_i64()), std::nullopt};
    return {Rational::zero(), v};
}

// floor(q) and floor(q) + 1 of a value that is not an integer.
std::pair<BoundValue, BoundValue> floor_and_ceil(const BigRational& q) {
    const BigInt& num = q.numerator();
    const BigInt& den = q.denominator();
    if (num.fits_i64() && den.fits_i64()) {
        // |q| < 2^62 since den >= 2: neither side overflows.
        const std::int64_t n = num.to_i64(), d = den.to_i64();
        const std::int64_t f = n / d - (n < 0 ? 1 : 0);
        return {{Rational::integer(f), std::nullopt}, {Rational::integer(f + 1), std::nullopt}};
    }
    // t = floor(|num| / den), one bit at a time from the top.
    const BigInt mag = num.is_negative() ? -num : num;
    const std::size_t bits =
        mag.bit_length() >= den.bit_length() ? mag.bit_length() - den.bit_length() + 1 : 0;
    BigInt t, bit(1), trial, product;
    for (std::size_t i = 1; i < bits; ++i) bit = bit + bit;
    const BigInt two(2);
    for (std::size_t i = 0; i < bits; ++i) {
        BigInt::add_into(trial, t, bit);
        BigInt::mul_into(product, trial, den);
        if (!(mag < product)) t = trial;
        if (i + 1 < bits) bit = BigInt::divexact(bit, two);
    }
    const BigInt next = t + BigInt(1);
    if (num.is_negative()) return {bound_value(-next), bound_value(-t)};
    return {bound_value(t), bound_value(next)};
}

class Search {
  public:
    Search(const linear::ExactSystem& problem, Interrupt interrupt, SearchStats& stats,
           lp::LpSolver::Engine engine, std::vector<linear::BigRational>* exact, KeepIncumbent keep,
           std::uint64_t node_limit)
        : problem_(problem),
          solver_(interrupt),
          interrupt_(interrupt),
          stats_(stats),
          engine_(engine),
          exact_(exact),
          keep_(keep),
          node_limit_(node_limit) {
        solver_.set_engine(engine);
        // Branching reads the exact value of the variable it splits.
        solver_.keep_exact_values(true);
        std::visit(
            [&](const auto& system) {
                for (const std::uint64_t v : system.variables) {
                    const auto it = system.var_info.find(v);
                    if (it != system.var_info.end() && it->second.is_integer)
                        integer_vars_.push_back(v);
                }
                minimize_ = system.objective && system.objective->first == Sense::Minimize;
            },
            problem);
        solver_.load(problem);
    }

    LpResult run() {
        LpResult root = solve({});
        if (!integer_vars_.empty() && root.kind == LpResult::Kind::Unbounded) return feasibility();
        if (root.kind != LpResult::Kind::Optimal || integer_vars_.empty() ||
            all_integral(root.assignment, integer_vars_)) {
            if (exact_ != nullptr) *exact_ = solver_.exact_values();
            return root;
        }
        return search(root);
    }

  private:
    // An unbounded relaxation proves nothing about integral points: the same
    // search without the objective looks for one. For rational data a
    // feasible problem whose relaxation is unbounded is unbounded.
    LpResult feasibility() {
        linear::ExactSystem plain = problem_;
        std::visit([](auto& system) { system.objective.reset(); }, plain);
        Search inner(plain, interrupt_, stats_, engine_, nullptr, keep_, node_limit_);
        const LpResult found = inner.run();
        if (found.has_assignment()) return LpResult::unbounded();
        return found;
    }

    LpResult search(const LpResult& root) {
        const double inf = std::numeric_limits<double>::infinity();
        best_ = minimize_ ? inf : -inf;
        branch(root.assignment, root.objective, std::nullopt, {});
        std::uint64_t counter = 0;
        std::vector<NodeHeap::Entry> open;  // what the search left unexamined
        try {
            while (auto entry = heap_.pop()) {
                if (counter >= node_limit_) {
                    open.push_back(*entry);
                    break;
                }
                // Open until examined, should an interrupt come first.
                open.assign(1, *entry);
                ++counter;
                ++stats_.examined;
                interrupt_.poll(1 << 12, counter);
                examine(entry->second);
                open.clear();
            }
        } catch (const Interrupted&) {
            if (!incumbent_ || keep_ == nullptr || !keep_()) throw;
            return LpResult::feasible(std::move(*incumbent_), best_, best_open(open));
        }
        if (!incumbent_) {
            if (counter >= node_limit_)
                return LpResult::unknown({UnknownReason::Kind::ResourceLimit, {}});
            return LpResult::infeasible();
        }
        // Cut short by the limit while an open node could still beat the
        // incumbent: a solution, but no proof of optimality.
        const auto could_beat_one = [&](const NodeHeap::Entry& e) { return promising(e.second); };
        const bool could_beat =
            std::any_of(open.begin(), open.end(), could_beat_one) ||
            std::any_of(heap_.entries().begin(), heap_.entries().end(), could_beat_one);
        if (could_beat) return LpResult::feasible(std::move(*incumbent_), best_, best_open(open));
        return LpResult::optimal(std::move(*incumbent_), best_);
    }

    void examine(std::size_t index) {
        if (!promising(index)) return;
        const std::vector<BranchBound>& bounds = nodes_[index].bounds;
        const bool big = std::any_of(bounds.begin(), bounds.end(), [](const BranchBound& bb) {
            return (bb.lower && bb.lower->big) || (bb.upper && bb.upper->big);
        });
        LpResult result = big ? solve_big(bounds) : solve(small_constraints(bounds));
        if (result.kind != LpResult::Kind::Optimal) return;
        if (all_integral(result.assignment, integer_vars_)) {
            if (minimize_ ? result.objective < best_ : result.objective > best_) {
                best_ = result.objective;
                ++stats_.incumbent_updates;
                incumbent_ = std::move(result.assignment);
                if (exact_ != nullptr) *exact_ = solver_.exact_values();
            }
            return;
        }
        // Copied: `branch` appends to `nodes_`, which may move the parent.
        std::vector<BranchBound> parent = bounds;
        branch(result.assignment, result.objective, result.objective, std::move(parent));
    }

    // Whether examining the node could still find something better than
    // the incumbent.
    bool promising(std::size_t index) const {
        const double inf = std::numeric_limits<double>::infinity();
        const auto& bound = nodes_[index].bound;
        const double b = bound ? *bound : (minimize_ ? -inf : inf);
        return !(minimize_ ? b >= best_ : best_ >= b);
    }

    // The best key among the open nodes that could still beat the
    // incumbent, or the incumbent's objective when none can.
    double best_open(const std::vector<NodeHeap::Entry>& open) const {
        double bound = best_;
        bool any = false;
        auto take = [&](const NodeHeap::Entry& e) {
            if (!promising(e.second)) return;
            bound =
                !any ? e.first : (minimize_ ? std::min(bound, e.first) : std::max(bound, e.first));
            any = true;
        };
        for (const auto& e : open) take(e);
        for (const auto& e : heap_.entries()) take(e);
        return bound;
    }

    const std::vector<LinearConstraint>& small_constraints(const std::vector<BranchBound>& bounds) {
        extra_.clear();
        for (const BranchBound& bb : bounds) {
            if (bb.lower) {
                extra_.push_back(
                    {LinearExpr::variable(bb.var) - LinearExpr::constant_expr(bb.lower->small),
                     std::nullopt, CmpOp::Ge});
            }
            if (bb.upper) {
                extra_.push_back(
                    {LinearExpr::variable(bb.var) - LinearExpr::constant_expr(bb.upper->small),
                     std::nullopt, CmpOp::Le});
            }
        }
        return extra_;
    }

    LpResult solve_big(const std::vector<BranchBound>& bounds) {
        using BigExpr = linear::LinearExprT<BigRational>;
        auto value = [](const BoundValue& b) {
            return b.big ? BigRational(*b.big, BigInt(1)) : BigRational(b.small);
        };
        std::vector<BigConstraint> extra;
        for (const BranchBound& bb : bounds) {
            if (bb.lower) {
                extra.push_back(
                    {BigExpr::variable(bb.var) - BigExpr::constant_expr(value(*bb.lower)),
                     std::nullopt, CmpOp::Ge});
            }
            if (bb.upper) {
                extra.push_back(
                    {BigExpr::variable(bb.var) - BigExpr::constant_expr(value(*bb.upper)),
                     std::nullopt, CmpOp::Le});
            }
        }
        solver_.set_interrupt(interrupt_.inner());
        LpResult r = solver_.solve_with(std::span<const BigConstraint>(extra));
        count_solve();
        return r;
    }

    LpResult solve(std::span<const LinearConstraint> extra) {
        solver_.set_interrupt(interrupt_.inner());
        LpResult r = solver_.solve_with(extra);
        count_solve();
        return r;
    }

    void count_solve() {
        ++stats_.lp_solves;
        stats_.pivots += solver_.stats().pivots;
    }

    // Must follow the solve that produced `a`: it reads that solve's exact values.
    void branch(const Assignment& a, double key, std::optional<double> bound,
                std::vector<BranchBound> parent) {
        for (const std::uint64_t var : integer_vars_) {
            const auto pos = position_of(a, var);
            if (!pos || is_integral(a[*pos].second)) continue;
            auto [floor, ceil] = floor_and_ceil(solver_.exact_value(*pos));
            Node down{bound, parent};
            down.bounds.push_back({var, std::nullopt, std::move(floor)});
            nodes_.push_back(std::move(down));
            heap_.push(key, nodes_.size() - 1);
            Node up{bound, std::move(parent)};
            up.bounds.push_back({var, std::move(ceil), std::nullopt});
            nodes_.push_back(std::move(up));
            heap_.push(key, nodes_.size() - 1);
            return;
        }
    }

    const linear::ExactSystem& problem_;
    lp::LpSolver solver_;
    Interrupt interrupt_;
    SearchStats& stats_;
    lp::LpSolver::Engine engine_;
    std::vector<linear::BigRational>* exact_;  // the incumbent's exact values, when wanted
    KeepIncumbent keep_;
    std::uint64_t node_limit_;
    std::vector<std::uint64_t> integer_vars_;
    bool minimize_ = false;
    std::vector<Node> nodes_;
    NodeHeap heap_;
    double best_ = 0;
    std::optional<Assignment> incumbent_;
    std::vector<LinearConstraint> extra_;
};

}  // namespace

LpResult branch_and_bound(const linear::ExactSystem& problem, Interrupt interrupt,
                          SearchStats* stats, lp::LpSolver::Engine engine,
                          std::vector<linear::BigRational>* exact, KeepIncumbent keep,
                          std::uint64_t node_limit) {
    SearchStats local;
    Search search(problem, interrupt, stats != nullptr ? *stats : local, engine, exact, keep,
                  node_limit);
    return search.run();
}

}  // namespace nemox::milp
