// Runs one CP text through the solver and, on request, through the plain
// oracle of the tests; prints counts and times as one line of JSON.
// --rules N limits the refuter to the rules of the bits N (0: none).
// Built and driven by bench/cp.py.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "cp/oracle.hpp"
#include "cp/solver.hpp"
#include "parser/cp_format.hpp"

using namespace nemox;

namespace {

double seconds_since(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: cp_stats FILE [--oracle]\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream buf;
    buf << in.rdbuf();
    const std::string text = buf.str();
    bool with_oracle = false;
    unsigned rules = cp::kAllRefuteRules;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--oracle") == 0) with_oracle = true;
        if (std::strcmp(argv[i], "--rules") == 0 && i + 1 < argc)
            rules = static_cast<unsigned>(std::atoi(argv[++i]));
    }

    auto t0 = std::chrono::steady_clock::now();
    auto parsed = parser::parse_cp(text);
    if (!parsed.ok()) {
        std::printf("{\"error\": \"reader\"}\n");
        return 1;
    }
    cp::CpStats stats;
    const SolverResult mine = cp::solve_cp(parsed.value(), Interrupt(), &stats, rules);
    const double mine_s = seconds_since(t0);
    std::printf(
        "{\"status\": \"%s\", \"nodes\": %llu, \"refuted\": %llu, \"runs\": %llu, "
        "\"seconds\": %.6f, \"model\": \"%s\"",
        mine.status_word(), static_cast<unsigned long long>(stats.nodes),
        static_cast<unsigned long long>(stats.refuted),
        static_cast<unsigned long long>(stats.propagator_runs), mine_s,
        mine.is_sat() ? mine.assignment().text().c_str() : "");
    if (with_oracle) {
        t0 = std::chrono::steady_clock::now();
        const auto op = cp::oracle::parse(text);
        std::uint64_t nodes = 0;
        const auto theirs = cp::oracle::solve(*op.problem, 0, &nodes);
        const double theirs_s = seconds_since(t0);
        std::printf(", \"oracle_nodes\": %llu, \"oracle_seconds\": %.6f, \"agree\": %s",
                    static_cast<unsigned long long>(nodes), theirs_s,
                    *theirs == mine ? "true" : "false");
    }
    std::printf("}\n");
    return 0;
}
