#include "sat/watch.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <unordered_map>
#include <vector>

#include "sat/clauses.hpp"
#include "sat/reference_solver.hpp"
#include "sat/solver.hpp"

namespace nemox::sat {
namespace {

// Watch lists as the walk is specified: a copy of the list walked in order,
// each clause appended to its destination and then removed from the walked
// list at its first occurrence, the last element taking its place.
struct ListModel {
    std::vector<std::vector<std::uint32_t>> lists;

    // `dest[c]`: the list clause c moves to, or `conflict` when it has none.
    // Returns the conflict clause, or UINT32_MAX.
    std::uint32_t walk(std::uint32_t f, const std::vector<std::uint32_t>& dest,
                       std::uint32_t conflict) {
        const std::vector<std::uint32_t> copy = lists[f];
        for (const std::uint32_t c : copy) {
            if (dest[c] == conflict) return c;
            lists[dest[c]].push_back(c);
            std::vector<std::uint32_t>& from = lists[f];
            const auto at = std::find(from.begin(), from.end(), c);
            *at = from.back();
            from.pop_back();
        }
        return UINT32_MAX;
    }
};

// Clause c as a watch whose cached literals carry c, so that an entry torn
// from its clause shows.
Watch watch_of(std::uint32_t c) {
    return Watch{ClauseRef{c}, Lit{c + 1}, Lit{c + 2}, Lit{c + 3}};
}

std::vector<std::uint32_t> clauses_of(const Watches& w, std::uint32_t l) {
    std::vector<std::uint32_t> out;
    for (const Watch& entry : w.list(Lit{l})) {
        EXPECT_EQ(entry.lit2.code, entry.clause.offset + 3);
        out.push_back(entry.clause.offset);
    }
    return out;
}

// Every clause watched twice, as in the solver, over few lists so that they
// grow long and hold many clauses twice. Walks with random destinations and
// conflicts at random places must leave every list as the model does,
// through growth of the lists (the pool moves while a list is walked) and
// every form of the rebuild after a conflict.
TEST(SatWalk, ListsMatchTheCopyWalkModel) {
    std::mt19937 rng(4242);
    for (int round = 0; round < 1000; ++round) {
        const std::uint32_t lits = 2 + rng() % 6;
        const std::uint32_t clauses = 1 + rng() % (round % 4 == 0 ? 400 : 40);
        Watches w;
        w.resize(lits);
        // Laid out for nothing: every list grows from empty, during walks too.
        if (round % 2 == 0) w.layout();
        ListModel model;
        model.lists.resize(lits);
        for (std::uint32_t c = 0; c < clauses; ++c) {
            // Both watches often on one literal: twins, neighbours or not.
            const std::uint32_t a = rng() % lits;
            const std::uint32_t b = rng() % 3 == 0 ? a : rng() % lits;
            for (const std::uint32_t l : {a, b}) {
                w.push(Lit{l}, watch_of(c));
                model.lists[l].push_back(c);
            }
        }
        for (int step = 0; step < 60; ++step) {
            const std::uint32_t f = rng() % lits;
            std::vector<std::uint32_t> dest(clauses);
            for (std::uint32_t& d : dest) {
                d = rng() % (lits - 1);
                if (d >= f) ++d;
            }
            // Sometimes one clause of the list is the conflict.
            const std::size_t n = model.lists[f].size();
            if (n > 0 && rng() % 3 != 0) dest[model.lists[f][rng() % n]] = f;
            const std::uint32_t expected = model.walk(f, dest, f);
            const ClauseRef got = w.walk(Lit{f}, [&dest, f](const Watch& entry, Lit& to) {
                to = Lit{dest[entry.clause.offset]};
                return to.code != f;
            });
            ASSERT_EQ(got.offset, expected) << "round " << round << " step " << step;
            for (std::uint32_t l = 0; l < lits; ++l) {
                ASSERT_EQ(clauses_of(w, l), model.lists[l])
                    << "round " << round << " step " << step << " list " << l;
            }
        }
    }
}

// Formulas aimed at the cached literals of a watch: clauses of one to three
// literals and long ones, tautologies, repeated literals, and units.
Clauses mixed_lengths(std::mt19937& rng) {
    const int vars = 20 + static_cast<int>(rng() % 50);
    const int count = vars * (35 + static_cast<int>(rng() % 16)) / 10;
    Clauses clauses;
    for (int i = 0; i < count; ++i) {
        const unsigned kind = rng() % 50;
        const int len = kind == 0   ? 1
                        : kind < 6  ? 2
                        : kind < 42 ? 3
                                    : 4 + static_cast<int>(rng() % 9);
        Clause c;
        for (int j = 0; j < len; ++j) {
            const int v = 1 + static_cast<int>(rng() % vars);
            c.push_back(rng() % 2 ? v : -v);
        }
        switch (rng() % 8) {
            case 0:  // (x -x ...)
                c.insert(c.begin() + static_cast<long>(rng() % c.size()), -c.front());
                break;
            case 1:  // (x x ...)
                c.insert(c.begin(), c.front());
                break;
            default:
                break;
        }
        clauses.push_back(c);
    }
    return clauses;
}

TEST(SatWalk, SameAnswersAsTheLiteralSearchOnMixedLengths) {
    std::mt19937 rng(777);
    int unsat = 0;
    std::uint64_t most_conflicts = 0;
    for (int round = 0; round < 1000; ++round) {
        const Clauses clauses = mixed_lengths(rng);
        Solver s;
        s.load(to_cnf(clauses));
        const SolverResult fast = s.solve();
        reference::Solver ref;
        for (const auto& c : clauses) ref.add_clause(c);
        ASSERT_EQ(fast, ref.solve()) << "round " << round;
        unsat += fast.is_sat() ? 0 : 1;
        most_conflicts = std::max(most_conflicts, s.conflicts());
    }
    // Both answers, and searches long enough to fill the lists with learnt
    // clauses.
    EXPECT_GT(unsat, 200);
    EXPECT_LT(unsat, 800);
    EXPECT_GT(most_conflicts, 2000u);
}

// The whole clause database and every watch list, order and cached
// literals included, against the literal search after it ends: lists of
// hundreds of entries, and conflicts in the middle of them.
TEST(SatWalk, SameDatabaseAndListsAsTheLiteralSearchOnMixedLengths) {
    std::mt19937 rng(4711);
    std::size_t longest = 0;
    for (int round = 0; round < 300; ++round) {
        const Clauses clauses = mixed_lengths(rng);
        Solver s;
        s.load(to_cnf(clauses));
        const SolverResult fast = s.solve();
        reference::Solver ref;
        for (const auto& c : clauses) ref.add_clause(c);
        ASSERT_EQ(fast, ref.solve()) << "round " << round;
        const std::vector<ClauseRef> refs = s.clause_refs();
        ASSERT_EQ(refs.size(), ref.clauses.size()) << "round " << round;
        std::unordered_map<std::uint32_t, std::uint64_t> index;
        std::vector<std::vector<Lit>> lits(refs.size());
        for (std::size_t i = 0; i < refs.size(); ++i) {
            index[refs[i].offset] = i;
            for (const reference::Lit l : ref.clauses[i].lits)
                lits[i].push_back(make_lit(Var{static_cast<std::uint32_t>(l.var)}, l.positive));
            const auto got = s.clause(refs[i]);
            ASSERT_EQ(std::vector<Lit>(got.begin(), got.end()), lits[i])
                << "round " << round << " clause " << i;
        }
        ASSERT_EQ(ref.watches.size(), 2 * s.num_vars()) << "round " << round;
        for (std::uint32_t code = 0; code < ref.watches.size(); ++code) {
            const auto list = s.watch_list(Lit{code});
            std::vector<std::uint64_t> got;
            for (const Watch& w : list) {
                const std::uint64_t i = index.at(w.clause.offset);
                got.push_back(i);
                const std::vector<Lit>& c = lits[i];
                ASSERT_TRUE(w.lit0 == c[0] && w.lit1 == c[1] &&
                            w.lit2 == c[std::min<std::size_t>(2, c.size() - 1)])
                    << "round " << round << " literal " << code << " clause " << i;
            }
            ASSERT_EQ(got, ref.watches[code]) << "round " << round << " literal " << code;
            longest = std::max(longest, list.size());
        }
    }
    // The searches must fill some lists with learnt clauses.
    EXPECT_GE(longest, 200u);
}

}  // namespace
}  // namespace nemox::sat
