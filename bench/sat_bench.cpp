// Times the SAT road stage by stage on DIMACS files and, with --reference,
// the literal search of the tests on the same files.
// Prints one line per file: name status decisions conflicts visits
// read_s load_s solve_s literals [ref_solve_s same]
//
// --calls N: runs the whole road N times on each file and prints nothing, for
// counting instructions under callgrind (reading, loading and searching are
// the functions parse_dimacs, Solver::load and Solver::solve).
// --windows: prints, per file, the processor time per conflict around 100k
// and 500k conflicts (as many learnt clauses): name status conflicts
// us@100k us@500k. Processor time of the thread, not wall time, so that
// other work on a busy machine counts less.

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "parser/dimacs.hpp"
#include "roads/roads.hpp"
#include "sat/reference_solver.hpp"
#include "sat/solver.hpp"

namespace {

using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point t) {
    return std::chrono::duration<double>(Clock::now() - t).count();
}

double thread_seconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// The interrupt hook samples (processor time, conflicts) of the solver being
// timed.
const nemox::sat::Solver* g_timed = nullptr;
std::vector<std::pair<double, std::uint64_t>> g_samples;

bool sample(std::uint64_t) {
    g_samples.emplace_back(thread_seconds(), g_timed->conflicts());
    return false;
}

// Microseconds per conflict between the samples nearest to `at` - 5% and
// `at` + 5%; negative when the run did not get that far.
double us_per_conflict_around(std::uint64_t at) {
    const std::uint64_t lo = at - at / 20;
    const std::uint64_t hi = at + at / 20;
    const std::pair<double, std::uint64_t>* first = nullptr;
    const std::pair<double, std::uint64_t>* last = nullptr;
    for (const auto& s : g_samples) {
        if (first == nullptr && s.second >= lo) first = &s;
        if (s.second <= hi) last = &s;
    }
    if (first == nullptr || last == nullptr || last->second <= first->second) return -1;
    return 1e6 * (last->first - first->first) / static_cast<double>(last->second - first->second);
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buf;
    buf << in.rdbuf();
    return buf.str();
}

}  // namespace

int main(int argc, char** argv) {
    bool reference = false;
    bool windows = false;
    long calls = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--reference") {
            reference = true;
            continue;
        }
        if (arg == "--windows") {
            windows = true;
            continue;
        }
        if (arg == "--calls" && i + 1 < argc) {
            calls = std::stol(argv[++i]);
            continue;
        }
        const std::string text = read_file(arg);
        if (calls > 0) {
            for (long k = 0; k < calls; ++k) {
                if (!nemox::roads::solve_sat(text).ok()) return 1;
            }
            continue;
        }

        auto t0 = Clock::now();
        auto parsed = nemox::parser::parse_dimacs(text);
        const double read_s = seconds_since(t0);
        if (!parsed.ok()) {
            std::printf("%s error %s\n", arg.c_str(), parsed.error().c_str());
            continue;
        }
        if (windows) {
            nemox::sat::Solver solver(nemox::Interrupt(sample, 1 << 14));
            g_timed = &solver;
            g_samples.clear();
            solver.load(parsed.value());
            const nemox::SolverResult result = solver.solve();
            std::printf("%s %s %llu %.3f %.3f\n", arg.c_str(), result.status_word(),
                        static_cast<unsigned long long>(solver.conflicts()),
                        us_per_conflict_around(100000), us_per_conflict_around(500000));
            std::fflush(stdout);
            continue;
        }
        nemox::sat::Solver solver;
        t0 = Clock::now();
        solver.load(parsed.value());
        const double load_s = seconds_since(t0);
        t0 = Clock::now();
        const nemox::SolverResult result = solver.solve();
        const double solve_s = seconds_since(t0);
        std::printf("%s %s %llu %llu %llu %.6f %.6f %.6f %zu", arg.c_str(), result.status_word(),
                    static_cast<unsigned long long>(solver.decisions()),
                    static_cast<unsigned long long>(solver.conflicts()),
                    static_cast<unsigned long long>(solver.watch_visits()), read_s, load_s, solve_s,
                    parsed.value().literals().size());
        if (reference) {
            t0 = Clock::now();
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
