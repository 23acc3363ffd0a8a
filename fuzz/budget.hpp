#pragma once

// A work budget per fuzz input: long solves are cut off through the same
// interrupt hook that Ctrl-C uses, so they end like an interrupted call.

#include <cstdint>

#include "core/failure.hpp"
#include "core/interrupt.hpp"

namespace fuzz {

inline std::uint32_t& polls() {
    static std::uint32_t count = 0;
    return count;
}

inline bool out_of_budget(std::uint64_t) {
    return ++polls() > 64;
}

// A fresh budget of about 64 * 4096 units of solver work.
inline nemox::Interrupt budget() {
    polls() = 0;
    return nemox::Interrupt(&out_of_budget, 4096);
}

}  // namespace fuzz
