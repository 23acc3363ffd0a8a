#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "cp/model.hpp"
#include "cp/propagator.hpp"

namespace nemox::cp {

// Rules the refuter may apply, as bits; 0 turns it off.
enum RefuteRule : unsigned {
    kForwardCheck = 1,       // Neq and AllDiff remove a fixed value anywhere in the others
    kMatching = 2,           // AllDiff: a value for every position, values no such matching uses
    kSumHoles = 4,           // Eq, Lt, Le and Linear bounds that skip missing values
    kKnapsack = 8,           // a 0/1 sum bounded by a capacity over the same variables
    kLookahead = 16,         // each value of a small AllDiff domain tried, those that fail removed
    kDistinctSum = 32,       // a sum of AllDiff variables within the least and most distinct values
    kNogoods = 64,           // a node whose settled store equals an empty subtree's is empty
    kOverload = 128,         // operations that exclude each other in pairs fit their time window
    kWitness = 256,          // a budgeted search in the store for a solution or a proof of none
    kWitnessOnSums = 512,    // that search also where sums other than views x = y + c occur
    kWitnessOnCheap = 1024,  // and below nodes whose children's subtrees have cost little
    kWitnessInOrder = 2048,  // and every call takes the node's variable first, value by value
    kLineGroups = 4096,      // disjoint distinct sums of one AllDiff together; a sum's last
                             // cells keep only values that complete it
    kEdgeFinding = 8192,     // an operation that cannot end before a set of its machine's
                             // follows all of it (and the mirror: precedes)
};
inline constexpr unsigned kAllRefuteRules = kForwardCheck | kMatching | kSumHoles | kKnapsack |
                                            kLookahead | kDistinctSum | kNogoods | kOverload |
                                            kWitness | kLineGroups | kEdgeFinding;

// A second store of the search's domains, with holes, narrowed by rules
// stronger than the search's own propagation. It only ever answers whether
// a node can still hold a solution: every value it removes belongs to no
// solution below the node, so a node whose store empties holds none. It
// never writes the domains the search branches on.
//
// The store follows the search down a path: a child starts from its
// parent's store narrowed to its own domains (both only lose values without
// support below the parent), and an undo restores it from its own trail.
// Whether every AllDiff of `net` has at least as many values in the span
// of its `domains` as it has positions; false (a pigeonhole) proves that
// there is no solution.
bool all_diffs_fit(const Network& net, const std::vector<Domain>& domains);

class Refuter {
  public:
    Refuter(const Network& net, unsigned rules);

    // The root: every variable from `domains`, then the rules to their
    // fixpoint, or (not `full`) each rule once; false when that shows that
    // there is no solution.
    bool start(const std::vector<Domain>& domains, bool full);
    unsigned rules() const { return rules_; }
    // After start: whether some rule can do more than the search's own
    // propagation (if not, the store is not kept).
    bool active() const { return active_; }
    // A new node: its first change of each variable is recorded.
    void open_node() {
        ++node_;
        settled_ = true;
    }
    std::size_t mark() const { return trail_.size(); }
    void undo_to(std::size_t mark);
    // x's domain in the search is now d, inside what it was at the parent.
    bool narrow(VarIndex x, const Domain& d);
    // Runs the rules woken since the last call; false: the node holds no
    // solution. Stops early (true) after a budget of runs per node.
    bool propagate() { return propagate(64 + 4 * queued_.size()); }
    bool propagate(std::uint64_t budget);

    // Tries each value of the AllDiff variables with the fewest values left
    // (a value whose trial fails is removed) and propagates; false: the node
    // holds no solution.
    bool look_ahead();

    // Whether a node's store says all there is to say about the rest of the
    // search: every constraint is a Neq or an AllDiff that the store checks
    // forward, so one with a fixed variable holds once its value left the
    // others, and the node's rules ran to their fixpoint. Then the subtree
    // holds a solution exactly when the unfixed variables of the store can
    // take values of theirs that satisfy the constraints between them, which
    // depends on nothing but those domains.
    bool settled() const { return keyed_ && settled_; }
    // The store's unfixed domains, each as its variable, its bounds and the
    // words of its values from lo on.
    void key(std::vector<std::uint64_t>& out) const;
    // x's bounds and, when it has holes and is not fixed, the words of its
    // values from lo on.
    void append_domain(VarIndex x, std::vector<std::uint64_t>& out) const;

    // The least value of x from v on, or x's hi + 1 when there is none.
    Wide next_value(VarIndex x, Wide v) const;

