// The product against the plain oracle on seeded random texts: the same
// message, the same parsed problem, the same fixpoint and the same answer.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "cp/oracle.hpp"
#include "cp/solver.hpp"
#include "parser/cp_format.hpp"

namespace nemox::cp {
namespace {

// The oracle's search on every model, sums or not.
constexpr unsigned kEveryRule = kAllRefuteRules | kWitnessOnSums | kWitnessOnCheap;

struct Gen {
    std::mt19937_64 rng;
    bool extreme = false;  // bounds near the ends of the 64-bit range
    bool spoil = false;    // this text may hold malformed lines
    std::vector<std::string> names;

    explicit Gen(std::uint64_t seed) : rng(seed) {}

    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    bool chance(int percent) { return uniform(0, 99) < percent; }
    bool error_chance(int percent) { return spoil && chance(percent); }

    std::string sep() {
        static const char* const kSeps[] = {
            " ", " ", " ", "  ", "\t", "\xC2\xA0", "\xE3\x80\x80", "\xE2\x80\xAF", "\x0B"};
        return kSeps[uniform(0, 8)];
    }
    std::string name() {
        if (names.empty() || error_chance(2)) return "ghost";
        return names[static_cast<std::size_t>(uniform(0, static_cast<int>(names.size()) - 1))];
    }
    std::string integer(int lo, int hi) {
        std::string s = std::to_string(uniform(lo, hi));
        if (chance(5) && s[0] != '-') s.insert(0, 1, '+');
        if (chance(3)) s.insert(s[0] == '-' ? 1 : 0, 1, '0');
        return s;
    }
    // A value 0..9 away from one end of the 64-bit range.
    static std::string near_end(bool top, int off) {
        std::string s = top ? "922337203685477580" : "-922337203685477580";
        s.push_back(static_cast<char>((top ? '7' : '8') - off));
        return s;
    }
    // Sometimes spoils a token so that the readers must agree on the message.
    std::string maybe_bad(std::string token) {
        if (!error_chance(2)) return token;
        static const char* const kBad[] = {"1.5", "x", "--1", "+", "1e3", "99999999999999999999"};
        return kBad[uniform(0, 5)];
    }

    std::string statement() {
        std::vector<std::string> t;
        const int kind = uniform(0, 8);
        switch (kind) {
            case 0: {
                std::string n = "v";
                if (chance(40) || names.empty()) {
                    n.push_back(static_cast<char>('0' + uniform(0, 5)));
                } else {
                    n = name();
                }
                t = {"var", n};
                int lo = uniform(-4, 4);
                int width = chance(2) ? -1 : uniform(0, 4);
                if (extreme && chance(70)) {
                    // Narrow, so that cycles of lt end soon, but at an end.
                    const bool top = chance(50);
                    const int a = uniform(0, 5);
                    const int b = std::max(0, a - (width < 0 ? -1 : width));
                    t.push_back(maybe_bad(near_end(top, top ? a : b)));
                    t.push_back(maybe_bad(near_end(top, top ? b : a)));
                } else {
                    t.push_back(maybe_bad(integer(lo, lo)));
                    t.push_back(maybe_bad(integer(lo + width, lo + width)));
                }
                if (error_chance(3)) t.pop_back();
                names.push_back(n);
                break;
            }
            case 1:
            case 2:
            case 3: {
                static const char* const kKw[] = {"eq", "neq", "lt"};
                t = {kKw[kind - 1], name(), name()};
                if (chance(10)) t.push_back("extra");
                if (error_chance(3)) t.pop_back();
                break;
            }
            case 4:
                t = {"le", name(), name(),
                     maybe_bad(extreme && chance(50) ? near_end(chance(50), uniform(0, 3))
                                                     : integer(-3, 3))};
                if (error_chance(3)) t.pop_back();
                break;
            case 5:
            case 6: {
                t = {"linear"};
                const int k = uniform(chance(5) ? 0 : 1, 4);
                for (int i = 0; i < k; ++i) {
                    // Up to 2^61 per term keeps the oracle's plain 128-bit sums exact.
                    static const char* const kBig[] = {
                        "2305843009213693952", "-2305843009213693952", "1152921504606846977", "-3"};
                    t.push_back(
                        maybe_bad(extreme && chance(30) ? kBig[uniform(0, 3)] : integer(-3, 3)));
                    t.push_back(name());
                }
                t.push_back(maybe_bad(extreme && chance(50) ? near_end(chance(50), uniform(0, 9))
                                                            : integer(-10, 10)));
                static const char* const kRel[] = {"le", "eq", "ge", "le", "eq", "ge", "lt"};
                t.push_back(kRel[uniform(0, error_chance(5) ? 6 : 5)]);
                if (error_chance(3))
                    t.erase(t.begin() + uniform(1, static_cast<int>(t.size()) - 1));
                break;
            }
            case 7: {
                t = {chance(50) ? "allDiff" : "alldifferent"};
                const int m = uniform(error_chance(5) ? 1 : 2, 8);
                for (int i = 0; i < m; ++i) t.push_back(name());
                break;
            }
            default:
                if (error_chance(5))
                    t = {chance(50) ? "EQ" : "alldiff", name(), name()};
                else
                    t = {chance(50) ? "# note" : "//", "eq", "x"};
                break;
        }
        std::string line = chance(5) ? sep() : "";
        for (std::size_t i = 0; i < t.size(); ++i) line += (i ? sep() : "") + t[i];
        if (chance(5)) line += sep();
        return line;
    }

