#pragma once

// A literal transcription of the specified SAT search, kept slow and obvious:
// linear decision scan, copied watch lists with first-occurrence swap removal,
// a fresh `seen` array per conflict. The product must give identical answers.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/solver_result.hpp"

namespace nemox::sat::reference {

struct Lit {
    std::uint64_t var;
    bool positive;
    bool operator==(const Lit&) const = default;
};

inline std::uint64_t lit_code(Lit l) {
    return 2 * l.var + (l.positive ? 1 : 0);
}

enum class LBool : std::uint8_t { False = 0, True = 1, Undef = 2 };

struct Clause {
    std::vector<Lit> lits;
    bool learnt = false;
    bool deleted = false;
};

struct TrailEntry {
    std::optional<std::uint64_t> reason;
    std::uint64_t var;
    bool value;
    std::uint64_t level;
};

class Solver {
  public:
    std::vector<Clause> clauses;
    std::vector<LBool> assigns;
    std::vector<std::optional<std::uint64_t>> trail_pos;
    std::vector<TrailEntry> trail;
    std::vector<std::uint64_t> trail_lim{0};
    std::vector<std::vector<std::uint64_t>> watches;
    std::vector<double> activity;
    double var_inc = 1.0;
    double var_decay = 0.95;
    std::uint64_t num_vars = 0;
    std::uint64_t qhead = 0;

    static Lit from_dimacs(std::int32_t d) {
        const std::uint32_t mag =
            d < 0 ? 0u - static_cast<std::uint32_t>(d) : static_cast<std::uint32_t>(d);
        return Lit{std::uint64_t{mag} - 1, d > 0};
    }

    std::uint64_t level() const { return trail_lim.size() - 1; }

    void ensure_vars(std::uint64_t n) {
        if (n <= num_vars) return;
        num_vars = n;
        assigns.resize(n, LBool::Undef);
        trail_pos.resize(n);
        activity.resize(n, 0.0);
        watches.resize(2 * n);
    }

    LBool value(Lit l) const {
        const LBool a = assigns[l.var];
        if (a == LBool::Undef) return LBool::Undef;
        return (a == LBool::True) == l.positive ? LBool::True : LBool::False;
    }

    void assign(Lit l, std::optional<std::uint64_t> reason) {
        assigns[l.var] = l.positive ? LBool::True : LBool::False;
        trail_pos[l.var] = trail.size();
        trail.push_back(TrailEntry{reason, l.var, l.positive, level()});
    }

    void add_clause(const std::vector<std::int32_t>& dimacs) {
        std::vector<Lit> lits;
        for (auto d : dimacs) lits.push_back(from_dimacs(d));
        if (!lits.empty()) {
            std::uint64_t m = 0;
            for (auto l : lits) m = std::max(m, l.var);
            ensure_vars(m + 1);
        }
        if (lits.empty()) {
            clauses.push_back(Clause{});
        } else if (lits.size() == 1) {
            const LBool v = value(lits[0]);
            if (v == LBool::Undef) {
                clauses.push_back(Clause{lits, false, false});
                assign(lits[0], clauses.size() - 1);
            } else if (v == LBool::False) {
                clauses.push_back(Clause{});
            }
        } else {
            clauses.push_back(Clause{lits, false, false});
            watches[lit_code(lits[0])].push_back(clauses.size() - 1);
            watches[lit_code(lits[1])].push_back(clauses.size() - 1);
        }
    }

    std::optional<std::uint64_t> propagate() {
        while (qhead < trail.size()) {
            const TrailEntry e = trail[qhead];
            ++qhead;
            const Lit f{e.var, !e.value};
            const std::vector<std::uint64_t> copy = watches[lit_code(f)];
            for (const std::uint64_t c : copy) {
                if (clauses[c].deleted) continue;
                std::optional<Lit> found;
                for (const Lit l : clauses[c].lits) {
                    if (!(l == f) && value(l) != LBool::False) {
                        found = l;
                        break;
                    }
                }
                if (!found) return c;
                watches[lit_code(*found)].push_back(c);
                auto& list = watches[lit_code(f)];
                for (std::size_t i = 0; i < list.size(); ++i) {
                    if (list[i] == c) {
                        list[i] = list.back();
                        list.pop_back();
                        break;
                    }
                }
            }
        }
        return std::nullopt;
    }

