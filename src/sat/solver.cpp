#include "sat/solver.hpp"

#include <algorithm>
#include <bit>
#include <cstdlib>

#include "core/memory.hpp"

namespace nemox::sat {

namespace {

// Bytes per variable: literal states 2; activity, level, reason and mark 24;
// trail entry and level start 8; the room of a learnt clause at the arena's
// end 4; two watch-list heads 48 and their counts while loading 8; beyond 64
// variables the decision heap's position 8 and entries up to 32, its growth
// doubling; and the model's pair 48, built while the tables still exist.
constexpr double kBytesPerVar = 182;

std::uint32_t magnitude(std::int32_t d) {
    return d < 0 ? std::uint32_t{0} - static_cast<std::uint32_t>(d) : static_cast<std::uint32_t>(d);
}

// Both literal states of a variable in one store, the positive literal's
// byte second (little-endian). A typed store: one through a byte pointer
// would make the compiler reload every field of the solver after it.
static_assert(std::endian::native == std::endian::little);
void set_states(std::uint16_t* states, Lit l, std::uint16_t pair) {
    states[l.var().index] = pair;
}
constexpr std::uint16_t kBothUndef = Undef | Undef << 8;

}  // namespace

void Solver::ensure_vars(std::uint64_t n) {
    if (n <= num_vars_) return;
    require_memory(static_cast<double>(n) * (kBytesPerVar + answer_bytes_per_var_),
                   "the largest variable index of this formula needs more memory than this "
                   "machine has");
    num_vars_ = n;
    var_states_.resize(n, kBothUndef);
    vars_.resize(n, VarData{0.0, 0, kNoClause, 0});
    watches_.resize(2 * n);
    trail_.reserve(n);
}

// Forced inline: called from four places, which keeps the compiler from
// inlining it by itself, and it runs at every decision and conflict.
[[gnu::always_inline]] inline void Solver::assign(Lit l, ClauseRef reason) {
    // True for the literal, False for its complement.
    set_states(var_states_.data(), l, static_cast<std::uint16_t>(1u << (8 * (l.code & 1u))));
    VarData& d = vars_[l.var().index];
    d.level = trail_.level();
    d.reason = reason;
    trail_.lits.push_back(l);
}

// Forced inline: called for every clause loaded and learnt.
[[gnu::always_inline]] inline void Solver::watch(ClauseRef c, std::span<const Lit> lits) {
    const Watch w = make_watch(c, lits);
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
    // Every clause goes straight to the arena in one pass, while it holds
    // two literals or more: those need no table yet. Empty and unit clauses
    // depend on the trail, which needs the tables sized first. The watch
    // lists are laid out and filled from the arena at the end, in clause
    // order; empty and unit clauses are not watched.
    const std::int32_t* const lits = problem.literals().data();
    const std::span<const std::size_t> ends = problem.clause_ends();
    if (clauses_.size() != 0) {
        // Laying the lists out anew would drop the watches already there.
        for (std::size_t i = 0; i < ends.size(); ++i) add_clause(problem.clause(i));
        return;
    }
    clauses_.reserve(problem.clause_count(), problem.literals().size());
    const std::size_t first = clauses_.cells();
    std::uint32_t top = 0;  // largest literal code
    std::size_t i = clauses_.add_reserved_run(lits, ends, 0, top);
    if (i < ends.size()) {
        // The largest of all the clauses; a 0 gives UINT32_MAX.
        for (const std::int32_t d : problem.literals())
            top = std::max(top, lit_from_nonzero_dimacs(d).code);
    }
    if (top == UINT32_MAX) throw InternalFailure("DIMACS literal cannot be 0");
    if (!problem.literals().empty()) ensure_vars(std::uint64_t{top >> 1} + 1);
    while (i < ends.size()) {
        // An empty or unit clause, then the clauses of two or more after it.
        add_sized(problem.clause(i++));
        i += clauses_.add_reserved_run(lits, ends.subspan(i), ends[i - 1], top);
    }
    watches_.fill(clauses_, first);
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

// Forced inline: called by the search loop at every decision and conflict;
// on small formulas the call and the registers it saves cost as much as the
// walk of a short list.
[[gnu::always_inline]] inline ClauseRef Solver::walk(Lit f) {
    // The visits counted before the walk, those after a conflict given back
    // after it: the count need not be kept through the walk.
    const std::size_t n = watches_.size(f);
    visits_ += n;
    interrupt_.poll(static_cast<std::int64_t>(n) + 1);
    // The first literal in clause order that is not false (f is false):
    // the cached ones decide most visits without reading the clause.
    const std::uint8_t* const values = lit_values();
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
    // The entries before the conflict left the list; those after it stay.
    if (conflict != kNoClause) [[unlikely]]
        visits_ -= watches_.size(f) - 1;
    return conflict;
}

ClauseRef Solver::propagate() {
    while (trail_.qhead < trail_.lits.size()) {
        const ClauseRef conflict = walk(~trail_.lits[trail_.qhead++]);
        if (conflict != kNoClause) return conflict;
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
[[gnu::always_inline]] inline void Solver::visit(ClauseRef c, std::uint32_t level,
                                                 std::uint32_t& counter, Lit*& tail,
                                                 std::uint32_t& backjump_level) {
    const double inc = var_inc_;
    const std::uint64_t mark = conflicts_;
    VarData* const vars = vars_.data();
    for (const Lit q : clauses_.lits(c)) {
        VarData& d = vars[q.var().index];
        d.activity += inc;
        if (d.mark == mark) continue;
        d.mark = mark;
        if (d.level == level) {
            ++counter;
        } else {
            *tail++ = q;
            backjump_level = std::max(backjump_level, d.level);
        }
    }
}

// A variable is marked by the number of the conflict, so the marks of the
// last analysis need no clearing. The variable of each resolved entry stays
// marked: its own literal in its reason is then bumped and passed over, and
// it occurs in no later reason, since a reason's other literals were all
// assigned before the entry it forced.
[[gnu::always_inline]] inline ClauseRef Solver::analyze(ClauseRef conflict,
                                                        std::uint32_t& backjump_level) {
    const std::uint32_t level = trail_.level();
    const std::uint64_t mark = conflicts_;
    std::uint32_t counter = 0;
    backjump_level = 0;
    // The clause written where the database keeps it; a learnt clause
    // holds each variable at most once. The tail in a local, which the
    // stores of the marks cannot reach.
    Lit* const learnt = clauses_.open_room(num_vars_);
    Lit* tail = learnt + 1;  // after the slot of the asserting literal
    visit(conflict, level, counter, tail, backjump_level);

    // The entries marked at this level, from the last one down; those below
    // it are the learnt literals after the first.
    const VarData* const vars = vars_.data();
    std::size_t i = trail_.lits.size();
    Lit p{0};
    for (;;) {
        do {
            if (i == 0) throw InternalFailure("conflict analysis ran off the trail");
            p = trail_.lits[--i];
        } while (vars[p.var().index].mark != mark);
        if (--counter == 0) break;
        const ClauseRef reason = vars[p.var().index].reason;
        if (reason == kNoClause) throw InternalFailure("implied literal without a reason");
        visit(reason, level, counter, tail, backjump_level);
    }
    learnt[0] = ~p;
    return clauses_.close_room(static_cast<std::size_t>(tail - learnt));
}

template <class Order>
[[gnu::always_inline]] inline void Solver::backjump(std::uint32_t level, Var reassigned,
                                                    Order& order) {
    if (level >= trail_.level()) return;
    const std::size_t s = trail_.start(level + 1);
    std::uint16_t* const states = var_states_.data();
    const VarData* const vars = vars_.data();
    const Lit* const first = trail_.lits.begin() + s;
    const Lit* const last = trail_.lits.end();
    for (const Lit* p = first; p != last; ++p) set_states(states, *p, kBothUndef);
    // The variable of the asserting literal is assigned again at once; it
    // rejoins the order when a later backjump frees it.
    order.insert_all(first, last, reassigned, [vars](Var v) { return vars[v.index].activity; });
    trail_.lits.truncate(s);
    trail_.close_above(level);
}

// Forced inline: called once, at every decision.
template <class Order>
[[gnu::always_inline]] inline Lit Solver::decide(Order& order) {
    if (order.empty()) [[unlikely]]
        throw InternalFailure("no unassigned variable to decide");
    const Lit l = make_lit(order.pop(), true);
    ++decisions_;
    trail_.new_level();
    assign(l, kNoClause);
    return l;
}

SolverResult Solver::solve() {
    // An empty clause in the input, or two contradicting units.
    if (has_empty_clause_) return prove_unsat();
    // The variables that loading left unassigned.
    order_.reset(static_cast<std::uint32_t>(num_vars_));
    for (std::uint32_t v = 0; v < num_vars_; ++v) {
        if (var_states_[v] == kBothUndef) order_.add(Var{v}, vars_[v].activity);
    }
    order_.ready();
    return order_.small() ? search(order_.sorted()) : search(order_.heap());
}

template <class Order>
SolverResult Solver::search(Order& order) {
    // The assignments of the loading wait in the queue. Propagation assigns
    // nothing, so after them each assignment is walked as soon as it is made
    // and the loop needs no queue.
    ClauseRef conflict = propagate();
    for (;;) {
        Lit made;  // the assignment of this step
        if (conflict != kNoClause) {
            ++conflicts_;
            if (trail_.level() == 0) return prove_unsat();
            std::uint32_t backjump_level = 0;
            const ClauseRef learnt = analyze(conflict, backjump_level);
            const std::span<const Lit> learnt_lits = clauses_.lits(learnt);
            if (proof_ != nullptr) prove(learnt_lits);
            learnt_literals_ += learnt_lits.size();
            if (learnt_lits.size() >= 2) watch(learnt, learnt_lits);
            backjump(backjump_level, learnt_lits[0].var(), order);
            assign(learnt_lits[0], learnt);
            var_inc_ /= var_decay_;
            interrupt_.poll(static_cast<std::int64_t>(learnt_lits.size()) + 16, conflicts_);
            made = learnt_lits[0];
        } else {
            if (trail_.lits.size() == num_vars_) {
                Assignment model;
                model.reserve(num_vars_);
                for (std::uint64_t v = 0; v < num_vars_; ++v)
                    model.append_new(v, var_states_[v] >> 8 == True);
                return SolverResult::sat(std::move(model));
            }
            made = decide(order);
        }
        conflict = walk(~made);
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
