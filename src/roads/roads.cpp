#include "roads/roads.hpp"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <variant>

#include "core/failure.hpp"
#include "cp/solver.hpp"
#include "lp/solver.hpp"
#include "milp/solver.hpp"
#include "parser/cp_format.hpp"
#include "parser/dimacs.hpp"
#include "parser/lp_format.hpp"
#include "parser/mps.hpp"
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
// The clock is read only when the times are asked for.
template <class Result, class Read, class Solve>
Expected<Result> road(std::string_view text, Stats* stats, Read read, Solve solve) {
    const auto start = stats != nullptr ? Clock::now() : Clock::time_point{};
    auto parsed = read(text);
    if (!parsed.ok()) return Expected<Result>::failure(parsed.read_error());
    const double read_seconds = stats != nullptr ? seconds_since(start) : 0.0;
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

void check(const Verification* verify, SolverResult& result,
           const std::function<std::optional<std::string>(const SolverResult&)>& error_of) {
    if (verify == nullptr) return;
    if (verify->before_answer_check) verify->before_answer_check(result);
    if (auto error = error_of(result)) throw WrongAnswer(*error);
}

// The factorized engine measures its numbers as it goes; the dense tableau
// does not, so its counters leave the size out rather than say 0.
Counters lp_counters(const lp::SolveStats& s, bool big_reading) {
    Counters c = {{"pivots", s.pivots},
                  {"phase 1 pivots", s.phase1_pivots},
                  {"big numbers read", big_reading ? 1u : 0u},
                  {"big numbers solved", s.big ? 1u : 0u},
                  {"factorized engine", s.revised ? 1u : 0u}};
    if (s.revised) {
        c.emplace_back("refactorizations", s.refactorizations);
        c.emplace_back("largest number bits", s.max_bits);
    }
    return c;
}

// The system as the certificate states it, its variables named as the
// answers name them.
void describe(LpCertificate& cert, const linear::ExactSystem& system, bool integers) {
    cert = LpCertificate{};
    cert.system = linear::widen(system);
    cert.integers = integers;
    cert.variable_names.reserve(cert.system.variables.size());
    for (const std::uint64_t v : cert.system.variables) {
        std::string name = "x";
        name += std::to_string(v);
        cert.variable_names.push_back(std::move(name));
    }
    cert.row_names.assign(cert.system.constraints.size(), std::string());
}

// The exact values of a model, by the position of its variables in the system.
std::vector<linear::BigRational> by_variable(const linear::BigLinearSystem& system,
                                             const Assignment& model,
                                             const std::vector<linear::BigRational>& exact) {
    std::unordered_map<std::uint64_t, std::size_t> position;
    for (std::size_t k = 0; k < system.variables.size(); ++k)
        position.emplace(system.variables[k], k);
    std::vector<linear::BigRational> out(system.variables.size());
    for (std::size_t i = 0; i < model.size() && i < exact.size(); ++i) {
        const auto it = position.find(model[i].first);
        if (it != position.end()) out[it->second] = exact[i];
    }
    return out;
}

// The MILP's certificate besides its incumbent: the root relaxation's, and
// for an unbounded answer an integral point (the same search without the
// objective finds it) with the relaxation's ray.
void certify_milp(LpCertificate& cert, const linear::ExactSystem& system, const LpResult& result,
                  Interrupt interrupt) {
    if (result.kind == LpResult::Kind::Infeasible && cert.relaxation &&
        cert.relaxation->kind == lp::Certificate::Kind::Infeasible) {
        cert.answer = cert.relaxation;
    }
    if (result.kind != LpResult::Kind::Unbounded || !cert.relaxation ||
        cert.relaxation->kind != lp::Certificate::Kind::Unbounded)
        return;
    linear::ExactSystem feasibility = system;
    std::visit([](auto& s) { s.objective.reset(); }, feasibility);
    std::vector<linear::BigRational> exact;
    const LpResult point = milp::branch_and_bound(feasibility, interrupt, nullptr,
                                                  lp::LpSolver::Engine::Automatic, &exact);
    if (point.kind != LpResult::Kind::Optimal) return;
    cert.answer = lp::Certificate{lp::Certificate::Kind::Unbounded,
                                  by_variable(cert.system, point.assignment, exact),
                                  {},
                                  cert.relaxation->ray};
}

// An LP (the relaxation) or a MILP (by branch and bound) of a system read
// from text; with `verify`, its answer is checked against the system in
// exact arithmetic, its certificate too. `exact_out`, when given, receives
// the exact value of each pair of the answer's model; `certificate` what
// proves the answer.
LpResult solve_system(linear::ExactSystem& system, bool integers, Interrupt interrupt, Counters* c,
                      const Verification* verify,
                      std::vector<linear::BigRational>* exact_out = nullptr,
                      milp::KeepIncumbent keep_incumbent = nullptr,
                      LpCertificate* certificate = nullptr) {
    std::vector<linear::BigRational> exact;
    LpCertificate checked;
    LpCertificate* cert =
        certificate != nullptr ? certificate : (verify != nullptr ? &checked : nullptr);
    if (cert != nullptr) describe(*cert, system, integers);
    const bool keep_exact = verify != nullptr || exact_out != nullptr || cert != nullptr;
    std::vector<linear::BigRational>* exact_of = keep_exact ? &exact : nullptr;
    LpResult result;
    if (integers) {
        if (cert != nullptr) {
            // The root as the search solves it, once more to keep its proof.
            lp::LpSolver root(interrupt);
            root.keep_certificate(true);
            root.load(system);
            root.solve();
            cert->relaxation = root.certificate();
        }
        milp::SearchStats search;
        result = counted(
            c,
            [&] {
                return milp::branch_and_bound(system, interrupt, &search,
                                              lp::LpSolver::Engine::Automatic, exact_of,
                                              keep_incumbent);
            },
            [&]() -> Counters {
                return {{"nodes examined", search.examined},
                        {"incumbent updates", search.incumbent_updates},
                        {"LP solves", search.lp_solves},
                        {"pivots", search.pivots}};
            });
    } else {
        const bool big_reading = std::holds_alternative<linear::BigLinearSystem>(system);
        lp::LpSolver solver(interrupt);
        solver.keep_exact_values(keep_exact);
        solver.keep_certificate(cert != nullptr);
        // The check reads the system afterwards; otherwise the solver may take it.
        if (verify != nullptr) {
            solver.load(system);
        } else {
            solver.load(std::move(system));
        }
        result = counted(
            c, [&] { return solver.solve(); },
            [&] { return lp_counters(solver.stats(), big_reading); });
        exact = solver.exact_values();
        if (cert != nullptr) cert->answer = solver.certificate();
    }
    if (cert != nullptr) {
        if (integers) certify_milp(*cert, system, result, interrupt);
        if (result.has_assignment() && integers)
            cert->point = by_variable(cert->system, result.assignment, exact);
        if (verify != nullptr && verify->before_certificate_check)
            verify->before_certificate_check(*cert);
    }
    if (verify != nullptr) {
        if (verify->before_lp_check) verify->before_lp_check(result, exact);
        if (auto error = lp_answer_error(system, result, exact, integers))
            throw WrongAnswer(*error);
        if (auto error = certificate_error(result, *cert)) throw WrongAnswer(*error);
    }
    if (exact_out != nullptr) *exact_out = std::move(exact);
    return result;
}

// An MPS system's variables and rows by the file's names: a column's part
// below zero as "NAME-" (the column is its first part minus that), a row
// with a range as two rows of its name, a bound as a row named by its column.
void name_mps(LpCertificate& cert, const parser::MpsModel& model) {
    std::unordered_map<std::uint64_t, std::size_t> position;
    for (std::size_t k = 0; k < cert.system.variables.size(); ++k)
        position.emplace(cert.system.variables[k], k);
    std::unordered_map<std::uint64_t, std::string> column_of;
    for (const parser::MpsColumn& col : model.columns) {
        LpCertificate::Column& out = cert.columns.emplace_back();
        out.name = col.name;
        out.var = position.at(col.var);
        out.shift = linear::BigRational::from_f64(col.shift);
        out.reflected = col.reflected;
        cert.variable_names.at(out.var) = col.name;
        column_of.emplace(col.var, col.name);
        if (col.negative) {
            out.negative = position.at(*col.negative);
            cert.variable_names.at(*out.negative) = col.name + "-";
            column_of.emplace(*col.negative, col.name);
        }
    }
    std::size_t i = 0;
    for (const parser::MpsRow& row : model.file.rows) {
        const bool two = row.range && !(row.type == 'E' && *row.range == 0);
        for (int side = 0; side < (two ? 2 : 1) && i < cert.row_names.size(); ++side)
            cert.row_names[i++] = row.name;
    }
    for (; i < cert.row_names.size(); ++i) {
        const auto& terms = cert.system.constraints[i].expr.terms;
        if (!terms.empty()) cert.row_names[i] = column_of.at(terms.front().var) + " bound";
    }
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
                        {"learnt literals", solver.learnt_literals()},
                        {"watch visits", solver.watch_visits()}};
            });
        check(verify, result, [&](const SolverResult& r) { return sat_answer_error(cnf, r); });
        return result;
    });
}

