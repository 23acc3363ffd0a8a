// The refuter's store along random paths of narrowings, trials and undos:
// what it holds must not depend on the branches it went down and undid
// before, nor on whether its AllDiffs read their values in 64 bits.

#include "cp/refuter.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "cp/propagator.hpp"
#include "parser/cp_format.hpp"

namespace nemox::cp {
namespace {

template <class... P>
void add(std::string& t, const P&... pieces) {
    (t.append(pieces), ...);
}

// Queens as views x + k and x - k of the columns, every value moved by `shift`.
std::string shifted_queens(int n, std::int64_t shift) {
    const auto at = [&](std::int64_t v) { return std::to_string(v + shift); };
    const auto num = [](int v) { return std::to_string(v); };
    std::string t;
    for (int i = 0; i < n; ++i) add(t, "var q", num(i), " ", at(0), " ", at(n - 1), "\n");
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            const int k = j - i;
            std::string ij;
            add(ij, num(i), "_", num(j));
            add(t, "neq q", num(i), " q", num(j), "\n");
            add(t, "var u", ij, " ", at(k), " ", at(n - 1 + k), "\n");
            add(t, "linear 1 u", ij, " -1 q", num(j), " ", num(k), " eq\n");
            add(t, "neq q", num(i), " u", ij, "\n");
            add(t, "var w", ij, " ", at(-k), " ", at(n - 1 - k), "\n");
            add(t, "linear 1 w", ij, " -1 q", num(j), " ", num(-k), " eq\n");
            add(t, "neq q", num(i), " w", ij, "\n");
        }
    }
    return t;
}

// An AllDiff over domains of up to 49 values around a planted assignment
// of distinct values in 0..m+1, and one over the views x_i + i % 7, which
// the assignment need not satisfy.
std::string shifted_all_diff(std::mt19937_64& rng, int m, std::int64_t shift) {
    std::vector<std::int64_t> sol(static_cast<std::size_t>(m) + 2);
    for (std::size_t v = 0; v < sol.size(); ++v) sol[v] = static_cast<std::int64_t>(v);
    std::shuffle(sol.begin(), sol.end(), rng);
    std::string t;
    std::string all = "allDiff";
    for (int i = 0; i < m; ++i) {
        const std::int64_t at = sol[static_cast<std::size_t>(i)];
        const std::int64_t lo =
            std::max<std::int64_t>(0, at - static_cast<std::int64_t>(rng() % 25));
        const std::int64_t hi =
            std::min<std::int64_t>(m + 1, at + static_cast<std::int64_t>(rng() % 25));
        add(t, "var x", std::to_string(i), " ", std::to_string(lo + shift), " ",
            std::to_string(hi + shift), "\n");
        add(all, " x", std::to_string(i));
    }
    add(t, all, "\n");
    std::string views = "allDiff";
    for (int i = 0; i < m; ++i) {
        const std::string id = std::to_string(i);
        add(t, "var y", id, " ", std::to_string(shift), " ", std::to_string(m + 8 + shift), "\n");
        add(t, "linear 1 y", id, " -1 x", id, " ", std::to_string(i % 7), " eq\n");
        add(views, " y", id);
    }
    add(t, views, "\n");
    return t;
}

CpProblem parse(const std::string& text) {
    auto parsed = parser::parse_cp(text);
    EXPECT_TRUE(parsed.ok()) << text.substr(0, 200);
    return parsed.ok() ? parsed.value() : CpProblem{};
}

std::vector<Domain> declared(const CpProblem& p) {
    std::vector<Domain> d;
    for (const VarDecl& v : p.vars) d.push_back(Domain{v.min, v.max});
    return d;
}

// Every variable's values, less `shift`.
std::vector<Wide> held(const Refuter& r, std::size_t n, Wide shift) {
    std::vector<Wide> out;
    for (VarIndex x = 0; x < n; ++x) {
        for (Wide v = r.lo(x); v <= r.lo(x) + 4096; v = r.next_value(x, v + 1)) {
            if (!r.holds(x, v)) break;
            out.push_back(v - shift);
        }
        out.push_back(-1);
    }
    return out;
}

// A step down: x narrowed to lo..hi as a node (the matching's value
// filtering included), or set to v or rid of it as a trial.
struct Op {
    bool node;
    VarIndex x;
    Wide lo, hi;
    bool exclude;
};

bool apply(Refuter& r, const Op& op, Wide shift) {
    if (!op.node) return r.trial(op.x, op.lo + shift, op.exclude);
    r.open_node();
    const bool ok = r.narrow(op.x, Domain{static_cast<std::int64_t>(op.lo + shift),
                                          static_cast<std::int64_t>(op.hi + shift)});
    return r.propagate() && ok;
}

// A step on one of the first n variables (not views, which no rule of the
// store reads), from the store's domains: the held values keep narrow()
// from failing.
Op random_op(std::mt19937_64& rng, const Refuter& r, std::size_t n, Wide shift) {
    VarIndex x = 0;
    for (int tries = 0; tries < 64; ++tries) {
        x = static_cast<VarIndex>(rng() % n);
        if (!r.is_fixed(x)) break;
    }
    std::vector<Wide> values;
    for (Wide v = r.lo(x); r.holds(x, v); v = r.next_value(x, v + 1)) values.push_back(v - shift);
    const Wide a = values[rng() % values.size()];
    const Wide b = values[rng() % values.size()];
    return Op{rng() % 4 == 0, x, std::min(a, b), std::max(a, b), rng() % 4 == 0};
}

