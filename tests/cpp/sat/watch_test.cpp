#include "sat/watch.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <random>
#include <string>
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
        if (round % 2 == 0) w.fill(ClauseDB(), 0);
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

// The first k entries removed one by one, each at its first occurrence with
// the last element moved into its place.
std::vector<std::uint32_t> remove_one_by_one(std::vector<std::uint32_t> list, std::size_t k) {
    const std::vector<std::uint32_t> removed(list.begin(), list.begin() + static_cast<long>(k));
    for (const std::uint32_t c : removed) {
        const auto at = std::find(list.begin(), list.end(), c);
        *at = list.back();
        list.pop_back();
    }
    return list;
}

// Rebuilds `list` (each clause at most twice) after a conflict at entry k
// and compares with the removals one by one. Clause c becomes the reference
// `spread * c` (arena offsets are far apart or close together).
void expect_rebuild(Watches& w, const std::vector<std::uint32_t>& list, std::size_t k,
                    std::uint32_t spread, const std::string& where) {
    const Lit l{0};
    w.clear(l);
    for (const std::uint32_t c : list) w.push(l, watch_of(spread * c));
    w.restore_after_conflict(l, k);
    std::vector<std::uint32_t> expected = remove_one_by_one(list, k);
    for (std::uint32_t& c : expected) c *= spread;
    ASSERT_EQ(clauses_of(w, 0), expected) << where << " k " << k;
}

// Every way of pairing up to 11 entries (each entry alone or with one other
// entry of the same clause), rebuilt after a conflict at every entry.
TEST(SatRebuild, EveryPairingOfShortListsAtEveryConflict) {
    Watches w;
    w.resize(2);
    std::size_t lists = 0;
    for (std::uint32_t n = 0; n <= 11; ++n) {
        // Pairings written as the clause of each entry, clauses numbered in
        // order of first appearance.
        std::vector<std::uint32_t> list(n);
        std::vector<std::uint32_t> count;
        auto fill = [&](auto&& self, std::uint32_t at) -> void {
            if (at == n) {
                ++lists;
                for (std::size_t k = 0; k <= n; ++k) {
                    expect_rebuild(w, list, k, 3, "pairing");
                    if (::testing::Test::HasFatalFailure()) return;
                }
                return;
            }
            for (std::uint32_t c = 0; c <= count.size(); ++c) {
                if (c == count.size()) {
                    count.push_back(0);
                } else if (count[c] == 2) {
                    continue;
                }
                ++count[c];
                list[at] = c;
                self(self, at + 1);
                if (--count[c] == 0) count.pop_back();
                if (::testing::Test::HasFatalFailure()) return;
            }
        };
        fill(fill, 0);
        if (HasFatalFailure()) return;
    }
    // The involutions of 0 to 11 elements: 1 + 1 + 2 + 4 + 10 + ... + 35696.
    EXPECT_EQ(lists, 48928u);
}