    std::string text() {
        names.clear();
        spoil = chance(30);
        std::string out;
        const int vars = uniform(1, 10);
        const int lines = vars + uniform(0, std::min(vars, 6));
        for (int i = 0; i < lines; ++i) {
            // Declarations first mostly, but not always.
            const bool declare = i < vars && !error_chance(10);
            std::string line = declare ? statement_var() : statement();
            if (chance(5)) out += chance(50) ? "\n" : "   \r\n";
            out += line;
            if (i + 1 < lines || chance(50)) out += chance(20) ? "\r\n" : "\n";
        }
        return out;
    }
    std::string statement_var() {
        std::string s;
        do s = statement();
        while (s.find("var") == std::string::npos);
        return s;
    }
};

std::string describe(const SolverResult& r) {
    std::string s = r.status_word();
    if (r.is_sat()) s.append(" ").append(r.assignment().text());
    return s;
}

struct Tally {
    int rejected = 0;
    int sat = 0;
    int unsat = 0;
    int gave_up = 0;
};

// The oracle's answer within `limit` nodes, counted in `tally` as SAT,
// UNSAT or given up (nothing).
std::optional<SolverResult> counted_oracle(const CpProblem& p, std::uint64_t limit, Tally& tally,
                                           std::uint64_t* nodes = nullptr) {
    auto expected = oracle::solve(p, limit, nodes);
    if (!expected) {
        ++tally.gave_up;
    } else {
        ++(expected->is_sat() ? tally.sat : tally.unsat);
    }
    return expected;
}

void compare_one(const std::string& text, Tally& tally) {
    const auto mine = parser::parse_cp(text);
    const oracle::Parsed theirs = oracle::parse(text);
    ASSERT_EQ(mine.ok(), theirs.problem.has_value()) << text << "\n"
                                                     << (mine.ok() ? theirs.error : mine.error());
    if (!mine.ok()) {
        ASSERT_EQ(mine.error(), theirs.error) << text;
        ++tally.rejected;
        return;
    }
    const CpProblem& p = mine.value();
    ASSERT_EQ(p.vars, theirs.problem->vars) << text;
    ASSERT_EQ(p.constraints, theirs.problem->constraints) << text;

    bool any_empty = false;
    for (const VarDecl& d : p.vars) any_empty = any_empty || d.min > d.max;
    if (!any_empty) {
        CpSolver solver(p);
        oracle::Solver o = oracle::build(p);
        const bool ok = solver.propagate_all();
        ASSERT_EQ(ok, oracle::propagate_all(o)) << text;
        if (ok) {
            ASSERT_EQ(solver.domains(), o.domains) << text;
        }
    }

    const auto expected = counted_oracle(p, 20000, tally);
    if (!expected) return;
    const SolverResult got = solve_cp(p);
    ASSERT_EQ(describe(got), describe(*expected)) << text;
    const SolverResult from_root = solve_cp(p, Interrupt(), nullptr, kEveryRule, 0);
    ASSERT_EQ(describe(from_root), describe(*expected)) << text;
}

// Solves `p` with the oracle (within `budget` nodes) and with the solver and
// checks that the answers and node counts agree. `stats` gets the solver's
// counters; false when the oracle gave up.
bool search_agrees(const CpProblem& p, const std::string& text, std::uint64_t budget, Tally& tally,
                   CpStats& stats) {
    std::uint64_t oracle_nodes = 0;
    const auto expected = counted_oracle(p, budget, tally, &oracle_nodes);
    if (!expected) return false;
    // Without the refuter, node for node; with it, the same answer from at
    // most as many nodes.
    CpStats plain;
    const SolverResult alone = solve_cp(p, Interrupt(), &plain, 0);
    EXPECT_EQ(describe(alone), describe(*expected)) << text;
    EXPECT_EQ(plain.nodes, oracle_nodes) << text;
    CpStats late;
    const SolverResult joined = solve_cp(p, Interrupt(), &late, kAllRefuteRules, 5);
    EXPECT_EQ(describe(joined), describe(*expected)) << text;
    EXPECT_LE(late.nodes, oracle_nodes) << text;
    const SolverResult got = solve_cp(p, Interrupt(), &stats, kEveryRule, 0);
    EXPECT_EQ(describe(got), describe(*expected)) << text;
    EXPECT_LE(stats.nodes, oracle_nodes) << text;
    return true;
}

// The same from a text, which must parse.
bool search_agrees(const std::string& text, std::uint64_t budget, Tally& tally, CpStats& stats) {
    const auto parsed = parser::parse_cp(text);
    EXPECT_TRUE(parsed.ok()) << text;
    return parsed.ok() && search_agrees(parsed.value(), text, budget, tally, stats);
}

void print_backtracked(const Tally& tally, int backtracked) {
    std::printf("SAT %d, UNSAT %d, backtracked %d, oracle gave up %d\n", tally.sat, tally.unsat,
                backtracked, tally.gave_up);
}

class CpDifferential : public ::testing::TestWithParam<bool> {};

TEST_P(CpDifferential, AgreesWithOracleOnRandomTexts) {
    Gen gen(GetParam() ? 0xE7 : 0x5EED);
    gen.extreme = GetParam();
    Tally tally;
    const int runs = 20000;
    for (int i = 0; i < runs; ++i) {
        const std::string text = gen.text();
        compare_one(text, tally);
        if (HasFatalFailure()) return;
    }
    // Both answers must be common, and most texts decided by the oracle, for
    // the comparison to mean something.
    EXPECT_GT(tally.sat, runs / 5);
    EXPECT_GT(tally.unsat, runs / 5);
    EXPECT_GT(tally.rejected, runs / 20);
    EXPECT_LT(tally.gave_up, runs / 50);
    std::printf("SAT %d, UNSAT %d, rejected %d, oracle gave up %d\n", tally.sat, tally.unsat,
                tally.rejected, tally.gave_up);
}

INSTANTIATE_TEST_SUITE_P(SmallAndExtremeBounds, CpDifferential, ::testing::Values(false, true));

// Searches that backtrack through several wide sums, where the solver keeps
// each sum across nodes: the same answers after the same number of nodes.
TEST(CpDifferential, LinearSearchesAgreeNodeForNode) {
    std::mt19937_64 rng(0x11AE);
    const auto uniform = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(rng);
    };
    Tally tally;
    int backtracked = 0;
    const int runs = 2000;
    for (int run = 0; run < runs; ++run) {
        std::string text;
        const auto put = [&](const char* word, int number) {
            text += word;
            text += std::to_string(number);
        };
        // Sums through a planted point, some then shifted past it: mostly
        // satisfiable, found only after backtracking.
        const int vars = uniform(5, 14);
        std::vector<int> planted(static_cast<std::size_t>(vars));
        for (int v = 0; v < vars; ++v) {
            const int lo = uniform(-3, 2);
            const int hi = lo + uniform(2, 8);
            planted[static_cast<std::size_t>(v)] = uniform(lo, hi);
            put("var v", v);
            put(" ", lo);
            put(" ", hi);
            text += '\n';
        }
        const int sums = uniform(2, 5);
        for (int k = 0; k < sums; ++k) {
            text += "linear";
            const int terms = uniform(2, 2 * vars);
            int at_planted = 0;
            for (int t = 0; t < terms; ++t) {
                const int c = uniform(1, 7) * (uniform(0, 3) == 0 ? -1 : 1);
                const int v = uniform(0, vars - 1);
                at_planted += c * planted[static_cast<std::size_t>(v)];
                put(" ", c);
                put(" v", v);
            }
            const int pick = uniform(0, 4);
            const int rel = pick < 3 ? 2 : pick - 3;  // eq mostly
            static const char* const kRel[] = {"le", "ge", "eq"};
            const int shift = uniform(0, 4) == 0 ? uniform(-3, 3) : 0;
            put(" ", at_planted + shift +
                         (rel == 0   ? uniform(0, 3)
                          : rel == 1 ? -uniform(0, 3)
                                     : 0));
            text += ' ';
            text += kRel[rel];
            text += '\n';
        }
        if (uniform(0, 2) == 0) {
            put("neq v0 v", vars - 1);
            text += '\n';
        }

        CpStats stats;
        const bool decided = search_agrees(text, 200000, tally, stats);
        if (HasFailure()) return;
        if (!decided) continue;
        if (stats.nodes > static_cast<std::uint64_t>(vars)) ++backtracked;
    }
    EXPECT_GT(tally.sat, runs / 5);
    EXPECT_GT(tally.unsat, runs / 10);
    EXPECT_GT(backtracked, runs / 10);
    EXPECT_LT(tally.gave_up, runs / 100);
    print_backtracked(tally, backtracked);
}

// Few variables over wide ranges, bound together by cycles of lt, le and
// small sums: propagation that moves bounds by a constant step per round for
// thousands of rounds, and searches that try thousands of values failing
// the same way, sometimes near the ends of the 64-bit range, where steps
// that would leave it must stop in time. Same fixpoint, same answer and
// the same number of nodes as the literal sweeps and search.
TEST(CpDifferential, SlowConvergenceAgreesWithOracle) {
    std::mt19937_64 rng(0xC0DE);
    const auto uniform = [&](std::int64_t lo, std::int64_t hi) {
        return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng);
    };
    constexpr std::int64_t kTop = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kBottom = std::numeric_limits<std::int64_t>::min();
    Tally tally;
    int long_sweeps = 0;
    int long_searches = 0;
    const int runs = 3000;
    for (int run = 0; run < runs; ++run) {
        std::string text;
        const int vars = static_cast<int>(uniform(2, 4));
        const std::int64_t width = std::array<std::int64_t, 3>{60, 1500, 6000}[uniform(0, 2)];
        const int where = static_cast<int>(uniform(0, 9));  // 0: top end, 1: bottom end
        for (int v = 0; v < vars; ++v) {
            std::int64_t lo = -uniform(width / 2, width);
            std::int64_t hi = uniform(width / 2, width);
            if (where == 0) {
                lo = kTop - uniform(width, 2 * width);
                hi = kTop - uniform(0, 3);
            } else if (where == 1) {
                lo = kBottom + uniform(0, 3);
                hi = kBottom + uniform(width, 2 * width);
            }
            text.append("var v").append(std::to_string(v)).append(" ");
            text.append(std::to_string(lo)).append(" ").append(std::to_string(hi)).append("\n");
        }
        const auto var = [&] {
            std::string name = " v";
            return name.append(std::to_string(uniform(0, vars - 1)));
        };
        // Every other text: two sums through a planted point, so that the
        // search walks the values of v0 up to it.
        if (run % 2 == 0) {
            const std::int64_t at = uniform(-width / 2, width / 2);
            for (int k = 0; k < 2; ++k) {
                const std::int64_t a = uniform(1, 5);
                const std::int64_t b = (k == 0 ? 1 : -1) * uniform(1, 5);
                const std::int64_t base = where == 0   ? kTop - width
                                          : where == 1 ? kBottom + width
                                                       : 0;
                const Wide rhs = Wide{a} * (base + at) + Wide{b} * (base - at / 2);
                if (rhs < kBottom || rhs > kTop) continue;
                text.append("linear ").append(std::to_string(a)).append(" v0 ");
                text.append(std::to_string(b)).append(" v1 ");
                text.append(std::to_string(static_cast<std::int64_t>(rhs))).append(" eq\n");
            }
        }
        const int cons = static_cast<int>(run % 2 == 0 ? uniform(0, 2) : uniform(2, 4));
        for (int c = 0; c < cons; ++c) {
            switch (uniform(0, 9)) {
                case 0:
                case 1:
                    text.append("lt").append(var()).append(var());
                    break;
                case 2:
                case 3:
                    text.append("le").append(var()).append(var()).append(" ");
                    text.append(std::to_string(uniform(-3, 3)));
                    break;
                case 4:
                    text.append(uniform(0, 1) ? "neq" : "eq").append(var()).append(var());
                    break;
                default: {
                    text += "linear";
                    const int terms = uniform(0, 9) < 7 ? 2 : 3;
                    for (int t = 0; t < terms; ++t) {
                        std::int64_t coeff = uniform(-4, 4);
                        if (coeff == 0) coeff = 1;
                        text.append(" ").append(std::to_string(coeff)).append(var());
                    }
                    static const char* const kRel[] = {" le", " ge", " eq", " eq", " eq", " eq"};
                    text.append(" ").append(std::to_string(uniform(-20, 20)));
                    text.append(kRel[uniform(0, 5)]);
                }
            }
            text += '\n';
        }

        const auto parsed = parser::parse_cp(text);
        ASSERT_TRUE(parsed.ok()) << text;
        const CpProblem& p = parsed.value();
        CpSolver solver(p);
        oracle::Solver o = oracle::build(p);
        const bool ok = solver.propagate_all();
        ASSERT_EQ(ok, oracle::propagate_all(o)) << text;
        if (ok) {
            ASSERT_EQ(solver.domains(), o.domains) << text;
        }
        if (o.sweeps > 1000) ++long_sweeps;

        CpStats stats;
        const bool decided = search_agrees(p, text, 30000, tally, stats);
        if (HasFailure()) return;
        if (!decided) continue;
        if (stats.nodes > 1000) ++long_searches;
    }
    EXPECT_GT(tally.sat, runs / 10);
    EXPECT_GT(tally.unsat, runs / 10);
    EXPECT_GT(long_sweeps, runs / 40);
    EXPECT_GT(long_searches, runs / 80);
    EXPECT_LT(tally.gave_up, runs / 10);
    std::printf("SAT %d, UNSAT %d, long sweeps %d, long searches %d, oracle gave up %d\n",
                tally.sat, tally.unsat, long_sweeps, long_searches, tally.gave_up);
}

