#include "cp/solver.hpp"

#include <algorithm>
#include <utility>

namespace nemox::cp {

CpSolver::CpSolver(const CpProblem& problem, Interrupt interrupt, unsigned refute_rules,
                   std::uint64_t refute_after)
    : engine_(problem, interrupt),
      refuter_(engine_.net(), refute_rules),
      oracle_(engine_.net()),
      refute_after_(refute_after) {
    order_.reset(engine_.domains());
}

bool CpSolver::propagate_all() {
    if (!engine_.propagate_all()) return false;
    sync_order();
    return true;
}

Assignment CpSolver::fixed_assignment() const {
    Assignment a;
    a.reserve(engine_.domains().size());
    for (std::size_t i = 0; i < engine_.domains().size(); ++i)
        a.append_new(i, Value{engine_.domains()[i].lo});
    return a;
}

void CpSolver::undo_to(std::size_t mark) {
    engine_.undo_to(mark, [this](std::size_t at, const Engine::TrailEntry& e) {
        // Changes after the last sync never reached the order.
        if (at < synced_) order_.sync(e.var, e.old);
    });
    synced_ = std::min(synced_, mark);
}

void CpSolver::sync_order() {
    for (std::size_t i = synced_; i < engine_.trail().size(); ++i) {
        const VarIndex x = engine_.trail()[i].var;
        order_.sync(x, engine_.domain(x));
    }
    synced_ = engine_.trail().size();
}

SolverResult solve_cp(const CpProblem& problem, Interrupt interrupt, CpStats* stats,
                      unsigned refute_rules, std::uint64_t refute_after) {
    CpSolver solver(problem, interrupt, refute_rules, refute_after);
    std::optional<Assignment> found;
    try {
        if (solver.propagate_all()) {
            found = solver.all_fixed() ? std::optional<Assignment>(solver.fixed_assignment())
                                       : solver.search();
        }
    } catch (const Interrupted&) {
        // What an interrupted search did is still worth reporting.
        if (stats != nullptr) *stats = solver.stats();
        throw;
    }
    if (stats != nullptr) *stats = solver.stats();
    return found ? SolverResult::sat(std::move(*found)) : SolverResult::unsat();
}

}  // namespace nemox::cp
