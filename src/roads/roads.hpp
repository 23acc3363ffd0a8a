#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/expected.hpp"
#include "core/interrupt.hpp"
#include "core/lp_result.hpp"
#include "core/solver_result.hpp"
#include "linear/big_rational.hpp"
#include "linear/system.hpp"
#include "lp/certificate.hpp"
#include "parser/mps.hpp"
#include "sat/proof.hpp"

// The four roads from text to answer: read the text (a message when it is
// malformed), then solve. The Python module and the command both enter here.
namespace nemox::roads {

// What one solve did, also one ended by an interrupt: reading and solving
// time, and the solver's own counters in a fixed order.
struct Stats {
    double read_seconds = 0;
    double solve_seconds = 0;
    std::vector<std::pair<std::string, std::uint64_t>> counters;
};

struct LpCertificate;

// Asks a road to check its answer against the problem before handing it
// out (see verify.hpp); a wrong one throws WrongAnswer.
struct Verification {
    // Called on what is about to be checked, so that a test can spoil it and
    // watch the check catch it; the product sets none. SAT and CP answers:
    std::function<void(SolverResult&)> before_answer_check;
    // LP and MILP answers, with the exact value of each pair of the model:
    std::function<void(LpResult&, std::vector<linear::BigRational>&)> before_lp_check;
    // MPS answers, as the values of the file's columns:
    std::function<void(const parser::MpsModel&, std::vector<linear::BigRational>&)>
        before_mps_check;
    // LP and MILP certificates:
    std::function<void(LpCertificate&)> before_certificate_check;
};

// What proves an LP or MILP answer, in exact numbers, about `system` (the
// problem as read: every number as the reader took it, an MPS file as its
// system of non-negative variables). Vectors follow its variables and
// constraints.
// - LP: `answer` proves the answer (OPTIMAL, INFEASIBLE, UNBOUNDED).
// - MILP: `relaxation` is the root relaxation's certificate. Its duals bound
//   every point, integral or not, so an incumbent meeting that bound is
//   optimal; its Farkas multipliers prove the MILP infeasible. `point` is
//   the incumbent, in the system's variables. An UNBOUNDED answer is proven
//   by `answer`: an integral point and the relaxation's ray (a rational ray,
//   scaled to integers, keeps the point integral). An infeasibility found
//   by branching, or a node limit, is proven by nothing here.
struct LpCertificate {
    linear::BigLinearSystem system;
    std::vector<std::string> variable_names;
    std::vector<std::string> row_names;  // empty where the problem names none
    bool integers = false;               // a MILP: the marked variables are integral
    std::optional<lp::Certificate> answer;
    std::optional<lp::Certificate> relaxation;
    std::vector<linear::BigRational> point;
    // MPS: where each column of the file went, by variable position: its
    // value is shift + x[var] - x[negative], or shift - x[var] when reflected.
    struct Column {
        std::string name;
        std::size_t var = 0;
        std::optional<std::size_t> negative;
        linear::BigRational shift;
        bool reflected = false;
    };
    std::vector<Column> columns;
};

// DIMACS CNF. `answer_bytes_per_var`: what the caller's form of the model
// needs per variable, counted in the memory check before the tables exist.
// `proof` receives every learnt clause and, for UNSAT, the empty one.
Expected<SolverResult> solve_sat(std::string_view text, Interrupt interrupt = Interrupt(),
                                 double answer_bytes_per_var = 0, sat::ProofSink* proof = nullptr,
                                 Stats* stats = nullptr, const Verification* verify = nullptr);
// LP text, its continuous relaxation solved once. `certificate`, when
// given, receives what proves the answer; with `verify` that is checked too.
Expected<LpResult> solve_lp(std::string_view text, Interrupt interrupt = Interrupt(),
                            Stats* stats = nullptr, const Verification* verify = nullptr,
                            LpCertificate* certificate = nullptr);
// LP text with integer variables, by branch and bound. `keep_incumbent`,
// when given, is asked whether an interrupt that ends a search with an
// incumbent hands it out as FEASIBLE instead of abandoning the call.
Expected<LpResult> solve_milp(std::string_view text, Interrupt interrupt = Interrupt(),
                              Stats* stats = nullptr, const Verification* verify = nullptr,
                              bool (*keep_incumbent)() = nullptr,
                              LpCertificate* certificate = nullptr);
// An MPS model: its LP relaxation (`integers` false) or its MILP. The
// answer's model is by column of the file (index j: the j-th column), its
// objective includes the file's objective constant.
struct MpsAnswer {
    LpResult result;
    std::vector<std::string> names;  // the file's column names, in column order
};
Expected<MpsAnswer> solve_mps(std::string_view text, bool integers,
                              parser::MpsFormat format = parser::MpsFormat::Free,
                              Interrupt interrupt = Interrupt(), Stats* stats = nullptr,
                              const Verification* verify = nullptr,
                              bool (*keep_incumbent)() = nullptr,
                              LpCertificate* certificate = nullptr);
// CP text.
Expected<SolverResult> solve_cp(std::string_view text, Interrupt interrupt = Interrupt(),
                                Stats* stats = nullptr, const Verification* verify = nullptr);

}  // namespace nemox::roads
