#include "builders/released.hpp"

namespace nemox::builders {

namespace {

// Often enough that Ctrl-C feels immediate, rarely enough that waiting for
// the lock behind a busy thread costs the solve little.
constexpr auto kSignalPeriod = std::chrono::milliseconds(5);

// Beyond this many seconds (a century) a limit is no limit, and the clock
// arithmetic stays far from overflow.
constexpr double kLongestLimit = 3.2e9;

// The solve running on this thread; a thread runs one at a time, since no
// Python code runs during it.
thread_local ReleasedCall* current = nullptr;

unsigned long main_thread_id = 0;

}  // namespace

bool init_released() {
    PyObject* threading = PyImport_ImportModule("threading");
    if (threading == nullptr) return false;
    PyObject* main = PyObject_CallMethod(threading, "main_thread", nullptr);
    Py_DECREF(threading);
    if (main == nullptr) return false;
    PyObject* ident = PyObject_GetAttrString(main, "ident");
    Py_DECREF(main);
    if (ident == nullptr) return false;
    main_thread_id = PyLong_AsUnsignedLong(ident);
    Py_DECREF(ident);
    return !PyErr_Occurred();
}

ReleasedCall::ReleasedCall(double seconds) {
    const auto now = Clock::now();
    if (seconds >= 0 && seconds < kLongestLimit)
        deadline_ = now + std::chrono::duration_cast<Clock::duration>(
                              std::chrono::duration<double>(seconds));
    on_main_thread_ = PyThread_get_thread_ident() == main_thread_id;
    next_signal_check_ = now + kSignalPeriod;
    current = this;
    saved_ = PyEval_SaveThread();
}

ReleasedCall::~ReleasedCall() {
    PyEval_RestoreThread(saved_);
    current = nullptr;
}

Interrupt ReleasedCall::interrupt() const {
    return Interrupt(&ReleasedCall::check);
}

bool ReleasedCall::check(std::uint64_t) {
    ReleasedCall& s = *current;
    const auto now = Clock::now();
    if (s.deadline_ && now >= *s.deadline_) {
        s.timed_out_ = true;
        return true;
    }
    if (s.on_main_thread_ && now >= s.next_signal_check_) {
        s.next_signal_check_ = now + kSignalPeriod;
        PyEval_RestoreThread(s.saved_);
        const bool raised = PyErr_CheckSignals() != 0;
        s.saved_ = PyEval_SaveThread();
        return raised;
    }
    return false;
}

bool keep_incumbent_on_time_out() {
    return current != nullptr && current->timed_out_;
}

}  // namespace nemox::builders