// Latin squares with random clues and a few extra constraints between cells:
// allDiffs over few values that count their fixed values and wake only where
// an end meets one, kept right through backtracking. Same answers after the
// same number of nodes as the plain search.
TEST(CpDifferential, LatinSquaresAgreeNodeForNode) {
    std::mt19937_64 rng(0x1A7);
    const auto uniform = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(rng);
    };
    Tally tally;
    int backtracked = 0;
    const int runs = 1500;
    for (int run = 0; run < runs; ++run) {
        const int n = uniform(4, 7);
        // Clues and extra constraints from a planted square (a shuffled
        // cyclic one), some extras then moved off it.
        std::vector<int> rows(static_cast<std::size_t>(n)), cols(rows), symbols(rows);
        for (int i = 0; i < n; ++i)
            rows[static_cast<std::size_t>(i)] = cols[static_cast<std::size_t>(i)] =
                symbols[static_cast<std::size_t>(i)] = i;
        std::shuffle(rows.begin(), rows.end(), rng);
        std::shuffle(cols.begin(), cols.end(), rng);
        std::shuffle(symbols.begin(), symbols.end(), rng);
        const auto planted = [&](int r, int c) {
            return symbols[static_cast<std::size_t>(
                       (rows[static_cast<std::size_t>(r)] + cols[static_cast<std::size_t>(c)]) %
                       n)] +
                   1;
        };
        std::string text;
        const auto cell = [&](int r, int c) {
            std::string name = " c";
            return name.append(std::to_string(r * n + c));
        };
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c) {
                const bool clue = uniform(0, 19) == 0;
                const int v = planted(r, c);
                text.append("var").append(cell(r, c)).append(" ");
                text.append(std::to_string(clue ? v : 1)).append(" ");
                text.append(std::to_string(clue ? v : n)).append("\n");
            }
        }
        for (int r = 0; r < n; ++r) {
            text.append("allDiff");
            for (int c = 0; c < n; ++c) text.append(cell(r, c));
            text.append("\nallDiff");
            for (int c = 0; c < n; ++c) text.append(cell(c, r));
            text.append("\n");
        }
        for (int extra = uniform(1, 4); extra > 0; --extra) {
            const int r = uniform(0, n - 1);
            const int c = uniform(0, n - 1);
            const int r2 = uniform(0, n - 1);
            const int c2 = uniform(0, n - 1);
            const int shift = uniform(0, 4) == 0 ? uniform(-2, 2) : 0;
            if (uniform(0, 2) == 0) {
                const bool below = planted(r, c) < planted(r2, c2);
                text.append(below ? "lt" : "neq").append(cell(r, c)).append(cell(r2, c2));
            } else {
                const int a1 = uniform(1, 3);
                const int a2 = uniform(1, 3);
                text.append("linear ").append(std::to_string(a1)).append(cell(r, c));
                text.append(" ").append(std::to_string(a2)).append(cell(r2, c2)).append(" ");
                text.append(std::to_string(a1 * planted(r, c) + a2 * planted(r2, c2) + shift));
                text.append(" eq");
            }
            text.append("\n");
        }
        CpStats stats;
        const bool decided = search_agrees(text, 20000, tally, stats);
        if (HasFailure()) return;
        if (!decided) continue;
        if (stats.failures > 0) ++backtracked;
    }
    EXPECT_GT(tally.sat, runs / 5);
    EXPECT_GT(tally.unsat, runs / 10);
    EXPECT_GT(backtracked, runs / 10);
    EXPECT_LT(tally.gave_up, runs / 20);
    print_backtracked(tally, backtracked);
}

// Queens-like models: queens linked to diagonal copies by sums of two unit
// terms with random signs and relations, and neq between a queen and a copy,
// sometimes placed at an end of the 64-bit range where a copy's range is
// cut. Many domains move at every node and are undone at every failure, so
// the branching order (smallest domain, lowest index) is exercised through
// deep backtracking. Same answers after the same number of nodes.
TEST(CpDifferential, UnitSumDiagonalsAgreeNodeForNode) {
    std::mt19937_64 rng(0xD1A6);
    const auto uniform = [&](std::int64_t lo, std::int64_t hi) {
        return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng);
    };
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    const auto clamp = [](Wide v) {
        return static_cast<std::int64_t>(std::clamp<Wide>(v, kMin, kMax));
    };
    Tally tally;
    int backtracked = 0;
    int at_end = 0;
    const int runs = 3000;
    for (int run = 0; run < runs; ++run) {
        const std::int64_t n = uniform(4, 7);
        const int place = static_cast<int>(uniform(0, 4));
        const std::int64_t base = place == 0   ? kMin + uniform(0, 2)
                                  : place == 1 ? kMax - (n - 1) - uniform(0, 2)
                                               : uniform(-3, 3);
        if (place <= 1) ++at_end;
        std::string text;
        for (std::int64_t i = 0; i < n; ++i) {
            text.append("var q").append(std::to_string(i)).append(" ");
            text.append(std::to_string(base)).append(" ");
            text.append(std::to_string(base + (n - 1))).append("\n");
        }
        int copies = 0;
        for (std::int64_t i = 0; i < n; ++i) {
            for (std::int64_t j = i + 1; j < n; ++j) {
                if (uniform(0, 9) == 0) continue;
                text.append("neq q").append(std::to_string(i)).append(" q");
                text.append(std::to_string(j)).append("\n");
                for (const std::int64_t k : {j - i, i - j}) {
                    if (uniform(0, 5) == 0) continue;
                    // s1 * u + s2 * q_j rel k: u = s1 * (k - s2 * q_j) on equality.
                    const std::int64_t s1 = uniform(0, 1) == 0 ? -1 : 1;
                    const std::int64_t s2 = -s1 * (uniform(0, 6) == 0 ? -1 : 1);
                    const Wide a = Wide{s1} * (Wide{k} - Wide{s2} * base);
                    const Wide b = Wide{s1} * (Wide{k} - Wide{s2} * (base + (n - 1)));
                    std::string u = "u";
                    u.append(std::to_string(copies++));
                    text.append("var ").append(u).append(" ");
                    text.append(std::to_string(clamp(std::min(a, b) - uniform(0, 2)))).append(" ");
                    text.append(std::to_string(clamp(std::max(a, b) + uniform(0, 2))));
                    text.append("\nlinear ").append(std::to_string(s1)).append(" ").append(u);
                    text.append(" ").append(std::to_string(s2)).append(" q");
                    text.append(std::to_string(j)).append(" ").append(std::to_string(k));
                    const int rel = static_cast<int>(uniform(0, 9));
                    text.append(rel == 0 ? " le\n" : rel == 1 ? " ge\n" : " eq\n");
                    text.append("neq q").append(std::to_string(i)).append(" ").append(u);
                    text.append("\n");
                }
            }
        }
        CpStats stats;
        const bool decided = search_agrees(text, 20000, tally, stats);
        if (HasFailure()) return;
        if (!decided) continue;
        if (stats.failures > 0) ++backtracked;
    }
    EXPECT_GT(tally.sat, runs / 5);
    EXPECT_GT(tally.unsat, runs / 50);
    EXPECT_GT(backtracked, runs / 5);
    EXPECT_GT(at_end, runs / 5);
    EXPECT_LT(tally.gave_up, runs / 50);
    print_backtracked(tally, backtracked);
}

