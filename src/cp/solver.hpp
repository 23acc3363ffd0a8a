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

namespace nemox::cp {

// The search over one problem's engine: first-fail branching, values in
// increasing order, depth first, undo by the engine's trail.
class CpSolver {
  public:
    explicit CpSolver(const CpProblem& problem, Interrupt interrupt = Interrupt());

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

    Engine engine_;
    // In step with the domains of the trail's first synced_ entries.
    BranchOrder order_;
    std::size_t synced_ = 0;
};

// Entry flow after parsing: build, propagate, search.
SolverResult solve_cp(const CpProblem& problem, Interrupt interrupt = Interrupt(),
                      CpStats* stats = nullptr);

}  // namespace nemox::cp
