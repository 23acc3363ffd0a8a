#pragma once

#include <string_view>

#include "core/expected.hpp"
#include "core/interrupt.hpp"
#include "core/lp_result.hpp"
#include "core/solver_result.hpp"
#include "sat/proof.hpp"

// The four roads from text to answer: read the text (a message when it is
// malformed), then solve. The Python module and the command both enter here.
namespace nemox::roads {

// DIMACS CNF. `answer_bytes_per_var`: what the caller's form of the model
// needs per variable, counted in the memory check before the tables exist.
// `proof` receives every learnt clause and, for UNSAT, the empty one.
Expected<SolverResult> solve_sat(std::string_view text, Interrupt interrupt = Interrupt(),
                                 double answer_bytes_per_var = 0, sat::ProofSink* proof = nullptr);
// LP text, its continuous relaxation solved once.
Expected<LpResult> solve_lp(std::string_view text, Interrupt interrupt = Interrupt());
// LP text with integer variables, by branch and bound.
Expected<LpResult> solve_milp(std::string_view text, Interrupt interrupt = Interrupt());
// CP text.
Expected<SolverResult> solve_cp(std::string_view text, Interrupt interrupt = Interrupt());

}  // namespace nemox::roads