// Families aimed at the refuter: the answer of the plain search, from at
// most its nodes, and in each family some searches that it shortens.
// Appends every piece (g++ 12 warns falsely on chains of string +).
template <class... P>
void add(std::string& t, const P&... pieces) {
    (t.append(pieces), ...);
}

// Jobs through every machine in their own order, each operation 1..longest
// long; `bound` is the longest machine's load or job, which no schedule
// beats.
struct Shop {
    std::vector<std::vector<std::pair<int, int>>> route;  // by job: (machine, length)
    int machines = 0;
    int bound = 0;
};

Shop random_shop(std::mt19937_64& rng, int jobs, int machines, int longest_op) {
    Shop shop;
    shop.machines = machines;
    shop.route.resize(static_cast<std::size_t>(jobs));
    std::vector<int> load(static_cast<std::size_t>(machines), 0);
    for (auto& r : shop.route) {
        std::vector<int> order(static_cast<std::size_t>(machines));
        for (int m = 0; m < machines; ++m) order[static_cast<std::size_t>(m)] = m;
        std::shuffle(order.begin(), order.end(), rng);
        int length = 0;
        for (const int m : order) {
            const int d = std::uniform_int_distribution<int>(1, longest_op)(rng);
            r.emplace_back(m, d);
            load[static_cast<std::size_t>(m)] += d;
            length += d;
        }
        shop.bound = std::max(shop.bound, length);
    }
    shop.bound = std::max(shop.bound, *std::max_element(load.begin(), load.end()));
    return shop;
}

// Operations of a machine kept apart by an order variable and two big-M
// sums, as the benchmark writes them.
std::string jobshop_text(const Shop& shop, int horizon) {
    std::string t;
    const auto op = [](int j, int k) {
        std::string s = "s";
        return s.append(std::to_string(j)).append("_").append(std::to_string(k));
    };
    std::vector<std::vector<std::pair<int, int>>> on(static_cast<std::size_t>(shop.machines));
    const auto& route = shop.route;
    for (int j = 0; j < static_cast<int>(route.size()); ++j) {
        const auto& r = route[static_cast<std::size_t>(j)];
        for (int k = 0; k < shop.machines; ++k) {
            const auto [m, d] = r[static_cast<std::size_t>(k)];
            add(t, "var ", op(j, k), " 0 ", std::to_string(horizon - d), "\n");
            on[static_cast<std::size_t>(m)].emplace_back(j, k);
            if (k > 0)
                add(t, "le ", op(j, k - 1), " ", op(j, k), " ",
                    std::to_string(-r[static_cast<std::size_t>(k - 1)].second), "\n");
        }
    }
    const std::string h = std::to_string(horizon);
    for (const auto& ops : on) {
        for (std::size_t a = 0; a < ops.size(); ++a) {
            for (std::size_t b = a + 1; b < ops.size(); ++b) {
                const auto [ja, ka] = ops[a];
                const auto [jb, kb] = ops[b];
                const int da =
                    route[static_cast<std::size_t>(ja)][static_cast<std::size_t>(ka)].second;
                const int db =
                    route[static_cast<std::size_t>(jb)][static_cast<std::size_t>(kb)].second;
                const std::string sa = op(ja, ka), sb = op(jb, kb);
                std::string o = "o";
                o.append(sa).append(sb);
                add(t, "var ", o, " 0 1\n");
                add(t, "linear 1 ", sa, " -1 ", sb, " ", h, " ", o, " ",
                    std::to_string(horizon - da), " le\n");
                add(t, "linear 1 ", sb, " -1 ", sa, " -", h, " ", o, " ", std::to_string(-db),
                    " le\n");
            }
        }
    }
    return t;
}

enum class Shape {
    Pigeonhole,
    Knapsack,
    ColouringWithViews,
    BarredPermutation,
    DistinctSums,
    LayeredColouring,
    JobShop,
    QueensWithOffsets,
    MagicLike,
    DeepFirst,
    OddWheels,
    SquareLines
};

