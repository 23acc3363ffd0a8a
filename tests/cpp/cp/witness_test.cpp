// The oracle's search in the refuter's store: the check of a witness, the
// three verdicts, and the interrupt inside a long search.

#include "cp/witness.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cp/propagator.hpp"
#include "cp/refuter.hpp"
#include "cp/solver.hpp"
#include "parser/cp_format.hpp"

namespace nemox::cp {
namespace {

CpProblem parse(const std::string& text) {
    auto parsed = parser::parse_cp(text);
    EXPECT_TRUE(parsed.ok()) << text;
    return parsed.ok() ? parsed.value() : CpProblem{};
}

std::vector<Domain> declared(const CpProblem& p) {
    std::vector<Domain> d;
    for (const VarDecl& v : p.vars) d.push_back(Domain{v.min, v.max});
    return d;
}

struct CheckCase {
    std::string text;
    std::vector<std::int64_t> values;
    bool holds;
};

// Each constraint kind with a solution and a near miss; sums whose exact
// value needs more than 64 (or 128) bits; terms of one variable combined.
TEST(Witness, OnlySolutionsPassTheCheck) {
    const std::string big = "9223372036854775807";
    const CheckCase cases[] = {
        {"var a 0 9\nvar b 0 9\neq a b", {4, 4}, true},
        {"var a 0 9\nvar b 0 9\neq a b", {4, 5}, false},
        {"var a 0 9\nvar b 0 9\nneq a b", {4, 5}, true},
        {"var a 0 9\nvar b 0 9\nneq a b", {5, 5}, false},
        {"var a 0 9\nvar b 0 9\nlt a b", {4, 5}, true},
        {"var a 0 9\nvar b 0 9\nlt a b", {5, 5}, false},
        {"var a 0 9\nvar b 0 9\nle a b -2", {3, 5}, true},
        {"var a 0 9\nvar b 0 9\nle a b -2", {4, 5}, false},
        {"var a 0 9\nvar b 0 9\nlinear 2 a 3 b 12 le", {3, 2}, true},
        {"var a 0 9\nvar b 0 9\nlinear 2 a 3 b 12 le", {3, 3}, false},
        {"var a 0 9\nvar b 0 9\nlinear 2 a 3 b 12 ge", {3, 2}, true},
        {"var a 0 9\nvar b 0 9\nlinear 2 a 3 b 12 ge", {2, 2}, false},
        {"var a 0 9\nvar b 0 9\nlinear 2 a -1 b 0 eq", {2, 4}, true},
        {"var a 0 9\nvar b 0 9\nlinear 2 a -1 b 0 eq", {2, 5}, false},
        // x - x = 0 holds for every x once the terms are combined.
        {"var a 0 9\nlinear 1 a -1 a 0 eq", {7}, true},
        {"var a 0 9\nlinear 0 a 5 ge", {7}, false},
        // (2^63 - 1) * 2 * a: the coefficient needs 65 bits, the sum 128.
        {("var a -9 9\nlinear " + big + " a " + big + " a 0 ge"), {-1}, false},
        {("var a -9 9\nlinear " + big + " a " + big + " a 0 ge"), {1}, true},
        {("var a 0 " + big + "\nvar b 0 " + big + "\nlinear " + big + " a " + big + " b -1 ge"),
         {9223372036854775807, 9223372036854775807},
         true},
        {("var a 0 " + big + "\nvar b 0 " + big + "\nlinear " + big + " a -" + big + " b -1 ge"),
         {0, 1},
         false},
        {"var a 0 9\nvar b 0 9\nvar c 0 9\nallDiff a b c", {1, 2, 3}, true},
        {"var a 0 9\nvar b 0 9\nvar c 0 9\nallDiff a b c", {1, 2, 1}, false},
        // A variable listed twice never differs from itself.
        {"var a 0 9\nvar b 0 9\nallDiff a b a", {1, 2}, false},
        {"var a 0 9\nvar b 0 9\nneq a b\nlt b a", {5, 4}, true},
        {"var a 0 9\nvar b 0 9\nneq a b\nlt b a", {4, 5}, false},
    };
    for (const CheckCase& c : cases) {
        const CpProblem p = parse(c.text);
        EXPECT_EQ(satisfies(build_network(p), c.values), c.holds) << c.text;
    }
}

struct VerdictCase {
    const char* name;
    std::string text;
    std::uint64_t budget;
    WitnessSearch::Verdict verdict;
};

std::string odd_wheel(int rim, int colours) {
    std::string t;
    for (int i = 0; i <= rim; ++i)
        t += "var v" + std::to_string(i) + " 0 " + std::to_string(colours - 1) + "\n";
    for (int i = 1; i <= rim; ++i) {
        t += "neq v0 v" + std::to_string(i) + "\n";
        t += "neq v" + std::to_string(i) + " v" + std::to_string(1 + i % rim) + "\n";
    }
    return t;
}

std::string queens(int n) {
    std::string t;
    std::string cols = "allDiff";
    std::string up = "allDiff";
    std::string down = "allDiff";
    for (int i = 0; i < n; ++i) {
        const std::string q = "q" + std::to_string(i);
        const std::string u = "u" + std::to_string(i);
        const std::string d = "d" + std::to_string(i);
        t += "var " + q + " 0 " + std::to_string(n - 1) + "\n";
        t += "var " + u + " " + std::to_string(i) + " " + std::to_string(n - 1 + i) + "\n";
        t += "var " + d + " " + std::to_string(-i) + " " + std::to_string(n - 1 - i) + "\n";
        t += "linear 1 " + u + " -1 " + q + " " + std::to_string(i) + " eq\n";
        t += "linear 1 " + d + " -1 " + q + " " + std::to_string(-i) + " eq\n";
        cols += " " + q;
        up += " " + u;
        down += " " + d;
    }
    return t + cols + "\n" + up + "\n" + down + "\n";
}

// Queens as pairs: neq between columns and between each column and views
// of the others shifted by their distance. The store checks the views
// within cliques of columns, so nothing there ties a view to its column.
// Without `views`, each view's sum has a third term, 1 z with z = 0: the
// same board, but no longer a model of views.
std::string queens_by_pairs(int n, bool views = true) {
    std::string t = views ? "" : "var z 0 0\n";
    for (int i = 0; i < n; ++i)
        t.append("var q")
            .append(std::to_string(i))
            .append(" 0 ")
            .append(std::to_string(n - 1))
            .append("\n");
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            const std::string qi = "q" + std::to_string(i);
            const std::string qj = "q" + std::to_string(j);
            const std::string pair = std::to_string(i) + "_" + std::to_string(j);
            const int k = j - i;
            t.append("neq ").append(qi).append(" ").append(qj).append("\n");
            for (const int shift : {k, -k}) {
                const std::string v = (shift > 0 ? "u" : "w") + pair;
                t.append("var ").append(v).append(" ").append(std::to_string(shift)).append(" ");
                t.append(std::to_string(n - 1 + shift)).append("\nlinear 1 ").append(v);
                t.append(" -1 ")
                    .append(qj)
                    .append(views ? " " : " 1 z ")
                    .append(std::to_string(shift));
                t.append(" eq\nneq ").append(qi).append(" ").append(v).append("\n");
            }
        }
    }
    return t;
}

