#include "roads/roads.hpp"

#include <chrono>
#include <utility>

#include "cp/solver.hpp"
#include "lp/solver.hpp"
#include "milp/solver.hpp"
#include "parser/cp_format.hpp"
#include "parser/dimacs.hpp"
#include "parser/lp_format.hpp"
#include "sat/solver.hpp"

namespace nemox::roads {

namespace {

using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

Expected<SolverResult> solve_sat(std::string_view text, Interrupt interrupt,
                                 double answer_bytes_per_var, sat::ProofSink* proof, Stats* stats) {
    const auto start = Clock::now();
    auto parsed = parser::parse_dimacs(text);
    if (!parsed.ok()) return Expected<SolverResult>::failure(parsed.error());
    const double read = seconds_since(start);
    sat::Solver solver(interrupt, answer_bytes_per_var);
    solver.set_proof(proof);
    solver.load(parsed.value());
    SolverResult result = solver.solve();
    if (stats != nullptr) {
        *stats = {read,
                  seconds_since(start) - read,
                  {{"variables", solver.num_vars()},
                   {"clauses", parsed.value().clause_count()},
                   {"decisions", solver.decisions()},
                   {"conflicts", solver.conflicts()},
                   {"watch visits", solver.watch_visits()}}};
    }
    return result;
}

Expected<LpResult> solve_lp(std::string_view text, Interrupt interrupt, Stats* stats) {
    const auto start = Clock::now();
    auto parsed = parser::read_lp_text(text);
    if (!parsed.ok()) return Expected<LpResult>::failure(parsed.error());
    const double read = seconds_since(start);
    const bool big_reading = parsed.value().big.has_value();
    lp::LpSolver solver(interrupt);
    solver.load(std::move(parsed.value()));
    LpResult result = solver.solve();
    if (stats != nullptr) {
        *stats = {read,
                  seconds_since(start) - read,
                  {{"pivots", solver.stats().pivots},
                   {"big numbers read", big_reading ? 1u : 0u},
                   {"big numbers solved", solver.stats().big ? 1u : 0u}}};
    }
    return result;
}

Expected<LpResult> solve_milp(std::string_view text, Interrupt interrupt, Stats* stats) {
    const auto start = Clock::now();
    auto parsed = parser::read_lp_text(text);
    if (!parsed.ok()) return Expected<LpResult>::failure(parsed.error());
    const double read = seconds_since(start);
    milp::SearchStats search;
    LpResult result = milp::branch_and_bound(parsed.value(), interrupt, &search);
    if (stats != nullptr) {
        *stats = {read,
                  seconds_since(start) - read,
                  {{"nodes examined", search.examined},
                   {"LP solves", search.lp_solves},
                   {"pivots", search.pivots}}};
    }
    return result;
}

Expected<SolverResult> solve_cp(std::string_view text, Interrupt interrupt, Stats* stats) {
    const auto start = Clock::now();
    auto parsed = parser::parse_cp(text);
    if (!parsed.ok()) return Expected<SolverResult>::failure(parsed.error());
    const double read = seconds_since(start);
    cp::CpStats search;
    SolverResult result = cp::solve_cp(parsed.value(), interrupt, &search);
    if (stats != nullptr) {
        *stats = {read,
                  seconds_since(start) - read,
                  {{"nodes", search.nodes}, {"propagator runs", search.propagator_runs}}};
    }
    return result;
}

}  // namespace nemox::roads