std::string shaped_text(Shape shape, std::mt19937_64& rng) {
    const auto uniform = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(rng);
    };
    std::string t;
    const auto var = [&](const std::string& name, int lo, int hi) {
        add(t, "var ", name, " ", std::to_string(lo), " ", std::to_string(hi), "\n");
    };
    const auto x = [](int i) {
        std::string s = "x";
        return s.append(std::to_string(i));
    };
    switch (shape) {
        case Shape::Pigeonhole: {
            // n variables over n - 1 values; allDiffs over some of them, at
            // times over all.
            const int n = uniform(4, 8);
            for (int i = 0; i < n; ++i) var(x(i), 0, n - 2);
            for (int k = uniform(1, 3); k > 0; --k) {
                add(t, "allDiff ", x(0), " ", x(1));
                const bool all = uniform(0, 2) == 0;
                for (int i = 2; i < n; ++i) {
                    if (all || uniform(0, 3) != 0) add(t, " ", x(i));
                }
                t += "\n";
            }
            if (uniform(0, 1) == 0)
                add(t, "lt ", x(uniform(0, n - 1)), " ", x(uniform(0, n - 1)), "\n");
            break;
        }
        case Shape::Knapsack: {
            // Weights and values of either sign convention, the need near
            // the best packing so that both answers occur.
            const int n = uniform(4, 12);
            std::vector<int> w(static_cast<std::size_t>(n)), v(w);
            for (int i = 0; i < n; ++i) {
                var(x(i), 0, 1);
                w[static_cast<std::size_t>(i)] = uniform(1, 20);
                v[static_cast<std::size_t>(i)] = w[static_cast<std::size_t>(i)] + uniform(0, 6);
            }
            int cap = 0;
            for (const int wi : w) cap += wi;
            cap /= 2;
            int best = 0;
            for (int mask = 0; mask < (1 << n); ++mask) {
                int sw = 0, sv = 0;
                for (int i = 0; i < n; ++i) {
                    if ((mask >> i) & 1) {
                        sw += w[static_cast<std::size_t>(i)];
                        sv += v[static_cast<std::size_t>(i)];
                    }
                }
                if (sw <= cap) best = std::max(best, sv);
            }
            const bool flip = uniform(0, 1) == 0;
            const int sign = flip ? -1 : 1;
            t += "linear";
            for (int i = 0; i < n; ++i)
                add(t, " ", std::to_string(sign * w[static_cast<std::size_t>(i)]), " ", x(i));
            add(t, " ", std::to_string(sign * cap), (flip ? " ge\n" : " le\n"));
            t += "linear";
            for (int i = n; i-- > 0;)
                add(t, " ", std::to_string(sign * v[static_cast<std::size_t>(i)]), " ", x(i));
            add(t, " ", std::to_string(sign * (best + uniform(-2, 1))), (flip ? " le\n" : " ge\n"));
            break;
        }
        case Shape::ColouringWithViews: {
            // A random graph to colour, some vertices seen through copies
            // y = x + k, so that cliques run through views.
            const int n = uniform(5, 9);
            const int colours = uniform(2, 4);
            for (int i = 0; i < n; ++i) var(x(i), 0, colours - 1);
            for (int i = 0; i < n; ++i) {
                for (int j = i + 1; j < n; ++j) {
                    if (uniform(0, 99) >= 55) continue;
                    if (uniform(0, 2) == 0) {
                        const int k = uniform(-2, 2);
                        std::string y = "y";
                        add(y, std::to_string(i), "_", std::to_string(j));
                        var(y, k - uniform(0, 1), colours - 1 + k);
                        add(t, "linear 1 ", y, " -1 ", x(j), " ", std::to_string(k), " eq\n");
                        add(t, "neq ", x(i), " ", y, "\n");
                    } else {
                        add(t, "neq ", x(i), " ", x(j), "\n");
                    }
                }
            }
            if (uniform(0, 2) == 0)
                add(t, "le ", x(uniform(0, n - 1)), " ", x(uniform(0, n - 1)), " -1\n");
            break;
        }
        case Shape::BarredPermutation: {
            // A permutation with values barred by neq from fixed variables:
            // holes inside the intervals, which only the refuter sees, and
            // a first solution, if any, deep down.
            const int n = uniform(5, 8);
            for (int i = 0; i < n; ++i) var(x(i), 0, n - 1);
            add(t, "allDiff");
            for (int i = 0; i < n; ++i) add(t, " ", x(i));
            t += "\n";
            for (int k = uniform(2 * n, 5 * n); k > 0; --k) {
                std::string c = "c";
                c.append(std::to_string(k));
                const int value = uniform(1, n - 2);
                var(c, value, value);
                add(t, "neq ", x(uniform(0, n - 1)), " ", c, "\n");
            }
            break;
        }
        case Shape::LayeredColouring: {
            // A sparse first layer, branched on first, and a dense second
            // one that some edges tie to it: the second layer's search
            // recurs under many colourings of the first, from domains with
            // holes that depend on them.
            const int first = uniform(3, 6);
            const int n = first + uniform(7, 10);
            const int colours = uniform(3, 4);
            for (int i = 0; i < n; ++i) var(x(i), 0, colours - 1);
            for (int i = 0; i < n; ++i) {
                for (int j = i + 1; j < n; ++j) {
                    const int percent = j < first ? 25 : (i < first ? 8 : 62);
                    if (uniform(0, 99) < percent) add(t, "neq ", x(i), " ", x(j), "\n");
                }
            }
            break;
        }
        case Shape::DistinctSums: {
            // Values all different, with sums of a few of them by one
            // coefficient of either sign, near a planted permutation's.
            const int n = uniform(4, 7);
            const int spare = uniform(0, 3);
            std::vector<int> planted(static_cast<std::size_t>(n + spare));
            for (int i = 0; i < n + spare; ++i) planted[static_cast<std::size_t>(i)] = i + 1;
            std::shuffle(planted.begin(), planted.end(), rng);
            for (int i = 0; i < n; ++i) var(x(i), 1, n + spare);
            add(t, "allDiff");
            for (int i = 0; i < n; ++i) add(t, " ", x(i));
            t += "\n";
            static const char* const kRels[] = {"eq", "le", "ge"};
            for (int k = uniform(1, 3); k > 0; --k) {
                static const int kCoeffs[] = {1, 2, -1, -3};
                const int c = kCoeffs[uniform(0, 3)];
                std::vector<int> terms(static_cast<std::size_t>(n));
                for (int i = 0; i < n; ++i) terms[static_cast<std::size_t>(i)] = i;
                std::shuffle(terms.begin(), terms.end(), rng);
                terms.resize(static_cast<std::size_t>(uniform(2, n)));
                int sum = 0;
                t += "linear";
                for (const int i : terms) {
                    sum += c * planted[static_cast<std::size_t>(i)];
                    add(t, " ", std::to_string(c), " ", x(i));
                }
                const char* rel = kRels[uniform(0, 2)];
                const int off = uniform(-3, 3);
                add(t, " ", std::to_string(sum + off), " ", rel, "\n");
            }
            break;
        }
        case Shape::JobShop: {
            // A horizon about the longest machine's load or job.
            const int jobs = uniform(3, 5);
            const int machines = uniform(2, 3);
            const auto shop = random_shop(rng, jobs, machines, 4);
            t = jobshop_text(shop, shop.bound + uniform(-1, 2));
            break;
        }
        case Shape::QueensWithOffsets: {
            // Queens: columns, and both diagonals as views q + i and q - i,
            // each under one allDiff; some values barred by neq.
            const int n = uniform(4, 8);
            for (int i = 0; i < n; ++i) var(x(i), 0, n - 1);
            std::string up = "allDiff";
            std::string down = "allDiff";
            for (int i = 0; i < n; ++i) {
                const std::string u = "u" + std::to_string(i);
                const std::string d = "d" + std::to_string(i);
                var(u, i, n - 1 + i);
                var(d, -i, n - 1 - i);
                add(t, "linear 1 ", u, " -1 ", x(i), " ", std::to_string(i), " eq\n");
                add(t, "linear 1 ", d, " -1 ", x(i), " ", std::to_string(-i), " eq\n");
                add(up, " ", u);
                add(down, " ", d);
            }
            add(t, "allDiff");
            for (int i = 0; i < n; ++i) add(t, " ", x(i));
            add(t, "\n", up, "\n", down, "\n");
            for (int k = uniform(0, 2 * n); k > 0; --k) {
                const std::string c = "c" + std::to_string(k);
                const int value = uniform(0, n - 1);
                var(c, value, value);
                add(t, "neq ", x(uniform(0, n - 1)), " ", c, "\n");
            }
            break;
        }
        case Shape::MagicLike: {
            // A 3 x 3 square of different values whose rows and columns
            // (and at times the diagonals) sum to one target near the magic.
            const int top = uniform(9, 11);
            const int target = 15 + uniform(-2, 3);
            for (int i = 0; i < 9; ++i) var(x(i), 1, top);
            add(t, "allDiff");
            for (int i = 0; i < 9; ++i) add(t, " ", x(i));
            t += "\n";
            const std::string sum = std::to_string(target);
            for (int r = 0; r < 3; ++r)
                add(t, "linear 1 ", x(3 * r), " 1 ", x(3 * r + 1), " 1 ", x(3 * r + 2), " ", sum,
                    " eq\n");
            for (int c = 0; c < 3; ++c)
                add(t, "linear 1 ", x(c), " 1 ", x(c + 3), " 1 ", x(c + 6), " ", sum, " eq\n");
            if (uniform(0, 1) == 0)
                add(t, "linear 1 ", x(0), " 1 ", x(4), " 1 ", x(8), " ", sum, " eq\n");
            break;
        }
        case Shape::DeepFirst: {
            // A permutation whose weighted sum must come near its greatest,
            // or pass it: few solutions, the first of them far to the right
            // in increasing order.
            const int n = uniform(5, 7);
            std::vector<int> w(static_cast<std::size_t>(n));
            for (int& wi : w) wi = uniform(1, 9);
            std::vector<int> perm(static_cast<std::size_t>(n));
            for (int i = 0; i < n; ++i) perm[static_cast<std::size_t>(i)] = i;
            int best = 0;
            do {
                int sum = 0;
                for (std::size_t i = 0; i < perm.size(); ++i) sum += w[i] * perm[i];
                best = std::max(best, sum);
            } while (std::next_permutation(perm.begin(), perm.end()));
            for (int i = 0; i < n; ++i) var(x(i), 0, n - 1);
            add(t, "allDiff");
            for (int i = 0; i < n; ++i) add(t, " ", x(i));
            t += "\nlinear";
            for (int i = 0; i < n; ++i)
                add(t, " ", std::to_string(w[static_cast<std::size_t>(i)]), " ", x(i));
            add(t, " ", std::to_string(best - uniform(-1, 3)), " ge\n");
            break;
        }
        case Shape::OddWheels: {
            // Wheels with odd rims need four colours and have no four-clique:
            // with three colours only a search proves them empty. Vertices
            // branched on first (lower sizes) colour freely.
            const int free = uniform(1, 4);
            const int rim = 2 * uniform(2, 4) + 1;
            const int colours = uniform(0, 3) == 0 ? 4 : 3;
            for (int i = 0; i < free; ++i) var(x(i), 0, uniform(1, colours - 1));
            const int hub = free;
            for (int i = 0; i <= rim; ++i) var(x(hub + i), 0, colours - 1);
            for (int i = 1; i <= rim; ++i) {
                add(t, "neq ", x(hub), " ", x(hub + i), "\n");
                add(t, "neq ", x(hub + i), " ", x(hub + 1 + i % rim), "\n");
            }
            for (int i = 0; i < free; ++i)
                add(t, "neq ", x(i), " ", x(hub + uniform(1, rim)), "\n");
            break;
        }
        case Shape::SquareLines: {
            // A rectangle of different values with a random subset of its
            // rows, columns and diagonals summing, each by one coefficient,
            // near a planted permutation's sums: lines that share no cell
            // are reasoned about together.
            const int rows = uniform(2, 3);
            const int cols = uniform(3, 4);
            const int cells = rows * cols;
            const int top = cells + uniform(0, 3);
            std::vector<int> planted(static_cast<std::size_t>(top));
            for (int i = 0; i < top; ++i) planted[static_cast<std::size_t>(i)] = i + 1;
            std::shuffle(planted.begin(), planted.end(), rng);
            for (int i = 0; i < cells; ++i) var(x(i), 1, top);
            add(t, "allDiff");
            for (int i = 0; i < cells; ++i) add(t, " ", x(i));
            t += "\n";
            std::vector<std::vector<int>> lines;
            for (int r = 0; r < rows; ++r) {
                lines.emplace_back();
                for (int c = 0; c < cols; ++c) lines.back().push_back(r * cols + c);
            }
            for (int c = 0; c < cols; ++c) {
                lines.emplace_back();
                for (int r = 0; r < rows; ++r) lines.back().push_back(r * cols + c);
            }
            lines.emplace_back();
            for (int r = 0; r < rows; ++r) lines.back().push_back(r * cols + r);
            static const char* const kRels[] = {"eq", "eq", "le", "ge"};
            static const int kCoeffs[] = {1, 1, 2, -1};
            for (const std::vector<int>& line : lines) {
                if (uniform(0, 2) == 0) continue;
                const int c = kCoeffs[uniform(0, 3)];
                const char* rel = kRels[uniform(0, 3)];
                int sum = 0;
                t += "linear";
                for (const int i : line) {
                    sum += c * planted[static_cast<std::size_t>(i)];
                    add(t, " ", std::to_string(c), " ", x(i));
                }
                // Pushed towards the sums of the least or greatest values.
                const int off = uniform(0, 1) == 0 ? 0 : uniform(-8, 8);
                add(t, " ", std::to_string(sum + c * off), " ", rel, "\n");
            }
            break;
        }
    }
    return t;
}