    void backjump(std::uint64_t b) {
        if (b + 1 >= trail_lim.size()) return;
        const std::uint64_t s = trail_lim[b + 1];
        std::vector<std::uint64_t> vars;
        for (std::uint64_t i = s; i < trail.size(); ++i) vars.push_back(trail[i].var);
        trail.resize(s);
        trail_lim.resize(b + 1);
        qhead = std::min(qhead, static_cast<std::uint64_t>(trail.size()));
        for (auto v : vars) {
            assigns[v] = LBool::Undef;
            trail_pos[v].reset();
        }
    }

    std::uint64_t var_level(std::uint64_t v) const { return trail[*trail_pos[v]].level; }

    void analyze(std::uint64_t conflict, std::vector<Lit>& learnt, std::uint64_t& bj) {
        const std::uint64_t d = level();
        std::vector<bool> seen(num_vars, false);
        std::uint64_t counter = 0;
        std::vector<Lit> tail;
        bj = 0;
        auto visit = [&](std::uint64_t c, std::optional<std::uint64_t> skip) {
            for (const Lit q : clauses[c].lits) {
                activity[q.var] += var_inc;
                if (skip && q.var == *skip) continue;
                if (!seen[q.var]) {
                    seen[q.var] = true;
                    if (var_level(q.var) == d) {
                        ++counter;
                    } else {
                        tail.push_back(q);
                        bj = std::max(bj, var_level(q.var));
                    }
                }
            }
        };
        visit(conflict, std::nullopt);
        std::uint64_t i = trail.size();
        TrailEntry p{};
        for (;;) {
            do {
                --i;
            } while (!seen[trail[i].var]);
            p = trail[i];
            seen[p.var] = false;
            --counter;
            if (counter == 0) break;
            visit(*p.reason, p.var);
        }
        learnt.clear();
        learnt.push_back(Lit{p.var, !p.value});
        learnt.insert(learnt.end(), tail.begin(), tail.end());
    }

    void decide() {
        std::optional<std::uint64_t> cand;
        for (std::uint64_t v = 0; v < num_vars; ++v) {
            if (assigns[v] != LBool::Undef) continue;
            if (!cand || activity[v] >= activity[*cand]) cand = v;
        }
        trail_lim.push_back(trail.size());
        assign(Lit{*cand, true}, std::nullopt);
    }

    SolverResult solve() {
        for (const auto& c : clauses)
            if (c.lits.empty() && !c.deleted) return SolverResult::unsat();
        for (;;) {
            if (auto c = propagate()) {
                if (level() == 0) return SolverResult::unsat();
                std::vector<Lit> learnt;
                std::uint64_t bj = 0;
                analyze(*c, learnt, bj);
                clauses.push_back(Clause{learnt, true, false});
                const std::uint64_t idx = clauses.size() - 1;
                if (learnt.size() >= 2) {
                    watches[lit_code(learnt[0])].push_back(idx);
                    watches[lit_code(learnt[1])].push_back(idx);
                }
                backjump(bj);
                assign(learnt[0], idx);
                var_inc /= var_decay;
                continue;
            }
            bool all = true;
            for (std::uint64_t v = 0; v < num_vars; ++v) all = all && assigns[v] != LBool::Undef;
            if (all) {
                Assignment a;
                for (std::uint64_t v = 0; v < num_vars; ++v) a.set(v, assigns[v] == LBool::True);
                return SolverResult::sat(a);
            }
            decide();
        }
    }
};

}  // namespace nemox::sat::reference
