#include "sat/proof.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "sat/clauses.hpp"
#include "sat/solver.hpp"

namespace nemox::sat {
namespace {

class Recorder final : public ProofSink {
  public:
    void add(std::span<const std::int32_t> clause) override {
        clauses.emplace_back(clause.begin(), clause.end());
    }
    Clauses clauses;
};

// Reverse unit propagation, done plainly: each clause counts its false
// literals, each literal lists the clauses it occurs in (twice when written
// twice), and a clause whose count reaches its length less one makes its
// remaining literal true.
class RupChecker {
  public:
    explicit RupChecker(const Clauses& formula) {
        for (const Clause& c : formula) add(c);
    }

    void add(const Clause& c) {
        const std::size_t id = clauses_.size();
        clauses_.push_back(c);
        false_count_.push_back(0);
        if (c.empty()) has_empty_ = true;
        if (c.size() == 1) units_.push_back(id);
        for (const std::int32_t d : c) occurrences(d).push_back(id);
    }

    // True when making every literal of `c` false and propagating over all
    // clauses added so far falsifies a clause.
    bool implied(const Clause& c) {
        bool conflict = has_empty_;
        std::vector<std::int32_t> queue;  // literals made true, in order
        auto make_true = [&](std::int32_t d) {
            const int v = value(d);
            if (v < 0) conflict = true;
            if (v != 0) return;
            value_[var(d)] = d > 0 ? 1 : -1;
            queue.push_back(d);
        };
        for (const std::int32_t d : c) make_true(-d);
        for (const std::size_t u : units_) make_true(clauses_[u][0]);
        std::vector<std::size_t> touched;
        for (std::size_t head = 0; head < queue.size() && !conflict; ++head) {
            for (const std::size_t id : occurrences(-queue[head])) {
                if (false_count_[id]++ == 0) touched.push_back(id);
                const Clause& k = clauses_[id];
                if (false_count_[id] == k.size()) {
                    conflict = true;
                    break;
                }
                if (false_count_[id] + 1 == k.size()) {
                    for (const std::int32_t d : k) {
                        if (value(d) >= 0) {
                            make_true(d);
                            break;
                        }
                    }
                }
            }
        }
        for (const std::int32_t d : queue) value_[var(d)] = 0;
        for (const std::size_t id : touched) false_count_[id] = 0;
        return conflict;
    }

  private:
    static std::size_t var(std::int32_t d) { return static_cast<std::size_t>(std::llabs(d)); }
    // 1 true, -1 false, 0 unassigned.
    int value(std::int32_t d) {
        if (var(d) >= value_.size()) value_.resize(var(d) + 1, 0);
        return d > 0 ? value_[var(d)] : -value_[var(d)];
    }
    std::vector<std::size_t>& occurrences(std::int32_t d) {
        const std::size_t code = 2 * var(d) + (d > 0 ? 1 : 0);
        if (code >= occurrences_.size()) occurrences_.resize(code + 2);
        return occurrences_[code];
    }

