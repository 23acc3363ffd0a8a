#pragma once

#include <cstdint>
#include <vector>

#include "sat/cnf.hpp"

namespace nemox::sat {

// Clauses as the tests write them, and the solver's form of them.
using Clause = std::vector<std::int32_t>;
using Clauses = std::vector<Clause>;

inline Cnf to_cnf(const Clauses& clauses) {
    Cnf p;
    for (const Clause& c : clauses) p.add_clause(c);
    return p;
}

}  // namespace nemox::sat
