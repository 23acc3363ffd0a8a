#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "core/assignment.hpp"
#include "core/failure.hpp"
#include "core/interrupt.hpp"
#include "core/solver_result.hpp"
#include "cp/branch_order.hpp"
#include "cp/model.hpp"
#include "cp/probe.hpp"
#include "cp/propagator.hpp"

namespace nemox::cp {

struct CpStats {
    std::uint64_t nodes = 0;            // values tried by the search
    std::uint64_t failures = 0;         // of them, those that failed in propagation
    std::uint64_t propagator_runs = 0;  // applications of one propagator
};

// Domains, propagators and the search state of one solve.
//
// Propagation is driven by a queue: a propagator runs again only when a
// bound that it reads moved. Every rule only ever narrows and is monotone,
// so the fixpoint (or the failure) is the one that repeated full sweeps
// reach, whatever the order of the runs, and runs of identical steps may be
// taken at once. Undo is a trail of old bounds.
class CpSolver {
  public:
    explicit CpSolver(const CpProblem& problem, Interrupt interrupt = Interrupt());
    CpSolver(const CpSolver&) = delete;  // the heap points into domains_
    CpSolver& operator=(const CpSolver&) = delete;

    const std::vector<Domain>& domains() const { return domains_; }
    const std::vector<Propagator>& propagators() const { return net_.propagators; }
    const CpStats& stats() const { return stats_; }

    // Runs every propagator to the common fixpoint; false when one fails.
    bool propagate_all();

    // Depth-first search for the first solution: smallest domain first (ties
    // to the lowest index), values in increasing order. Iterative.
    std::optional<Assignment> search();

    bool all_fixed() const { return order_.empty() && !has_empty_; }
    Assignment fixed_assignment() const;

  private:
    // ---- construction (solver.cpp) ----
    void prepare_sums();
    void prepare_counts();

    // ---- bounds and trail (solver.cpp) ----
    // Narrowing one bound to an exact value; false when the domain empties.
    bool raise_lo(VarIndex x, Wide v);
    bool lower_hi(VarIndex x, Wide v);
    // Removes v from x when it is one of x's ends; a value inside stays.
    bool remove_end(VarIndex x, std::int64_t v);
    void record(VarIndex x);
    void undo_to(std::size_t mark);

    // ---- wake-ups by event (solver.cpp) ----
    // After x narrowed from `old`: wakes the propagators that read what
    // moved, and moves kept sums and counted values.
    void touched(VarIndex x, const Domain& old);
    bool meets_partner(std::size_t watch, const Domain& now) const;
    bool count_and_check(std::size_t watch, const Domain& now, std::uint8_t events);
    void count(const Propagator& p, std::int64_t value, int change);
    // Moves the sums of the Linear behind one watch entry from one domain
    // of its variable to another; an undo widens.
    void shift_sum(std::size_t watch, const Domain& from, const Domain& to, bool widened);

    // ---- the queue (queue.cpp) ----
    // Pending propagators, run in rounds that alternate between increasing
    // and decreasing index order, roughly (a chain of constraints then
    // settles in a few rounds, whichever way its bounds travel). One woken
    // ahead of the running one joins this round; one woken behind it waits
    // for the next, which runs its list backwards.
    void enqueue(std::uint32_t k);
    void start_round();
    void clear_queue();
    bool propagate();

    // ---- the rules (rules.cpp, linear.cpp) ----
    bool run(const Propagator& p);
    bool run_eq(VarIndex a, VarIndex b);
    bool run_neq(VarIndex a, VarIndex b);
    bool run_all_diff(const Propagator& p);
    bool all_diff_small(const Propagator& p, std::int64_t base);
    bool trim_small(const Propagator& p, std::int64_t base, std::uint64_t taken);
    bool run_linear(const Propagator& p);
    bool run_linear_pair(const Propagator& p);
    bool run_unit_pair(const Propagator& p);
    bool run_linear_128(const Propagator& p, bool& done);
    bool run_linear_256(const Propagator& p);
    bool narrow_term(LinearRel rel, std::int64_t c, VarIndex x, Wide from_min, Wide from_max);

    // ---- steps taken many at once (rounds.cpp, search.cpp) ----
    // Finds, among the propagators of the last `count` runs taken in index
    // order as one round, a round that moves bounds by a constant step, and
    // takes as many of its rounds as are shown to repeat exactly. False when
    // the probe shows a failure.
    bool take_rounds(std::size_t count);
    // The number of values from `from` on (at most up to `last`) that are
    // shown to fail in propagation, each in the same way, by probing a few
    // of them; 0 when no such run is shown.
    Wide failing_run(VarIndex x, std::int64_t from, std::int64_t last);
    std::size_t probe_budget() const { return 64 + 4 * net_.propagators.size(); }

