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
        : order_(activity_), interrupt_(interrupt), answer_bytes_per_var_(answer_bytes_per_var) {}

    // Sizes the per-variable tables once for the largest variable to come.
    void ensure_vars(std::uint64_t n);
    void add_clause(std::span<const std::int32_t> dimacs);
    // Loads every clause of the problem in input order, tables sized once.
    void load(const Cnf& problem);
    // Every clause learnt from here on goes to `proof` (null for none), and
    // the empty clause when the answer is UNSAT. The sink must outlive the
    // search.
    void set_proof(ProofSink* proof) { proof_ = proof; }
    SolverResult solve();

    std::uint64_t num_vars() const { return num_vars_; }
    std::size_t clause_count() const { return clauses_.size(); }
    std::span<const Lit> clause(ClauseRef c) const { return clauses_.lits(c); }
    std::span<const Watch> watch_list(Lit l) const { return watches_.list(l); }
    LBool var_value(std::uint32_t v) const { return value(make_lit(v, true)); }
    std::uint64_t conflicts() const { return conflicts_; }
    std::uint64_t decisions() const { return decisions_; }
    std::uint64_t watch_visits() const { return visits_; }

  private:
    LBool value(Lit l) const { return static_cast<LBool>(lit_values_[l]); }
    void assign(Lit l, ClauseRef reason);
    ClauseRef propagate();
    // First literal from index 3 on that is not false, or `none`.
    Lit scan_rest(ClauseRef c, Lit none) const;
    void analyze(ClauseRef conflict, std::uint32_t& backjump_level);
    void visit(ClauseRef c, std::uint32_t skip_var, std::uint32_t level, std::uint32_t& counter,
               std::uint32_t& backjump_level);
    void bump(std::uint32_t v);
    // Undoes the levels above `level`; `reassigned` is about to be assigned.
    void backjump(std::uint32_t level, std::uint32_t reassigned);
    void decide();
    ClauseRef store(std::span<const Lit> lits);
    void add_lits(std::span<const Lit> lits);
    void watch(ClauseRef c, std::span<const Lit> lits);
    void prove(std::span<const Lit> lits);
    SolverResult prove_unsat();

    ClauseDB clauses_;
    Watches watches_;
    Trail trail_;
    // The state of every literal, both polarities of a variable kept in step,
    // so that testing a literal is one load.
    std::vector<std::uint8_t> lit_values_;
    std::vector<std::uint32_t> level_;
    std::vector<ClauseRef> reason_;
    std::vector<double> activity_;
    VarOrder order_;
    std::vector<std::uint8_t> seen_;
    std::vector<std::uint32_t> touched_;
    std::vector<Lit> learnt_;
    std::vector<Lit> scratch_;
    ProofSink* proof_ = nullptr;
    std::vector<std::int32_t> proof_lits_;
    double var_inc_ = 1.0;
    double var_decay_ = 0.95;
    std::uint64_t num_vars_ = 0;
    bool has_empty_clause_ = false;
    std::uint64_t conflicts_ = 0;
    std::uint64_t decisions_ = 0;
    std::uint64_t visits_ = 0;
    Interrupt interrupt_;
    double answer_bytes_per_var_;
};

// The whole SAT road after reading: load, then search; `proof`, when given,
// receives the proof of an UNSAT answer.
SolverResult solve_cnf(const Cnf& problem, Interrupt interrupt = Interrupt(),
                       double answer_bytes_per_var = 0, ProofSink* proof = nullptr);

}  // namespace nemox::sat