    Clauses clauses_;
    std::vector<std::size_t> false_count_;
    std::vector<std::size_t> units_;
    bool has_empty_ = false;
    std::vector<int> value_;
    std::vector<std::vector<std::size_t>> occurrences_;
};

// Every proof clause must follow by reverse unit propagation; a refutation
// must also end with the empty clause, and only a refutation may contain it.
::testing::AssertionResult checks(const Clauses& formula, const Clauses& proof, bool refutation) {
    RupChecker checker(formula);
    for (std::size_t i = 0; i < proof.size(); ++i) {
        if (proof[i].empty() && !(refutation && i + 1 == proof.size()))
            return ::testing::AssertionFailure()
                   << "empty clause at " << i << " of " << proof.size();
        if (!checker.implied(proof[i]))
            return ::testing::AssertionFailure() << "clause " << i << " does not follow";
        checker.add(proof[i]);
    }
    if (refutation && (proof.empty() || !proof.back().empty()))
        return ::testing::AssertionFailure() << "no empty clause at the end";
    return ::testing::AssertionSuccess();
}

struct Outcome {
    SolverResult result;
    Clauses proof;
    std::uint64_t conflicts;
};

Outcome solve_with_proof(const Clauses& clauses) {
    Recorder recorder;
    Solver s;
    s.set_proof(&recorder);
    s.load(to_cnf(clauses));
    SolverResult r = s.solve();
    // Every learnt clause is reported as stored, after the input clauses.
    const std::size_t learnt = recorder.clauses.size() - (r.is_sat() ? 0 : 1);
    EXPECT_LE(learnt, s.clause_count());
    const std::vector<ClauseRef> refs = s.clause_refs();
    for (std::size_t i = 0; i < learnt && learnt <= s.clause_count(); ++i) {
        Clause stored;
        for (const Lit l : s.clause(refs[s.clause_count() - learnt + i])) {
            const auto d = static_cast<std::int32_t>(l.var().index + 1);
            stored.push_back(l.positive() ? d : -d);
        }
        EXPECT_EQ(recorder.clauses[i], stored) << "learnt clause " << i;
    }
    return {std::move(r), std::move(recorder.clauses), s.conflicts()};
}

Clauses pigeonhole(int holes) {
    const int pigeons = holes + 1;
    auto var = [&](int p, int h) { return p * holes + h + 1; };
    Clauses clauses;
    for (int p = 0; p < pigeons; ++p) {
        Clause c;
        for (int h = 0; h < holes; ++h) c.push_back(var(p, h));
        clauses.push_back(c);
    }
    for (int h = 0; h < holes; ++h)
        for (int p1 = 0; p1 < pigeons; ++p1)
            for (int p2 = p1 + 1; p2 < pigeons; ++p2) clauses.push_back({-var(p1, h), -var(p2, h)});
    return clauses;
}

Clauses random_3cnf(std::mt19937& rng, int vars, int count) {
    Clauses clauses;
    for (int i = 0; i < count; ++i) {
        Clause c;
        while (c.size() < 3) {
            const int v = 1 + static_cast<int>(rng() % vars);
            if (std::find(c.begin(), c.end(), v) != c.end()) continue;
            if (std::find(c.begin(), c.end(), -v) != c.end()) continue;
            c.push_back(rng() % 2 ? v : -v);
        }
        clauses.push_back(c);
    }
    return clauses;
}

// Short clauses, units, the odd empty clause, repeated literals and
// complementary pairs, dense enough that most formulas are UNSAT.
Clauses messy_formula(std::mt19937& rng) {
    const int vars = 1 + static_cast<int>(rng() % 12);
    const int count = static_cast<int>(rng() % (vars * 8 + 2));
    Clauses clauses;
    for (int i = 0; i < count; ++i) {
        const unsigned kind = rng() % 200;
        const int len = kind < 1 ? 0 : kind < 16 ? 1 : kind < 60 ? 2 : kind < 170 ? 3 : 4;
        Clause c;
        for (int j = 0; j < len; ++j) {
            const int v = 1 + static_cast<int>(rng() % vars);
            c.push_back(rng() % 2 ? v : -v);
            if (rng() % 15 == 0) c.push_back(c.back());
            if (rng() % 25 == 0) c.push_back(-c.back());
        }
        clauses.push_back(c);
        if (rng() % 20 == 0) clauses.push_back(c);
    }
    return clauses;
}

TEST(SatProofChecker, RejectsClausesThatDoNotFollow) {
    struct Bad {
        Clauses formula, proof;
    };
    const std::vector<Bad> bad = {
        {{{1, 2}}, {{1}, {}}},      // (1) is not implied by (1 2)
        {{{1, 2}, {-1, 2}}, {{}}},  // needs (2) first
        {{{1, 2}, {-1, 2}, {1, -2}}, {{-1, -2}, {}}},
        {{{1}, {-1, 2}}, {{-2}, {}}},  // the opposite of an implied unit
        {{{1}, {-1}}, {}},             // no empty clause
        {{{1}, {-1}}, {{}, {1}}},      // the empty clause is not last
    };
    for (std::size_t i = 0; i < bad.size(); ++i)
        EXPECT_FALSE(checks(bad[i].formula, bad[i].proof, true)) << "case " << i;
    EXPECT_TRUE(checks({{1, 2}, {-1, 2}, {1, -2}, {-1, -2}}, {{2}, {}}, true));
    EXPECT_TRUE(checks({{1, 2}, {-1, 3}}, {{2, 3}, {3, 2, 2}, {1, -1}}, false));
    EXPECT_TRUE(checks({{}}, {{}}, true));
}

TEST(SatProofChecker, RejectsMutatedSolverProofs) {
    const Clauses formula = pigeonhole(3);
    const Outcome run = solve_with_proof(formula);
    ASSERT_GT(run.proof.size(), 10u);
    ASSERT_TRUE(checks(formula, run.proof, true));
    EXPECT_FALSE(checks(formula, {Clause{}}, true));
    // Learnt clauses can be implied by later ones, so not every mutation
    // breaks the proof; many must.
    int dropped_rejected = 0, flipped_rejected = 0;
    for (std::size_t i = 0; i + 1 < run.proof.size(); ++i) {
        Clauses mutated = run.proof;
        mutated.erase(mutated.begin() + static_cast<std::ptrdiff_t>(i));
        if (!checks(formula, mutated, true)) ++dropped_rejected;
        mutated = run.proof;
        mutated[i][0] = -mutated[i][0];
        if (!checks(formula, mutated, true)) ++flipped_rejected;
    }
    EXPECT_GT(dropped_rejected, 0);
    EXPECT_GT(flipped_rejected, static_cast<int>(run.proof.size() / 4));
}

struct Special {
    const char* name;
    Clauses clauses;
    bool check_exact;
    Clauses proof;  // when check_exact
};

void PrintTo(const Special& s, std::ostream* os) {
    *os << s.name;
}

class SatProofSpecial : public ::testing::TestWithParam<Special> {};

TEST_P(SatProofSpecial, Refutes) {
    const Special& c = GetParam();
    const Outcome run = solve_with_proof(c.clauses);
    ASSERT_FALSE(run.result.is_sat());
    EXPECT_TRUE(checks(c.clauses, run.proof, true));
    if (c.check_exact) {
        EXPECT_EQ(run.proof, c.proof);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SatProofSpecial,
    ::testing::Values(
        Special{"empty_clause", {{}}, true, {{}}},
        Special{"empty_among_others", {{1, 2}, {}, {-1}}, true, {{}}},
        Special{"contradicting_units", {{2}, {-2}}, true, {{}}},
        Special{"repeated_units", {{1}, {1}, {-1}}, true, {{}}},
        // A conflict at level 0 before any decision.
        Special{"units_falsify_a_clause", {{-1}, {-2}, {1, 2}}, true, {{}}},
        Special{"one_hole_two_pigeons", pigeonhole(1), true, {{}}},
        // A learnt unit (-2); the next learnt clause keeps its level-0
        // literal 2; then a conflict at level 0.
        Special{
            "all_four", {{1, 2}, {-1, 2}, {1, -2}, {-1, -2}}, true, {{-1, -2}, {-2}, {-1, 2}, {}}},
        Special{"repeated_literals", {{1, 1, 2}, {-1, -1}, {-2, -2, 3}, {-3, 1, -3}}, false, {}},
        Special{"tautologies_and_repeats",
                {{1, -1}, {1, 2}, {1, 2}, {-1, 2, -2}, {-1, 2}, {1, -2}, {-1, -2}, {3, -3}},
                false,
                {}}),
    [](const auto& info) { return std::string(info.param.name); });

class SatProofPigeonhole : public ::testing::TestWithParam<int> {};

TEST_P(SatProofPigeonhole, Refutes) {
    const Clauses formula = pigeonhole(GetParam());
    const Outcome run = solve_with_proof(formula);
    ASSERT_FALSE(run.result.is_sat());
    EXPECT_EQ(run.proof.size(), run.conflicts);
    EXPECT_TRUE(checks(formula, run.proof, true));
}

INSTANTIATE_TEST_SUITE_P(Holes, SatProofPigeonhole, ::testing::Range(1, 7));

TEST(SatProof, RandomDense3CnfRefutationsCheck) {
    std::mt19937 rng(4051);
    int unsat = 0;
    for (int round = 0; round < 400; ++round) {
        const int vars = 5 + static_cast<int>(rng() % 16);
        const int count = vars * (5 + static_cast<int>(rng() % 6));
        const Clauses formula = random_3cnf(rng, vars, count);
        const Outcome run = solve_with_proof(formula);
        if (!run.result.is_sat()) ++unsat;
        ASSERT_TRUE(checks(formula, run.proof, !run.result.is_sat())) << "round " << round;
    }
    EXPECT_GT(unsat, 300);
}

TEST(SatProof, MessyFormulaRefutationsCheck) {
    std::mt19937 rng(9176);
    int unsat = 0, sat = 0, no_learning = 0, learnt_units = 0, input_empty = 0;
    for (int round = 0; round < 3000; ++round) {
        const Clauses formula = messy_formula(rng);
        const Outcome run = solve_with_proof(formula);
        ASSERT_TRUE(checks(formula, run.proof, !run.result.is_sat())) << "round " << round;
        if (run.result.is_sat()) {
            ++sat;
            continue;
        }
        ++unsat;
        if (run.proof.size() == 1) ++no_learning;
        for (std::size_t i = 0; i + 1 < run.proof.size(); ++i)
            if (run.proof[i].size() == 1) ++learnt_units;
        for (const Clause& c : formula)
            if (c.empty()) ++input_empty;
    }
    // Each special path must be exercised.
    EXPECT_GT(unsat, 1000);
    EXPECT_GT(sat, 300);
    EXPECT_GT(no_learning, 50);
    EXPECT_GT(learnt_units, 50);
    EXPECT_GT(input_empty, 20);
}

TEST(SatProof, AnswersAndSearchUnchangedBySink) {
    std::mt19937 rng(31337);
    for (int round = 0; round < 2000; ++round) {
        const Clauses formula =
            round % 2 ? messy_formula(rng) : random_3cnf(rng, 3 + rng() % 30, 1 + rng() % 130);
        Solver plain;
        plain.load(to_cnf(formula));
        const SolverResult expected = plain.solve();
        const Outcome run = solve_with_proof(formula);
        ASSERT_EQ(run.result, expected) << "round " << round;
        ASSERT_EQ(run.conflicts, plain.conflicts()) << "round " << round;
        Recorder recorder;
        ASSERT_EQ(solve_cnf(to_cnf(formula), Interrupt(), 0, &recorder), expected);
        ASSERT_EQ(recorder.clauses, run.proof) << "round " << round;
    }
}

// Reads DRAT text back, requiring each clause on its own line closed by 0.
Clauses read_drat(const std::string& text) {
    Clauses out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t eol = text.find('\n', pos);
        EXPECT_NE(eol, std::string::npos) << "unterminated line";
        if (eol == std::string::npos) break;
        const std::string line = text.substr(pos, eol - pos);
        pos = eol + 1;
        Clause c;
        const char* p = line.c_str();
        for (;;) {
            char* end = nullptr;
            const long long d = std::strtoll(p, &end, 10);
            EXPECT_NE(end, p) << "not a number in '" << line << "'";
            if (end == p) break;
            p = end;
            if (d == 0) break;
            c.push_back(static_cast<std::int32_t>(d));
        }
        EXPECT_EQ(*p, '\0') << "text after 0 in '" << line << "'";
        out.push_back(c);
    }
    return out;
}

std::string file_text(std::FILE* f) {
    std::rewind(f);
    std::string text;
    char buf[4096];
    std::size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    return text;
}

TEST(SatDratWriter, WritesOneLinePerClause) {
    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    {
        DratWriter w(f);
        w.add(Clause{1, -2});
        w.add(Clause{});
        w.add(Clause{-2147483647 - 1, 2147483647, 10});
        EXPECT_TRUE(w.flush());
    }
    EXPECT_EQ(file_text(f), "1 -2 0\n0\n-2147483648 2147483647 10 0\n");
    std::fclose(f);
}

TEST(SatDratWriter, ManyAndLongClausesReadBack) {
    std::mt19937 rng(5);
    Clauses clauses;
    for (int i = 0; i < 100000; ++i) {
        Clause c(rng() % 8);
        for (auto& d : c) d = static_cast<std::int32_t>(rng() % 2000001) - 1000000;
        std::erase(c, 0);
        clauses.push_back(c);
    }
    // Longer than the buffer, so that one clause spans several writes.
    Clause long_clause;
    for (int i = 0; i < 30000; ++i) long_clause.push_back(i % 2 ? -2147483647 - 1 : i + 1);
    clauses.insert(clauses.begin() + 500, long_clause);
    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    {
        // The destructor writes what is left.
        DratWriter w(f);
        for (const Clause& c : clauses) w.add(c);
    }
    EXPECT_EQ(read_drat(file_text(f)), clauses);
    std::fclose(f);
}

TEST(SatDratWriter, ReportsAFailedWrite) {
    std::FILE* f = std::fopen("/dev/full", "w");
    ASSERT_NE(f, nullptr);
    {
        DratWriter w(f);
        w.add(Clause{1, 2});
        EXPECT_TRUE(w.ok());
        EXPECT_FALSE(w.flush());
        EXPECT_FALSE(w.ok());
    }
    std::fclose(f);
}

TEST(SatDratWriter, SolverProofReadsBackAndChecks) {
    const Clauses formula = pigeonhole(5);
    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    {
        DratWriter w(f);
        EXPECT_FALSE(solve_cnf(to_cnf(formula), Interrupt(), 0, &w).is_sat());
        EXPECT_TRUE(w.flush());
    }
    const Clauses proof = read_drat(file_text(f));
    std::fclose(f);
    EXPECT_EQ(proof, solve_with_proof(formula).proof);
    EXPECT_TRUE(checks(formula, proof, true));
}

}  // namespace
}  // namespace nemox::sat
