#pragma once

#include <cstddef>
#include <cstdint>

#include "cp/propagator.hpp"

namespace nemox::cp {

// The filtering rules, written once for every store they run on: the
// engine's (engine.hpp) and the probe's tracing copy (probe.hpp). A store S
// offers
//   const Network& net() const;  Domain domain(VarIndex) const;
//   void set_lo(VarIndex, std::int64_t), set_hi(...): a bound already shown
//     to narrow and to leave the domain nonempty;
//   LinearSums* kept_sums(const Propagator&): sums it keeps current, or null;
//   bool give_up(): for a step it cannot follow; stops the rule (false);
//   static constexpr bool kTraced: every decision of a rule goes through
//     S::cmp(a, b), the sign of a - b, which the store records, and the rule
//     takes no path whose decisions are not such signs (counted values,
//     bit runs, sorting, 256-bit sums).

// Comparisons that decide a step: plain on an untraced store.
template <class S, class A, class B>
bool lt(S& s, const A& a, const B& b) {
    if constexpr (S::kTraced) {
        return s.cmp(a, b) < 0;
    } else {
        return a < b;
    }
}
template <class S, class A, class B>
bool le(S& s, const A& a, const B& b) {
    if constexpr (S::kTraced) {
        return s.cmp(a, b) <= 0;
    } else {
        return a <= b;
    }
}
template <class S, class A, class B>
bool eq(S& s, const A& a, const B& b) {
    if constexpr (S::kTraced) {
        return s.cmp(a, b) == 0;
    } else {
        return a == b;
    }
}

// lo = max(lo, v) and hi = min(hi, v) for any integer width; false when the
// domain is or becomes empty.
template <class S, class V>
inline bool raise_lo(S& s, VarIndex x, V v) {
    const Domain d = s.domain(x);
    if (le(s, v, d.lo)) return le(s, d.lo, d.hi);
    if (lt(s, d.hi, v)) return false;
    s.set_lo(x, static_cast<std::int64_t>(v));
    return true;
}
template <class S, class V>
inline bool lower_hi(S& s, VarIndex x, V v) {
    const Domain d = s.domain(x);
    if (le(s, d.hi, v)) return le(s, d.lo, d.hi);
    if (lt(s, v, d.lo)) return false;
    s.set_hi(x, static_cast<std::int64_t>(v));
    return true;
}
// Removes v from x when it is one of x's ends; a value inside stays.
template <class S>
inline bool remove_end(S& s, VarIndex x, std::int64_t v) {
    const Domain d = s.domain(x);
    if (lt(s, v, d.lo) || lt(s, d.hi, v)) return true;
    if (eq(s, v, d.lo)) return raise_lo(s, x, Wide{v} + 1);
    if (eq(s, v, d.hi)) return lower_hi(s, x, Wide{v} - 1);
    return true;
}

// One unit per filtering rule: the events of an operand that it reads (the
// engine wakes it on those only) and one application, which narrows through
// the store and returns false on failure. `i` is the position of the
// operand's first occurrence in the network's operand array.

// a = b: both bounds of both.
struct EqRule {
    static constexpr std::uint8_t kReads = kLoEvent | kHiEvent;
    template <class S>
    static bool run(S& s, const Propagator& p);
};

// a != b: a fixed operand, and then the partner's ends meeting its value.
struct NeqRule {
    static constexpr std::uint8_t kReads = kFixEvent | kGuardEvent;
    template <class S>
    static bool run(S& s, const Propagator& p);
};

// a < b and a <= b + c: a.hi follows b.hi and b.lo follows a.lo.
struct LtRule {
    static std::uint8_t reads(const Network& net, const Propagator& p, std::size_t i);
    template <class S>
    static bool run(S& s, const Propagator& p);
};
struct LeRule {
    static std::uint8_t reads(const Network& net, const Propagator& p, std::size_t i) {
        return LtRule::reads(net, p, i);
    }
    template <class S>
    static bool run(S& s, const Propagator& p);
};

// A sum: Le reads the least sums, Ge the greatest, Eq both (terms are
// combined, so a variable occurs once).
struct LinearRule {
    static std::uint8_t reads(const Network& net, const Propagator& p, std::size_t i);
    template <class S>
    static bool run(S& s, const Propagator& p);
};

// Pairwise different: every end, or, over few values, a fixing and the ends
// that meet a fixed value, which the engine counts.
struct AllDiffRule {
    static std::uint8_t reads(const Propagator& p) {
        return p.counts_at == Propagator::kNotCounted ? kLoEvent | kHiEvent
                                                      : kFixEvent | kCountEvent;
    }
    template <class S>
    static bool run(S& s, const Propagator& p);
};

// By kind.
std::uint8_t events_read(const Network& net, const Propagator& p, std::size_t i);
template <class S>
bool run_rule(S& s, const Propagator& p) {
    switch (p.kind) {
        case PropKind::Eq:
            return EqRule::run(s, p);
        case PropKind::Neq:
            return NeqRule::run(s, p);
        case PropKind::Lt:
            return LtRule::run(s, p);
        case PropKind::Le:
            return LeRule::run(s, p);
        case PropKind::Linear:
            return LinearRule::run(s, p);
        case PropKind::AllDiff:
            return AllDiffRule::run(s, p);
    }
    return true;
}

}  // namespace nemox::cp
