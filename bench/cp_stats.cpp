// Runs one CP text through the solver and, on request, through the plain
// oracle of the tests; prints counts and times as one line of JSON.
// --rules N limits the refuter to the rules of the bits N (0: none).
// --seconds S stops the search after S seconds and prints the counts it
// reached, with the status "limit"; an oracle run still going at that
// deadline is abandoned and reported as "oracle": "limit".
// Built and driven by bench/cp.py.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <future>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "cp/oracle.hpp"
#include "cp/solver.hpp"
#include "parser/cp_format.hpp"

using namespace nemox;

namespace {

double seconds_since(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();

bool past_deadline(std::uint64_t) {
    return std::chrono::steady_clock::now() >= deadline;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: cp_stats FILE [--oracle] [--rules N] [--seconds S]\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cp_stats: cannot read %s\n", argv[1]);
        return 2;
    }
    std::stringstream buf;
    buf << in.rdbuf();
    const std::string text = buf.str();
    bool with_oracle = false;
    unsigned rules = cp::kAllRefuteRules;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--oracle") == 0) with_oracle = true;
        if (std::strcmp(argv[i], "--rules") == 0 && i + 1 < argc)
            rules = static_cast<unsigned>(std::atoi(argv[++i]));
        if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc)
            deadline = std::chrono::steady_clock::now() +
                       std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                           std::chrono::duration<double>(std::atof(argv[++i])));
    }

    auto t0 = std::chrono::steady_clock::now();
    auto parsed = parser::parse_cp(text);
    if (!parsed.ok()) {
        std::printf("{\"error\": \"reader\"}\n");
        return 1;
    }
    cp::CpStats stats;
    std::optional<SolverResult> found;
    try {
        found = cp::solve_cp(parsed.value(), Interrupt(past_deadline, 1 << 10), &stats, rules);
    } catch (const Interrupted&) {
        std::printf(
            "{\"status\": \"limit\", \"nodes\": %llu, \"refuted\": %llu, \"witness_nodes\": "
            "%llu, \"seconds\": %.6f}\n",
            static_cast<unsigned long long>(stats.nodes),
            static_cast<unsigned long long>(stats.refuted),
            static_cast<unsigned long long>(stats.witness_nodes), seconds_since(t0));
        return 0;
    }
    const SolverResult& mine = *found;
    const double mine_s = seconds_since(t0);
    std::printf(
        "{\"status\": \"%s\", \"nodes\": %llu, \"refuted\": %llu, \"witness_nodes\": %llu, "
        "\"runs\": %llu, \"seconds\": %.6f, \"model\": \"%s\"",
        mine.status_word(), static_cast<unsigned long long>(stats.nodes),
        static_cast<unsigned long long>(stats.refuted),
        static_cast<unsigned long long>(stats.witness_nodes),
        static_cast<unsigned long long>(stats.propagator_runs), mine_s,
        mine.is_sat() ? mine.assignment().text().c_str() : "");
    if (with_oracle) {
        // The oracle has no clock of its own: it runs on a thread that is
        // left behind when the deadline passes.
        t0 = std::chrono::steady_clock::now();
        std::uint64_t nodes = 0;
        std::packaged_task<bool()> run([&] {
            const auto op = cp::oracle::parse(text);
            return *cp::oracle::solve(*op.problem, 0, &nodes) == mine;
        });
        auto agree = run.get_future();
        std::thread(std::move(run)).detach();
        if (deadline == std::chrono::steady_clock::time_point::max()) {
            agree.wait();
        } else if (agree.wait_until(deadline) != std::future_status::ready) {
            std::printf(", \"oracle\": \"limit\"}\n");
            std::fflush(stdout);
            std::_Exit(0);
        }
        const bool same = agree.get();
        std::printf(", \"oracle_nodes\": %llu, \"oracle_seconds\": %.6f, \"agree\": %s",
                    static_cast<unsigned long long>(nodes), seconds_since(t0),
                    same ? "true" : "false");
    }
    std::printf("}\n");
    return 0;
}