// From the declared domains: an odd wheel with three colours is empty (no
// rule sees it without a search), with four it has a solution, and a search
// too short for either says nothing; views that the store leaves alone take
// their values from their columns. The store is left as it was found.
TEST(Witness, SearchVerdicts) {
    using V = WitnessSearch::Verdict;
    const VerdictCase cases[] = {
        {"odd wheel, 3 colours", odd_wheel(7, 3), 1000, V::Empty},
        {"odd wheel, 4 colours", odd_wheel(7, 4), 1000, V::Witness},
        {"queens 3", queens(3), 1000, V::Empty},
        {"queens 8", queens(8), 10000, V::Witness},
        {"queens 8, 2 runs", queens(8), 2, V::Unknown},
        {"queens 10 by pairs", queens_by_pairs(10), 20000, V::Witness},
        {"queens 3 by pairs", queens_by_pairs(3), 20000, V::Empty},
        {"odd wheel, 3 colours, 2 runs", odd_wheel(9, 3), 2, V::Unknown},
    };
    for (const VerdictCase& c : cases) {
        const CpProblem p = parse(c.text);
        const Network net = build_network(p);
        const std::vector<Domain> root = declared(p);
        Refuter store(net, kAllRefuteRules | kWitnessOnSums);
        ASSERT_TRUE(store.start(root, true)) << c.name;
        ASSERT_TRUE(store.active()) << c.name;
        std::vector<std::uint64_t> before;
        store.key(before);
        const std::size_t mark = store.mark();
        WitnessSearch search(net);
        Interrupt interrupt;
        const WitnessSearch::Outcome out = search.run(store, c.budget, interrupt, 0);
        EXPECT_EQ(out.verdict, c.verdict) << c.name;
        EXPECT_LE(out.nodes, c.budget) << c.name;
        EXPECT_EQ(store.mark(), mark) << c.name;
        std::vector<std::uint64_t> after;
        store.key(after);
        EXPECT_EQ(after, before) << c.name;
        if (out.verdict != V::Witness) continue;
        const std::vector<std::int64_t>& w = search.witness();
        EXPECT_TRUE(satisfies(net, w)) << c.name;
        for (VarIndex x = 0; x < root.size(); ++x) {
            EXPECT_GE(w[x], root[x].lo) << c.name;
            EXPECT_LE(w[x], root[x].hi) << c.name;
        }
    }
}

