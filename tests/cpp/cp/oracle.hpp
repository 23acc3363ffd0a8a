#pragma once

// A second, plain implementation of the CP reader, of propagation by whole
// sweeps and of the recursive, copy-based search, kept slow and obvious on
// purpose; the product is compared with it on random problems. The choices
// made for soundness (terms combined per variable, a linear without terms
// checked as 0 rel rhs, an odd pair region refused, exact bound arithmetic,
// the domain of 2^64 values branched on) are applied here too, each in one
// marked place.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/solver_result.hpp"
#include "cp/model.hpp"

namespace nemox::cp::oracle {

struct Parsed {
    std::optional<CpProblem> problem;
    std::string error;
};

Parsed parse(std::string_view text);

struct Solver {
    std::vector<Domain> domains;
    std::vector<CpConstraint> propagators;  // linear terms already combined
    std::uint64_t nodes = 0;
    std::uint64_t sweeps = 0;      // of every propagate_all so far
    std::uint64_t node_limit = 0;  // 0: none
    bool gave_up = false;
};

Solver build(const CpProblem& problem);
bool propagate_all(Solver& s);
std::optional<Assignment> search(Solver& s);

// The whole road after reading; nullopt when the node limit was reached.
std::optional<SolverResult> solve(const CpProblem& problem, std::uint64_t node_limit = 0,
                                  std::uint64_t* nodes = nullptr);

}  // namespace nemox::cp::oracle