class CpRefuterFamilies : public ::testing::TestWithParam<Shape> {};

TEST_P(CpRefuterFamilies, SameAnswersFromFewerNodes) {
    std::mt19937_64 rng(0x5EED + static_cast<int>(GetParam()));
    Tally tally;
    int shortened = 0;
    int searched = 0;  // the oracle's search ran
    const int runs = 600;
    for (int run = 0; run < runs; ++run) {
        const std::string text = shaped_text(GetParam(), rng);
        const auto parsed = parser::parse_cp(text);
        ASSERT_TRUE(parsed.ok()) << text;
        std::uint64_t oracle_nodes = 0;
        const auto expected = counted_oracle(parsed.value(), 50000, tally, &oracle_nodes);
        if (!expected) continue;
        // From the root, and joining the search after a few nodes.
        for (const std::uint64_t after : {0, 3}) {
            CpStats stats;
            const SolverResult got =
                solve_cp(parsed.value(), Interrupt(), &stats, kEveryRule, after);
            ASSERT_EQ(describe(got), describe(*expected)) << text;
            ASSERT_LE(stats.nodes, oracle_nodes) << text;
            if (after == 0 && stats.nodes < oracle_nodes) ++shortened;
            if (after == 0 && stats.witness_nodes > 0) ++searched;
        }
        // Every call taking the node's variable first, value by value.
        CpStats in_order;
        const SolverResult got =
            solve_cp(parsed.value(), Interrupt(), &in_order, kEveryRule | kWitnessInOrder, 0);
        ASSERT_EQ(describe(got), describe(*expected)) << text;
        ASSERT_LE(in_order.nodes, oracle_nodes) << text;
    }
    EXPECT_GT(tally.sat, runs / 20);
    EXPECT_GT(tally.unsat, runs / 20);
    EXPECT_GT(shortened, runs / 20);
    EXPECT_GT(searched, runs / 20);
    EXPECT_LT(tally.gave_up, runs / 20);
    std::printf("SAT %d, UNSAT %d, shortened %d, searched %d, oracle gave up %d\n", tally.sat,
                tally.unsat, shortened, searched, tally.gave_up);
}

INSTANTIATE_TEST_SUITE_P(Shapes, CpRefuterFamilies,
                         ::testing::Values(Shape::Pigeonhole, Shape::Knapsack,
                                           Shape::ColouringWithViews, Shape::BarredPermutation,
                                           Shape::DistinctSums, Shape::LayeredColouring,
                                           Shape::JobShop, Shape::QueensWithOffsets,
                                           Shape::MagicLike, Shape::DeepFirst, Shape::OddWheels,
                                           Shape::SquareLines));

// Job-shops of five or six operations on each of three machines, at their least
// horizon with a schedule and one below it, where the search must prove
// that none exists: the answers of the oracle, and edge finding closes
// nodes that the rest of the refuter leaves open.
TEST(CpRefuter, JobShopsAtAndBelowTheirOptimum) {
    std::mt19937_64 rng(0x70B5);
    Tally tally;
    int fewer = 0;  // searches that edge finding shortened
    const int shops = 80;
    for (int run = 0; run < shops; ++run) {
        const int jobs = std::uniform_int_distribution<int>(5, 6)(rng);
        const int machines = 3;
        const Shop shop = random_shop(rng, jobs, machines, 5);
        int best = shop.bound;
        while (!solve_cp(parser::parse_cp(jobshop_text(shop, best)).value()).is_sat()) ++best;
        for (const int horizon : {best - 1, best}) {
            const std::string text = jobshop_text(shop, horizon);
            const auto parsed = parser::parse_cp(text);
            ASSERT_TRUE(parsed.ok()) << text;
            std::uint64_t oracle_nodes = 0;
            const auto expected = counted_oracle(parsed.value(), 200000, tally, &oracle_nodes);
            if (!expected) continue;
            for (const std::uint64_t after : {0, 3}) {
                // The oracle's search off (as by default on sums) and on.
                CpStats with;
                CpStats without;
                CpStats every;
                const SolverResult got =
                    solve_cp(parsed.value(), Interrupt(), &with, kAllRefuteRules, after);
                const SolverResult less = solve_cp(parsed.value(), Interrupt(), &without,
                                                   kAllRefuteRules & ~kEdgeFinding, after);
                const SolverResult searched =
                    solve_cp(parsed.value(), Interrupt(), &every, kEveryRule, after);
                ASSERT_EQ(describe(got), describe(*expected)) << text;
                ASSERT_EQ(describe(less), describe(*expected)) << text;
                ASSERT_EQ(describe(searched), describe(*expected)) << text;
                ASSERT_LE(with.nodes, oracle_nodes) << text;
                ASSERT_LE(every.nodes, oracle_nodes) << text;
                if (after == 0 && with.nodes < without.nodes) ++fewer;
            }
        }
    }
    EXPECT_GT(tally.sat, shops / 2);
    EXPECT_GT(tally.unsat, shops / 2);
    EXPECT_GT(fewer, shops / 4);
    EXPECT_LT(tally.gave_up, shops / 10);
    std::printf("SAT %d, UNSAT %d, fewer nodes by edge finding %d, oracle gave up %d\n", tally.sat,
                tally.unsat, fewer, tally.gave_up);
}

// n variables over n - 1 values under one allDiff: closed before the first
// branch, where the plain search tries (n - 1)! orders.
TEST(CpRefuter, PigeonholeClosedAtTheRoot) {
    for (const int n : {5, 9, 40}) {
        CpProblem p;
        AllDiffCon all;
        for (int i = 0; i < n; ++i) {
            p.vars.push_back(VarDecl{"p", 0, n - 2});
            all.vars.push_back(static_cast<VarIndex>(i));
        }
        p.constraints.emplace_back(all);
        CpStats stats;
        EXPECT_FALSE(solve_cp(p, Interrupt(), &stats).is_sat()) << n;
        EXPECT_EQ(stats.nodes, 0u) << n;
    }
}

// A Hall set inside a wider AllDiff (six positions over five values, and a
// seventh over 0..20) is not a pigeonhole of the whole list: the root lets
// it through, and the refuter, built when it joins, closes the root then.
// Six free variables of four values come first in the branching, so the
// plain search meets the Hall set once for each of their 4^6 assignments.
TEST(CpRefuter, HallSetClosedWhenTheRefuterJoins) {
    CpProblem p;
    AllDiffCon all;
    for (int i = 0; i < 7; ++i) {
        p.vars.push_back(VarDecl{"h", 0, i < 6 ? 4 : 20});
        all.vars.push_back(static_cast<VarIndex>(i));
    }
    for (int i = 0; i < 6; ++i) p.vars.push_back(VarDecl{"f", 0, 3});
    p.constraints.emplace_back(all);
    for (const std::uint64_t after : {std::uint64_t{0}, std::uint64_t{7}, kRefuteAfter}) {
        CpStats stats;
        EXPECT_FALSE(solve_cp(p, Interrupt(), &stats, kAllRefuteRules, after).is_sat()) << after;
        EXPECT_EQ(stats.nodes, after) << after;
    }
    CpStats plain;
    EXPECT_FALSE(solve_cp(p, Interrupt(), &plain, 0).is_sat());
    EXPECT_GT(plain.nodes, 4096u);
}

