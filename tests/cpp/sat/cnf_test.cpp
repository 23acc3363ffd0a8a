#include "sat/cnf.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace nemox::sat {
namespace {

using Clauses = std::vector<std::vector<std::int32_t>>;

Clauses clauses_of(const Cnf& p) {
    Clauses out;
    for (std::size_t i = 0; i < p.clause_count(); ++i)
        out.emplace_back(p.clause(i).begin(), p.clause(i).end());
    return out;
}

// Clauses of every length from empty up, many more than the first room, so
// that the block moves several times with ends and literals kept.
TEST(Cnf, ClausesKeptAcrossGrowthAndMoves) {
    Clauses expected;
    Cnf p;
    for (int i = 0; i < 300; ++i) {
        std::vector<std::int32_t> c;
        for (int j = 0; j < i % 7; ++j) c.push_back((j % 2 == 0 ? 1 : -1) * (i + j + 1));
        p.add_clause(c);
        expected.push_back(c);
        ASSERT_EQ(clauses_of(p), expected) << "after clause " << i;
    }
    std::size_t literals = 0;
    for (const auto& c : expected) literals += c.size();
    EXPECT_EQ(p.literals().size(), literals);
    EXPECT_EQ(p.clause_ends().back(), literals);

    p.num_vars = 7;
    Cnf moved(std::move(p));
    EXPECT_EQ(clauses_of(moved), expected);
    EXPECT_EQ(moved.num_vars, 7u);
    EXPECT_EQ(p.clause_count(), 0u);
    Cnf assigned;
    assigned.add_clause(std::vector<std::int32_t>{5});
    assigned = std::move(moved);
    EXPECT_EQ(clauses_of(assigned), expected);
}

// Room reserved beyond what is kept, as a reader does: only the counts set
// are seen, and a later reserve keeps them.
TEST(Cnf, RawWritesSeenUpToTheirCounts) {
    Cnf p;
    p.reserve(4, 10);
    std::int32_t* lits = p.literals_data();
    std::size_t* ends = p.ends_data();
    for (int i = 0; i < 5; ++i) lits[i] = i + 1;
    ends[0] = 2;
    ends[1] = 5;
    p.set_counts(2, 5);
    EXPECT_EQ(clauses_of(p), (Clauses{{1, 2}, {3, 4, 5}}));
    p.reserve(40, 10);
    EXPECT_EQ(p.end_room(), 40u);
    EXPECT_EQ(p.literal_room(), 10u);
    EXPECT_EQ(clauses_of(p), (Clauses{{1, 2}, {3, 4, 5}}));
    p.add_clause(std::vector<std::int32_t>{-6});
    EXPECT_EQ(clauses_of(p), (Clauses{{1, 2}, {3, 4, 5}, {-6}}));
}

}  // namespace
}  // namespace nemox::sat