    std::uint64_t runs() const { return runs_; }

    // ---- trials, for a search of its own inside the store (witness.hpp) ----
    // A trial node below the current one: x set to v (exclude: v removed
    // from x), then the rules; false when the store empties.
    bool trial(VarIndex x, Wide v, bool exclude);
    // A trial node with x narrowed to lo..hi, then the rules.
    bool trial_within(VarIndex x, Wide lo, Wide hi);
    // Undoes the trials since `mark`; later changes are recorded afresh.
    void end_trials(std::size_t mark) {
        undo_to(mark);
        ++node_;
    }
    bool is_fixed(VarIndex x) const { return doms_[x].lo == doms_[x].hi; }
    std::int64_t lo(VarIndex x) const { return doms_[x].lo; }
    std::int64_t hi(VarIndex x) const { return doms_[x].hi; }
    // Values held, counted up to `cap`.
    Wide count(VarIndex x, Wide cap) const { return size(x, cap); }
    bool holds(VarIndex x, Wide v) const { return contains(x, v); }
    // Bit i: x holds v0 + i.
    std::uint64_t values_from(VarIndex x, Wide v0) const { return window(x, v0); }
    // AllDiffs and cliques without offsets whose positions must take every
    // value of lo..lo + size - 1: each value goes to one of them.
    struct Permutation {
        std::size_t begin;  // into permutation_vars()
        std::size_t end;
        std::int64_t lo;
    };
    const std::vector<Permutation>& permutations() const { return permutations_; }
    const std::vector<VarIndex>& permutation_vars() const { return permutation_vars_; }
    // The unit sum u = q + k that defines u when the store skips it (no rule
    // it runs reads u, so u follows q nowhere in the store); kNoSum if none.
    static constexpr std::uint32_t kNoSum = ~std::uint32_t{0};
    std::uint32_t view_sum(VarIndex u) const { return view_sum_.empty() ? kNoSum : view_sum_[u]; }

  private:
    struct Dom {
        std::int64_t lo = 0;
        std::int64_t hi = 0;
        std::int64_t base = 0;    // value of bit 0
        std::uint32_t at = 0;     // first word in bits_
        std::uint32_t words = 0;  // 0: an interval without holes
    };
    struct Saved {
        VarIndex x;
        std::int64_t lo;
        std::int64_t hi;
        std::size_t bits_at;  // its words in saved_bits_
    };
    // A Linear over 0/1 variables with nonnegative weights bounded above,
    // and one over the same variables with nonnegative values bounded
    // below: their items by value per weight, best first.
    struct Knapsack {
        std::uint32_t capacity_of;  // propagator
        std::uint32_t value_of;
        Wide capacity;
        Wide need;
        std::vector<VarIndex> items;
        std::vector<std::int64_t> weight;
        std::vector<std::int64_t> value;
    };

    template <class Narrow>
    bool trial_step(Narrow narrow);
    bool contains(VarIndex x, Wide v) const;
    Wide size(VarIndex x, Wide cap) const;
    // The queue emptied without running it.
    void drop_queue();
    bool drain(std::uint64_t budget);
    Wide prev_value(VarIndex x, Wide v) const;
    // Bit i: x holds v0 + i.
    std::uint64_t window(VarIndex x, Wide v0) const;
    std::uint64_t word(const Dom& d, std::int64_t q) const;

    void record(VarIndex x);
    void changed(VarIndex x);
    bool raise(VarIndex x, Wide v);
    bool lower(VarIndex x, Wide v);
    bool remove(VarIndex x, Wide v);
    // Keeps of x's values v0..v0+63 those whose bit is set in `keep`.
    bool keep(VarIndex x, Wide v0, std::uint64_t keep);
    bool refit(VarIndex x);
    // x keeps the values v with y holding v - off (flip: off - v).
    bool follow(VarIndex x, VarIndex y, Wide off, bool flip);