// Lists of 1 to 64 entries and longer ones, conflicts at every entry, with
// the twins placed where the rebuild treats them apart: both among the
// removed entries, one removed and one surviving, neighbours, mirrored about
// the middle (each removal then meets a twin already moved), and at random.
TEST(SatRebuild, PlacedTwinsOnListsUpTo64AndBeyond) {
    std::mt19937 rng(1616);
    Watches w;
    w.resize(2);
    auto pattern = [&rng](std::uint32_t n, std::size_t k, int kind) {
        std::vector<std::uint32_t> list(n);
        std::iota(list.begin(), list.end(), 0u);
        auto pair = [&list](std::size_t a, std::size_t b) { list[b] = list[a]; };
        switch (kind) {
            case 0:  // all distinct
                break;
            case 1:  // neighbours
                for (std::size_t a = 0; a + 1 < n; a += 2) pair(a, a + 1);
                break;
            case 2:  // mirrored, or shifted by one so that the holes chain
                if (rng() % 2 == 0) {
                    for (std::size_t a = 0; a < n / 2; a += 1 + rng() % 2) pair(a, n - 1 - a);
                } else {
                    for (std::size_t a = 1; 2 * a < n; a += 1 + rng() % 2) pair(a, n - a);
                }
                break;
            case 3:  // both removed, far apart
                for (std::size_t a = 0; a + 3 < k; a += 4) pair(a, k - 1 - a / 2);
                break;
            case 4:  // one removed, one surviving
                for (std::size_t a = 0; a < k && k + a < n; a += 1 + rng() % 4)
                    pair(a, k + rng() % (n - k));
                break;
            case 5:  // one removed after the first n-k, one surviving; more at random
                if (2 * k > n && k < n) pair(n - k + rng() % (2 * k - n), k + rng() % (n - k));
                [[fallthrough]];
            default: {  // random pairs
                std::vector<std::uint32_t> order(n);
                std::iota(order.begin(), order.end(), 0u);
                std::shuffle(order.begin(), order.end(), rng);
                const std::size_t pairs = rng() % (kind == 5 ? std::min(4u, n / 2 + 1) : n / 2 + 1);
                for (std::size_t p = 0; p < pairs; ++p) pair(order[2 * p], order[2 * p + 1]);
            }
        }
        // A pair may have taken an entry that another pair had taken: keep
        // every clause at most twice.
        std::vector<std::uint32_t> seen(n, 0);
        for (std::uint32_t i = 0; i < n; ++i) {
            if (++seen[list[i]] > 2) list[i] = i;
        }
        for (std::uint32_t i = 0; i < n; ++i) seen[i] = 0;
        for (const std::uint32_t c : list) ++seen[c];
        for (std::uint32_t i = 0; i < n; ++i) EXPECT_LE(seen[i], 2u);
        return list;
    };
    std::vector<std::uint32_t> sizes;
    for (std::uint32_t n = 1; n <= 64; ++n) sizes.push_back(n);
    for (const std::uint32_t n : {100u, 257u, 1000u, 3001u}) sizes.push_back(n);
    for (const std::uint32_t n : sizes) {
        for (std::size_t k = 0; k <= n; k += n <= 64 ? 1 : 1 + n / 97) {
            for (int kind = 0; kind < 9; ++kind) {
                const std::uint32_t spread = kind % 2 == 0 ? 1 : 1 + rng() % 1000;
                expect_rebuild(w, pattern(n, k, kind), k, spread,
                               "n " + std::to_string(n) + " kind " + std::to_string(kind));
                if (HasFatalFailure()) return;
            }
        }
    }
}

// Rebuilds one after another on one list that keeps receiving entries, as
// a list does over many conflicts, long enough to be rebuilt with tables.
TEST(SatRebuild, ManyRebuildsOfOneGrowingList) {
    std::mt19937 rng(99);
    for (int round = 0; round < 40; ++round) {
        Watches w;
        w.resize(1);
        std::vector<std::uint32_t> model;
        std::vector<std::uint32_t> count;
        for (int step = 0; step < 200; ++step) {
            // New entries: fresh clauses, or the twin of a clause present once.
            const std::size_t added = rng() % (round % 2 == 0 ? 8 : 80);
            for (std::size_t j = 0; j < added; ++j) {
                std::uint32_t c = static_cast<std::uint32_t>(count.size());
                if (!model.empty() && rng() % 2 == 0) {
                    const std::uint32_t other = model[rng() % model.size()];
                    if (count[other] == 1) c = other;
                }
                if (c == count.size()) count.push_back(0);
                ++count[c];
                model.push_back(c);
                w.push(Lit{0}, watch_of(c));
                // Often right behind its twin, as a walk leaves many.
                if (rng() % 3 == 0 && count[c] == 1) {
                    ++count[c];
                    model.push_back(c);
                    w.push(Lit{0}, watch_of(c));
                }
            }
            const std::size_t k = model.empty() ? 0 : rng() % (model.size() + 1);
            const std::vector<std::uint32_t> removed(model.begin(),
                                                     model.begin() + static_cast<long>(k));
            w.restore_after_conflict(Lit{0}, k);
            model = remove_one_by_one(model, k);
            for (const std::uint32_t c : removed) --count[c];
            ASSERT_EQ(clauses_of(w, 0), model) << "round " << round << " step " << step;
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

// The answer, the whole clause database and every watch list, order and
// cached literals included, against the literal search after it ends: both
// answers, lists of hundreds of entries, and conflicts in the middle of them.
TEST(SatWalk, SameDatabaseAndListsAsTheLiteralSearchOnMixedLengths) {
    std::mt19937 rng(777);
    std::size_t longest = 0;
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
    EXPECT_GT(unsat, 200);
    EXPECT_LT(unsat, 800);
    // Searches long enough to fill some lists with learnt clauses.
    EXPECT_GT(most_conflicts, 2000u);
    EXPECT_GE(longest, 200u);
}

}  // namespace
}  // namespace nemox::sat
