#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "sat/literal.hpp"

namespace nemox::sat {

// Assignments in the order made, delimited into decision levels. The level
// and reason of each assigned variable live in the solver's per-variable
// table; the trail keeps the true literal of each entry.
struct Trail {
    std::vector<Lit> lits;
    std::vector<std::size_t> lim{0};  // start of each decision level
    std::size_t qhead = 0;            // next entry to propagate

    std::uint32_t level() const { return static_cast<std::uint32_t>(lim.size() - 1); }
    void new_level() { lim.push_back(lits.size()); }
    void close_above(std::uint32_t level) { lim.resize(std::size_t{level} + 1); }
};

}  // namespace nemox::sat
