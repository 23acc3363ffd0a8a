#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/interrupt.hpp"
#include "cp/model.hpp"
#include "cp/propagator.hpp"
#include "cp/refuter.hpp"

namespace nemox::cp {

// Whether `values` (one per variable) satisfies every propagator of `net`,
// checked directly on the values, in exact arithmetic.
bool satisfies(const Network& net, const std::vector<std::int64_t>& values);

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
// The store is left as it was found.
class WitnessSearch {
  public:
    enum class Verdict { Empty, Witness, Unknown };
    struct Outcome {
        Verdict verdict;
        std::uint64_t nodes;
        std::uint64_t runs;  // of the store's rules
    };

    explicit WitnessSearch(const Network& net);

    // No trial starts once `budget` rule runs are spent; polls `interrupt`
    // once per trial.
    Outcome run(Refuter& store, std::uint64_t budget, Interrupt& interrupt, std::uint64_t progress);
    // The solution of the last run that found one.
    const std::vector<std::int64_t>& witness() const { return witness_; }

  private:
    static constexpr VarIndex kNone = ~VarIndex{0};
    // The next branching variable, or kNone when every one is fixed.
    VarIndex choose(const Refuter& store) const;
    // The witness from the store's fixed values; false when it is none.
    bool complete(const Refuter& store);

    struct Choice {
        VarIndex x;
        std::int64_t v;
        std::size_t mark;
        bool excluded;  // the second branch: v removed from x
    };

    const Network& net_;
    std::vector<std::uint32_t> degree_;
    std::vector<VarIndex> branched_;  // unfixed at the call's start, and not views
    std::vector<Choice> stack_;
    std::vector<std::int64_t> witness_;
};

}  // namespace nemox::cp
