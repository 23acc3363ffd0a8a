#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/interrupt.hpp"
#include "cp/model.hpp"
#include "cp/probe.hpp"
#include "cp/propagator.hpp"

namespace nemox::cp {

struct CpStats {
    std::uint64_t nodes = 0;            // values tried by the search
    std::uint64_t failures = 0;         // of them, those that failed in propagation
    std::uint64_t refuted = 0;          // of those, the ones that only the refuter closed
    std::uint64_t propagator_runs = 0;  // applications of one propagator
    std::uint64_t witness_nodes = 0;    // trial nodes of the oracle's own searches
};

// The propagation engine: domains, the trail that undoes them, and the queue
// of propagators woken by the events they read. The rules (rules.hpp) narrow
// domains through it; the search (solver.hpp) opens and undoes nodes.
//
// A propagator runs again only when a bound that it reads moved. Every rule
// only ever narrows and is monotone, so the fixpoint (or the failure) is the
// one that repeated full sweeps reach, whatever the order of the runs, and
// runs of identical steps may be taken at once.
class Engine {
  public:
    Engine(const CpProblem& problem, Interrupt interrupt);
    Engine(const Engine&) = delete;  // the probe points into domains_
    Engine& operator=(const Engine&) = delete;

    const std::vector<Domain>& domains() const { return domains_; }
    const Domain& domain(VarIndex x) const { return domains_[x]; }
    const Network& net() const { return net_; }
    bool has_empty() const { return has_empty_; }
    CpStats& stats() { return stats_; }
    const CpStats& stats() const { return stats_; }
    Interrupt& interrupt() { return interrupt_; }

    // ---- the store the rules narrow (rules.hpp) ----
    static constexpr bool kTraced = false;
    // Sets a bound that narrows x and leaves it nonempty, recording the old
    // domain and waking what reads the bound.
    void set_lo(VarIndex x, std::int64_t v);
    void set_hi(VarIndex x, std::int64_t v);

    // ---- what the engine keeps current for the rules ----
    LinearSums* kept_sums(const Propagator& p) {
        return p.keeps_sums() ? &sums_[static_cast<std::size_t>(&p - net_.propagators.data())]
                              : nullptr;
    }
    // A counted AllDiff's values held fixed, a bit each from p.constant, and
    // how many of them are held at two positions or more.
    std::uint64_t taken(const Propagator& p) const { return taken_[p.counts_at / 64]; }
    std::uint32_t repeated(const Propagator& p) const { return repeated_[p.counts_at / 64]; }
    // Its unfixed variables: open_at(p, j) for j below open_count(p). Fixing
    // the one at j moves the one last in the list into its place.
    std::size_t open_count(const Propagator& p) const { return open_count_[p.counts_at / 64]; }
    VarIndex open_at(const Propagator& p, std::size_t j) const { return open_[p.begin + j]; }
    std::vector<std::int64_t>& scratch() { return scratch_; }

    // ---- propagation ----
    // Queues every propagator and runs to the fixpoint; false on failure.
    bool propagate_all();
    // Runs the queue to the fixpoint; false on failure.
    bool propagate();

    // ---- nodes, for the search ----
    struct TrailEntry {
        VarIndex var;
        Domain old;
    };
    const std::vector<TrailEntry>& trail() const { return trail_; }
    // A new node: its first change of each variable is recorded.
    void open_node() { ++node_; }
    // Fixes x to v and wakes what reads it.
    void assign(VarIndex x, std::int64_t v);
    // Restores the domains recorded from `mark` on, latest first, telling
    // `restored(i, entry)` the trail position of each.
    template <class Restored>
    void undo_to(std::size_t mark, Restored restored);
    // The number of values of x from `from` on (at most up to `last`) that
    // are shown to fail in propagation, each in the same way, by probing a
    // few of them; 0 when no such run is shown.
    Wide failing_run(VarIndex x, std::int64_t from, std::int64_t last);

  private:
    // ---- construction (engine.cpp) ----
    void prepare_sums();
    std::size_t watch_of(VarIndex x, std::uint32_t k) const;
    void prepare_counts();

