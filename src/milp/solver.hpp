#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/failure.hpp"
#include "core/interrupt.hpp"
#include "core/lp_result.hpp"
#include "linear/bigint.hpp"
#include "linear/rational.hpp"
#include "linear/system.hpp"
#include "lp/solver.hpp"

namespace nemox::milp {

inline constexpr std::uint64_t kNodeLimit = 1000;

// An integral bound of a branch: a 64-bit fraction while it fits, exact
// beyond.
struct BoundValue {
    linear::Rational small;
    std::optional<linear::BigInt> big;
};

struct BranchBound {
    std::uint64_t var;
    std::optional<BoundValue> lower;
    std::optional<BoundValue> upper;
};

struct Node {
    std::optional<double> bound;  // the parent's LP objective
    std::vector<BranchBound> bounds;
};

// Binary min-heap of (key, node index) whose push and pop follow fixed
// steps, so that the order among equal keys is fixed too: pop moves the last
// pair to the top, down to a leaf along the smaller children (the right one
// on ties), then back up while strictly smaller than its parent.
class NodeHeap {
  public:
    using Entry = std::pair<double, std::size_t>;

    void push(double key, std::size_t node);
    std::optional<Entry> pop();
    bool empty() const { return heap_.empty(); }
    std::size_t size() const { return heap_.size(); }
    const std::vector<Entry>& entries() const { return heap_; }

  private:
    void sift_up(std::size_t pos);
    std::vector<Entry> heap_;
};

struct SearchStats {
    std::uint64_t examined = 0;  // nodes taken from the heap
    std::uint64_t lp_solves = 0;
    std::uint64_t pivots = 0;
    std::uint64_t incumbent_updates = 0;
};

// Asked when an interrupt ends a search that has an incumbent: true hands
// the incumbent out as Feasible instead of abandoning the call.
using KeepIncumbent = bool (*)();

// Branch and bound over the LP solver: open nodes by their parent's LP
// objective, down child first, at most `node_limit` (1000) examined nodes. A value is
// integral when its exact value is an integer; branching takes the first
// integer variable that is not, at the floor and ceiling of its exact value.
// An incumbent is Optimal unless the limit left open a node that could still
// beat it; then it is only Feasible, with the best key among those nodes as
// its bound. An unbounded relaxation is Unbounded only once the same search
// without the objective finds an integral point.
// `engine` picks the LP engine of every node (the same answers either way);
// `exact` receives the exact values of the answer's model, in its order.
LpResult branch_and_bound(const linear::ExactSystem& problem, Interrupt interrupt = Interrupt(),
                          SearchStats* stats = nullptr,
                          lp::LpSolver::Engine engine = lp::LpSolver::Engine::Automatic,
                          std::vector<linear::BigRational>* exact = nullptr,
                          KeepIncumbent keep = nullptr, std::uint64_t node_limit = kNodeLimit);

}  // namespace nemox::milp
