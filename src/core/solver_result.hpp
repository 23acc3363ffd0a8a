#pragma once

#include <string>
#include <utility>
#include <variant>

#include "core/assignment.hpp"

namespace nemox {

// The answer of the SAT and CP solvers: Sat with its assignment, or Unsat.
class SolverResult {
  public:
    static SolverResult sat(Assignment a) { return SolverResult(std::move(a)); }
    static SolverResult unsat() { return SolverResult(); }

    bool is_sat() const { return sat_; }
    const Assignment& assignment() const { return assignment_; }

    // "SAT" or "UNSAT".
    const char* status_word() const { return sat_ ? "SAT" : "UNSAT"; }

    bool operator==(const SolverResult&) const = default;

  private:
    SolverResult() = default;
    explicit SolverResult(Assignment a) : sat_(true), assignment_(std::move(a)) {}

    bool sat_ = false;
    Assignment assignment_;
};

// Why a solver gives no definite answer.
struct UnknownReason {
    enum class Kind {
        Unsupported,
        Undecidable,
        NumericalIssue,
        ResourceLimit,
        IncompleteAlgorithm,
        Internal
    };

    Kind kind;
    std::string message;  // only for Internal

    static UnknownReason internal(std::string message) {
        return {Kind::Internal, std::move(message)};
    }

    std::string text() const;
    bool operator==(const UnknownReason&) const = default;
};

}  // namespace nemox