    void record(VarIndex x);
    // After x narrowed from `old`: wakes the propagators that read what
    // moved, and moves kept sums and counted values.
    void touched(VarIndex x, const Domain& old);
    template <bool kViews>
    void wake(VarIndex x, const Domain& now, std::uint8_t events);
    void wake_views(VarIndex x, const Domain& now, std::uint8_t events);
    bool meets_partner(std::size_t watch, const Domain& now) const;
    // The view behind a watch entry of x follows x's new domain, or is
    // queued when that empties it.
    void follow_view(std::size_t watch, const Domain& now);
    bool count_and_check(std::size_t watch, const Domain& now, std::uint8_t events);
    void count(const Propagator& p, std::int64_t value, int change);
    // Takes the variable of a counted AllDiff's watch entry out of its open
    // list, or puts it back.
    void close_slot(std::size_t watch, const Propagator& p);
    void open_slot(std::size_t watch, const Propagator& p);
    void swap_slots(std::size_t i, std::size_t j);
    // Moves the sums of the Linear behind one watch entry from one domain
    // of its variable to another; an undo widens.
    void shift_sum(std::size_t watch, const Domain& from, const Domain& to, bool widened);
    void restore(const TrailEntry& e);

    // ---- the queue (queue.cpp) ----
    // Pending propagators, run in rounds that alternate between increasing
    // and decreasing index order, roughly (a chain of constraints then
    // settles in a few rounds, whichever way its bounds travel). One woken
    // ahead of the running one joins this round; one woken behind it waits
    // for the next, which runs its list backwards.
    void enqueue(std::uint32_t k);
    void start_round();
    void clear_queue();

    // ---- steps taken many at once (rounds.cpp) ----
    // Finds, among the propagators of the last `count` runs taken in index
    // order as one round, a round that moves bounds by a constant step, and
    // takes as many of its rounds as are shown to repeat exactly. False when
    // the probe shows a failure.
    bool take_rounds(std::size_t count);
    std::size_t probe_budget() const { return 64 + 4 * net_.propagators.size(); }

    // ---- problem ----
    std::vector<Domain> domains_;
    Network net_;
    bool has_empty_ = false;  // a declared range is empty

    // ---- trail: one entry per variable and search node at most (the first
    // change in a node is the one to restore); without this a long
    // propagation would grow the trail by one entry per step ----
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

    // ---- by variable: what a move needs besides waking the readers ----
    enum Special : std::uint8_t { kInKeptSum = 1, kInCounted = 2, kViewSource = 4 };
    std::vector<std::uint8_t> special_;

    // ---- kept for the rules ----
    std::vector<std::int64_t> scratch_;
    std::vector<LinearSums> sums_;            // by propagator
    std::vector<std::int64_t> watch_coeffs_;  // by watch entry: coefficient in a kept sum, or 0
    // Counted AllDiffs: how many variables hold each value fixed, moved with
    // every fixing and on undo.
    std::vector<std::uint32_t> counts_;
    std::vector<std::uint64_t> taken_;     // per counted AllDiff: a bit per value counted
    std::vector<std::uint32_t> repeated_;  // per counted AllDiff: values counted twice or more
    std::vector<VarIndex> open_;           // by operand position: the list's variables, open first
    std::vector<std::size_t> open_count_;  // per counted AllDiff
    std::vector<std::size_t> slot_;        // by watch entry: where its variable sits in open_
    std::vector<std::size_t> slot_watch_;  // by position in open_: the watch entry of its variable

    // ---- steps taken many at once ----
    Probe probe_{net_, domains_};
    Trace first_, second_, other_;
    std::array<std::uint32_t, 64> recent_{};  // the latest runs, cyclically
    std::uint64_t recent_at_ = 0;
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

    // ---- limits and statistics ----
    Interrupt interrupt_;
    CpStats stats_;
};

// The hot steps, inline in the rules.

inline void Engine::enqueue(std::uint32_t k) {
    if (queued_[k]) return;
    queued_[k] = 1;
    const auto id = static_cast<std::int64_t>(k);
    const bool ahead = forward_ ? id > cursor_ : id < cursor_;
    (ahead ? round_ : next_).push_back(k);
}

inline void Engine::record(VarIndex x) {
    if (stamp_[x] == node_) return;
    stamp_[x] = node_;
    trail_.push_back(TrailEntry{x, domains_[x]});
}

inline void Engine::set_lo(VarIndex x, std::int64_t v) {
    record(x);
    const Domain old = domains_[x];
    domains_[x].lo = v;
    touched(x, old);
}

inline void Engine::set_hi(VarIndex x, std::int64_t v) {
    record(x);
    const Domain old = domains_[x];
    domains_[x].hi = v;
    touched(x, old);
}

template <class Restored>
void Engine::undo_to(std::size_t mark, Restored restored) {
    while (trail_.size() > mark) {
        const TrailEntry e = trail_.back();
        trail_.pop_back();
        restore(e);
        restored(trail_.size(), e);
    }
}

}  // namespace nemox::cp
