#pragma once

// The companion package's native solves run with the interpreter lock
// released, unlike the module's: other threads keep running and two threads
// solve at once. A deadline ends a solve from any thread on any OS, and on
// the main thread the lock is taken back every few milliseconds to let
// Python run its signal handlers, so that Ctrl-C still ends it.

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <chrono>
#include <cstdint>
#include <exception>
#include <optional>
#include <utility>

#include "core/interrupt.hpp"

namespace nemox::builders {

// Remembers which thread is Python's main one; called at import.
bool init_released();

// What a released call left behind: its exception (rethrown with the lock
// held), and whether the deadline ended it.
struct Outcome {
    std::exception_ptr error;
    bool timed_out = false;
};

class ReleasedCall {
  public:
    // `seconds` < 0: no limit. Releases the lock.
    explicit ReleasedCall(double seconds);
    // Takes the lock back.
    ~ReleasedCall();
    ReleasedCall(const ReleasedCall&) = delete;
    ReleasedCall& operator=(const ReleasedCall&) = delete;

    Interrupt interrupt() const;
    bool timed_out() const { return timed_out_; }

  private:
    using Clock = std::chrono::steady_clock;
    friend bool keep_incumbent_on_time_out();
    static bool check(std::uint64_t progress);

    std::optional<Clock::time_point> deadline_;
    bool on_main_thread_ = false;
    PyThreadState* saved_ = nullptr;
    Clock::time_point next_signal_check_;
    bool timed_out_ = false;
};

// True while the deadline has ended the calling thread's solve: a branch and
// bound then hands out its incumbent; Ctrl-C abandons it instead.
bool keep_incumbent_on_time_out();

// Runs `work(interrupt)` without the lock; its result lands in `out`.
template <class Work, class Result>
Outcome run_released(double seconds, Work&& work, std::optional<Result>& out) {
    Outcome outcome;
    ReleasedCall call(seconds);
    try {
        out.emplace(work(call.interrupt()));
    } catch (...) {
        outcome.error = std::current_exception();
    }
    outcome.timed_out = call.timed_out();
    return outcome;
}

}  // namespace nemox::builders
