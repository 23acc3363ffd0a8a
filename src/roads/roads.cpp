#include "roads/roads.hpp"

#include <utility>

#include "cp/solver.hpp"
#include "lp/solver.hpp"
#include "milp/solver.hpp"
#include "parser/cp_format.hpp"
#include "parser/dimacs.hpp"
#include "parser/lp_format.hpp"
#include "sat/solver.hpp"

namespace nemox::roads {

Expected<SolverResult> solve_sat(std::string_view text, Interrupt interrupt,
                                 double answer_bytes_per_var, sat::ProofSink* proof) {
    auto parsed = parser::parse_dimacs(text);
    if (!parsed.ok()) return Expected<SolverResult>::failure(parsed.error());
    return sat::solve_cnf(parsed.value(), interrupt, answer_bytes_per_var, proof);
}

Expected<LpResult> solve_lp(std::string_view text, Interrupt interrupt) {
    auto parsed = parser::read_lp_text(text);
    if (!parsed.ok()) return Expected<LpResult>::failure(parsed.error());
    lp::LpSolver solver(interrupt);
    solver.load(std::move(parsed.value()));
    return solver.solve();
}

Expected<LpResult> solve_milp(std::string_view text, Interrupt interrupt) {
    auto parsed = parser::read_lp_text(text);
    if (!parsed.ok()) return Expected<LpResult>::failure(parsed.error());
    return milp::branch_and_bound(parsed.value(), interrupt);
}

Expected<SolverResult> solve_cp(std::string_view text, Interrupt interrupt) {
    auto parsed = parser::parse_cp(text);
    if (!parsed.ok()) return Expected<SolverResult>::failure(parsed.error());
    return cp::solve_cp(parsed.value(), interrupt);
}

}  // namespace nemox::roads
