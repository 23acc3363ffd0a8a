// Times the SAT road stage by stage on DIMACS files and, with --reference,
// the literal search of the tests on the same files.
// Prints one line per file: name status decisions conflicts visits
// read_s load_s solve_s literals [ref_solve_s same]

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "parser/dimacs.hpp"
#include "sat/reference_solver.hpp"
#include "sat/solver.hpp"

namespace {

double seconds_since(std::chrono::steady_clock::time_point t) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
}

}  // namespace

int main(int argc, char** argv) {
    bool reference = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--reference") {
            reference = true;
            continue;
        }
        std::ifstream in(arg, std::ios::binary);
        std::stringstream buf;
        buf << in.rdbuf();
        const std::string text = buf.str();

        auto t0 = std::chrono::steady_clock::now();
        auto parsed = nemox::parser::parse_dimacs(text);
        const double read_s = seconds_since(t0);
        if (!parsed.ok()) {
            std::printf("%s error %s\n", arg.c_str(), parsed.error().c_str());
            continue;
        }
        nemox::sat::Solver solver;
        t0 = std::chrono::steady_clock::now();
        solver.load(parsed.value());
        const double load_s = seconds_since(t0);
        t0 = std::chrono::steady_clock::now();
        const nemox::SolverResult result = solver.solve();
        const double solve_s = seconds_since(t0);
        std::printf("%s %s %llu %llu %llu %.6f %.6f %.6f %zu", arg.c_str(), result.status_word(),
                    static_cast<unsigned long long>(solver.decisions()),
                    static_cast<unsigned long long>(solver.conflicts()),
                    static_cast<unsigned long long>(solver.watch_visits()), read_s, load_s, solve_s,
                    parsed.value().literals.size());
        if (reference) {
            t0 = std::chrono::steady_clock::now();
            nemox::sat::reference::Solver ref;
            const auto& p = parsed.value();
            for (std::size_t c = 0; c < p.clause_count(); ++c) {
                auto lits = p.clause(c);
                ref.add_clause(std::vector<std::int32_t>(lits.begin(), lits.end()));
            }
            const nemox::SolverResult expected = ref.solve();
            std::printf(" %.6f %s", seconds_since(t0), expected == result ? "same" : "DIFFERENT");
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    return 0;
}
