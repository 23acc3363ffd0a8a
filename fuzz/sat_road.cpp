// Any text through the reader and, for formulas small enough to finish, the
// search: the answer must equal the literal search's and a model must satisfy
// every clause.

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "parser/dimacs.hpp"
#include "sat/reference_solver.hpp"
#include "sat/solver.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = nemox::parser::parse_dimacs(text);
    if (!parsed.ok()) return 0;
    const auto& p = parsed.value();
    std::int64_t largest = 0;
    for (const std::int32_t lit : p.literals())
        largest = std::max(largest, std::abs(std::int64_t{lit}));
    if (largest > 24 || p.clause_count() > 120) return 0;

    const nemox::SolverResult fast = nemox::sat::solve_cnf(p);
    nemox::sat::reference::Solver oracle;
    for (std::size_t i = 0; i < p.clause_count(); ++i) {
        const auto c = p.clause(i);
        oracle.add_clause(std::vector<std::int32_t>(c.begin(), c.end()));
    }
    if (!(fast == oracle.solve())) std::abort();
    if (!fast.is_sat()) return 0;
    for (std::size_t i = 0; i < p.clause_count(); ++i) {
        bool satisfied = false;
        for (const std::int32_t lit : p.clause(i)) {
            const bool value =
                std::get<bool>(fast.assignment()[std::abs(std::int64_t{lit}) - 1].second);
            satisfied = satisfied || (lit > 0) == value;
        }
        if (!satisfied) std::abort();
    }
    return 0;
}
