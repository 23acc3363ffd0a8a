#include "sat/solver.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "parser/dimacs.hpp"
#include "sat/clauses.hpp"
#include "sat/reference_solver.hpp"
#include "sat/watch.hpp"

namespace nemox::sat {
namespace {

SolverResult solve(const Clauses& clauses) {
    return solve_cnf(to_cnf(clauses));
}

SolverResult solve_reference(const Clauses& clauses) {
    reference::Solver s;
    for (const auto& c : clauses) s.add_clause(c);
    return s.solve();
}

// The clauses of a watch list as their positions in the order stored.
std::vector<std::size_t> clauses_in(const Solver& s, std::span<const Watch> list) {
    const std::vector<ClauseRef> refs = s.clause_refs();
    std::vector<std::size_t> out;
    for (const Watch& w : list)
        out.push_back(
            static_cast<std::size_t>(std::find(refs.begin(), refs.end(), w.clause) - refs.begin()));
    return out;
}

std::vector<Lit> clause_at(const Solver& s, std::size_t i) {
    const auto lits = s.clause(s.clause_refs().at(i));
    return std::vector<Lit>(lits.begin(), lits.end());
}

Lit lit(std::uint32_t var, bool positive) {
    return make_lit(Var{var}, positive);
}

Solver loaded(const Clauses& clauses) {
    Solver s;
    for (const auto& c : clauses) s.add_clause(c);
    return s;
}

TEST(SatLoad, TablesGrowToTheLargestVariable) {
    Solver s = loaded({{1, 2}, {-1, 3}});
    EXPECT_EQ(s.num_vars(), 3u);
    EXPECT_EQ(clauses_in(s, s.watch_list(lit(0, true))), std::vector<std::size_t>{0});
    EXPECT_EQ(clauses_in(s, s.watch_list(lit(1, true))), std::vector<std::size_t>{0});
    EXPECT_EQ(clauses_in(s, s.watch_list(lit(0, false))), std::vector<std::size_t>{1});
}

TEST(SatLoad, ContradictingUnitsStoreAnEmptyClause) {
    Solver s = loaded({{2}, {-2}});
    ASSERT_EQ(s.clause_count(), 2u);
    EXPECT_EQ(clause_at(s, 0).size(), 1u);
    EXPECT_TRUE(clause_at(s, 1).empty());
    EXPECT_EQ(s.var_value(Var{1}), True);
}

TEST(SatLoad, RepeatedUnitIsDroppedAndDuplicateLiteralWatchedTwice) {
    EXPECT_EQ(loaded({{3}, {3}}).clause_count(), 1u);
    Solver s = loaded({{1, 1}});
    EXPECT_EQ(clauses_in(s, s.watch_list(lit(0, true))), (std::vector<std::size_t>{0, 0}));
    EXPECT_EQ(loaded({}).num_vars(), 0u);
}

TEST(SatSearch, LearnsTheConflictClauseWithTheUipFirst) {
    // Decisions x1 then x0 falsify (-1 -2); the learnt clause asserts -x0 at
    // level 1 and lists the lower-level literal after it.
    Solver s = loaded({{-1, -2}});
    const SolverResult r = s.solve();
    ASSERT_TRUE(r.is_sat());
    EXPECT_EQ(s.conflicts(), 1u);
    EXPECT_EQ(s.decisions(), 2u);
    ASSERT_EQ(s.clause_count(), 2u);
    EXPECT_EQ(clause_at(s, 1), (std::vector<Lit>{lit(0, false), lit(1, false)}));
    EXPECT_EQ(s.var_value(Var{0}), False);
    EXPECT_EQ(s.var_value(Var{1}), True);
}

TEST(SatSearch, AllFourBinaryClausesDecideTheHighestIndexFirst) {
    Solver s = loaded({{1, 2}, {-1, 2}, {1, -2}, {-1, -2}});
    EXPECT_FALSE(s.solve().is_sat());
    // Decisions x1 (highest index at equal activity), then x0: (-1 -2) is
    // falsified and learnt with -x0 first, x1 coming from level 1.
    ASSERT_GE(s.clause_count(), 5u);
    EXPECT_EQ(clause_at(s, 4), (std::vector<Lit>{lit(0, false), lit(1, false)}));
}

TEST(SatLoad, ExtremeLiteralMapsToTheTopVariable) {
    EXPECT_EQ(lit_from_dimacs(-2147483647 - 1).var(), Var{2147483647u});
    EXPECT_FALSE(lit_from_dimacs(-5).positive());
    EXPECT_THROW(lit_from_dimacs(0), InternalFailure);
}

TEST(SatLoad, BranchFreeConversionMatchesTheChecked) {
    for (const std::int32_t d :
         {1, -1, 2, -2, 7, -20, 65535, -65536, 2147483647, -2147483647, -2147483647 - 1}) {
        const Lit l = lit_from_nonzero_dimacs(d);
        const std::uint32_t magnitude =
            d < 0 ? 0u - static_cast<std::uint32_t>(d) : static_cast<std::uint32_t>(d);
        EXPECT_EQ(l.var(), Var{magnitude - 1}) << d;
        EXPECT_EQ(l.positive(), d > 0) << d;
    }
}

// Loading a whole formula at once stores, watches and assigns exactly what
// adding its clauses one by one does.
void expect_same_load(const Clauses& clauses, const std::string& name) {
    Solver whole;
    whole.load(to_cnf(clauses));
    const Solver one_by_one = loaded(clauses);
    ASSERT_EQ(whole.num_vars(), one_by_one.num_vars()) << name;
    ASSERT_EQ(whole.clause_count(), one_by_one.clause_count()) << name;
    for (std::size_t i = 0; i < whole.clause_count(); ++i)
        EXPECT_EQ(clause_at(whole, i), clause_at(one_by_one, i)) << name << " clause " << i;
    for (std::uint32_t v = 0; v < whole.num_vars(); ++v)
        EXPECT_EQ(whole.var_value(Var{v}), one_by_one.var_value(Var{v})) << name << " var " << v;
    for (std::uint32_t code = 0; code < 2 * whole.num_vars(); ++code) {
        const auto a = whole.watch_list(Lit{code});
        const auto b = one_by_one.watch_list(Lit{code});
        EXPECT_EQ(clauses_in(whole, a), clauses_in(one_by_one, b)) << name << " literal " << code;
        for (std::size_t j = 0; j < a.size() && j < b.size(); ++j) {
            EXPECT_EQ(a[j].lit0, b[j].lit0) << name << " literal " << code;
            EXPECT_EQ(a[j].lit1, b[j].lit1) << name << " literal " << code;
            EXPECT_EQ(a[j].lit2, b[j].lit2) << name << " literal " << code;
        }
    }
}

TEST(SatLoad, WholeFormulaSameAsClauseByClause) {
    const std::vector<Clauses> cases = {
        {},
        {{}},
        {{1, 2}, {-1, 3}},
        {{2}, {-2}},
        {{3}, {3}, {1, 1}},
        {{1, -2, 3}, {}, {-3}, {2, 4, -1, 5, 6, -7, 8, 9, 10}, {4, 4}},
        {{5, -6}, {-5}, {6}, {1, 2, 3}, {-6, 1}},
        // The largest variable only in a clause after the first unit, and
        // only in the clauses before it.
        {{1, 2}, {-1}, {2, 40}},
        {{1, 40}, {-1}, {2, 3}},
        {{-3000, 2999}, {3, -3000}},
    };
    for (std::size_t k = 0; k < cases.size(); ++k) expect_same_load(cases[k], std::to_string(k));
}

// Empty and unit clauses at every place among longer ones: loading moves
// from its run of long clauses to the clause-by-clause path at the first.
TEST(SatLoad, ShortClausesAnywhereSameAsClauseByClause) {
    std::mt19937 rng(515);
    for (int round = 0; round < 3000; ++round) {
        const int vars = 1 + static_cast<int>(rng() % 30);
        const int count = static_cast<int>(rng() % 25);
        Clauses clauses;
        for (int i = 0; i < count; ++i) {
            const unsigned kind = rng() % 10;
            const int len = kind == 0 ? 0 : kind < 3 ? 1 : 2 + static_cast<int>(rng() % 5);
            Clause c;
            for (int j = 0; j < len; ++j) {
                const int v = 1 + static_cast<int>(rng() % vars);
                c.push_back(rng() % 2 ? v : -v);
            }
            clauses.push_back(c);
        }
        expect_same_load(clauses, "round " + std::to_string(round));
        if (HasFailure()) return;
    }
}

// A formula loaded into a solver that already holds clauses keeps their
// watches: the same as adding all the clauses one by one.
TEST(SatLoad, AfterClausesAddedOneByOne) {
    const Clauses before = {{1, -2}, {3}, {2, 3, -4}};
    const Clauses after = {{-1, 4}, {}, {2, 5, 1}, {-3}};
    Solver s = loaded(before);
    s.load(to_cnf(after));
    Clauses all = before;
    all.insert(all.end(), after.begin(), after.end());
    const Solver expected = loaded(all);
    ASSERT_EQ(s.clause_count(), expected.clause_count());
    for (std::size_t i = 0; i < s.clause_count(); ++i)
        EXPECT_EQ(clause_at(s, i), clause_at(expected, i));
    for (std::uint32_t code = 0; code < 2 * expected.num_vars(); ++code)
        EXPECT_EQ(clauses_in(s, s.watch_list(Lit{code})),
                  clauses_in(expected, expected.watch_list(Lit{code})))
            << "literal " << code;
}

// A literal 0 breaks the reader's promise wherever it stands.
TEST(SatLoad, ZeroLiteralIsAnInternalFailureAnywhere) {
    const Clauses base = {{1, 2, 3}, {-1, 4}, {5}, {2, -3, 4, 6}};
    for (std::size_t c = 0; c < base.size(); ++c) {
        for (std::size_t j = 0; j < base[c].size(); ++j) {
            Clauses clauses = base;
            clauses[c][j] = 0;
            Solver s;
            EXPECT_THROW(s.load(to_cnf(clauses)), InternalFailure) << c << " " << j;
        }
    }
}

TEST(SatLoad, ZeroLiteralIsAnInternalFailure) {
    Solver s;
    EXPECT_THROW(s.load(to_cnf({{1, 2}, {3, 0, 4}})), InternalFailure);
}

struct Case {
    const char* name;
    Clauses clauses;
    bool sat;
    std::vector<bool> model;
};

class SatCases : public ::testing::TestWithParam<Case> {};

TEST_P(SatCases, Answer) {
    const Case& c = GetParam();
    const SolverResult r = solve(c.clauses);
    ASSERT_EQ(r.is_sat(), c.sat);
    if (!c.sat) return;
    Assignment expected;
    for (std::size_t v = 0; v < c.model.size(); ++v) expected.set(v, c.model[v]);
    EXPECT_EQ(r.assignment(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Search, SatCases,
    ::testing::Values(Case{"none", {}, true, {}}, Case{"empty", {{1, 2}, {}}, false, {}},
                      Case{"units", {{1}, {-1}}, false, {}},
                      Case{"all_four", {{1, 2}, {-1, 2}, {1, -2}, {-1, -2}}, false, {}},
                      Case{"negative_unit", {{-1}}, true, {false}},
                      Case{"decisions_true", {{1, 2}}, true, {true, true}},
                      Case{"learns", {{-1, -2}}, true, {false, true}},
                      Case{"tautology", {{1, -1}}, true, {true}},
                      Case{"gap", {{3}}, true, {true, true, true}}),
    [](const auto& info) { return std::string(info.param.name); });

// Removing the first k entries one at a time, first occurrence each, with the
// last element swapped into the hole, exactly as written.
std::vector<std::uint32_t> remove_literally(std::vector<std::uint32_t> list, std::size_t k) {
    const std::vector<std::uint32_t> copy = list;
    for (std::size_t i = 0; i < k; ++i) {
        for (std::size_t j = 0; j < list.size(); ++j) {
            if (list[j] == copy[i]) {
                list[j] = list.back();
                list.pop_back();
                break;
            }
        }
    }
    return list;
}

TEST(SatWatches, RestoreMatchesLiteralRemovalOnRandomLists) {
    std::mt19937 rng(7);
    Watches w;
    w.resize(2);
    for (int round = 0; round < 20000; ++round) {
        // Each clause at most twice, as in real watch lists; references far
        // apart or close together, as arena offsets are.
        std::vector<std::uint32_t> list;
        const int n = static_cast<int>(rng() % (round % 10 == 0 ? 400 : 40));
        const std::uint32_t range = 1 + rng() % (round % 3 == 0 ? 64 : 1000000);
        const std::uint32_t stride = 1 + rng() % 7;
        for (int i = 0; i < n; ++i) {
            const std::uint32_t c = stride * (rng() % range);
            if (std::count(list.begin(), list.end(), c) < 2) list.push_back(c);
        }
        const std::size_t k = list.empty() ? 0 : rng() % list.size();
        // Alternate between two lists so that pool growth and reuse are covered.
        const Lit l{static_cast<std::uint32_t>(round % 2)};
        w.clear(l);
        for (const std::uint32_t c : list)
            w.push(l, Watch{ClauseRef{c}, Lit{c ^ 1u}, Lit{c}, Lit{c}});
        w.restore_after_conflict(l, k);
        std::vector<std::uint32_t> kept;
        for (const Watch& entry : w.list(l)) {
            ASSERT_EQ(entry.lit0.code, entry.clause.offset ^ 1u);
            kept.push_back(entry.clause.offset);
        }
        ASSERT_EQ(kept, remove_literally(list, k)) << "round " << round;
    }
}

Clauses random_formula(std::mt19937& rng, int min_vars = 1, int max_vars = 40) {
    const int vars = min_vars + static_cast<int>(rng() % (max_vars - min_vars + 1));
    const int count = static_cast<int>(rng() % (vars * 5 + 2));
    Clauses clauses;
    for (int i = 0; i < count; ++i) {
        const unsigned kind = rng() % 100;
        const int len = kind < 2    ? 0
                        : kind < 10 ? 1
                        : kind < 25 ? 2
                        : kind < 85 ? 3
                                    : 4 + rng() % 3;
        std::vector<std::int32_t> c;
        for (int j = 0; j < len; ++j) {
            // Duplicates and complementary pairs arise often with small ranges.
            const int v = 1 + static_cast<int>(rng() % vars);
            c.push_back(rng() % 2 ? v : -v);
            if (rng() % 20 == 0) c.push_back(c.back());
            if (rng() % 30 == 0) c.push_back(-c.back());
        }
        clauses.push_back(c);
    }
    return clauses;
}

// The decision order against a scan of the variables it holds: random
// pairs of variables it does not hold freed together, one of them skipped,
// bumps of those not held (as analysis bumps assigned ones) and pops, on
// both of its forms (a sorted array up to 64 variables, a heap beyond).
// Equal activities are common, +inf among them, so the tie rule is
// exercised as well.
TEST(SatOrder, PopsTheMostActiveWaitingVariableHighestIndexOnTies) {
    std::mt19937 rng(99);
    for (const std::uint32_t n : {1u, 5u, 63u, 64u, 65u, 200u}) {
        std::vector<double> activity(n, 0.0);
        VarOrder order;
        order.reset(n);
        // Variables held from the start, added in a scrambled order.
        std::vector<bool> held(n, false);
        std::vector<std::uint32_t> start;
        for (std::uint32_t v = 0; v < n; ++v) {
            if (rng() % 4 != 0) start.push_back(v);
        }
        std::shuffle(start.begin(), start.end(), rng);
        for (const std::uint32_t v : start) {
            activity[v] = static_cast<double>(rng() % 3);
            order.add(Var{v}, activity[v]);
            held[v] = true;
        }
        order.ready();
        // The form in use, as the search calls it.
        const auto insert_all = [&](const Lit* first, const Lit* last, Var skip) {
            const auto of = [&](Var w) { return activity[w.index]; };
            if (order.small()) {
                order.sorted().insert_all(first, last, skip, of);
            } else {
                order.heap().insert_all(first, last, skip, of);
            }
        };
        const auto pop = [&] { return order.small() ? order.sorted().pop() : order.heap().pop(); };
        for (int step = 0; step < 20000; ++step) {
            const std::uint32_t v = rng() % n;
            switch (rng() % 3) {
                case 0: {
                    // Freed together, one of them assigned again at once.
                    const std::uint32_t u = rng() % n;
                    const Lit freed[] = {make_lit(Var{v}, true), make_lit(Var{u}, false)};
                    const std::uint32_t skip = rng() % 2 ? v : u;
                    if (held[v] || held[u]) break;
                    insert_all(std::begin(freed), std::end(freed), Var{skip});
                    held[v] = held[u] = true;
                    held[skip] = false;
                    break;
                }
                case 1:
                    if (!held[v]) {
                        activity[v] += rng() % 50 == 0 ? HUGE_VAL : static_cast<double>(rng() % 3);
                    }
                    break;
                default: {
                    std::uint32_t expected = n;
                    for (std::uint32_t u = 0; u < n; ++u) {
                        if (held[u] && (expected == n || activity[u] >= activity[expected]))
                            expected = u;
                    }
                    ASSERT_EQ(order.empty(), expected == n) << "n " << n << " step " << step;
                    if (expected == n) break;
                    ASSERT_EQ(pop(), Var{expected}) << "n " << n << " step " << step;
                    held[expected] = false;
                }
            }
        }
    }
}

// Random formulas aimed at one part of the search each.
struct Family {
    const char* name;
    int min_vars;
    int max_vars;
    double min_ratio;  // clauses per variable
    double max_ratio;
    int repeat_percent;  // chance that a clause is an earlier one again
    int twist_percent;   // chance of a duplicate or complementary literal
    int spread;          // variables drawn from min..max_vars * spread
    int rounds;
    std::uint64_t min_conflicts;  // the family must reach this many in one formula
};

Clauses family_formula(const Family& f, std::mt19937& rng) {
    const int vars = f.min_vars + static_cast<int>(rng() % (f.max_vars - f.min_vars + 1));
    const double ratio =
        f.min_ratio + (f.max_ratio - f.min_ratio) * static_cast<double>(rng() % 1000) / 1000.0;
    const int count = static_cast<int>(ratio * vars);
    // With a spread, the variables are a sparse subset of a larger range.
    std::vector<int> names(vars);
    for (int i = 0; i < vars; ++i)
        names[i] = f.spread == 1 ? i + 1 : 1 + static_cast<int>(rng() % (vars * f.spread));
    Clauses clauses;
    for (int i = 0; i < count; ++i) {
        if (!clauses.empty() && static_cast<int>(rng() % 100) < f.repeat_percent) {
            clauses.push_back(clauses[rng() % clauses.size()]);
            continue;
        }
        std::vector<std::int32_t> c;
        for (int j = 0; j < 3; ++j) {
            const int v = names[rng() % vars];
            c.push_back(rng() % 2 ? v : -v);
            if (static_cast<int>(rng() % 100) < f.twist_percent)
                c.push_back(rng() % 2 ? c.back() : -c.back());
        }
        clauses.push_back(c);
    }
    return clauses;
}

class SatFamilies : public ::testing::TestWithParam<Family> {};

TEST_P(SatFamilies, SameAnswersAsTheLiteralSearch) {
    const Family& f = GetParam();
    std::mt19937 rng(20261208u + static_cast<unsigned>(f.min_vars));
    std::uint64_t most_conflicts = 0;
    for (int round = 0; round < f.rounds; ++round) {
        const Clauses clauses = family_formula(f, rng);
        Solver s;
        s.load(to_cnf(clauses));
        const SolverResult fast = s.solve();
        ASSERT_EQ(fast, solve_reference(clauses)) << f.name << " round " << round;
        most_conflicts = std::max(most_conflicts, s.conflicts());
    }
    EXPECT_GE(most_conflicts, f.min_conflicts) << f.name;
}

// Every clause stored, learnt ones included, in the order stored, against
// the literal search: the same database means the same decisions, conflicts
// and analyses all along, not only the same final answer.
void expect_same_clause_database(const Clauses& clauses, const std::string& where,
                                 std::uint64_t* conflicts = nullptr) {
    Solver fast;
    fast.load(to_cnf(clauses));
    const SolverResult answer = fast.solve();
    if (conflicts != nullptr) *conflicts = fast.conflicts();
    reference::Solver literal;
    for (const auto& c : clauses) literal.add_clause(c);
    ASSERT_EQ(answer, literal.solve()) << where;
    const std::vector<ClauseRef> refs = fast.clause_refs();
    ASSERT_EQ(refs.size(), literal.clauses.size()) << where;
    for (std::size_t i = 0; i < refs.size(); ++i) {
        std::vector<Lit> expected;
        for (const reference::Lit l : literal.clauses[i].lits)
            expected.push_back(lit(static_cast<std::uint32_t>(l.var), l.positive));
        const auto got = fast.clause(refs[i]);
        ASSERT_EQ(std::vector<Lit>(got.begin(), got.end()), expected) << where << " clause " << i;
    }
}

TEST_P(SatFamilies, SameClauseDatabaseAsTheLiteralSearch) {
    const Family& f = GetParam();
    std::mt19937 rng(7u + static_cast<unsigned>(f.max_vars));
    for (int round = 0; round < std::max(1, f.rounds / 4); ++round) {
        expect_same_clause_database(family_formula(f, rng),
                                    std::string(f.name) + " round " + std::to_string(round));
        if (HasFatalFailure()) return;
    }
}

INSTANTIATE_TEST_SUITE_P(Search, SatFamilies,
                         ::testing::Values(
                             // Thousands of learnt clauses: long watch lists, conflicts found deep
                             // in them, rebuilt lists with clauses watched twice.
                             Family{"long_learnt", 48, 54, 4.1, 4.4, 0, 0, 1, 16, 10000},
                             // Around and past the bit-set decision order, into the heap.
                             Family{"order_boundary", 60, 70, 2.6, 3.4, 0, 0, 1, 30, 300},
                             Family{"heap_order", 80, 100, 2.6, 3.0, 0, 0, 1, 20, 2000},
                             // Repeated clauses and duplicate or complementary literals.
                             Family{"duplicates", 8, 30, 5.0, 9.0, 30, 10, 1, 400, 20},
                             // Few variables spread over a wide range of indices.
                             Family{"gaps", 10, 40, 3.0, 5.0, 5, 5, 40, 60, 20},
                             // Small formulas at the threshold, where decisions follow
                             // one another between conflicts (the bit set's runner-up).
                             Family{"small_threshold", 12, 24, 4.0, 4.6, 0, 0, 1, 400, 30}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SatDifferential, SameAnswersAsTheLiteralSearch) {
    std::mt19937 rng(20261208);
    int sat = 0;
    for (int round = 0; round < 3000; ++round) {
        const Clauses clauses = random_formula(rng);
        const SolverResult fast = solve(clauses);
        ASSERT_EQ(fast, solve_reference(clauses)) << "round " << round;
        if (!fast.is_sat()) continue;
        ++sat;
        for (const auto& c : clauses) {
            bool satisfied = false;
            for (auto d : c) {
                const bool value = std::get<bool>(fast.assignment()[std::abs(d) - 1].second);
                satisfied = satisfied || (d > 0) == value;
            }
            ASSERT_TRUE(satisfied) << "round " << round;
        }
    }
    // The generator must exercise both answers.
    EXPECT_GT(sat, 300);
    EXPECT_LT(sat, 2700);
}

}  // namespace
}  // namespace nemox::sat

namespace nemox::sat {
namespace {

// Unit clauses, empty ones and wide clauses past the sorted order: the
// units assigned while loading must never be decided.
TEST(SatDifferential, SameClauseDatabaseWithUnitsPastTheSortedOrder) {
    std::mt19937 rng(65);
    for (int round = 0; round < 400; ++round) {
        expect_same_clause_database(random_formula(rng, 60, 130), "round " + std::to_string(round));
        if (HasFatalFailure()) return;
    }
}

// The same within it: units, empty clauses, duplicates and complementary
// literals over 1 to 64 variables, the last 64 being the array's capacity.
TEST(SatDifferential, SameClauseDatabaseWithUnitsInTheSortedOrder) {
    std::mt19937 rng(64);
    for (int round = 0; round < 1500; ++round) {
        expect_same_clause_database(random_formula(rng, 1, 64), "round " + std::to_string(round));
        if (HasFatalFailure()) return;
    }
}

// p pigeons into p - 1 holes, and `extra` variables bound in pairs by (a b)
// and (-a -b), which are decided first (highest indices at equal activity)
// and take the formula past 64 variables, into the heap. The symmetry makes
// equal activities common.
Clauses pigeons(int pigeons, int extra) {
    const int holes = pigeons - 1;
    auto var = [&](int p, int h) { return p * holes + h + 1; };
    Clauses clauses;
    for (int p = 0; p < pigeons; ++p) {
        std::vector<std::int32_t> c;
        for (int h = 0; h < holes; ++h) c.push_back(var(p, h));
        clauses.push_back(c);
    }
    for (int h = 0; h < holes; ++h)
        for (int p1 = 0; p1 < pigeons; ++p1)
            for (int p2 = p1 + 1; p2 < pigeons; ++p2) clauses.push_back({-var(p1, h), -var(p2, h)});
    for (int k = 0; k + 1 < extra; k += 2) {
        const int a = pigeons * holes + k + 1;
        clauses.push_back({a, a + 1});
        clauses.push_back({-a, -(a + 1)});
    }
    return clauses;
}

struct Pigeons {
    int pigeons;
    int extra;
    std::uint64_t min_conflicts;
};

// Seven pigeons give about 29,000 conflicts, far past the 13,838th, where the
// bump amount overflows to infinity and the tie rule on equal (infinite)
// activities decides, in both forms of the decision order.
TEST(SatDifferential, SameClauseDatabaseOnPigeonsPastActivityOverflow) {
    for (const Pigeons& c : {Pigeons{5, 0, 50}, Pigeons{6, 0, 500}, Pigeons{6, 30, 500},
                             Pigeons{7, 0, 13838}, Pigeons{7, 28, 13838}}) {
        const std::string where =
            std::to_string(c.pigeons) + " pigeons, " + std::to_string(c.extra) + " extra";
        std::uint64_t conflicts = 0;
        expect_same_clause_database(pigeons(c.pigeons, c.extra), where, &conflicts);
        if (HasFatalFailure()) return;
        EXPECT_GT(conflicts, c.min_conflicts) << where;
    }
}

// The whole state after the search against the literal search: every
// clause stored, every watch list with its order and cached literals, and
// every variable's value.
void expect_same_state(const Solver& fast, const reference::Solver& literal,
                       const std::string& where) {
    const std::vector<ClauseRef> refs = fast.clause_refs();
    ASSERT_EQ(refs.size(), literal.clauses.size()) << where;
    std::vector<std::vector<Lit>> lits(refs.size());
    for (std::size_t i = 0; i < refs.size(); ++i) {
        for (const reference::Lit l : literal.clauses[i].lits)
            lits[i].push_back(lit(static_cast<std::uint32_t>(l.var), l.positive));
        const auto got = fast.clause(refs[i]);
        ASSERT_EQ(std::vector<Lit>(got.begin(), got.end()), lits[i]) << where << " clause " << i;
    }
    ASSERT_EQ(literal.watches.size(), 2 * fast.num_vars()) << where;
    for (std::uint32_t code = 0; code < literal.watches.size(); ++code) {
        const std::vector<std::size_t> order = clauses_in(fast, fast.watch_list(Lit{code}));
        ASSERT_EQ(std::vector<std::uint64_t>(order.begin(), order.end()), literal.watches[code])
            << where << " literal " << code;
        for (const Watch& w : fast.watch_list(Lit{code})) {
            const std::vector<Lit>& c =
                lits[std::find(refs.begin(), refs.end(), w.clause) - refs.begin()];
            ASSERT_TRUE(w.lit0 == c[0] && w.lit1 == c[1] &&
                        w.lit2 == c[std::min<std::size_t>(2, c.size() - 1)])
                << where << " literal " << code;
        }
    }
    for (std::uint32_t v = 0; v < fast.num_vars(); ++v) {
        ASSERT_EQ(static_cast<int>(fast.var_value(Var{v})), static_cast<int>(literal.assigns[v]))
            << where << " variable " << v;
    }
}

// Learnt clauses are built in the room after the last clause. Clauses added
// one by one leave no room beyond them, so the first learnt clause moves the
// arena, and later ones again as it fills; loaded at once, the arena has
// room for as many literals again as the formula holds, and long searches
// outgrow it. Units wait to be walked before the first decision, and wide
// clauses give long learnt clauses.
TEST(SatDifferential, SameStateWhenLearntClausesMoveTheArena) {
    std::mt19937 rng(1208);
    std::uint64_t most_learnt = 0;
    int unsat = 0;
    for (int round = 0; round < 600; ++round) {
        // Random 3-SAT near the threshold for long searches, with units.
        Clauses clauses = round % 10 == 0
                              ? family_formula(Family{"hard", 40, 46, 4.1, 4.4, 0, 0, 1, 1, 0}, rng)
                              : random_formula(rng, 1, round % 3 == 0 ? 90 : 30);
        if (round % 10 == 0) clauses.push_back({static_cast<std::int32_t>(1 + rng() % 40)});
        if (round % 2 == 0) {
            // Wide clauses over many variables.
            for (int i = 0; i < 6; ++i) {
                Clause wide;
                for (int j = 0; j < 12; ++j) {
                    const int v = 1 + static_cast<int>(rng() % 60);
                    wide.push_back(rng() % 2 ? v : -v);
                }
                clauses.push_back(wide);
            }
        }
        const bool one_by_one = round % 4 < 2;
        Solver fast = one_by_one ? loaded(clauses) : Solver();
        if (!one_by_one) fast.load(to_cnf(clauses));
        const SolverResult answer = fast.solve();
        reference::Solver literal;
        for (const auto& c : clauses) literal.add_clause(c);
        const std::string where = "round " + std::to_string(round);
        ASSERT_EQ(answer, literal.solve()) << where;
        expect_same_state(fast, literal, where);
        if (HasFatalFailure()) return;
        most_learnt = std::max(most_learnt, fast.learnt_literals());
        unsat += answer.is_sat() ? 0 : 1;
    }
    // Both answers, and searches long enough to move the arena many times.
    EXPECT_GT(unsat, 60);
    EXPECT_LT(unsat, 540);
    EXPECT_GT(most_learnt, 2000u);
}

// With a period of one unit the interrupt checks at every poll: the search
// polls once per list it walks (a walk after each decision and after each
// analysed conflict) and once per analysed conflict. A formula without
// units walks nothing before its first decision; an UNSAT answer ends at a
// conflict it does not analyse.
std::uint64_t g_checks = 0;
bool count_check(std::uint64_t) {
    ++g_checks;
    return false;
}
bool stop_at_third(std::uint64_t) {
    return ++g_checks == 3;
}

TEST(SatInterrupt, PollsAtEveryWalkAndConflict) {
    std::mt19937 rng(77);
    for (int round = 0; round < 200; ++round) {
        Clauses clauses = random_formula(rng, 3, 40);
        std::erase_if(clauses, [](const Clause& c) { return c.size() < 2; });
        g_checks = 0;
        Solver s(Interrupt(&count_check, 1));
        s.load(to_cnf(clauses));
        const SolverResult answer = s.solve();
        const std::uint64_t analysed = s.conflicts() - (answer.is_sat() ? 0 : 1);
        ASSERT_EQ(g_checks, s.decisions() + 2 * analysed) << "round " << round;
        g_checks = 0;
        Solver stopped(Interrupt(&stop_at_third, 1));
        stopped.load(to_cnf(clauses));
        if (s.decisions() + 2 * analysed >= 3) {
            EXPECT_THROW(stopped.solve(), Interrupted) << "round " << round;
        } else {
            EXPECT_EQ(stopped.solve(), answer) << "round " << round;
        }
    }
}

}  // namespace
}  // namespace nemox::sat
