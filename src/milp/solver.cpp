#include "milp/solver.hpp"

#include <cmath>
#include <limits>
#include <utility>

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

// The value of a variable as a double: first pair with that index.
std::optional<double> value_of(const Assignment& a, std::uint64_t var) {
    // Assignments from the LP solver list variable k at position k.
    const Assignment::Pair* pair = nullptr;
    if (var < a.size() && a[var].first == var) {
        pair = &a[var];
    } else {
        for (const auto& p : a) {
            if (p.first == var) {
                pair = &p;
                break;
            }
        }
    }
    if (pair == nullptr) return std::nullopt;
    const Value& v = pair->second;
    if (const bool* b = std::get_if<bool>(&v)) return *b ? 1.0 : 0.0;
    if (const std::int64_t* i = std::get_if<std::int64_t>(&v)) return static_cast<double>(*i);
    if (const double* d = std::get_if<double>(&v)) return *d;
    return nearest_double(std::get<BigInteger>(v));
}

bool all_integral(const Assignment& a, const std::vector<std::uint64_t>& integer_vars) {
    for (const std::uint64_t var : integer_vars) {
        const auto v = value_of(a, var);
        if (!v || std::isnan(*v)) return false;
        if (!(std::fabs(*v - std::round(*v)) < kIntegralityTolerance)) return false;
    }
    return true;
}

class Search {
  public:
    Search(const linear::ExactSystem& problem, Interrupt interrupt, SearchStats& stats,
           lp::LpSolver::Engine engine, std::vector<linear::BigRational>* exact)
        : solver_(interrupt), interrupt_(interrupt), stats_(stats), exact_(exact) {
        solver_.set_engine(engine);
        solver_.keep_exact_values(exact != nullptr);
        const auto& vars = problem.small ? problem.small->variables : problem.big->variables;
        const auto& info = problem.small ? problem.small->var_info : problem.big->var_info;
        for (const std::uint64_t v : vars) {
            const auto it = info.find(v);
            if (it != info.end() && it->second.is_integer) integer_vars_.push_back(v);
        }
        minimize_ =
            problem.small
                ? (problem.small->objective && problem.small->objective->first == Sense::Minimize)
                : (problem.big->objective && problem.big->objective->first == Sense::Minimize);
        solver_.load(problem);
    }

    LpResult run() {
        LpResult root = solve({});
        if (root.kind != LpResult::Kind::Optimal || integer_vars_.empty() ||
            all_integral(root.assignment, integer_vars_)) {
            if (exact_ != nullptr) *exact_ = solver_.exact_values();
            return root;
        }

        const double inf = std::numeric_limits<double>::infinity();
        double best = minimize_ ? inf : -inf;
        std::optional<Assignment> incumbent;
        std::uint64_t counter = 0;
        branch(root.assignment, root.objective, std::nullopt, {});
        // Whether examining a node could still find something better than `best`.
        auto promising = [&](std::size_t index) {
            const double b = nodes_[index].bound ? *nodes_[index].bound : (minimize_ ? -inf : inf);
            return !(minimize_ ? b >= best : best >= b);
        };
        std::optional<std::size_t> left_open;  // the node that met the limit
        std::vector<LinearConstraint> extra;
        while (auto entry = heap_.pop()) {
            if (counter >= kNodeLimit) {
                left_open = entry->second;
                break;
            }
            ++counter;
            stats_.examined = counter;
            interrupt_.poll(1 << 12, counter);
            const std::size_t index = entry->second;
            if (!promising(index)) continue;
            extra.clear();
            for (const BranchBound& bb : nodes_[index].bounds) {
                if (bb.lower) {
                    extra.push_back(
                        {LinearExpr::variable(bb.var) - LinearExpr::constant_expr(*bb.lower),
                         std::nullopt, CmpOp::Ge});
                }
                if (bb.upper) {
                    extra.push_back(
                        {LinearExpr::variable(bb.var) - LinearExpr::constant_expr(*bb.upper),
                         std::nullopt, CmpOp::Le});
                }
            }
            LpResult result = solve(extra);
            if (result.kind != LpResult::Kind::Optimal) continue;
            if (all_integral(result.assignment, integer_vars_)) {
                if (minimize_ ? result.objective < best : result.objective > best) {
                    best = result.objective;
                    ++stats_.incumbent_updates;
                    incumbent = std::move(result.assignment);
                    if (exact_ != nullptr) *exact_ = solver_.exact_values();
                }
                continue;
            }
            // Copied: `branch` appends to `nodes_`, which may move the parent.
            std::vector<BranchBound> parent = nodes_[index].bounds;
            branch(result.assignment, result.objective, result.objective, std::move(parent));
        }
        if (incumbent) {
            // Cut short by the limit while an open node could still beat the
            // incumbent: a solution, but no proof of optimality.
            bool open_could_beat = false;
            if (left_open) {
                open_could_beat = promising(*left_open);
                while (!open_could_beat) {
                    const auto entry = heap_.pop();
                    if (!entry) break;
                    open_could_beat = promising(entry->second);
                }
            }
            if (open_could_beat) return LpResult::feasible(std::move(*incumbent));
            return LpResult::optimal(std::move(*incumbent), best);
        }
        if (counter >= kNodeLimit)
            return LpResult::unknown({UnknownReason::Kind::ResourceLimit, {}});
        return LpResult::infeasible();
    }

  private:
    LpResult solve(std::span<const LinearConstraint> extra) {
        solver_.set_interrupt(interrupt_.inner());
        LpResult r = solver_.solve_with(extra);
        ++stats_.lp_solves;
        stats_.pivots += solver_.stats().pivots;
        return r;
    }

    void branch(const Assignment& a, double key, std::optional<double> bound,
                std::vector<BranchBound> parent) {
        for (const std::uint64_t var : integer_vars_) {
            const auto v = value_of(a, var);
            if (!v) continue;
            const double frac = *v - std::floor(*v);
            if (!(kBranchLow < frac && frac < kBranchHigh)) continue;
            // A double with a fractional part is below 2^52 in magnitude, so
            // its floor and ceiling convert exactly, within 64 bits.
            Node down{bound, parent};
            down.bounds.push_back({var, std::nullopt, Rational::from_f64(std::floor(*v))});
            nodes_.push_back(std::move(down));
            heap_.push(key, nodes_.size() - 1);
            Node up{bound, std::move(parent)};
            up.bounds.push_back({var, Rational::from_f64(std::ceil(*v)), std::nullopt});
            nodes_.push_back(std::move(up));
            heap_.push(key, nodes_.size() - 1);
            return;
        }
    }

    lp::LpSolver solver_;
    Interrupt interrupt_;
    SearchStats& stats_;
    std::vector<linear::BigRational>* exact_;  // the incumbent's exact values, when wanted
    std::vector<std::uint64_t> integer_vars_;
    bool minimize_ = false;
    std::vector<Node> nodes_;
    NodeHeap heap_;
};

}  // namespace

LpResult branch_and_bound(const linear::ExactSystem& problem, Interrupt interrupt,
                          SearchStats* stats, lp::LpSolver::Engine engine,
                          std::vector<linear::BigRational>* exact) {
    SearchStats local;
    Search search(problem, interrupt, stats != nullptr ? *stats : local, engine, exact);
    return search.run();
}

}  // namespace nemox::milp
