#pragma once

// Contract: every answer is the one the pivot rules below give, bit for bit.
// The only answers found another way are those no choice of pivots can
// change (infeasible, unbounded, an optimal point that is the only optimal
// one), and only once an exact certificate proves them.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "core/failure.hpp"
#include "core/interrupt.hpp"
#include "core/lp_result.hpp"
#include "linear/system.hpp"
#include "lp/certificate.hpp"
#include "lp/engine.hpp"

namespace nemox::lp {

struct ColumnLabel {
    std::uint64_t id;  // variable index, 1000 + i (slack, surplus), 2000 + i (artificial)
    bool is_variable;

    bool operator==(const ColumnLabel&) const = default;
};

// Work counters of the last solve, for benchmarks; those of the factorized
// engine come from it as they are.
struct SolveStats : EngineStats {
    std::uint64_t pivots = 0;
    std::uint64_t phase1_pivots = 0;
    bool big = false;      // redone in big arithmetic after leaving the 64-bit range
    bool revised = false;  // solved by the factorized engine instead of the dense tableau
    // An answer certified directly (see LpSolver): the floating-point
    // simplex's pivots and seconds, and the seconds of the exact check.
    bool direct = false;
    bool lifted = false;  // proven from the floating-point basis by p-adic solves alone
    std::uint64_t float_pivots = 0;
    double float_seconds = 0, certify_seconds = 0;
};

// One pivot as made: for comparing engines step by step.
struct PivotStep {
    int phase;
    std::size_t row;
    std::size_t entering;
    std::size_t leaving;
    bool bland;

    bool operator==(const PivotStep&) const = default;
};

// Two-phase primal simplex over exact rationals, all variables >= 0.
// Dantzig's rule with lowest-index ties; a repeated basis during degenerate
// pivots switches the phase to Bland's rule; artificial columns left basic at
// zero stay at zero in phase 2. Small problems run on the dense tableau in
// 64-bit fractions, redone in big integers when a value leaves that range;
// larger ones on the factorized engine in integers of any size.
class LpSolver {
  public:
    // How the dense tableau holds the exact values. Every choice gives the
    // same answers; the last two exist to check the first against them.
    enum class Arithmetic {
        Automatic,     // 64-bit fractions, big integers from the start on overflow
        FractionFree,  // big integers only
        BigFractions,  // normalised big fractions only
    };

    // Which engine makes the pivots: both make the same ones. Direct first
    // tries to answer without them: a floating-point simplex finds a final
    // basis, and the answer is taken from it only when no choice of pivots
    // can change it and its exact certificate checks; otherwise the
    // factorized engine runs. Automatic takes the dense tableau for small
    // problems, where it is faster, and Direct for the others unless a
    // trace is recorded.
    enum class Engine { Automatic, Dense, Revised, Direct };

    explicit LpSolver(Interrupt interrupt = Interrupt()) : interrupt_(interrupt) {}

    void load(linear::LinearSystem system) {
        system_ = std::make_unique<linear::LinearSystem>(std::move(system));
        big_system_.reset();
    }
    void load(linear::BigLinearSystem system) {
        big_system_ = std::make_unique<linear::BigLinearSystem>(std::move(system));
        system_.reset();
    }
    void load(linear::ExactSystem system) {
        std::visit([&](auto& s) { load(std::move(s)); }, system);
    }

    LpResult solve() { return solve_with(std::span<const linear::LinearConstraint>{}); }
    // Solves the loaded system with `extra` constraints appended after its own.
    LpResult solve_with(std::span<const linear::LinearConstraint> extra);
    // The same with extra constraints beyond 64 bits: solved in big integers.
    LpResult solve_with(std::span<const linear::LinearConstraintT<linear::BigRational>> extra);

    void set_arithmetic(Arithmetic a) { arithmetic_ = a; }
    void set_interrupt(Interrupt interrupt) { interrupt_ = interrupt; }
    void set_engine(Engine e) { engine_ = e; }
    // Records every pivot of the following solves (of the last arithmetic
    // tried) into `trace`; nullptr stops recording.
    void set_trace(std::vector<PivotStep>* trace) { trace_ = trace; }

    // Keeps the exact value of each variable of an optimal answer, in the
    // order of its model, for checking the answer against the problem.
    // Values of a 64-bit solve stay 64-bit fractions until asked for, so
    // that keeping them costs no allocation.
    void keep_exact_values(bool keep) { keep_exact_ = keep; }
    std::vector<linear::BigRational> exact_values() const;
    linear::BigRational exact_value(std::size_t k) const {
        return exact_small_.empty() ? exact_[k] : linear::BigRational(exact_small_[k]);
    }

    // Keeps what proves the answer of the following solves (see
    // certificate.hpp), when the answer is Optimal, Infeasible or Unbounded;
    // its multipliers cover the `extra` constraints after the system's own.
    // Read from the final tableau, in big numbers; nothing when not asked.
    void keep_certificate(bool keep) { keep_certificate_ = keep; }
    const std::optional<Certificate>& certificate() const { return certificate_; }

    const std::vector<ColumnLabel>& column_labels() const { return column_labels_; }
    const SolveStats& stats() const { return stats_; }

  private:
    Interrupt interrupt_;
    std::unique_ptr<linear::LinearSystem> system_;
    std::unique_ptr<linear::BigLinearSystem> big_system_;
    std::vector<ColumnLabel> column_labels_;
    SolveStats stats_;
    Arithmetic arithmetic_ = Arithmetic::Automatic;
    Engine engine_ = Engine::Automatic;
    std::vector<PivotStep>* trace_ = nullptr;
    bool keep_exact_ = false;
    std::vector<linear::BigRational> exact_;
    std::vector<linear::Rational> exact_small_;
    bool keep_certificate_ = false;
    std::optional<Certificate> certificate_;
};

// The exact value of a variable as reported: Int when integral (beyond 64
// bits as its limbs), Float otherwise.
Value to_value(const linear::Rational& v);
Value to_value(const linear::BigRational& v);

}  // namespace nemox::lp
