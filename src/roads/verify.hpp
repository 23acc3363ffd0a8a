#pragma once

#include <optional>
#include <span>
#include <string>

#include "core/lp_result.hpp"
#include "core/solver_result.hpp"
#include "cp/model.hpp"
#include "linear/big_rational.hpp"
#include "linear/system.hpp"
#include "parser/mps.hpp"
#include "roads/roads.hpp"
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

// LP and MILP: `exact` holds the exact value of each pair of the answer's
// model, in its order. Every variable has a value, reported as its exact
// value reads (an integer, or the nearest double), non-negative; every
// constraint holds; with `integers`, the variables marked int are integral.
std::optional<std::string> lp_answer_error(const linear::ExactSystem& system,
                                           const LpResult& result,
                                           std::span<const linear::BigRational> exact,
                                           bool integers);

// An MPS answer by column of the file, `exact` the exact value of each
// column in column order, checked against the file itself rather than its
// rewritten system: every value reported as it reads and within the file's
// bounds, integral on the file's integer columns with `integers`, every row
// (with its range) holding, and an optimal objective equal to the one the
// values give with the file's constant.
std::optional<std::string> mps_answer_error(const parser::MpsModel& model, const LpResult& result,
                                            std::span<const linear::BigRational> exact,
                                            bool integers);

// The certificate of an LP or MILP answer (see LpCertificate), checked
// exactly against its system: nothing when it proves what it claims for
// `result`. An OPTIMAL LP answer is then proven optimal, an INFEASIBLE or
// UNBOUNDED one proven so; a MILP incumbent is checked against the root's
// bound, which it may not beat.
std::optional<std::string> certificate_error(const LpResult& result,
                                             const LpCertificate& certificate);

}  // namespace nemox::roads