// A wheel whose rim may not pass the hub by more than one: the hub, with
// the fewest values, is branched on first; with hub 0 the rim is empty at
// once, with hub 1 it is an odd cycle in two colours, from hub 2 on it has
// three and a solution.
std::string graded_wheel(int rim, int hub_hi) {
    std::string t = "var v0 0 " + std::to_string(hub_hi) + "\n";
    for (int i = 1; i <= rim; ++i)
        t += "var v" + std::to_string(i) + " 0 " + std::to_string(hub_hi + 1) + "\n";
    for (int i = 1; i <= rim; ++i) {
        const std::string v = "v" + std::to_string(i);
        t += "neq v0 " + v + "\nle " + v + " v0 1\n";
        t += "neq " + v + " v" + std::to_string(1 + i % rim) + "\n";
    }
    return t;
}

// A search stopped by its budget, in its own order, closes only values of
// the variable it was given whose subtrees hold no solution: each is checked by a search without
// a budget. Budgets from one run up, so that the cut falls at every depth;
// some of them must close a value.
TEST(Witness, UnfinishedSearchClosesOnlyEmptyValues) {
    for (const auto& [rim, hub_hi] : {std::pair{5, 3}, std::pair{7, 3}, std::pair{9, 4}}) {
        SCOPED_TRACE(testing::Message() << "rim " << rim << ", hub to " << hub_hi);
        const CpProblem p = parse(graded_wheel(rim, hub_hi));
        const Network net = build_network(p);
        Refuter store(net, kAllRefuteRules | kWitnessOnSums);
        ASSERT_TRUE(store.start(declared(p), true));
        WitnessSearch search(net);
        WitnessSearch check(net);
        Interrupt interrupt;
        int closing = 0;
        for (std::uint64_t budget = 1; budget <= 300; ++budget) {
            const WitnessSearch::Outcome out = search.run(store, budget, interrupt, 0, 0, false);
            if (out.verdict != WitnessSearch::Verdict::Unknown) continue;
            if (out.closed_to > 0) ++closing;
            for (Wide v = 0; v < out.closed_to; ++v) {
                const std::size_t mark = store.mark();
                if (store.trial_within(0, v, v)) {
                    EXPECT_EQ(check.run(store, ~std::uint64_t{0}, interrupt, 0).verdict,
                              WitnessSearch::Verdict::Empty)
                        << "budget " << budget << ", value " << static_cast<long long>(v);
                }
                store.end_trials(mark);
            }
        }
        EXPECT_GT(closing, 0);
    }
}

