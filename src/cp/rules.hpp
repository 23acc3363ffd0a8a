#pragma once

#include <cstddef>
#include <cstdint>

#include "cp/propagator.hpp"

namespace nemox::cp {

class Engine;

// One unit per filtering rule: the events of an operand that it reads (the
// engine wakes it on those only) and one application, which narrows through
// the engine and returns false on failure. `i` is the position of the
// operand's first occurrence in the network's operand array.

// a = b: both bounds of both.
struct EqRule {
    static constexpr std::uint8_t kReads = kLoEvent | kHiEvent;
    static bool run(Engine& e, const Propagator& p);
};

// a != b: a fixed operand, and then the partner's ends meeting its value.
struct NeqRule {
    static constexpr std::uint8_t kReads = kFixEvent | kGuardEvent;
    static bool run(Engine& e, const Propagator& p);
};

// a < b and a <= b + c: a.hi follows b.hi and b.lo follows a.lo.
struct LtRule {
    static std::uint8_t reads(const Network& net, const Propagator& p, std::size_t i);
    static bool run(Engine& e, const Propagator& p);
};
struct LeRule {
    static std::uint8_t reads(const Network& net, const Propagator& p, std::size_t i) {
        return LtRule::reads(net, p, i);
    }
    static bool run(Engine& e, const Propagator& p);
};

// A sum: Le reads the least sums, Ge the greatest, Eq both (terms are
// combined, so a variable occurs once).
struct LinearRule {
    static std::uint8_t reads(const Network& net, const Propagator& p, std::size_t i);
    static bool run(Engine& e, const Propagator& p);
};

// Pairwise different: every end, or, over few values, a fixing and the ends
// that meet a fixed value, which the engine counts.
struct AllDiffRule {
    static std::uint8_t reads(const Propagator& p) {
        return p.counts_at == Propagator::kNotCounted ? kLoEvent | kHiEvent
                                                      : kFixEvent | kCountEvent;
    }
    static bool run(Engine& e, const Propagator& p);
};

// By kind.
std::uint8_t events_read(const Network& net, const Propagator& p, std::size_t i);
bool run_rule(Engine& e, const Propagator& p);

}  // namespace nemox::cp