Expected<LpResult> solve_lp(std::string_view text, Interrupt interrupt, Stats* stats,
                            const Verification* verify, LpCertificate* certificate) {
    return road<LpResult>(
        text, stats, parser::read_lp_text, [&](linear::ExactSystem& system, Counters* c) {
            return solve_system(system, false, interrupt, c, verify, nullptr, nullptr, certificate);
        });
}

Expected<LpResult> solve_milp(std::string_view text, Interrupt interrupt, Stats* stats,
                              const Verification* verify, bool (*keep_incumbent)(),
                              LpCertificate* certificate) {
    return road<LpResult>(text, stats, parser::read_lp_text,
                          [&](linear::ExactSystem& system, Counters* c) {
                              return solve_system(system, true, interrupt, c, verify, nullptr,
                                                  keep_incumbent, certificate);
                          });
}

Expected<MpsAnswer> solve_mps(std::string_view text, bool integers, parser::MpsFormat format,
                              Interrupt interrupt, Stats* stats, const Verification* verify,
                              bool (*keep_incumbent)(), LpCertificate* certificate) {
    const auto read = [format, interrupt](std::string_view t) {
        return parser::read_mps(t, format, interrupt);
    };
    return road<MpsAnswer>(text, stats, read, [&](parser::MpsModel& model, Counters* c) {
        // The system is checked as any other, but its answer is spoiled, if
        // at all, in the file's column values, for the check against the file.
        Verification system_check;
        if (verify != nullptr)
            system_check.before_certificate_check = verify->before_certificate_check;
        std::vector<linear::BigRational> exact;
        LpResult result = solve_system(model.system, integers, interrupt, c,
                                       verify != nullptr ? &system_check : nullptr, &exact,
                                       keep_incumbent, certificate);
        if (certificate != nullptr) name_mps(*certificate, model);
        if (result.has_assignment()) {
            std::vector<linear::BigRational> values =
                parser::column_values(model, result.assignment, exact);
            if (verify != nullptr && verify->before_mps_check)
                verify->before_mps_check(model, values);
            Assignment by_column;
            by_column.reserve(values.size());
            for (std::size_t j = 0; j < values.size(); ++j)
                by_column.append_new(j, lp::to_value(values[j]));
            result.assignment = std::move(by_column);
            if (verify != nullptr) {
                if (auto error = mps_answer_error(model, result, values, integers))
                    throw WrongAnswer(*error);
            }
        }
        MpsAnswer answer{std::move(result), {}};
        answer.names.reserve(model.columns.size());
        for (const auto& col : model.columns) answer.names.push_back(col.name);
        return answer;
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
                    return {{"nodes", search.nodes},
                            {"failures", search.failures},
                            {"propagator runs", search.propagator_runs}};
                });
            check(verify, result,
                  [&](const SolverResult& r) { return cp_answer_error(problem, r); });
            return result;
        });
}

}  // namespace nemox::roads
