#pragma once

#include <optional>
#include <string>

#include "core/solver_result.hpp"
#include "cp/model.hpp"
#include "sat/cnf.hpp"

// Checks of an answer against the problem it answers, in exact arithmetic:
// each gives the first thing the answer gets wrong, or nothing. An UNSAT
// answer has nothing to check here (a SAT proof covers that).
namespace nemox::roads {

// Every clause has a true literal under the model.
std::optional<std::string> sat_answer_error(const sat::Cnf& cnf, const SolverResult& result);

// Every variable has a value in its range, and every constraint holds.
std::optional<std::string> cp_answer_error(const cp::CpProblem& problem,
                                           const SolverResult& result);

}  // namespace nemox::roads