    // ---- the branching order (solver.cpp) ----
    // Brings the order up to date with the variables recorded on the trail
    // since the last sync; a failed node is undone before it would count.
    void sync_order();

    // ---- problem ----
    std::vector<Domain> domains_;
    Network net_;
    bool has_empty_ = false;  // a declared range is empty

    // ---- trail: one entry per variable and search node at most (the first
    // change in a node is the one to restore); without this a long
    // propagation would grow the trail by one entry per step ----
    struct TrailEntry {
        VarIndex var;
        Domain old;
    };
    std::vector<TrailEntry> trail_;
    std::vector<std::uint64_t> stamp_;  // node in which each variable was last recorded
    std::uint64_t node_ = 1;

    // ---- queue state ----
    std::vector<std::uint32_t> round_;  // this round, from round_head_ on
    std::size_t round_head_ = 0;
    std::vector<std::uint32_t> next_;  // woken behind the cursor
    bool forward_ = true;
    std::int64_t cursor_ = -1;  // the propagator running now, or before the first
    std::vector<char> queued_;  // by propagator

    // ---- rule state ----
    std::vector<std::int64_t> fixed_values_;  // scratch of one AllDiff run
    // A Linear's sums over the current domains, moved with every bound and
    // on undo, and a bound on its terms' spreads that holds until an undo
    // widens a domain. A run whose slack covers that bound would change
    // nothing, so it returns at once: a search that fixes a wide sum's
    // variables one by one does not pay for every term at every node.
    struct LinearSums {
        Wide min = 0;
        Wide max = 0;
        Wide spread = 0;
        // A bound on the spreads that no undo invalidates: the widest term
        // over the declared ranges.
        Wide widest_declared = std::numeric_limits<Wide>::max();
        bool sums_known = false;
        bool spread_known = false;
    };
    std::vector<LinearSums> sums_;            // by propagator
    std::vector<std::int64_t> watch_coeffs_;  // by watch entry: coefficient in a kept sum, or 0
    std::vector<char> in_kept_sum_;           // by variable
    // Counted AllDiffs: how many variables hold each value fixed, moved with
    // every fixing and on undo.
    std::vector<std::uint32_t> counts_;
    std::vector<std::uint64_t> taken_;     // per counted AllDiff: a bit per value counted
    std::vector<std::uint32_t> repeated_;  // per counted AllDiff: values counted twice or more
    std::vector<char> in_counted_;         // by variable

    // ---- steps taken many at once ----
    Probe probe_{net_, domains_};
    Trace first_, second_, other_;
    std::array<std::uint32_t, 64> recent_{};  // the latest runs, cyclically
    std::vector<std::uint32_t> round_list_;
    struct Move {
        VarIndex x;
        Domain from;  // at the start
        Wide up;      // lo moves up this much per round
        Wide down;    // and hi down this much
    };
    std::vector<Move> moves_;
    std::vector<std::pair<VarIndex, Domain>> settled_;
    std::array<std::vector<Domain>, 3> snaps_;

    // ---- branching order, in step with the domains of trail_[0, synced_) ----
    BranchOrder order_;
    std::size_t synced_ = 0;

    // ---- limits and statistics ----
    Interrupt interrupt_;
    CpStats stats_;
};

// Entry flow after parsing: build, propagate, search.
inline void CpSolver::enqueue(std::uint32_t k) {
    if (queued_[k]) return;
    queued_[k] = 1;
    const auto id = static_cast<std::int64_t>(k);
    const bool ahead = forward_ ? id > cursor_ : id < cursor_;
    (ahead ? round_ : next_).push_back(k);
}

inline void CpSolver::record(VarIndex x) {
    if (stamp_[x] == node_) return;
    stamp_[x] = node_;
    trail_.push_back(TrailEntry{x, domains_[x]});
}

inline bool CpSolver::raise_lo(VarIndex x, Wide v) {
    Domain& d = domains_[x];
    if (v <= d.lo) return d.lo <= d.hi;
    if (v > d.hi) return false;
    record(x);
    const Domain old = d;
    d.lo = static_cast<std::int64_t>(v);
    touched(x, old);
    return true;
}

inline bool CpSolver::lower_hi(VarIndex x, Wide v) {
    Domain& d = domains_[x];
    if (v >= d.hi) return d.lo <= d.hi;
    if (v < d.lo) return false;
    record(x);
    const Domain old = d;
    d.hi = static_cast<std::int64_t>(v);
    touched(x, old);
    return true;
}

SolverResult solve_cp(const CpProblem& problem, Interrupt interrupt = Interrupt(),
                      CpStats* stats = nullptr);

}  // namespace nemox::cp
