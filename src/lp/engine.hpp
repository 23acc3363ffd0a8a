#pragma once

// What the driver asks of a pivot engine. Every engine keeps the exact
// values of the same tableau, so the same calls give the same pivots,
// whatever the engine stores.
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/interrupt.hpp"
#include "lp/tableau.hpp"

namespace nemox::lp {

// Work counters of the factorized engine, for benchmarks.
struct EngineStats {
    std::uint64_t refactorizations = 0;
    std::uint64_t max_bits = 0;                  // largest integer met, in bits
    std::uint64_t exact_prices = 0;              // reduced costs that the doubles left open
    std::uint64_t eta_nonzeros = 0;              // after the last refactorization
    std::uint64_t lifted_solves = 0;             // exact solves by lifting modulo a prime
    std::uint64_t modular_refactorizations = 0;  // of the basis modulo the prime
    // Seconds spent in each part of a step.
    double refactor_seconds = 0, btran_seconds = 0, pricing_seconds = 0, ftran_seconds = 0,
           update_seconds = 0;
};

// The dense tableau's layout: row 0 the objective (reduced costs of the
// maximised function), rows 1..M the constraints, the last column the
// right-hand side. Filled by set/set_basis, then seal(), then pivoted.
template <class T>
concept PivotEngine = requires(T& t, const T& c, std::size_t i, const std::vector<char>* mask,
                               const std::vector<char>& marks, bool bland, typename T::Number v) {
    { c.num_vars() } -> std::same_as<std::size_t>;
    { c.num_cols() } -> std::same_as<std::size_t>;
    { c.num_constraints() } -> std::same_as<std::size_t>;
    { c.basis(i) } -> std::same_as<std::size_t>;
    t.set(i, i, v);
    t.set_basis(i, i);
    t.seal();
    { t.find_entering(mask, bland) } -> std::same_as<std::optional<std::size_t>>;
    { t.find_leaving(i, mask, bland) } -> std::same_as<std::optional<Leaving>>;
    t.pivot(i, i);
    { t.at(i, i) } -> std::convertible_to<typename T::Number>;
    { c.objective_value() } -> std::convertible_to<typename T::Number>;
    { c.objective_is_zero() } -> std::same_as<bool>;
    { c.rhs_is_zero(i) } -> std::same_as<bool>;
    { c.value_of(i) } -> std::convertible_to<typename T::Number>;
    t.begin_phase1(marks);
    t.end_phase1();
};

// An engine whose single pivot can be long polls the interrupt inside it.
template <class T>
concept PollsInsidePivot =
    PivotEngine<T> && requires(T& t, Interrupt* interrupt) { t.set_interrupt(interrupt); };

// An engine whose step costs less than the dense tableau's says how much,
// and counts its work.
template <class T>
concept FactorizedEngine = PivotEngine<T> && requires(const T& c) {
    { c.step_work() } -> std::same_as<std::int64_t>;
    { c.engine_stats() } -> std::same_as<const EngineStats&>;
};

}  // namespace nemox::lp
