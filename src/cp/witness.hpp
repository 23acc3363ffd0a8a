#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "core/interrupt.hpp"
#include "cp/model.hpp"
#include "cp/propagator.hpp"
#include "cp/refuter.hpp"

namespace nemox::cp {

// Whether `values` (one per variable) satisfies every propagator of `net`,
// checked directly on the values, in exact arithmetic.
bool satisfies(const Network& net, const std::vector<std::int64_t>& values);

// Words of the keys of empty subtrees that the oracle keeps (32 MB).
inline constexpr std::size_t kEmptyKeyWords = std::size_t{1} << 22;
// Subtrees of fewer trials are not worth a key.
inline constexpr std::uint64_t kKeyedSubtree = 8;

// A complete depth-first search of its own inside the refuter's store, from
// the node the store stands at, with an order of its own: the variable with
// the fewest values left in the store (ties to the one in most constraints,
// then the lowest index), its least value first, then that value excluded;
// a view that no rule of the store reads is not branched on but set from
// its sum at the end.
// It answers for the node's whole subtree, whatever its order:
// - Empty: every branch emptied the store or ended in an assignment that
//   is no solution, and the store only loses values without support, so
//   the node holds no solution;
// - Witness: a solution, checked by `satisfies`, inside the store and so
//   inside the node's domains;
// - Unknown: its budget of rule runs (and trials) ran out first.
// Given a variable `first`, an Unknown still answers for the values of it
// whose subtrees the search exhausted before its budget ran out, as long as
// the search took them first, least value first, from the call's node:
// every value of `first` below `closed_to` holds no solution. `in_order`
// makes it take them so, one by one, and its own order only below each;
// then a Witness answers for the values before its own too. The budget of
// a call that runs out is then not all lost, and one that finds a solution
// also shows the values before it empty.
// The store is left as it was found.
// A node's subtree holds a solution exactly when some values of the store's
// domains satisfy every constraint, so a node whose domains equal those of
// an exhausted one, in this call or an earlier one, holds none either. The
// views are left out of that key: the store skips them because nothing but
// their own sum reads them, which the bounds of the variable they follow
// already meet.
class WitnessSearch {
  public:
    enum class Verdict { Empty, Witness, Unknown };
    struct Outcome {
        Verdict verdict;
        std::uint64_t nodes;
        std::uint64_t runs;  // of the store's rules
        Wide closed_to;      // values of `first` below it hold no solution (0 without one)
    };
    static constexpr VarIndex kNone = ~VarIndex{0};

    explicit WitnessSearch(const Network& net);

    // No trial starts once `budget` rule runs are spent; polls `interrupt`
    // once per trial.
    Outcome run(Refuter& store, std::uint64_t budget, Interrupt& interrupt, std::uint64_t progress,
                VarIndex first = kNone, bool in_order = true);
    // The solution of the last run that found one.
    const std::vector<std::int64_t>& witness() const { return witness_; }

  private:
    static constexpr std::uint32_t kTaken = ~std::uint32_t{0};
    // The next branching variable and value; x is kNone when every one is
    // fixed.
    struct Pick {
        VarIndex x;
        std::int64_t v;
    };
    Pick choose(const Refuter& store);
    // The least value of `first` not yet shown empty by the choices on it
    // at the bottom of the stack.
    Wide closed_to(Wide from) const;
    // The witness from the store's fixed values; false when it is none.
    bool complete(const Refuter& store);

    struct Choice {
        VarIndex x;
        std::int64_t v;
        std::size_t mark;
        bool excluded;        // the second branch: v removed from x
        std::size_t key_at;   // the node's key in keys_
        std::uint64_t nodes;  // trials before this node's
    };
    struct KeyHash {
        std::size_t operator()(const std::vector<std::uint64_t>& k) const;
    };

    const Network& net_;
    std::vector<std::uint32_t> degree_;
    std::vector<VarIndex> branched_;      // unfixed at the call's start, and not views
    std::vector<VarIndex> keyed_;         // not views: their domains decide a node
    std::vector<std::uint32_t> holders_;  // scratch: by value, the positions that hold it
    std::vector<std::uint64_t> keys_;     // of the open choices, end to end
    // Nodes of any call whose subtrees held no solution, by their domains.
    std::unordered_set<std::vector<std::uint64_t>, KeyHash> empty_;
    std::size_t empty_words_ = 0;
    std::vector<Choice> stack_;
    VarIndex first_ = kNone;
    bool in_order_ = true;
    std::size_t leading_ = 0;  // choices on first_ at the bottom of the stack
    std::vector<std::int64_t> witness_;
};

}  // namespace nemox::cp
