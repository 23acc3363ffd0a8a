#include "sat/solver.hpp"

#include <algorithm>
#include <cstdlib>

#include "core/memory.hpp"

namespace nemox::sat {

namespace {

// Bytes per variable: literal states 2, level and reason 8, activity 8, heap
// entry and position 20, seen 1, trail 4, two watch-list heads 48 and their
// counts while loading 8; and the model's pair 48, built while the tables
// still exist.
constexpr double kBytesPerVar = 147;

std::uint32_t magnitude(std::int32_t d) {
    return d < 0 ? std::uint32_t{0} - static_cast<std::uint32_t>(d) : static_cast<std::uint32_t>(d);
}

}  // namespace

void Solver::ensure_vars(std::uint64_t n) {
    if (n <= num_vars_) return;
    require_memory(static_cast<double>(n) * (kBytesPerVar + answer_bytes_per_var_),
                   "the largest variable index of this formula needs more memory than this "
                   "machine has");
    num_vars_ = n;
    lit_values_.resize(2 * n, Undef);
    vars_.resize(n, VarData{0, kNoClause});
    activity_.resize(n, 0.0);
    seen_.resize(n, 0);
    watches_.resize(2 * n);
    trail_.reserve(n);
    learnt_.reserve(n + 1);
}

// Forced inline: called from four places, which keeps the compiler from
// inlining it by itself, and it runs at every decision and conflict.
[[gnu::always_inline]] inline void Solver::assign(Lit l, ClauseRef reason) {
    lit_values_[l.code] = True;
    lit_values_[(~l).code] = False;
    vars_[l.var().index] = VarData{trail_.level(), reason};
    trail_.lits.push_back(l);
}

// Forced inline: called for every clause loaded and learnt.
[[gnu::always_inline]] inline void Solver::watch(ClauseRef c, std::span<const Lit> lits) {
    // A two-literal clause repeats its second literal as the third.
    const Watch w{c, lits[0], lits[1], lits.size() > 2 ? lits[2] : lits[1]};
    watches_.push(lits[0], w);
    watches_.push(lits[1], w);
}

void Solver::add_empty() {
    clauses_.add({});
    has_empty_clause_ = true;
}

void Solver::add_clause(std::span<const std::int32_t> dimacs) {
    std::uint32_t largest = 0;
    for (const std::int32_t d : dimacs) largest = std::max(largest, magnitude(d));
    ensure_vars(largest);
    add_sized(dimacs);
}

void Solver::add_sized(std::span<const std::int32_t> dimacs) {
    if (dimacs.empty()) {
        add_empty();
        return;
    }
    if (dimacs.size() == 1) {
        const Lit l = lit_from_dimacs(dimacs[0]);
        const LBool v = value(l);
        if (v == True) return;
        if (v == False) {
            add_empty();
            return;
        }
        assign(l, clauses_.add_dimacs(dimacs));
        return;
    }
    const ClauseRef c = clauses_.add_dimacs(dimacs);
    watch(c, clauses_.lits(c));
}

void Solver::load(const Cnf& problem) {
    const std::int32_t* const lits = problem.literals.data();
    // The largest variable index; a 0 would wrap to UINT32_MAX, which no
    // literal reaches.
    std::uint32_t top = 0;
    for (const std::int32_t d : problem.literals) top = std::max(top, magnitude(d) - 1);
    if (top == UINT32_MAX) throw InternalFailure("DIMACS literal cannot be 0");
    // Sized once for the largest variable; the watch pool laid out for the
    // first two literals of every clause of two or more.
    if (!problem.literals.empty()) ensure_vars(std::uint64_t{top} + 1);
    // Every clause goes straight to the arena in one pass, the watches of
    // those of two or more counted on the way; then the lists are laid out
    // and filled from the arena in clause order. Empty and unit clauses
    // depend on the trail, which watching does not touch.
    clauses_.reserve(problem.clause_count(), problem.literals.size());
    const std::size_t first = clauses_.cells();
    std::size_t begin = 0;
    for (const std::size_t end : problem.clause_ends) {
        const std::span<const std::int32_t> clause(lits + begin, end - begin);
        if (clause.size() >= 2) [[likely]] {
            const std::span<const Lit> stored = clauses_.lits(clauses_.add_reserved(clause));
            watches_.count(stored[0]);
            watches_.count(stored[1]);
        } else {
            add_sized(clause);
        }
        begin = end;
    }
    watches_.layout();
    for (std::size_t at = first; at < clauses_.cells();) {
        const ClauseRef c{static_cast<std::uint32_t>(at)};
        const std::span<const Lit> stored = clauses_.lits(c);
        if (stored.size() >= 2) watch(c, stored);
        at += 1 + stored.size();
    }
}

// Each learnt clause is already a reverse-unit-propagation consequence: its
// negation makes the reasons resolved in its analysis unit in trail order and
// then falsifies the conflict clause. The empty clause follows the same way,
// from the level-0 trail, when a conflict is met there.
void Solver::prove(std::span<const Lit> lits) {
    proof_lits_.clear();
    for (const Lit l : lits) {
        const std::uint32_t v = l.var().index;
        // Variable 2^31 is only reachable as -2147483648; its positive
        // literal has no 32-bit form.
        if (l.positive() && v == INT32_MAX)
            throw InternalFailure("literal 2147483648 cannot be written in the proof");
        proof_lits_.push_back(l.positive() ? static_cast<std::int32_t>(v + 1)
                                           : static_cast<std::int32_t>(-std::int64_t{v} - 1));
    }
    proof_->add(proof_lits_);
}

SolverResult Solver::prove_unsat() {
    if (proof_ != nullptr) proof_->add({});
    return SolverResult::unsat();
}

// Forced inline: called once, by the search loop, at every decision and
// conflict, almost always for a single literal; on small formulas the call
// and the registers it saves cost as much as the walk of a short list.
[[gnu::always_inline]] inline ClauseRef Solver::propagate() {
    while (trail_.qhead < trail_.lits.size()) {
        const Lit f = ~trail_.lits[trail_.qhead++];  // the literal made false
        const std::size_t n = watches_.size(f);
        interrupt_.poll(static_cast<std::int64_t>(n) + 1);
        // The first literal in clause order that is not false (f is false):
        // the cached ones decide most visits without reading the clause.
        const std::uint8_t* const values = lit_values_.data();
        const ClauseRef conflict = watches_.walk(f, [this, values](const Watch& w, Lit& to) {
            if (values[w.lit0.code] != False) {
                to = w.lit0;
            } else if (values[w.lit1.code] != False) {
                to = w.lit1;
            } else if (values[w.lit2.code] != False) {
                to = w.lit2;
            } else {
                return scan_rest(w.clause, to);
            }
            return true;
        });
        if (conflict != kNoClause) {
            // The entries before the conflict left the list.
            visits_ += n - watches_.size(f) + 1;
            return conflict;
        }
        visits_ += n;
    }
    return kNoClause;
}

bool Solver::scan_rest(ClauseRef c, Lit& to) const {
    const std::span<const Lit> lits = clauses_.lits(c);
    for (std::size_t j = 3; j < lits.size(); ++j) {
        if (value(lits[j]) != False) {
            to = lits[j];
            return true;
        }
    }
    return false;
}

// Forced inline: its two callers are the analysis loop. The variables
// bumped are all assigned, so the decision order does not hear of it.
[[gnu::always_inline]] inline void Solver::visit(ClauseRef c, std::uint32_t skip,
                                                 std::uint32_t level, std::uint32_t& counter,
                                                 std::uint32_t& backjump_level) {
    const double inc = var_inc_;
    for (const Lit q : clauses_.lits(c)) {
        const std::uint32_t v = q.var().index;
        activity_[v] += inc;
        if (v == skip || seen_[v]) continue;
        seen_[v] = 1;
        const std::uint32_t l = vars_[v].level;
        if (l == level) {
            ++counter;
        } else {
            learnt_.push_back(q);
            backjump_level = std::max(backjump_level, l);
        }
    }
}

void Solver::analyze(ClauseRef conflict, std::uint32_t& backjump_level) {
    const std::uint32_t level = trail_.level();
    std::uint32_t counter = 0;
    backjump_level = 0;
    learnt_.truncate(0);
    learnt_.push_back(Lit{0});  // slot for the asserting literal
    visit(conflict, UINT32_MAX, level, counter, backjump_level);

    // Every variable marked at this level is unmarked on the way down the
    // trail; those below it are the learnt literals after the first.
    std::size_t i = trail_.lits.size();
    Lit p{0};
    for (;;) {
        do {
            if (i == 0) throw InternalFailure("conflict analysis ran off the trail");
            --i;
        } while (!seen_[trail_.lits[i].var().index]);
        p = trail_.lits[i];
        const std::uint32_t v = p.var().index;
        seen_[v] = 0;
        if (--counter == 0) break;
        const ClauseRef reason = vars_[v].reason;
        if (reason == kNoClause) throw InternalFailure("implied literal without a reason");
        visit(reason, v, level, counter, backjump_level);
    }
    learnt_[0] = ~p;
    for (std::size_t j = 1; j < learnt_.size(); ++j) seen_[learnt_[j].var().index] = 0;
}

void Solver::backjump(std::uint32_t level, Var reassigned) {
    if (level >= trail_.level()) return;
    const std::size_t s = trail_.start(level + 1);
    for (std::size_t j = s; j < trail_.lits.size(); ++j) {
        const Lit l = trail_.lits[j];
        lit_values_[l.code] = Undef;
        lit_values_[(~l).code] = Undef;
        // The variable of the asserting literal is assigned again at once;
        // it rejoins the order when a later backjump frees it.
        if (l.var() != reassigned) order_.insert(l.var());
    }
    trail_.lits.truncate(s);
    trail_.close_above(level);
    trail_.qhead = std::min(trail_.qhead, s);
}

// Forced inline: called once, at every decision.
[[gnu::always_inline]] inline void Solver::decide() {
    const Var v = order_.pop();
    ++decisions_;
    trail_.new_level();
    assign(make_lit(v, true), kNoClause);
}

SolverResult Solver::solve() {
    // An empty clause in the input, or two contradicting units.
    if (has_empty_clause_) return prove_unsat();
    order_.build_all(static_cast<std::uint32_t>(num_vars_));
    for (const Lit l : trail_.lits) order_.assigned(l.var());
    for (;;) {
        const ClauseRef conflict = propagate();
        if (conflict != kNoClause) {
            ++conflicts_;
            if (trail_.level() == 0) return prove_unsat();
            std::uint32_t backjump_level = 0;
            analyze(conflict, backjump_level);
            const std::span<const Lit> learnt_lits = learnt_.view();
            if (proof_ != nullptr) prove(learnt_lits);
            learnt_literals_ += learnt_lits.size();
            const ClauseRef learnt = clauses_.add(learnt_lits);
            if (learnt_lits.size() >= 2) watch(learnt, learnt_lits);
            backjump(backjump_level, learnt_lits[0].var());
            assign(learnt_lits[0], learnt);
            order_.assigned(learnt_lits[0].var());
            var_inc_ /= var_decay_;
            interrupt_.poll(static_cast<std::int64_t>(learnt_lits.size()) + 16, conflicts_);
            continue;
        }
        if (trail_.lits.size() == num_vars_) {
            Assignment model;
            model.reserve(num_vars_);
            for (std::uint64_t v = 0; v < num_vars_; ++v)
                model.append_new(v, lit_values_[2 * v + 1] == True);
            return SolverResult::sat(std::move(model));
        }
        decide();
    }
}

SolverResult solve_cnf(const Cnf& problem, Interrupt interrupt, double answer_bytes_per_var,
                       ProofSink* proof) {
    Solver solver(interrupt, answer_bytes_per_var);
    solver.set_proof(proof);
    solver.load(problem);
    return solver.solve();
}

}  // namespace nemox::sat
