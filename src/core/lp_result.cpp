#include "core/lp_result.hpp"

namespace nemox {

std::string LpResult::status() const {
    switch (kind) {
        case Kind::Optimal:
            return "OPTIMAL";
        case Kind::Feasible:
            return "FEASIBLE";
        case Kind::Infeasible:
            return "INFEASIBLE";
        case Kind::Unbounded:
            return "UNBOUNDED";
        case Kind::Unknown:
            return text();
    }
    return {};
}

std::string LpResult::text() const {
    switch (kind) {
        case Kind::Optimal:
            return "OPTIMAL (obj=" + format_double(objective) + ")\nModel: " + assignment.text();
        case Kind::Feasible:
            return "FEASIBLE\nModel: " + assignment.text();
        case Kind::Infeasible:
            return "INFEASIBLE";
        case Kind::Unbounded:
            return "UNBOUNDED";
        case Kind::Unknown:
            return "UNKNOWN (" + reason.text() + ")";
    }
    return {};
}

}  // namespace nemox
