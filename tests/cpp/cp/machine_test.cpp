// Edge finding on one machine in the refuter's store: the bounds it sets,
// the ones it must leave, and the nodes it closes that the overload check
// leaves open.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cp/propagator.hpp"
#include "cp/refuter.hpp"
#include "cp/solver.hpp"
#include "parser/cp_format.hpp"

namespace nemox::cp {
namespace {

struct Op {
    int lo, hi, length;  // start within lo..hi
};

// Appends every piece (g++ 12 warns falsely on chains of string +).
template <class... P>
void add(std::string& t, const P&... pieces) {
    (t.append(pieces), ...);
}

// Operations s0, s1, ... on one machine, each pair kept apart by an order
// variable and two big-M sums, as the benchmark writes job-shops.
std::string machine_text(const std::vector<Op>& ops) {
    const std::string big = "100";
    std::string t;
    const auto s = [](std::size_t i) {
        std::string name = "s";
        return name.append(std::to_string(i));
    };
    for (std::size_t i = 0; i < ops.size(); ++i)
        add(t, "var ", s(i), " ", std::to_string(ops[i].lo), " ", std::to_string(ops[i].hi), "\n");
    for (std::size_t a = 0; a < ops.size(); ++a) {
        for (std::size_t b = a + 1; b < ops.size(); ++b) {
            std::string o = "o";
            o.append(s(a)).append(s(b));
            add(t, "var ", o, " 0 1\n");
            add(t, "linear 1 ", s(a), " -1 ", s(b), " ", big, " ", o, " ",
                std::to_string(100 - ops[a].length), " le\n");
            add(t, "linear 1 ", s(b), " -1 ", s(a), " -", big, " ", o, " ",
                std::to_string(-ops[b].length), " le\n");
        }
    }
    return t;
}

// The same machine with time running backwards within 0..end.
std::vector<Op> mirrored(const std::vector<Op>& ops, int end) {
    std::vector<Op> out;
    for (const Op& op : ops)
        out.push_back(Op{end - op.length - op.hi, end - op.length - op.lo, op.length});
    return out;
}

struct Store {
    CpProblem problem;
    Network net;
};

struct EdgeCase {
    const char* what;
    std::vector<Op> ops;
    bool empty;            // the store empties at the root
    std::vector<Op> want;  // else the starts' bounds it keeps
};

const unsigned kBoth = kSumHoles | kOverload | kEdgeFinding;

// Each case also runs mirrored, where every est bound becomes an lct one.
TEST(EdgeFinding, BoundsOfOneMachine) {
    const EdgeCase cases[] = {
        // s1 and s2 need 4 units within 1..6, s0 3 more from 0: s0 cannot
        // come first or between, so it starts once both can have ended.
        {"follows a pair",
         {{0, 17, 3}, {1, 4, 2}, {1, 4, 2}},
         false,
         {{5, 17, 3}, {1, 4, 2}, {1, 4, 2}}},
        // One unit more room: s0 may come first (0, then 3 and 5).
        {"room for it first",
         {{0, 17, 3}, {1, 5, 2}, {1, 5, 2}},
         false,
         {{0, 17, 3}, {1, 5, 2}, {1, 5, 2}}},
        // s0 follows s1..s3; s2 and s3 alone cannot end before 7, later than
        // all three from 0 (5) and than each one alone (5). And s1, of 1
        // unit, must come before s2 and s3 (3..7 is full with them).
        {"a subset ends last",
         {{0, 30, 3}, {0, 5, 1}, {3, 5, 2}, {3, 5, 2}},
         false,
         {{7, 30, 3}, {0, 2, 1}, {3, 5, 2}, {3, 5, 2}}},
        // s0 must end by 7: 7 units fill 0..7 exactly, so the window check
        // passes, but only s0 can start at 0 and then s1 or s2 ends at 7.
        {"no place for it", {{0, 4, 3}, {1, 4, 2}, {1, 4, 2}}, true, {}},
    };
    for (const EdgeCase& c : cases) {
        for (const bool mirror : {false, true}) {
            const int end = 40;
            const std::vector<Op> ops = mirror ? mirrored(c.ops, end) : c.ops;
            const std::vector<Op> want = mirror ? mirrored(c.want, end) : c.want;
            const std::string text = machine_text(ops);
            const auto parsed = parser::parse_cp(text);
            ASSERT_TRUE(parsed.ok()) << text;
            const Network net = build_network(parsed.value());
            std::vector<Domain> root;
            for (const VarDecl& v : parsed.value().vars) root.push_back(Domain{v.min, v.max});
            std::string label = c.what;
            if (mirror) label.append(" (mirrored)");

            Refuter with(net, kBoth);
            const bool ok = with.start(root, true);
            ASSERT_EQ(ok, !c.empty) << label;
            for (std::size_t i = 0; ok && i < want.size(); ++i) {
                const auto x = static_cast<VarIndex>(i);
                EXPECT_EQ(with.lo(x), want[i].lo) << label << " s" << i;
                EXPECT_EQ(with.hi(x), want[i].hi) << label << " s" << i;
            }
            // The overload check and the sums alone move nothing here.
            Refuter without(net, kBoth & ~kEdgeFinding);
            ASSERT_TRUE(without.start(root, true)) << label;
            for (std::size_t i = 0; i < ops.size(); ++i) {
                const auto x = static_cast<VarIndex>(i);
                EXPECT_EQ(without.lo(x), ops[i].lo) << label << " s" << i;
                EXPECT_EQ(without.hi(x), ops[i].hi) << label << " s" << i;
            }
        }
    }
}

// The machine without room: closed before the first branch by edge finding,
// searched through without it, with the same answer.
TEST(EdgeFinding, ClosesTheRootThatOverloadLeavesOpen) {
    for (const bool mirror : {false, true}) {
        const std::vector<Op> ops{{0, 4, 3}, {1, 4, 2}, {1, 4, 2}};
        const std::string text = machine_text(mirror ? mirrored(ops, 7) : ops);
        const auto parsed = parser::parse_cp(text);
        ASSERT_TRUE(parsed.ok()) << text;
        CpStats with;
        CpStats without;
        EXPECT_FALSE(solve_cp(parsed.value(), Interrupt(), &with, kAllRefuteRules, 0).is_sat());
        EXPECT_FALSE(
            solve_cp(parsed.value(), Interrupt(), &without, kAllRefuteRules & ~kEdgeFinding, 0)
                .is_sat());
        EXPECT_EQ(with.nodes, 0u) << mirror;
        EXPECT_GT(without.nodes, 0u) << mirror;
    }
}

}  // namespace
}  // namespace nemox::cp