struct Shape {
    const char* name;
    std::string text;
    std::size_t branched;  // the variables that are not views
};

// A walk that goes down, fails, and undoes at random; at each step the
// store equals that of a fresh one brought down the same path alone.
TEST(RefuterStore, SameAfterAnyHistory) {
    std::mt19937_64 rng(0x5EED);
    std::vector<Shape> shapes = {{"queens 9", shifted_queens(9, 0), 9},
                                 {"queens 13", shifted_queens(13, 0), 13},
                                 {"all-diff 20", shifted_all_diff(rng, 20, 0), 20},
                                 {"all-diff 70", shifted_all_diff(rng, 70, 0), 70}};
    for (const Shape& s : shapes) {
        SCOPED_TRACE(s.name);
        const CpProblem problem = parse(s.text);
        const Network net = build_network(problem);
        const std::vector<Domain> root = declared(problem);
        Refuter walker(net, kAllRefuteRules);
        ASSERT_TRUE(walker.start(root, true));
        ASSERT_TRUE(walker.active());
        std::vector<Op> path;
        std::vector<std::size_t> marks;
        int failed = 0;
        for (int step = 0; step < 1500; ++step) {
            bool walker_ok = true;
            if (!path.empty() && (rng() % 5 == 0 || path.size() > s.branched / 2 + 8)) {
                walker.end_trials(marks.back());
                path.pop_back();
                marks.pop_back();
            } else {
                const Op op = random_op(rng, walker, s.branched, 0);
                marks.push_back(walker.mark());
                path.push_back(op);
                walker_ok = apply(walker, op, 0);
                failed += walker_ok ? 0 : 1;
            }
            Refuter fresh(net, kAllRefuteRules);
            ASSERT_TRUE(fresh.start(root, true));
            bool ok = true;
            for (const Op& op : path) ok = ok && apply(fresh, op, 0);
            ASSERT_EQ(ok, walker_ok) << "step " << step << ", depth " << path.size();
            if (!ok) {
                // Both emptied at the last step: it is undone.
                walker.end_trials(marks.back());
                path.pop_back();
                marks.pop_back();
                continue;
            }
            ASSERT_EQ(held(walker, root.size(), 0), held(fresh, root.size(), 0))
                << "step " << step << ", depth " << path.size();
        }
        EXPECT_GT(failed, 10);
    }
}

// The same walk over the same problem moved past 2^60, where the AllDiffs
// read their values in 128 bits: the same values, the same failures.
TEST(RefuterStore, SameValuesInSixtyFourAndInWideArithmetic) {
    const Wide far = Wide{1} << 61;
    for (int round = 0; round < 4; ++round) {
        std::mt19937_64 pick(round);
        std::mt19937_64 pick_far(round);
        const int n = 8 + 3 * round;
        const std::string near_text =
            round % 2 == 0 ? shifted_queens(n, 0) : shifted_all_diff(pick, 6 * n, 0);
        const std::string far_text =
            round % 2 == 0 ? shifted_queens(n, static_cast<std::int64_t>(far))
                           : shifted_all_diff(pick_far, 6 * n, static_cast<std::int64_t>(far));
        SCOPED_TRACE(near_text.substr(0, 40));
        const CpProblem near_problem = parse(near_text);
        const CpProblem far_problem = parse(far_text);
        const Network near_net = build_network(near_problem);
        const Network far_net = build_network(far_problem);
        const std::vector<Domain> root = declared(near_problem);
        Refuter a(near_net, kAllRefuteRules);
        Refuter b(far_net, kAllRefuteRules);
        ASSERT_EQ(a.start(root, true), b.start(declared(far_problem), true));
        std::mt19937_64 rng(100 + round);
        std::vector<std::size_t> marks_a, marks_b;
        int failed = 0;
        for (int step = 0; step < 1000; ++step) {
            if (!marks_a.empty() &&
                (rng() % 5 == 0 || marks_a.size() > 3 * static_cast<std::size_t>(n))) {
                a.end_trials(marks_a.back());
                b.end_trials(marks_b.back());
                marks_a.pop_back();
                marks_b.pop_back();
                continue;
            }
            const Op op = random_op(
                rng, a,
                round % 2 == 0 ? static_cast<std::size_t>(n) : 6 * static_cast<std::size_t>(n), 0);
            marks_a.push_back(a.mark());
            marks_b.push_back(b.mark());
            const bool ok = apply(a, op, 0);
            ASSERT_EQ(ok, apply(b, op, far)) << "step " << step;
            if (!ok) {
                ++failed;
                a.end_trials(marks_a.back());
                b.end_trials(marks_b.back());
                marks_a.pop_back();
                marks_b.pop_back();
                continue;
            }
            ASSERT_EQ(held(a, root.size(), 0), held(b, root.size(), far)) << "step " << step;
        }
        EXPECT_GT(failed, 5);
    }
}

}  // namespace
}  // namespace nemox::cp
