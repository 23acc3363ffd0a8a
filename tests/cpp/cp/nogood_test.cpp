// Keys of empty subtrees against the plain oracle: colourings whose search
// meets the same bounds with different holes many times, so a key that
// forgot the holes would close a subtree that holds the first solution.

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "cp/oracle.hpp"
#include "cp/solver.hpp"
#include "parser/cp_format.hpp"

namespace nemox::cp {
namespace {

std::string describe(const SolverResult& r) {
    std::string s = r.status_word();
    if (r.is_sat()) s.append(" ").append(r.assignment().text());
    return s;
}

// Vertices 0..n-1 in two parts, edges inside each part with the given
// chance and few across: the search colours the first part, meets the
// second from nearly the same domains again and again.
std::string random_colouring(std::mt19937_64& rng, int vertices, int colours, int inside,
                             int across) {
    std::string t;
    for (int i = 0; i < vertices; ++i)
        t.append("var c")
            .append(std::to_string(i))
            .append(" 0 ")
            .append(std::to_string(colours - 1))
            .append("\n");
    std::uniform_int_distribution<int> percent(0, 99);
    const int half = vertices / 2;
    for (int a = 0; a < vertices; ++a) {
        for (int b = a + 1; b < vertices; ++b) {
            const bool same_part = (a < half) == (b < half);
            if (percent(rng) >= (same_part ? inside : across)) continue;
            t.append("neq c").append(std::to_string(a)).append(" c").append(std::to_string(b));
            t.append("\n");
        }
    }
    return t;
}

TEST(CpNogoods, ColouringsAgreeWithTheOracle) {
    std::mt19937_64 rng(0xC0105);
    int sat = 0;
    int unsat = 0;
    int shortened = 0;
    int checked = 0;
    for (int run = 0; run < 600; ++run) {
        const int vertices = 12 + run % 9;
        const int colours = 3 + run % 3;
        const int inside = 30 + 15 * (colours - 3);
        const std::string text =
            random_colouring(rng, vertices, colours, inside, run % 2 == 0 ? inside : 4);
        const auto parsed = parser::parse_cp(text);
        ASSERT_TRUE(parsed.ok());
        // Forward checking alone leaves most repeats to the keys, all rules
        // the fewest. The refuter without keys is the reference; the plain oracle too,
        // where it finishes (the repeats that keys close make it slow).
        const unsigned rules = run % 3 == 0 ? kAllRefuteRules : kForwardCheck | kNogoods;
        CpStats with;
        CpStats without;
        const SolverResult got = solve_cp(parsed.value(), Interrupt(), &with, rules, 0);
        const SolverResult reference =
            solve_cp(parsed.value(), Interrupt(), &without, rules & ~kNogoods, 0);
        ASSERT_EQ(describe(got), describe(reference)) << text;
        ASSERT_LE(with.nodes, without.nodes) << text;
        if (const auto expected = oracle::solve(parsed.value(), 200'000)) {
            ASSERT_EQ(describe(got), describe(*expected)) << text;
            ++checked;
        }
        shortened += with.nodes < without.nodes ? 1 : 0;
        (got.is_sat() ? sat : unsat) += 1;
    }
    // Both answers common, and keys at work in many runs, for the
    // comparison to mean something.
    EXPECT_GT(sat, 100);
    EXPECT_GT(unsat, 100);
    EXPECT_GT(shortened, 50);
    EXPECT_GT(checked, 500);
    std::printf("SAT %d, UNSAT %d, shortened by keys %d, checked by the oracle %d\n", sat, unsat,
                shortened, checked);
}

}  // namespace
}  // namespace nemox::cp
