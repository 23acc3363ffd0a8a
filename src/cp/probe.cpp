#include "cp/probe.hpp"

#include <algorithm>

#include "cp/rules.hpp"

namespace nemox::cp {

bool on_line(const Trace& t0, const Trace& t1, const Trace& tk, Wide k) {
    if (t0.failed != t1.failed || t0.failed != tk.failed || t0.shape != t1.shape ||
        t0.shape != tk.shape || t0.values.size() != t1.values.size() ||
        t0.values.size() != tk.values.size())
        return false;
    for (std::size_t i = 0; i < t0.values.size(); ++i) {
        // Written values are 64-bit, so the step fits; k times it may not.
        Wide shift;
        if (__builtin_mul_overflow(t1.values[i] - t0.values[i], k, &shift) ||
            tk.values[i] - t0.values[i] != shift)
            return false;
    }
    return true;
}

Probe::Probe(const Network& net, const std::vector<Domain>& base)
    : net_(net), base_(base), queued_(net.propagators.size(), 0) {}

void Probe::restart() {
    touched_.clear();
    // The base may be filled after construction.
    if (stamp_.size() != base_.size()) {
        over_.resize(base_.size());
        stamp_.assign(base_.size(), 0);
    }
    if (++epoch_ == 0) {
        std::fill(stamp_.begin(), stamp_.end(), 0);
        epoch_ = 1;
    }
}

void Probe::set(VarIndex x, Domain d) {
    if (stamp_[x] != epoch_) {
        stamp_[x] = epoch_;
        touched_.push_back(x);
    }
    over_[x] = d;
}

void Probe::write(VarIndex x, Domain d, Wide code, Wide value) {
    set(x, d);
    trace_->shape.push_back(code);
    trace_->values.push_back(value);
    if (!waking_) return;
    for (std::size_t i = net_.watch_begin[x]; i < net_.watch_begin[x + 1]; ++i) {
        const std::uint32_t k = net_.watches[i];
        if (queued_[k]) continue;
        queued_[k] = 1;
        queue_.push_back(k);
    }
}

Probe::Step Probe::run(std::uint32_t k) {
    trace_->shape.push_back(k);
    unsupported_ = false;
    if (run_rule(*this, net_.propagators[k])) return Step::Ok;
    return unsupported_ ? Step::Unsupported : Step::Failed;
}

Probe::Outcome Probe::propagate_after(VarIndex x, std::size_t budget, Trace& trace) {
    trace_ = &trace;
    queue_.clear();
    for (std::size_t i = net_.watch_begin[x]; i < net_.watch_begin[x + 1]; ++i) {
        queued_[net_.watches[i]] = 1;
        queue_.push_back(net_.watches[i]);
    }
    waking_ = true;
    Outcome outcome = Outcome::Fixpoint;
    std::size_t head = 0;
    for (; head < queue_.size(); ++head) {
        if (head == budget) {
            outcome = Outcome::Unsupported;
            break;
        }
        const std::uint32_t k = queue_[head];
        // Cleared first: a propagator that moves its own variables may not
        // be at its own fixpoint, and is then queued again.
        queued_[k] = 0;
        const Step s = run(k);
        if (s != Step::Ok) {
            outcome = s == Step::Failed ? Outcome::Failed : Outcome::Unsupported;
            ++head;
            break;
        }
    }
    for (; head < queue_.size(); ++head) queued_[queue_[head]] = 0;
    waking_ = false;
    trace.failed = outcome == Outcome::Failed;
    return outcome;
}

Probe::Outcome Probe::apply(const std::vector<std::uint32_t>& list, Trace& trace) {
    trace_ = &trace;
    for (const std::uint32_t k : list) {
        const Step s = run(k);
        if (s == Step::Unsupported) return Outcome::Unsupported;
        if (s == Step::Failed) {
            trace.failed = true;
            return Outcome::Failed;
        }
    }
    return Outcome::Fixpoint;
}

}  // namespace nemox::cp