// The variable a call is about goes first, value by value, even where its
// own order would take another: here x has more values than the rim, x = 0
// leaves the rim an odd cycle in two colours and x = 1 gives it three. A
// call that ends in a solution closes every value below the solution's, and
// one stopped by its budget closes what it searched through; each closed
// value is checked by a search without a budget.
TEST(Witness, CallClosesTheValuesOfItsVariableInOrder) {
    for (const int rim : {5, 7, 9}) {
        SCOPED_TRACE(testing::Message() << "rim " << rim);
        std::string t = "var x 0 4\n";
        for (int i = 1; i <= rim; ++i) t += "var v" + std::to_string(i) + " 0 2\n";
        for (int i = 1; i <= rim; ++i) {
            const std::string v = "v" + std::to_string(i);
            t += "le " + v + " x 1\nneq " + v + " v" + std::to_string(1 + i % rim) + "\n";
        }
        const CpProblem p = parse(t);
        const Network net = build_network(p);
        Refuter store(net, kAllRefuteRules | kWitnessOnSums);
        ASSERT_TRUE(store.start(declared(p), true));
        WitnessSearch search(net);
        WitnessSearch check(net);
        Interrupt interrupt;
        const auto expect_empty_below = [&](Wide to, std::uint64_t budget) {
            for (Wide v = 0; v < to; ++v) {
                const std::size_t mark = store.mark();
                if (store.trial_within(0, v, v)) {
                    EXPECT_EQ(check.run(store, ~std::uint64_t{0}, interrupt, 0).verdict,
                              WitnessSearch::Verdict::Empty)
                        << "budget " << budget << ", value " << static_cast<long long>(v);
                }
                store.end_trials(mark);
            }
        };
        const WitnessSearch::Outcome full = search.run(store, ~std::uint64_t{0}, interrupt, 0, 0);
        ASSERT_EQ(full.verdict, WitnessSearch::Verdict::Witness);
        EXPECT_EQ(search.witness()[0], 1);
        EXPECT_EQ(full.closed_to, 1);
        int closing = 0;
        for (std::uint64_t budget = 1; budget <= 200; ++budget) {
            const WitnessSearch::Outcome out = search.run(store, budget, interrupt, 0, 0);
            if (out.verdict == WitnessSearch::Verdict::Witness) {
                EXPECT_EQ(out.closed_to, search.witness()[0]) << "budget " << budget;
            }
            if (out.closed_to > 0) ++closing;
            expect_empty_below(out.closed_to, budget);
        }
        EXPECT_GT(closing, 0);
    }
}

// The oracle's order counts the values left in the store: holes cut by
// forward checks, ends off the words' edges, counts capped anywhere.
TEST(Witness, StoreCountsTheValuesLeft) {
    for (const int width : {5, 63, 64, 65, 130, 300}) {
        std::string t = "var x 3 ";
        t.append(std::to_string(3 + width)).append("\n");
        std::vector<int> gone;
        for (int v = 3; v <= 3 + width; v += 1 + v % 7) gone.push_back(v);
        for (const int v : gone) {
            const std::string value = std::to_string(v);
            t.append("var c").append(value).append(" ").append(value).append(" ").append(value);
            t.append("\nneq x c").append(value).append("\n");
        }
        const CpProblem p = parse(t);
        const Network net = build_network(p);
        Refuter store(net, kAllRefuteRules | kWitnessOnSums);
        ASSERT_TRUE(store.start(declared(p), true)) << width;
        const Wide left = width + 1 - static_cast<Wide>(gone.size());
        for (const Wide cap : {Wide{1}, Wide{2}, left - 1, left, left + 1, Wide{1} << 40})
            EXPECT_EQ(static_cast<long long>(store.count(0, cap)),
                      static_cast<long long>(std::min(cap, left)))
                << width << " " << static_cast<long long>(cap);
    }
}

