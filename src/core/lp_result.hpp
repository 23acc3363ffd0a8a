#pragma once

#include <string>
#include <utility>

#include "core/assignment.hpp"
#include "core/solver_result.hpp"

namespace nemox {

// The outcome of one LP or MILP solve.
struct LpResult {
    enum class Kind { Optimal, Feasible, Infeasible, Unbounded, Unknown };

    Kind kind = Kind::Infeasible;
    Assignment assignment;                                    // Optimal, Feasible
    double objective = 0.0;                                   // Optimal, Feasible
    UnknownReason reason{UnknownReason::Kind::Internal, {}};  // Unknown
    // Feasible from branch and bound: the best objective an open node could
    // still reach (the objective itself when none could beat it).
    double bound = 0.0;

    static LpResult optimal(Assignment a, double objective) {
        return {Kind::Optimal, std::move(a), objective, {}};
    }
    static LpResult feasible(Assignment a, double objective = 0.0, double bound = 0.0) {
        return {Kind::Feasible, std::move(a), objective, {}, bound};
    }
    static LpResult infeasible() { return {Kind::Infeasible, {}, 0.0, {}}; }
    static LpResult unbounded() { return {Kind::Unbounded, {}, 0.0, {}}; }
    static LpResult unknown(UnknownReason r) { return {Kind::Unknown, {}, 0.0, std::move(r)}; }

    bool has_assignment() const { return kind == Kind::Optimal || kind == Kind::Feasible; }
    // "OPTIMAL", "FEASIBLE", "INFEASIBLE", "UNBOUNDED", or for Unknown the whole text.
    std::string status() const;
    // "OPTIMAL (obj=2.8)\nModel: [x0 -> 1.6, x1 -> 1.2]", "UNKNOWN (resource limit)", ...
    std::string text() const;

    bool operator==(const LpResult&) const = default;
};

}  // namespace nemox
