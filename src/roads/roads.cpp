#include "roads/roads.hpp"

#include <chrono>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "core/failure.hpp"
#include "cp/solver.hpp"
#include "lp/solver.hpp"
#include "milp/solver.hpp"
#include "parser/cp_format.hpp"
#include "parser/dimacs.hpp"
#include "parser/lp_format.hpp"
#include "roads/verify.hpp"
#include "sat/solver.hpp"

namespace nemox::roads {

namespace {

using Clock = std::chrono::steady_clock;
using Counters = std::vector<std::pair<std::string, std::uint64_t>>;

double seconds_since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Reads, then solves; `solve` fills the counters when they are asked for,
// also when an interrupt ends the solve (the times are filled then too).
template <class Result, class Read, class Solve>
Expected<Result> road(std::string_view text, Stats* stats, Read read, Solve solve) {
    const auto start = Clock::now();
    auto parsed = read(text);
    if (!parsed.ok()) return Expected<Result>::failure(parsed.error());
    const double read_seconds = seconds_since(start);
    auto record_times = [&] {
        if (stats != nullptr) {
            stats->read_seconds = read_seconds;
            stats->solve_seconds = seconds_since(start) - read_seconds;
        }
    };
    try {
        Result result = solve(parsed.value(), stats != nullptr ? &stats->counters : nullptr);
        record_times();
        return result;
    } catch (const Interrupted&) {
        record_times();
        throw;
    }
}

// Runs `solve`, then `count` into `counters` (when asked for), also when an
// interrupt ends the solve.
template <class Solve, class Count>
auto counted(Counters* counters, Solve solve, Count count) {
    try {
        auto result = solve();
        if (counters != nullptr) *counters = count();
        return result;
    } catch (const Interrupted&) {
        if (counters != nullptr) *counters = count();
        throw;
    }
}

// The first value changed so that the answer can no longer be right for
// the problems the tests plant it in.
SolverResult planted(const SolverResult& result, const cp::CpProblem* cp) {
    if (!result.is_sat() || result.assignment().empty()) return result;
    Assignment a = result.assignment();
    const auto& [index, value] = a[0];
    if (const bool* b = std::get_if<bool>(&value)) {
        a.set(index, !*b);
    } else if (cp != nullptr && index < cp->vars.size()) {
        const cp::VarDecl& d = cp->vars[index];
        if (d.max < std::numeric_limits<std::int64_t>::max()) {
            a.set(index, d.max + 1);
        } else if (d.min > std::numeric_limits<std::int64_t>::min()) {
            a.set(index, d.min - 1);
        }
    }
    return SolverResult::sat(std::move(a));
}

void check(const Verification* verify, SolverResult& result,
           const std::function<std::optional<std::string>(const SolverResult&)>& error_of,
           const cp::CpProblem* cp = nullptr) {
    if (verify == nullptr) return;
    if (verify->plant_wrong_answer) result = planted(result, cp);
    if (auto error = error_of(result)) throw WrongAnswer(*error);
}

}  // namespace

Expected<SolverResult> solve_sat(std::string_view text, Interrupt interrupt,
                                 double answer_bytes_per_var, sat::ProofSink* proof, Stats* stats,
                                 const Verification* verify) {
    return road<SolverResult>(text, stats, parser::parse_dimacs, [&](sat::Cnf& cnf, Counters* c) {
        sat::Solver solver(interrupt, answer_bytes_per_var);
        solver.set_proof(proof);
        solver.load(cnf);
        SolverResult result = counted(
            c, [&] { return solver.solve(); },
            [&]() -> Counters {
                return {{"variables", solver.num_vars()},
                        {"clauses", cnf.clause_count()},
                        {"decisions", solver.decisions()},
                        {"conflicts", solver.conflicts()},
                        {"watch visits", solver.watch_visits()}};
            });
        check(verify, result, [&](const SolverResult& r) { return sat_answer_error(cnf, r); });
        return result;
    });
}

Expected<LpResult> solve_lp(std::string_view text, Interrupt interrupt, Stats* stats) {
    return road<LpResult>(text, stats, parser::read_lp_text,
                          [&](linear::ExactSystem& system, Counters* c) {
                              const bool big_reading = system.big.has_value();
                              lp::LpSolver solver(interrupt);
                              solver.load(std::move(system));
                              return counted(
                                  c, [&] { return solver.solve(); },
                                  [&]() -> Counters {
                                      return {{"pivots", solver.stats().pivots},
                                              {"big numbers read", big_reading ? 1u : 0u},
                                              {"big numbers solved", solver.stats().big ? 1u : 0u}};
                                  });
                          });
}

Expected<LpResult> solve_milp(std::string_view text, Interrupt interrupt, Stats* stats) {
    return road<LpResult>(
        text, stats, parser::read_lp_text, [&](linear::ExactSystem& system, Counters* c) {
            milp::SearchStats search;
            return counted(
                c, [&] { return milp::branch_and_bound(system, interrupt, &search); },
                [&]() -> Counters {
                    return {{"nodes examined", search.examined},
                            {"incumbent updates", search.incumbent_updates},
                            {"LP solves", search.lp_solves},
                            {"pivots", search.pivots}};
                });
        });
}

Expected<SolverResult> solve_cp(std::string_view text, Interrupt interrupt, Stats* stats,
                                const Verification* verify) {
    return road<SolverResult>(
        text, stats, parser::parse_cp, [&](cp::CpProblem& problem, Counters* c) {
            cp::CpStats search;
            SolverResult result = counted(
                c, [&] { return cp::solve_cp(problem, interrupt, &search); },
                [&]() -> Counters {
                    return {{"nodes", search.nodes}, {"propagator runs", search.propagator_runs}};
                });
            check(
                verify, result, [&](const SolverResult& r) { return cp_answer_error(problem, r); },
                &problem);
            return result;
        });
}

}  // namespace nemox::roads