int checks = 0;
bool stop_at_third_check(std::uint64_t) {
    return ++checks >= 3;
}

// The 8 x 8 queen graph needs 9 colours, which no rule sees and which a
// search takes very long to show: with no budget to stop it, only the
// interrupt ends the oracle's search.
TEST(Witness, InterruptStopsALongSearch) {
    std::string t;
    const int n = 8;
    for (int i = 0; i < n * n; ++i)
        t += "var c" + std::to_string(i) + " 0 " + std::to_string(n - 1) + "\n";
    for (int a = 0; a < n * n; ++a) {
        for (int b = a + 1; b < n * n; ++b) {
            const int dr = b / n - a / n;
            const int dc = b % n - a % n;
            if (dr == 0 || dc == 0 || dr == dc || dr == -dc)
                t += "neq c" + std::to_string(a) + " c" + std::to_string(b) + "\n";
        }
    }
    const CpProblem p = parse(t);
    const Network net = build_network(p);
    Refuter store(net, kAllRefuteRules | kWitnessOnSums);
    ASSERT_TRUE(store.start(declared(p), true));
    WitnessSearch search(net);
    checks = 0;
    Interrupt interrupt(stop_at_third_check, 64);
    EXPECT_THROW(search.run(store, ~std::uint64_t{0}, interrupt, 0), Interrupted);
    EXPECT_EQ(checks, 3);
}

// Cells r0c0..r8c8 from a puzzle of 81 characters; an allDiff per row,
// then per column, then per box.
std::string sudoku(const std::string& puzzle) {
    std::string t;
    for (std::size_t i = 0; i < puzzle.size(); ++i) {
        const std::string range =
            puzzle[i] == '.' ? "1 9" : std::string(2, puzzle[i]).insert(1, " ");
        t += "var r" + std::to_string(i / 9) + "c" + std::to_string(i % 9) + " " + range + "\n";
    }
    const auto cell = [](int r, int c) {
        return " r" + std::to_string(r) + "c" + std::to_string(c);
    };
    for (int shape = 0; shape < 3; ++shape) {
        for (int k = 0; k < 9; ++k) {
            t += "allDiff";
            for (int j = 0; j < 9; ++j) {
                t += shape == 0   ? cell(k, j)
                     : shape == 1 ? cell(j, k)
                                  : cell(k / 3 * 3 + j / 3, k % 3 * 3 + j % 3);
            }
            t += "\n";
        }
    }
    return t;
}

// The oracle searches a model of views by default, the same board with
// three-term sums only when asked to, and a hard Sudoku, whose subtrees the
// search closes cheaply by itself, only when asked to search below cheap
// subtrees too.
TEST(Witness, SearchesWhereItPays) {
    struct Case {
        const char* name;
        std::string text;
        unsigned rules;
        bool searched;
        std::uint64_t after = 0;  // nodes before the refuter joins
    };
    const std::string hard =
        sudoku("4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......");
    const Case cases[] = {
        {"queens by pairs", queens_by_pairs(14, true), kAllRefuteRules, true},
        {"queens by three-term sums", queens_by_pairs(14, false), kAllRefuteRules, false},
        {"queens by three-term sums, asked", queens_by_pairs(14, false),
         kAllRefuteRules | kWitnessOnSums, true},
        {"queens by pairs, no oracle", queens_by_pairs(14, true), kAllRefuteRules & ~kWitness,
         false},
        {"hard sudoku", hard, kAllRefuteRules, false, kRefuteAfter},
        {"hard sudoku, asked", hard, kAllRefuteRules | kWitnessOnCheap, true, kRefuteAfter},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CpProblem p = parse(c.text);
        CpStats stats;
        EXPECT_TRUE(solve_cp(p, Interrupt(), &stats, c.rules, c.after).is_sat());
        EXPECT_EQ(stats.witness_nodes > 0, c.searched);
    }
}

}  // namespace
}  // namespace nemox::cp
