#include <vector>

#include "cp/solver.hpp"

namespace nemox::cp {

std::optional<Assignment> CpSolver::search() {
    // A declared empty range is never fixed and never branched on, so no
    // branch can end with every domain fixed.
    if (has_empty_) return std::nullopt;
    if (!propagate_all()) return std::nullopt;
    if (order_.empty()) return fixed_assignment();

    // One frame per open node: its branching variable, the next value to try
    // and the trail length that restores the node's domains. The value list
    // lo..hi is fixed when the node starts.
    struct Frame {
        VarIndex var;
        std::int64_t next;
        std::int64_t last;
        std::size_t mark;
        bool done;
    };
    std::vector<Frame> stack;
    const auto open_node = [&] {
        const VarIndex x = order_.top();
        stack.push_back(Frame{x, domains_[x].lo, domains_[x].hi, trail_.size(), false});
    };
    open_node();
    while (!stack.empty()) {
        Frame& f = stack.back();
        undo_to(f.mark);
        if (f.done) {
            stack.pop_back();
            continue;
        }
        const std::int64_t v = f.next;
        if (v == f.last) {
            f.done = true;
        } else {
            ++f.next;
        }
        const VarIndex x = f.var;
        ++stats_.nodes;
        ++node_;
        interrupt_.poll();
        record(x);
        const Domain old = domains_[x];
        domains_[x] = Domain{v, v};
        touched(x, old);
        if (!propagate()) continue;
        if (order_.empty()) return fixed_assignment();
        open_node();
    }
    return std::nullopt;
}

}  // namespace nemox::cp
