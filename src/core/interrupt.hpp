#pragma once

#include <cstdint>

namespace nemox {

// Thrown by Interrupt::poll once the host has asked the call to stop; the
// host has already recorded why (a pending Python exception, say).
class Interrupted {};

// Cooperative cancellation for long loops. The host supplies a check that
// returns true when the call must stop; `poll` calls it every `period` units
// of work so that the check costs nothing measurable.
class Interrupt {
  public:
    using Check = bool (*)();

    explicit Interrupt(Check check = nullptr, std::int64_t period = 1 << 16)
        : check_(check), period_(period), budget_(period) {}

    void poll(std::int64_t work = 1) {
        budget_ -= work;
        if (budget_ <= 0) [[unlikely]] {
            budget_ = period_;
            if (check_ != nullptr && check_()) throw Interrupted{};
        }
    }

  private:
    Check check_;
    std::int64_t period_;
    std::int64_t budget_;
};

}  // namespace nemox
