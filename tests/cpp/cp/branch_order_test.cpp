// The branching order against a plain scan for the smallest open domain
// (ties to the lowest index), through random narrowing, widening, fixing
// and reopening, with spans up to the domain of all 2^64 values.

#include "cp/branch_order.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <vector>

namespace nemox::cp {
namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

std::optional<VarIndex> smallest_open(const std::vector<Domain>& domains) {
    std::optional<VarIndex> best;
    std::uint64_t best_span = 0;
    for (VarIndex x = 0; x < domains.size(); ++x) {
        const Domain d = domains[x];
        if (d.lo >= d.hi) continue;
        const std::uint64_t span =
            static_cast<std::uint64_t>(d.hi) - static_cast<std::uint64_t>(d.lo);
        if (!best || span < best_span) {
            best = x;
            best_span = span;
        }
    }
    return best;
}

Domain random_domain(std::mt19937_64& rng) {
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    switch (pick(6)) {
        case 0:
            return Domain{kMin, kMax};
        case 1:
            return Domain{kMin + pick(3), kMax - pick(3)};
        case 2: {
            const std::int64_t v = pick(5);
            return Domain{v, v};
        }
        case 3:
            return Domain{3, 1};  // empty
        default: {
            const std::int64_t lo = pick(8) - 4;
            return Domain{lo, lo + pick(6)};
        }
    }
}

TEST(BranchOrder, AgreesWithAScanThroughRandomChanges) {
    std::mt19937_64 rng(0xB0);
    for (int run = 0; run < 300; ++run) {
        const std::size_t n = 1 + rng() % 40;
        std::vector<Domain> domains(n);
        for (Domain& d : domains) d = random_domain(rng);
        BranchOrder order;
        order.reset(domains);
        for (int step = 0; step < 200; ++step) {
            const std::optional<VarIndex> expected = smallest_open(domains);
            ASSERT_EQ(order.empty(), !expected.has_value()) << "run " << run << " step " << step;
            if (expected) {
                ASSERT_EQ(order.top(), *expected) << "run " << run << " step " << step;
            }
            // A few variables change before the order hears of them, as
            // within one propagation.
            const int changes = 1 + static_cast<int>(rng() % 4);
            std::vector<VarIndex> changed;
            for (int c = 0; c < changes; ++c) {
                const VarIndex x = rng() % n;
                domains[x] = random_domain(rng);
                changed.push_back(x);
            }
            for (const VarIndex x : changed) order.sync(x, domains[x]);
        }
    }
}

TEST(BranchOrder, TiesGoToTheLowestIndex) {
    const std::vector<Domain> domains{{0, 5}, {0, 2}, {7, 7}, {4, 6}, {1, 3}};
    BranchOrder order;
    order.reset(domains);
    EXPECT_EQ(order.top(), 1u);
    order.sync(1, Domain{2, 2});
    EXPECT_EQ(order.top(), 3u);
    order.sync(3, Domain{4, 4});
    EXPECT_EQ(order.top(), 4u);
    order.sync(2, Domain{0, 2});  // reopened: same span as 4, lower index
    EXPECT_EQ(order.top(), 2u);
}

}  // namespace
}  // namespace nemox::cp
