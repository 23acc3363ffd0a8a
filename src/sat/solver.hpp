#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/failure.hpp"
#include "core/interrupt.hpp"
#include "core/solver_result.hpp"
#include "sat/clause.hpp"
#include "sat/cnf.hpp"
#include "sat/heuristics.hpp"
#include "sat/literal.hpp"
#include "sat/proof.hpp"
#include "sat/trail.hpp"
#include "sat/watch.hpp"

namespace nemox::sat {

// Conflict-driven clause learning without unit propagation, restarts or
// clause deletion: propagation only finds falsified clauses, decisions give
// true to the most active variable (ties to the highest index), and the
// asserting literal of each learnt clause is assigned after the backjump.
class Solver {
  public:
    // `answer_bytes_per_var`: what the caller's form of the answer needs per
    // variable, counted in the memory check before the tables are allocated.
    explicit Solver(Interrupt interrupt = Interrupt(), double answer_bytes_per_var = 0)
        : interrupt_(interrupt), answer_bytes_per_var_(answer_bytes_per_var) {}

    // ---- Problem
    // Sizes the per-variable tables for variables 0..n-1 (never shrinks).
    void ensure_vars(std::uint64_t n);
    // One input clause in DIMACS literals.
    void add_clause(std::span<const std::int32_t> dimacs);
    // Every clause of the problem in input order, the tables sized once.
    void load(const Cnf& problem);
    // Receives every clause learnt from here on and, for UNSAT, the empty
    // clause; null for none. The sink must outlive the search.
    void set_proof(ProofSink* proof) { proof_ = proof; }

    // ---- Solving
    // Searches until the answer is known.
    SolverResult solve();

    // ---- State, read-only
    // 1 + the largest variable of the clauses added.
    std::uint64_t num_vars() const { return num_vars_; }
    // Clauses stored, input and learnt.
    std::size_t clause_count() const { return clauses_.size(); }
    // References of the stored clauses, in the order stored.
    std::vector<ClauseRef> clause_refs() const { return clauses_.refs(); }
    // The literals of one clause, in clause order.
    std::span<const Lit> clause(ClauseRef c) const { return clauses_.lits(c); }
    // The clauses watched by `l`, in list order.
    std::span<const Watch> watch_list(Lit l) const { return watches_.list(l); }
    // The current state of one variable.
    LBool var_value(Var v) const { return value(make_lit(v, true)); }

    // ---- Statistics
    // Conflicts met, the final one at level 0 included.
    std::uint64_t conflicts() const { return conflicts_; }
    // Decisions made.
    std::uint64_t decisions() const { return decisions_; }
    // Watch-list entries visited by propagation.
    std::uint64_t watch_visits() const { return visits_; }
    // Literals of the learnt clauses, together.
    std::uint64_t learnt_literals() const { return learnt_literals_; }

  private:
    // Everything analysis reads and writes of one variable, side by side.
    struct VarData {
        double activity;      // decision score
        std::uint32_t level;  // while assigned
        ClauseRef reason;     // while assigned; kNoClause for a decision
        std::uint64_t mark;   // the number of the last conflict that saw it
    };

    // ---- Problem
    // A clause whose variables the tables already cover.
    void add_sized(std::span<const std::int32_t> dimacs);
    // Watches clause `c` by its first two literals.
    void watch(ClauseRef c, std::span<const Lit> lits);
    // Stores an empty clause, which makes the answer UNSAT.
    void add_empty();

    // ---- Solving
    // The state of every literal by its code, read as bytes.
    const std::uint8_t* lit_values() const {
        return reinterpret_cast<const std::uint8_t*>(var_states_.data());
    }
    LBool value(Lit l) const { return static_cast<LBool>(lit_values()[l.code]); }
    // Makes `l` true at the current level.
    void assign(Lit l, ClauseRef reason);
    // Walks the watch list of `f`, which has just been made false; a
    // falsified clause, or kNoClause.
    ClauseRef walk(Lit f);
    // Walks the watch lists of the literals made false by the assignments of
    // the loading, which wait in the queue; a falsified clause, or kNoClause.
    ClauseRef propagate();
    // The first literal of `c` from index 3 on that is not false, into `to`;
    // false when there is none.
    bool scan_rest(ClauseRef c, Lit& to) const;
    // First-UIP learning: stores the learnt clause, asserting literal first,
    // and returns it.
    ClauseRef analyze(ClauseRef conflict, std::uint32_t& backjump_level);
    // One clause of the analysis: bumps all, marks the new ones and counts
    // those of `level` or appends them at `tail`.
    void visit(ClauseRef c, std::uint32_t level, std::uint32_t& counter, Lit*& tail,
               std::uint32_t& backjump_level);
    // Undoes the levels above `level`; `reassigned` is about to be assigned.
    template <class Order>
    void backjump(std::uint32_t level, Var reassigned, Order& order);
    // Assigns true to the most active unassigned variable at a new level,
    // and returns that literal.
    template <class Order>
    Lit decide(Order& order);
    // The search after the setup of `solve`, with the form of the decision
    // order in use.
    template <class Order>
    SolverResult search(Order& order);
    // Hands a learnt clause to the proof sink.
    void prove(std::span<const Lit> lits);
    SolverResult prove_unsat();

    // ---- State
    ClauseDB clauses_;                       // input and learnt clauses
    Watches watches_;                        // watch lists by literal
    Trail trail_;                            // assignments and decision levels
    std::vector<std::uint16_t> var_states_;  // LBool of both literals of each variable
    std::vector<VarData> vars_;              // activity, level, reason and mark by variable
    VarOrder order_;                         // variables waiting for a decision
    double var_inc_ = 1.0;                   // current bump amount
    double var_decay_ = 0.95;                // var_inc_ is divided by it after each conflict
    std::uint64_t num_vars_ = 0;             // size of the per-variable tables
    bool has_empty_clause_ = false;          // an empty clause was stored
    ProofSink* proof_ = nullptr;             // where learnt clauses go, if anywhere
    std::vector<std::int32_t> proof_lits_;   // one proof clause in DIMACS literals

    // ---- Limits
    Interrupt interrupt_;          // polled in proportion to the work done
    double answer_bytes_per_var_;  // counted in the memory check

    // ---- Statistics
    std::uint64_t conflicts_ = 0;        // conflicts met
    std::uint64_t decisions_ = 0;        // decisions made
    std::uint64_t visits_ = 0;           // watch-list entries visited
    std::uint64_t learnt_literals_ = 0;  // literals of the learnt clauses
};

// The whole SAT road after reading: load, then search; `proof`, when given,
// receives the proof of an UNSAT answer.
SolverResult solve_cnf(const Cnf& problem, Interrupt interrupt = Interrupt(),
                       double answer_bytes_per_var = 0, ProofSink* proof = nullptr);

}  // namespace nemox::sat
