#include "sat/solver.hpp"

#include <algorithm>
#include <cstdlib>

#include "core/memory.hpp"

namespace nemox::sat {

namespace {

// Bytes per variable: literal states 2, level 4, reason 4, activity 8, heap
// entry and position 20, seen 1, trail 4, two watch-list heads 32; and the
// model's pair 48, built while the tables still exist.
constexpr double kBytesPerVar = 123;

}  // namespace

void Solver::ensure_vars(std::uint64_t n) {
    if (n <= num_vars_) return;
    require_memory(static_cast<double>(n) * (kBytesPerVar + answer_bytes_per_var_),
                   "the largest variable index of this formula needs more memory than this "
                   "machine has");
    num_vars_ = n;
    lit_values_.resize(2 * n, Undef);
    level_.resize(n, 0);
    reason_.resize(n, kNoClause);
    activity_.resize(n, 0.0);
    seen_.resize(n, 0);
    watches_.resize(2 * n);
}

ClauseRef Solver::store(std::span<const Lit> lits) {
    const ClauseRef ref = clauses_.add(lits);
    watches_.grow_clauses(clauses_.size());
    return ref;
}

void Solver::watch(ClauseRef c, std::span<const Lit> lits) {
    // A two-literal clause repeats its second literal as the third.
    const Watch w{c, lits[0], lits[1], lits.size() > 2 ? lits[2] : lits[1]};
    watches_.push(lits[0], w);
    watches_.push(lits[1], w);
}

void Solver::add_clause(std::span<const std::int32_t> dimacs) {
    scratch_.clear();
    for (const std::int32_t d : dimacs) scratch_.push_back(lit_from_dimacs(d));
    add_lits(scratch_);
}

void Solver::add_lits(std::span<const Lit> lits) {
    if (lits.empty()) {
        store(lits);
        has_empty_clause_ = true;
        return;
    }
    std::uint32_t max_var = 0;
    for (const Lit l : lits) max_var = std::max(max_var, lit_var(l));
    ensure_vars(std::uint64_t{max_var} + 1);
    if (lits.size() == 1) {
        const LBool v = value(lits[0]);
        if (v == True) return;
        if (v == False) {
            store({});
            has_empty_clause_ = true;
            return;
        }
        assign(lits[0], store(lits));
        return;
    }
    watch(store(lits), lits);
}

void Solver::load(const Cnf& problem) {
    std::vector<Lit> lits(problem.literals.size());
    std::uint64_t vars = 0;
    for (std::size_t i = 0; i < lits.size(); ++i) {
        lits[i] = lit_from_dimacs(problem.literals[i]);
        vars = std::max(vars, std::uint64_t{lit_var(lits[i])} + 1);
    }
    // Sized once for the largest variable; then each clause of two or more
    // literals is watched by its first two.
    ensure_vars(vars);
    std::vector<std::uint32_t> watch_counts(2 * vars, 0);
    std::size_t begin = 0;
    for (const std::size_t end : problem.clause_ends) {
        if (end - begin >= 2) {
            ++watch_counts[lits[begin]];
            ++watch_counts[lits[begin + 1]];
        }
        begin = end;
    }
    clauses_.reserve(2 * problem.clause_count() + 16, 2 * lits.size() + 64);
    watches_.grow_clauses(2 * problem.clause_count() + 16);
    watches_.layout(watch_counts);
    begin = 0;
    for (const std::size_t end : problem.clause_ends) {
        add_lits(std::span<const Lit>(lits.data() + begin, end - begin));
        begin = end;
    }
}

// Each learnt clause is already a reverse-unit-propagation consequence: its
// negation makes the reasons resolved in its analysis unit in trail order and
// then falsifies the conflict clause. The empty clause follows the same way,
// from the level-0 trail, when a conflict is met there.
void Solver::prove(std::span<const Lit> lits) {
    proof_lits_.clear();
    for (const Lit l : lits) {
        const std::uint32_t v = lit_var(l);
        // Variable 2^31 is only reachable as -2147483648; its positive
        // literal has no 32-bit form.
        if (lit_positive(l) && v == INT32_MAX)
            throw InternalFailure("literal 2147483648 cannot be written in the proof");
        proof_lits_.push_back(lit_positive(l) ? static_cast<std::int32_t>(v + 1)
                                              : static_cast<std::int32_t>(-std::int64_t{v} - 1));
    }
    proof_->add(proof_lits_);
}

SolverResult Solver::prove_unsat() {
    if (proof_ != nullptr) proof_->add({});
    return SolverResult::unsat();
}

void Solver::assign(Lit l, ClauseRef reason) {
    const std::uint32_t v = lit_var(l);
    lit_values_[l] = True;
    lit_values_[l ^ 1u] = False;
    level_[v] = trail_.level();
    reason_[v] = reason;
    trail_.lits.push_back(l);
}

ClauseRef Solver::propagate() {
    while (trail_.qhead < trail_.lits.size()) {
        const Lit f = trail_.lits[trail_.qhead++] ^ 1u;  // the literal made false
        const std::size_t n = watches_.size(f);
        interrupt_.poll(static_cast<std::int64_t>(n) + 1);
        // The first literal in clause order that is not false (f is false).
        const ClauseRef conflict = watches_.walk(f, [this, f](const Watch& w) {
            if (value(w.lit0) != False) return w.lit0;
            if (value(w.lit1) != False) return w.lit1;
            if (w.lit2 != w.lit1 && value(w.lit2) != False) return w.lit2;
            return scan_rest(w.clause, f);
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

Lit Solver::scan_rest(ClauseRef c, Lit none) const {
    const std::span<const Lit> lits = clauses_.lits(c);
    for (std::size_t j = 3; j < lits.size(); ++j) {
        if (value(lits[j]) != False) return lits[j];
    }
    return none;
}

void Solver::bump(std::uint32_t v) {
    activity_[v] += var_inc_;
    order_.increased(v);
}

void Solver::visit(ClauseRef c, std::uint32_t skip_var, std::uint32_t level, std::uint32_t& counter,
                   std::uint32_t& backjump_level) {
    for (const Lit q : clauses_.lits(c)) {
        const std::uint32_t v = lit_var(q);
        bump(v);
        if (v == skip_var || seen_[v]) continue;
        seen_[v] = 1;
        touched_.push_back(v);
        if (level_[v] == level) {
            ++counter;
        } else {
            learnt_.push_back(q);
            backjump_level = std::max(backjump_level, level_[v]);
        }
    }
}

void Solver::analyze(ClauseRef conflict, std::uint32_t& backjump_level) {
    const std::uint32_t level = trail_.level();
    std::uint32_t counter = 0;
    backjump_level = 0;
    learnt_.assign(1, 0);  // slot for the asserting literal
    touched_.clear();
    visit(conflict, UINT32_MAX, level, counter, backjump_level);

    std::size_t i = trail_.lits.size();
    Lit p = 0;
    for (;;) {
        do {
            if (i == 0) throw InternalFailure("conflict analysis ran off the trail");
            --i;
        } while (!seen_[lit_var(trail_.lits[i])]);
        p = trail_.lits[i];
        const std::uint32_t v = lit_var(p);
        seen_[v] = 0;
        if (--counter == 0) break;
        if (reason_[v] == kNoClause) throw InternalFailure("implied literal without a reason");
        visit(reason_[v], v, level, counter, backjump_level);
    }
    learnt_[0] = p ^ 1u;
    for (const std::uint32_t v : touched_) seen_[v] = 0;
}

void Solver::backjump(std::uint32_t level, std::uint32_t reassigned) {
    if (std::size_t{level} + 1 >= trail_.lim.size()) return;
    const std::size_t s = trail_.lim[level + 1];
    for (std::size_t j = s; j < trail_.lits.size(); ++j) {
        const std::uint32_t v = lit_var(trail_.lits[j]);
        lit_values_[2 * std::size_t{v}] = Undef;
        lit_values_[2 * std::size_t{v} + 1] = Undef;
        reason_[v] = kNoClause;
        // The variable of the asserting literal is assigned again at once;
        // it rejoins the heap when a later backjump frees it.
        if (v != reassigned) order_.insert(v);
    }
    trail_.lits.resize(s);
    trail_.close_above(level);
    trail_.qhead = std::min(trail_.qhead, s);
}

void Solver::decide() {
    std::uint32_t v = 0;
    do {
        if (order_.empty()) throw InternalFailure("no unassigned variable to decide");
        v = order_.pop();
    } while (var_value(v) != Undef);
    ++decisions_;
    trail_.new_level();
    assign(make_lit(v, true), kNoClause);
}

SolverResult Solver::solve() {
    // An empty clause in the input, or two contradicting units.
    if (has_empty_clause_) return prove_unsat();
    order_.build_all(static_cast<std::uint32_t>(num_vars_));
    for (;;) {
        const ClauseRef conflict = propagate();
        if (conflict != kNoClause) {
            ++conflicts_;
            if (trail_.level() == 0) return prove_unsat();
            std::uint32_t backjump_level = 0;
            analyze(conflict, backjump_level);
            if (proof_ != nullptr) prove(learnt_);
            const ClauseRef learnt = store(learnt_);
            if (learnt_.size() >= 2) watch(learnt, learnt_);
            backjump(backjump_level, lit_var(learnt_[0]));
            assign(learnt_[0], learnt);
            var_inc_ /= var_decay_;
            interrupt_.poll(static_cast<std::int64_t>(learnt_.size()) + 16, conflicts_);
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
