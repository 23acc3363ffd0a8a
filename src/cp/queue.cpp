#include <algorithm>
#include <limits>

#include "cp/engine.hpp"
#include "cp/rules.hpp"

// The engine's queue of pending propagators and the loop that runs it.

namespace nemox::cp {

void Engine::start_round() {
    forward_ = !forward_;
    cursor_ = forward_ ? -1 : std::numeric_limits<std::int64_t>::max();
    // Woken in this round's order behind the cursor: reversed, they come in
    // the order of the next round.
    round_.swap(next_);
    next_.clear();
    round_head_ = 0;
    std::reverse(round_.begin(), round_.end());
}

bool Engine::propagate_all() {
    for (std::uint32_t k = 0; k < net_.propagators.size(); ++k) enqueue(k);
    return propagate();
}

void Engine::clear_queue() {
    for (std::size_t i = round_head_; i < round_.size(); ++i) queued_[round_[i]] = 0;
    for (const std::uint32_t k : next_) queued_[k] = 0;
    round_.clear();
    round_head_ = 0;
    next_.clear();
    cursor_ = forward_ ? -1 : std::numeric_limits<std::int64_t>::max();
}

bool Engine::propagate() {
    // Propagation that keeps going long after every propagator has had its
    // turn is probably a cycle moving bounds by a constant step: each time
    // the count doubles, try to take many of its rounds at once.
    std::uint64_t runs = 0;
    std::uint64_t jump_at = 64 + 4 * net_.propagators.size();
    for (;;) {
        if (round_head_ == round_.size()) {
            if (next_.empty()) break;
            start_round();
        }
        const std::uint32_t k = round_[round_head_++];
        cursor_ = k;
        const Propagator& p = net_.propagators[k];
        // Cleared before running, so that a propagator whose own narrowing
        // may leave it short of its fixpoint (lt x x, a linear, a repeated
        // AllDiff position) is queued again by it.
        if (!p.idempotent) queued_[k] = 0;
        ++stats_.propagator_runs;
        interrupt_.poll(static_cast<std::int64_t>(1 + p.end - p.begin));
        if (!run_rule(*this, p)) {
            queued_[k] = 0;
            clear_queue();
            return false;
        }
        queued_[k] = 0;
        recent_[recent_at_++ % recent_.size()] = k;
        if (++runs == jump_at) {
            jump_at *= 2;
            if (!take_rounds(std::min<std::uint64_t>(runs, recent_.size()))) {
                clear_queue();
                return false;
            }
        }
    }
    round_.clear();
    round_head_ = 0;
    cursor_ = forward_ ? -1 : std::numeric_limits<std::int64_t>::max();
    return true;
}

}  // namespace nemox::cp