// x, y over 1..2 and z, u over 1..4 under one AllDiff leave z and u only
// 3 and 4, which a second AllDiff with v over 3..4 cannot give all three:
// closed at the root, although each AllDiff alone has a matching.
TEST(CpRefuter, ValuesOfAHallSetLeaveTheOthers) {
    const auto parsed = parser::parse_cp(
        "var x 1 2\nvar y 1 2\nvar z 1 4\nvar u 1 4\nvar v 3 4\n"
        "allDiff x y z u\nallDiff z u v\n");
    ASSERT_TRUE(parsed.ok());
    CpStats stats;
    EXPECT_FALSE(solve_cp(parsed.value(), Interrupt(), &stats, kAllRefuteRules, 0).is_sat());
    EXPECT_EQ(stats.nodes, 0u);
    CpStats plain;
    EXPECT_FALSE(solve_cp(parsed.value(), Interrupt(), &plain, 0).is_sat());
    EXPECT_GT(plain.nodes, 0u);
}

// Three different values of 1..9 sum to at least 1 + 2 + 3: a sum of 5 is
// closed at the root, where bounds alone leave 1..3 to each.
TEST(CpRefuter, DistinctSumClosedAtTheRoot) {
    const auto parsed = parser::parse_cp(
        "var x 1 9\nvar y 1 9\nvar z 1 9\nallDiff x y z\nlinear 1 x 1 y 1 z 5 eq\n");
    ASSERT_TRUE(parsed.ok());
    CpStats stats;
    EXPECT_FALSE(solve_cp(parsed.value(), Interrupt(), &stats, kAllRefuteRules, 0).is_sat());
    EXPECT_EQ(stats.nodes, 0u);
    CpStats without;
    EXPECT_FALSE(solve_cp(parsed.value(), Interrupt(), &without, kAllRefuteRules & ~kDistinctSum, 0)
                     .is_sat());
    EXPECT_GT(without.nodes, 0u);
}

// Values 1..10 all different, two sums of three of them at least 24 each:
// each sum alone can take 10 + 9 + 5, and their bounds leave 5..10 to six
// variables, which the matching allows; together they need six values of at
// least 48, where 5 + ... + 10 = 45. Closed at the root, and only by the rule
// that reads the two sums together.
TEST(CpRefuter, DisjointDistinctSumsClosedTogether) {
    std::string vars;
    for (int i = 0; i < 10; ++i) add(vars, "var x", std::to_string(i), " 1 10\n");
    vars += "allDiff x0 x1 x2 x3 x4 x5 x6 x7 x8 x9\n";
    struct Case {
        std::string text;
        bool closed;
    };
    const Case cases[] = {
        {vars + "linear 1 x0 1 x1 1 x2 24 eq\nlinear 1 x3 1 x4 1 x5 24 eq\n", true},
        {vars + "linear -1 x0 -1 x1 -1 x2 -24 le\nlinear 2 x3 2 x4 2 x5 47 ge\n", true},
        {vars + "linear 1 x0 1 x1 1 x2 22 eq\nlinear 1 x3 1 x4 1 x5 22 eq\n", false},
    };
    for (const Case& c : cases) {
        const auto parsed = parser::parse_cp(c.text);
        ASSERT_TRUE(parsed.ok()) << c.text;
        CpStats with;
        CpStats without;
        CpStats plain;
        const SolverResult got = solve_cp(parsed.value(), Interrupt(), &with, kAllRefuteRules, 0);
        const SolverResult less =
            solve_cp(parsed.value(), Interrupt(), &without, kAllRefuteRules & ~kLineGroups, 0);
        const SolverResult expected = solve_cp(parsed.value(), Interrupt(), &plain, 0);
        EXPECT_EQ(describe(got), describe(expected)) << c.text;
        EXPECT_EQ(describe(less), describe(expected)) << c.text;
        EXPECT_EQ(got.is_sat(), !c.closed) << c.text;
        if (c.closed) {
            EXPECT_EQ(with.nodes, 0u) << c.text;
            EXPECT_GT(without.nodes, 0u) << c.text;
        }
    }
}

// Three operations of length 2 on one machine, each pair kept apart by an
// order variable, with 5 time units: closed at the root, where bounds alone
// leave every order open.
TEST(CpRefuter, OverloadedMachineClosedAtTheRoot) {
    std::string t;
    for (int i = 0; i < 3; ++i) add(t, "var s", std::to_string(i), " 0 3\n");
    for (int a = 0; a < 3; ++a) {
        for (int b = a + 1; b < 3; ++b) {
            std::string sa = "s", sb = "s";
            sa.append(std::to_string(a));
            sb.append(std::to_string(b));
            add(t, "var o", sa, sb, " 0 1\n");
            add(t, "linear 1 ", sa, " -1 ", sb, " 5 o", sa, sb, " 3 le\n");
            add(t, "linear 1 ", sb, " -1 ", sa, " -5 o", sa, sb, " -2 le\n");
        }
    }
    const auto parsed = parser::parse_cp(t);
    ASSERT_TRUE(parsed.ok()) << t;
    CpStats stats;
    EXPECT_FALSE(solve_cp(parsed.value(), Interrupt(), &stats, kAllRefuteRules, 0).is_sat());
    EXPECT_EQ(stats.nodes, 0u);
    CpStats without;
    EXPECT_FALSE(
        solve_cp(parsed.value(), Interrupt(), &without, kAllRefuteRules & ~kOverload, 0).is_sat());
    EXPECT_GT(without.nodes, 0u);
}

std::string queens_text(int n) {
    std::string t;
    const auto num = [](int v) { return std::to_string(v); };
    for (int i = 0; i < n; ++i) add(t, "var q", num(i), " 0 ", num(n - 1), "\n");
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            const std::string k = num(j - i);
            std::string pair;
            add(pair, num(i), "_", num(j));
            add(t, "neq q", num(i), " q", num(j), "\n");
            add(t, "var u", pair, " ", k, " ", num(n - 1 + j - i), "\n");
            add(t, "linear 1 u", pair, " -1 q", num(j), " ", k, " eq\n");
            add(t, "neq q", num(i), " u", pair, "\n");
            add(t, "var w", pair, " -", k, " ", num(n - 1 - (j - i)), "\n");
            add(t, "linear 1 w", pair, " -1 q", num(j), " -", k, " eq\n");
            add(t, "neq q", num(i), " w", pair, "\n");
        }
    }
    return t;
}

std::string magic_text(int n) {
    std::string t;
    const std::string total = std::to_string(n * (n * n + 1) / 2);
    const auto m = [&](int r, int c) { add(t, " 1 m", std::to_string(r * n + c)); };
    for (int i = 0; i < n * n; ++i)
        add(t, "var m", std::to_string(i), " 1 ", std::to_string(n * n), "\n");
    t += "allDiff";
    for (int i = 0; i < n * n; ++i) add(t, " m", std::to_string(i));
    t += "\n";
    for (int a = 0; a < n; ++a) {
        t += "linear";
        for (int b = 0; b < n; ++b) m(a, b);
        add(t, " ", total, " eq\nlinear");
        for (int b = 0; b < n; ++b) m(b, a);
        add(t, " ", total, " eq\n");
    }
    t += "linear";
    for (int a = 0; a < n; ++a) m(a, a);
    add(t, " ", total, " eq\nlinear");
    for (int a = 0; a < n; ++a) m(a, n - 1 - a);
    add(t, " ", total, " eq\n");
    return t;
}

