#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "core/assignment.hpp"
#include "core/interrupt.hpp"
#include "cp/model.hpp"
#include "sat/cnf.hpp"

// Every solution of a problem exactly once. The space not yet searched is a
// stack of disjoint boxes; a solution s found in a box leaves, for each
// variable k, the boxes that keep s on the variables before k and exclude
// s's value of k, which together are the box without s. The first box is
// the whole problem, so the first solution is the one a plain solve finds.
// An interrupt leaves the stack as it was: the next call resumes.
namespace nemox::builders {

class CpSolutions {
  public:
    explicit CpSolutions(cp::CpProblem problem);
    // None once every solution has been handed out.
    std::optional<Assignment> next(Interrupt interrupt);

  private:
    using Box = std::vector<std::pair<std::int64_t, std::int64_t>>;
    cp::CpProblem problem_;
    std::vector<Box> boxes_;
};

class SatSolutions {
  public:
    // `answer_bytes_per_var` as for a plain solve.
    SatSolutions(sat::Cnf cnf, double answer_bytes_per_var);
    std::optional<Assignment> next(Interrupt interrupt);

  private:
    // A box: the DIMACS literals fixed in it, those of the variables
    // 1, 2, ... in order, the last one flipped from the solution it was cut from.
    using Box = std::vector<std::int32_t>;
    sat::Cnf cnf_;
    double answer_bytes_per_var_;
    std::vector<Box> boxes_;
};

}  // namespace nemox::builders
