#pragma once

#include <cstdint>

namespace nemox {

// Thrown by Interrupt::poll once the host has asked the call to stop; the
// host has already recorded why (a pending Python exception, say).
class Interrupted {};

// Cooperative cancellation for long loops. The host supplies a check that
// returns true when the call must stop; `poll` calls it every `period` units
// of work so that the check costs nothing measurable. Loops that count their
// main steps (conflicts, nodes, pivots) hand the count over, and the check
// sees the latest one: the command shows it as progress.
class Interrupt {
  public:
    using Check = bool (*)(std::uint64_t progress);

    explicit Interrupt(Check check = nullptr, std::int64_t period = 1 << 16)
        : check_(check), period_(period), budget_(period) {}

    void poll(std::int64_t work = 1) {
        budget_ -= work;
        if (budget_ <= 0) [[unlikely]] {
            budget_ = period_;
            if (check_ != nullptr && check_(progress_)) throw Interrupted{};
        }
    }
    void poll(std::int64_t work, std::uint64_t progress) {
        if (!inner_) progress_ = progress;
        poll(work);
    }
    // For a loop nested in this one (the simplex of a branch-and-bound node):
    // its checks report the outer loop's count as it stands now.
    Interrupt inner() const {
        Interrupt copy = *this;
        copy.inner_ = true;
        return copy;
    }

  private:
    Check check_;
    std::int64_t period_;
    std::int64_t budget_;
    std::uint64_t progress_ = 0;
    bool inner_ = false;
};

}  // namespace nemox
