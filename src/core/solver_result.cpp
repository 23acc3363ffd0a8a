#include "core/solver_result.hpp"

namespace nemox {

std::string UnknownReason::text() const {
    switch (kind) {
        case Kind::Unsupported:
            return "unsupported";
        case Kind::Undecidable:
            return "undecidable";
        case Kind::NumericalIssue:
            return "numerical issue";
        case Kind::ResourceLimit:
            return "resource limit";
        case Kind::IncompleteAlgorithm:
            return "incomplete algorithm";
        case Kind::Internal:
            return "internal: " + message;
    }
    return {};
}

}  // namespace nemox
