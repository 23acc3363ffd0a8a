#include "roads/roads.hpp"

#include <chrono>
#include <utility>

#include "cp/solver.hpp"
#include "lp/solver.hpp"
#include "milp/solver.hpp"
#include "parser/cp_format.hpp"
#include "parser/dimacs.hpp"
#include "parser/lp_format.hpp"
#include "parser/mps.hpp"
#include "sat/solver.hpp"

namespace nemox::roads {

namespace {

using Clock = std::chrono::steady_clock;
using Counters = std::vector<std::pair<std::string, std::uint64_t>>;

double seconds_since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Reads, then solves; `solve` fills the counters when they are asked for.
template <class Result, class Read, class Solve>
Expected<Result> road(std::string_view text, Stats* stats, Read read, Solve solve) {
    const auto start = Clock::now();
    auto parsed = read(text);
    if (!parsed.ok()) return Expected<Result>::failure(parsed.error());
    const double read_seconds = seconds_since(start);
    Result result = solve(parsed.value(), stats != nullptr ? &stats->counters : nullptr);
    if (stats != nullptr) {
        stats->read_seconds = read_seconds;
        stats->solve_seconds = seconds_since(start) - read_seconds;
    }
    return result;
}

Counters lp_counters(const lp::SolveStats& s, bool big_reading) {
    return {{"pivots", s.pivots},
            {"phase 1 pivots", s.phase1_pivots},
            {"big numbers read", big_reading ? 1u : 0u},
            {"big numbers solved", s.big ? 1u : 0u},
            {"factorized engine", s.revised ? 1u : 0u},
            {"refactorizations", s.refactorizations},
            {"largest number bits", s.max_bits}};
}

}  // namespace

Expected<SolverResult> solve_sat(std::string_view text, Interrupt interrupt,
                                 double answer_bytes_per_var, sat::ProofSink* proof, Stats* stats) {
    return road<SolverResult>(text, stats, parser::parse_dimacs, [&](sat::Cnf& cnf, Counters* c) {
        sat::Solver solver(interrupt, answer_bytes_per_var);
        solver.set_proof(proof);
        solver.load(cnf);
        SolverResult result = solver.solve();
        if (c != nullptr) {
            *c = {{"variables", solver.num_vars()},
                  {"clauses", cnf.clause_count()},
                  {"decisions", solver.decisions()},
                  {"conflicts", solver.conflicts()},
                  {"watch visits", solver.watch_visits()}};
        }
        return result;
    });
}

Expected<LpResult> solve_lp(std::string_view text, Interrupt interrupt, Stats* stats) {
    return road<LpResult>(text, stats, parser::read_lp_text,
                          [&](linear::ExactSystem& system, Counters* c) {
                              const bool big_reading = system.big.has_value();
                              lp::LpSolver solver(interrupt);
                              solver.load(std::move(system));
                              LpResult result = solver.solve();
                              if (c != nullptr) *c = lp_counters(solver.stats(), big_reading);
                              return result;
                          });
}

Expected<MpsAnswer> solve_mps(std::string_view text, bool integers, parser::MpsFormat format,
                              Interrupt interrupt, Stats* stats) {
    const auto read = [format](std::string_view t) { return parser::read_mps(t, format); };
    return road<MpsAnswer>(text, stats, read, [&](parser::MpsModel& model, Counters* c) {
        const bool big_reading = model.system.big.has_value();
        LpResult result;
        if (integers) {
            milp::SearchStats search;
            result = milp::branch_and_bound(model.system, interrupt, &search);
            if (c != nullptr) {
                *c = {{"nodes examined", search.examined},
                      {"LP solves", search.lp_solves},
                      {"pivots", search.pivots}};
            }
        } else {
            lp::LpSolver solver(interrupt);
            solver.load(std::move(model.system));
            result = solver.solve();
            if (c != nullptr) *c = lp_counters(solver.stats(), big_reading);
        }
        if (result.kind == LpResult::Kind::Optimal || result.kind == LpResult::Kind::Feasible)
            result.assignment = parser::column_values(model, result.assignment);
        MpsAnswer answer{std::move(result), {}};
        answer.names.reserve(model.columns.size());
        for (const auto& col : model.columns) answer.names.push_back(col.name);
        return answer;
    });
}

Expected<LpResult> solve_milp(std::string_view text, Interrupt interrupt, Stats* stats) {
    return road<LpResult>(text, stats, parser::read_lp_text,
                          [&](linear::ExactSystem& system, Counters* c) {
                              milp::SearchStats search;
                              LpResult result = milp::branch_and_bound(system, interrupt, &search);
                              if (c != nullptr) {
                                  *c = {{"nodes examined", search.examined},
                                        {"LP solves", search.lp_solves},
                                        {"pivots", search.pivots}};
                              }
                              return result;
                          });
}

Expected<SolverResult> solve_cp(std::string_view text, Interrupt interrupt, Stats* stats) {
    return road<SolverResult>(
        text, stats, parser::parse_cp, [&](cp::CpProblem& problem, Counters* c) {
            cp::CpStats search;
            SolverResult result = cp::solve_cp(problem, interrupt, &search);
            if (c != nullptr)
                *c = {{"nodes", search.nodes}, {"propagator runs", search.propagator_runs}};
            return result;
        });
}

}  // namespace nemox::roads
