#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/assignment.hpp"
#include "core/failure.hpp"
#include "core/interrupt.hpp"
#include "core/solver_result.hpp"
#include "cp/branch_order.hpp"
#include "cp/engine.hpp"
#include "cp/model.hpp"
#include "cp/propagator.hpp"
#include "cp/refuter.hpp"
#include "cp/witness.hpp"

namespace nemox::cp {

// Nodes of the plain search before the refuter joins it.
inline constexpr std::uint64_t kRefuteAfter = 256;
// Words of the keys of empty subtrees that one search keeps (32 MB).
inline constexpr std::size_t kNogoodWords = std::size_t{1} << 22;
// Rule runs of the oracle beyond the search's own and those it saved, and
// the least and the greatest budget of one call.
inline constexpr std::uint64_t kWitnessAllowance = std::uint64_t{1} << 18;
inline constexpr std::uint64_t kWitnessFirstBudget = std::uint64_t{1} << 10;
inline constexpr std::uint64_t kWitnessMaxBudget = std::uint64_t{1} << 26;
// From this budget on, a call takes the node's variable first (witness.hpp):
// a long call that runs out then loses only the value it was searching.
inline constexpr std::uint64_t kWitnessInOrderBudget = std::uint64_t{1} << 20;

// The search over one problem's engine: first-fail branching, values in
// increasing order, depth first, undo by the engine's trail.
//
// What it must reproduce, step for step: the first solution of the plain
// depth-first search over interval domains, in which every node propagates
// the rules of rules.hpp to their fixpoint, branches on the unfixed variable
// of fewest values (ties to the lowest index) and tries its values upwards;
// or no solution. The branching variable and its values come from those
// domains only, so the order in which subtrees are visited is fixed by them.
//
// What may differ: how a subtree without a solution is found to be empty.
// The refuter (refuter.hpp) keeps a stronger store beside the domains and may
// close a node whose subtree it proves empty; the plain search would have
// visited that subtree, found nothing and gone on to the next value, so the
// first solution, or its absence, is the same. Its trials of single values
// (the look-ahead) run in its own store and are undone there, so they too
// only ever remove values without a solution below. It never writes the domains
// the search branches on: a narrower domain there would change the order.
// A run of values that the engine's probe shows to fail is passed over for
// the same reason. Only the node count falls; a value closed that way still
// counts as one node.
//
// The oracle (witness.hpp) goes further inside the refuter's store: a
// budgeted complete search of its own, in an order of its own, over a run
// of a node's next values at once (the store narrowed to them). When it
// exhausts them, none of those children holds a solution and each closes
// like a refuted one. When it ends in an assignment that satisfies every
// constraint, that solution lies inside the node's domains and stays inside
// them down the path (every rule only removes values of no solution), so
// the search cannot leave the child that agrees with it without an answer:
// only the values before that child's remain to be asked about, and the
// child inherits the witness. A call whose budget runs out still closes the
// values at the bottom of its order that it searched through, when its
// order took the node's variable first, least value first; a call with a
// large budget takes it so, value by value, and then closes those before
// its solution too. A witness never
// closes or opens anything, so even a wrong one could not change the
// answer; it only spares calls. Its budgets count rule runs, never time,
// and it is called only below nodes whose children's subtrees have cost the
// search more than the least budget, so node counts and answers are the
// same on every machine; its work stays within the search's own plus what
// its verdicts saved and an allowance.
class CpSolver {
  public:
    // The refuter follows the search from `refute_after` nodes on (0: from
    // the root).
    explicit CpSolver(const CpProblem& problem, Interrupt interrupt = Interrupt(),
                      unsigned refute_rules = kAllRefuteRules,
                      std::uint64_t refute_after = kRefuteAfter);

    const std::vector<Domain>& domains() const { return engine_.domains(); }
    const std::vector<Propagator>& propagators() const { return engine_.net().propagators; }
    const CpStats& stats() const { return engine_.stats(); }

    // Runs every propagator to the common fixpoint; false when one fails.
    bool propagate_all();

    // Depth-first search for the first solution: smallest domain first (ties
    // to the lowest index), values in increasing order. Iterative.
    std::optional<Assignment> search();

    bool all_fixed() const { return order_.empty() && !engine_.has_empty(); }
    Assignment fixed_assignment() const;

  private:
    // Brings the order up to date with the variables recorded on the trail
    // since the last sync; a failed node is undone before it would count.
    void sync_order();
    void undo_to(std::size_t mark);
    // The refuter narrowed to the domains changed since `mark` and run;
    // false when it shows that the node holds no solution.
    bool refute_node(std::size_t mark);
    // Starts the refuter's store at the root and brings it down the open
    // frames, whose trail marks are `marks`, noting its mark for each; the
    // number of frames whose node it does not refute (all of them when the
    // refuter has nothing to add).
    std::size_t join_path(const std::vector<std::size_t>& marks,
                          std::vector<std::size_t>& refuter_marks);

    Engine engine_;
    Refuter refuter_;
    WitnessSearch oracle_;
    std::uint64_t refute_after_;
    // In step with the domains of the trail's first synced_ entries.
    BranchOrder order_;
    std::size_t synced_ = 0;
};

// Entry flow after parsing: build, propagate, search.
SolverResult solve_cp(const CpProblem& problem, Interrupt interrupt = Interrupt(),
                      CpStats* stats = nullptr, unsigned refute_rules = kAllRefuteRules,
                      std::uint64_t refute_after = kRefuteAfter);

}  // namespace nemox::cp