// Each rule on the family it is for: the same first solution from fewer
// nodes than the refuter finds without that rule. The other rules are
// measured without the oracle's search, which would find the same.
TEST(CpRefuter, RulesShortenTheirFamilies) {
    struct Case {
        const char* name;
        std::string text;
        unsigned rule;
    };
    const Case cases[] = {
        {"queens 12, look-ahead", queens_text(12), kLookahead},
        {"queens 20, look-ahead", queens_text(20), kLookahead},
        {"magic 5, distinct sums", magic_text(5), kDistinctSum},
        {"magic 5, line groups", magic_text(5), kLineGroups},
        {"magic 6, line groups", magic_text(6), kLineGroups},
        {"magic 5, look-ahead", magic_text(5), kLookahead},
        {"queens 20, witness", queens_text(20), kWitness},
        {"magic 5, witness", magic_text(5), kWitness},
    };
    for (const Case& c : cases) {
        const auto parsed = parser::parse_cp(c.text);
        ASSERT_TRUE(parsed.ok()) << c.name;
        CpStats with;
        CpStats without;
        CpStats plain;
        const unsigned rules = c.rule == kWitness ? kEveryRule : kAllRefuteRules & ~kWitness;
        const SolverResult got = solve_cp(parsed.value(), Interrupt(), &with, rules, 0);
        const SolverResult less =
            solve_cp(parsed.value(), Interrupt(), &without, rules & ~c.rule, 0);
        const SolverResult expected = solve_cp(parsed.value(), Interrupt(), &plain, 0);
        EXPECT_EQ(describe(got), describe(expected)) << c.name;
        EXPECT_EQ(describe(less), describe(expected)) << c.name;
        EXPECT_LT(with.nodes, without.nodes) << c.name;
        EXPECT_LE(without.nodes, plain.nodes) << c.name;
        std::printf("%s: %llu nodes, %llu without the rule, %llu plain\n", c.name,
                    static_cast<unsigned long long>(with.nodes),
                    static_cast<unsigned long long>(without.nodes),
                    static_cast<unsigned long long>(plain.nodes));
    }
}

// Queens with random cells barred, the oracle's search joining at the
// root: it closes runs of a node's values in one call, and finds solutions
// that let the runs before them be asked about. The first solution of the
// literal search, from at most its nodes.
TEST(CpRefuter, QueensWithBarredCellsAgreeWithTheLiteralSearch) {
    std::mt19937_64 rng(0xBA55);
    Tally tally;
    int searched = 0;
    int shortened = 0;
    const int runs = 400;
    for (int run = 0; run < runs; ++run) {
        const int n = 6 + run % 8;
        std::string t = queens_text(n);
        // A barred cell is a neq with a fixed copy of its column.
        const int barred = static_cast<int>(rng() % static_cast<unsigned>(4 * n));
        for (int b = 0; b < barred; ++b) {
            const std::string id = std::to_string(b);
            const std::string column = std::to_string(rng() % static_cast<unsigned>(n));
            add(t, "var b", id, " ", column, " ", column, "\n");
            add(t, "neq q", std::to_string(rng() % static_cast<unsigned>(n)), " b", id, "\n");
        }
        const auto parsed = parser::parse_cp(t);
        ASSERT_TRUE(parsed.ok()) << t;
        std::uint64_t oracle_nodes = 0;
        const auto expected = counted_oracle(parsed.value(), 200000, tally, &oracle_nodes);
        if (!expected) continue;
        CpStats stats;
        const SolverResult got =
            solve_cp(parsed.value(), Interrupt(), &stats, kAllRefuteRules | kWitnessOnCheap, 0);
        ASSERT_EQ(describe(got), describe(*expected)) << t;
        ASSERT_LE(stats.nodes, oracle_nodes) << t;
        if (stats.witness_nodes > 0) ++searched;
        if (stats.nodes < oracle_nodes) ++shortened;
        // Every call taking the node's variable first, value by value: its
        // solutions close the values before them.
        CpStats in_order;
        const SolverResult ordered =
            solve_cp(parsed.value(), Interrupt(), &in_order,
                     kAllRefuteRules | kWitnessOnCheap | kWitnessInOrder, 0);
        ASSERT_EQ(describe(ordered), describe(*expected)) << t;
        ASSERT_LE(in_order.nodes, oracle_nodes) << t;
    }
    EXPECT_GT(tally.sat, runs / 3);
    EXPECT_GT(tally.unsat, runs / 20);
    EXPECT_GT(searched, runs / 2);
    EXPECT_GT(shortened, runs / 3);
    EXPECT_LT(tally.gave_up, runs / 10);
    std::printf("SAT %d, UNSAT %d, searched %d, shortened %d, oracle gave up %d\n", tally.sat,
                tally.unsat, searched, shortened, tally.gave_up);
}

// Queens 37, past the literal search's reach: a placement, reached with
// the oracle's work bounded. Asking once per run of values and branching on
// the rows a column can still take brought it from 35,718 trials to 21,845.
TEST(CpRefuter, QueensThirtySevenWithinBoundedOracleWork) {
    const auto parsed = parser::parse_cp(queens_text(37));
    ASSERT_TRUE(parsed.ok());
    CpStats stats;
    const SolverResult got = solve_cp(parsed.value(), Interrupt(), &stats);
    ASSERT_TRUE(got.is_sat());
    std::vector<std::int64_t> values;
    for (const auto& [var, value] : got.assignment())
        values.push_back(std::get<std::int64_t>(value));
    EXPECT_TRUE(satisfies(build_network(parsed.value()), values));
    EXPECT_LT(stats.witness_nodes, 30000u);
}

// A path of three vertices, then the Groetzsch graph (no triangle, four
// colours needed) with three colours: the plain search fails on the second
// part once for each colouring of the path, from the same domains each
// time, which the first failure's key closes (the oracle's search, off
// here, would close each of them by itself).
TEST(CpRefuter, RepeatedEmptySubtreeClosedByItsKey) {
    std::string t;
    for (int i = 0; i < 14; ++i) add(t, "var c", std::to_string(i), " 0 2\n");
    add(t, "neq c0 c1\nneq c1 c2\n");
    static const int kEdges[][2] = {{1, 2}, {1, 4},  {1, 7},  {1, 9},  {2, 3},  {2, 6},  {2, 8},
                                    {3, 5}, {3, 7},  {3, 10}, {4, 5},  {4, 6},  {4, 10}, {5, 8},
                                    {5, 9}, {6, 11}, {7, 11}, {8, 11}, {9, 11}, {10, 11}};
    for (const auto& e : kEdges)
        add(t, "neq c", std::to_string(e[0] + 2), " c", std::to_string(e[1] + 2), "\n");
    const auto parsed = parser::parse_cp(t);
    ASSERT_TRUE(parsed.ok());
    CpStats with;
    CpStats without;
    const unsigned rules = kAllRefuteRules & ~kWitness;
    EXPECT_FALSE(solve_cp(parsed.value(), Interrupt(), &with, rules, 0).is_sat());
    EXPECT_FALSE(solve_cp(parsed.value(), Interrupt(), &without, rules & ~kNogoods, 0).is_sat());
    EXPECT_LT(with.nodes, without.nodes);
    std::printf("%llu nodes, %llu without keys\n", static_cast<unsigned long long>(with.nodes),
                static_cast<unsigned long long>(without.nodes));
}

// Colourings of the n x n queen graph (cells that a queen attacks from
// each other differ): the refuter's cliques, look-ahead and keys on a
// search that backtracks through many states with holes.
TEST(CpRefuter, QueenGraphColouringsAgreeWithThePlainSearch) {
    int shortened = 0;
    for (const int n : {5, 6}) {
        for (int colours = n - 1; colours <= n + 1; ++colours) {
            std::string t;
            for (int i = 0; i < n * n; ++i)
                add(t, "var c", std::to_string(i), " 0 ", std::to_string(colours - 1), "\n");
            for (int a = 0; a < n * n; ++a) {
                for (int b = a + 1; b < n * n; ++b) {
                    const int dr = b / n - a / n;
                    const int dc = b % n - a % n;
                    if (dr == 0 || dc == 0 || dr == dc || dr == -dc)
                        add(t, "neq c", std::to_string(a), " c", std::to_string(b), "\n");
                }
            }
            const auto parsed = parser::parse_cp(t);
            ASSERT_TRUE(parsed.ok());
            CpStats stats;
            CpStats plain;
            const SolverResult got =
                solve_cp(parsed.value(), Interrupt(), &stats, kAllRefuteRules, 0);
            const SolverResult expected = solve_cp(parsed.value(), Interrupt(), &plain, 0);
            EXPECT_EQ(describe(got), describe(expected)) << n << " " << colours;
            EXPECT_LE(stats.nodes, plain.nodes) << n << " " << colours;
            if (stats.nodes < plain.nodes) ++shortened;
        }
    }
    EXPECT_GE(shortened, 2);
}

}  // namespace
}  // namespace nemox::cp