    bool run(std::uint32_t k);
    bool run_neq(VarIndex a, VarIndex b);
    bool run_linear(const Propagator& p);
    // Values vars[i] + offsets[i] pairwise different (no offsets: 0).
    // near: the offsets in 64 bits when narrow_values holds for them, else
    // null; kept: then the values of a matching of an earlier run.
    bool run_all_diff(const VarIndex* vars, const Wide* offsets, const std::int64_t* near,
                      std::int64_t* kept, std::size_t m);
    template <std::size_t words>
    bool filter_all_diff(const VarIndex* vars, const Wide* offsets, const std::int64_t* near,
                         std::int64_t* kept, std::size_t m, Wide base);
    static bool narrow_values(const std::vector<Domain>& root, const VarIndex* vars,
                              const Wide* offsets, std::size_t m);
    std::uint64_t bits_from(const Dom& d, std::int64_t o) const;
    void find_near(const std::vector<Domain>& root);
    bool run_knapsack(const Knapsack& s);
    bool run_distinct_sum(const Propagator& p);
    bool run_machine(std::size_t m);
    bool run_edge_finding(std::size_t m);
    void find_machines(const std::vector<Domain>& root);
    void find_distinct_sums();
    bool run_line_group(std::size_t g);
    bool run_completion(const Propagator& p);
    void find_line_groups();
    void prepare(const std::vector<Domain>& root);
    void find_knapsacks(const std::vector<Domain>& root);
    void find_cliques(const std::vector<Domain>& root);
    void find_wakes();
    void find_permutations(const std::vector<Domain>& root);

    const Network& net_;
    unsigned rules_;
    bool active_ = false;
    std::vector<Dom> doms_;
    std::vector<std::uint64_t> bits_;

    std::vector<Saved> trail_;
    std::vector<std::uint64_t> saved_bits_;
    std::vector<std::uint64_t> stamp_;
    std::uint64_t node_ = 1;

    std::vector<std::uint32_t> queue_;
    std::size_t queue_head_ = 0;
    std::vector<char> queued_;
    std::vector<char> skip_;               // rules that a clique makes redundant
    std::vector<std::uint32_t> view_sum_;  // by variable, see view_sum
    std::vector<Permutation> permutations_;
    std::vector<VarIndex> permutation_vars_;
    std::vector<std::size_t> wake_begin_;  // by variable, into wakes_
    std::vector<std::uint32_t> wakes_;
    bool probing_ = false;  // inside a look-ahead trial
    bool keyed_ = false;    // only Neqs and AllDiffs, checked forward
    bool settled_ = true;   // no run cut short by the budget at this node
    std::uint64_t runs_ = 0;

    // Cliques of Neq over views x + offset, checked like AllDiffs; numbered after the propagators.
    std::vector<VarIndex> clique_vars_;
    std::vector<Wide> clique_offsets_;
    std::vector<std::size_t> clique_begin_;

    // By propagator: a Linear with one coefficient over variables of one AllDiff.
    std::vector<char> distinct_sum_;
    // Groups of pairwise disjoint distinct sums over one AllDiff, their
    // propagators end to end; numbered after the cliques.
    std::vector<std::uint32_t> group_lines_;
    std::vector<std::size_t> group_begin_;
    std::uint32_t first_group_ = 0;
    std::vector<Wide> group_scratch_;
    // Variables of AllDiffs and cliques, each once: the look-ahead's candidates.
    std::vector<VarIndex> probe_vars_;

    // Machines: starts that pairs of Linears keep apart by an order
    // variable, each with the least length that its pairs give it.
    std::vector<VarIndex> machine_starts_;
    std::vector<Wide> machine_lengths_;
    std::vector<std::size_t> machine_begin_;
    std::vector<std::int32_t> machine_of_;  // by propagator, -1: none
    std::vector<char> machine_dirty_;       // a sum of its pairs ran since its last check
    std::vector<std::size_t> dirty_machines_;
    std::vector<std::size_t> machines_;  // scratch: the dirty ones being run
    std::vector<std::uint32_t> order_;   // scratch
    std::vector<Wide> edge_scratch_;

    std::vector<Knapsack> knapsacks_;
    std::vector<std::vector<std::uint32_t>> knapsacks_of_;  // by propagator
    // By rule: an AllDiff or clique whose values and offsets fit in 64 bits.
    std::vector<char> near_;
    std::vector<std::int64_t> near_zero_;    // the offsets of AllDiffs
    std::vector<std::int64_t> clique_near_;  // clique_offsets_ in 64 bits, where they fit
    std::vector<std::uint64_t> masks_;       // AllDiff scratch
    std::vector<std::uint32_t> open_;
    std::vector<char> dirty_;
    // By position of each such rule from kept_at_ on: the value (with its
    // offset) of the last matching found, or none. Any matching found
    // earlier on the path is still one where its values are still held.
    std::vector<std::int64_t> kept_;
    std::vector<std::size_t> kept_at_;
    std::vector<std::int32_t> owner_;
    std::vector<std::uint64_t> seen_;
};

}  // namespace nemox::cp
