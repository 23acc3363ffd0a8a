#include "cp/probe.hpp"

#include <algorithm>

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

int Probe::note(Wide difference) {
    const int sign = (difference > 0) - (difference < 0);
    trace_->shape.push_back(sign);
    return sign;
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

// lo = max(lo, v), then fail if empty. Codes of written bounds are below -1,
// so that they never meet a sign or a propagator number.
Probe::Step Probe::raise(VarIndex x, Wide v) {
    Domain d = get(x);
    if (note(v - d.lo) > 0) {
        if (note(v - d.hi) > 0) return Step::Failed;
        d.lo = static_cast<std::int64_t>(v);
        write(x, d, -2 * static_cast<Wide>(x) - 2, v);
    }
    return note(Wide{d.lo} - d.hi) > 0 ? Step::Failed : Step::Ok;
}

Probe::Step Probe::lower(VarIndex x, Wide v) {
    Domain d = get(x);
    if (note(v - d.hi) < 0) {
        if (note(v - d.lo) < 0) return Step::Failed;
        d.hi = static_cast<std::int64_t>(v);
        write(x, d, -2 * static_cast<Wide>(x) - 3, v);
    }
    return note(Wide{d.lo} - d.hi) > 0 ? Step::Failed : Step::Ok;
}

// Removes v from x when v is one of x's ends; a value inside stays.
Probe::Step Probe::remove_end(VarIndex x, Wide v) {
    const Domain d = get(x);
    const int at_lo = note(v - d.lo);
    const int at_hi = note(v - d.hi);
    if (at_lo < 0 || at_hi > 0) return Step::Ok;
    if (at_lo == 0) return raise(x, v + 1);
    if (at_hi == 0) return lower(x, v - 1);
    return Step::Ok;
}

Probe::Step Probe::run(std::uint32_t k) {
    const Propagator& p = net_.propagators[k];
    trace_->shape.push_back(k);
    const VarIndex* v = net_.vars.data() + p.begin;
    switch (p.kind) {
        case PropKind::Eq: {
            const Domain a = get(v[0]);
            const Domain b = get(v[1]);
            const Wide lo = note(Wide{a.lo} - b.lo) >= 0 ? a.lo : b.lo;
            const Wide hi = note(Wide{a.hi} - b.hi) <= 0 ? a.hi : b.hi;
            if (note(lo - hi) > 0) return Step::Failed;
            for (const auto& step : {std::pair{v[0], true}, std::pair{v[1], true},
                                     std::pair{v[0], false}, std::pair{v[1], false}}) {
                const Step s = step.second ? raise(step.first, lo) : lower(step.first, hi);
                if (s != Step::Ok) return s;
            }
            return Step::Ok;
        }
        case PropKind::Neq: {
            const auto fixed = [&](VarIndex x) {
                const Domain d = get(x);
                return note(Wide{d.lo} - d.hi) == 0;
            };
            if (fixed(v[0]) && fixed(v[1]) && note(Wide{get(v[0]).lo} - get(v[1]).lo) == 0)
                return Step::Failed;
            if (fixed(v[0])) {
                const Step s = remove_end(v[1], get(v[0]).lo);
                if (s != Step::Ok) return s;
            }
            if (fixed(v[1])) return remove_end(v[0], get(v[1]).lo);
            return Step::Ok;
        }
        case PropKind::Lt: {
            const Step s = lower(v[0], Wide{get(v[1]).hi} - 1);
            return s != Step::Ok ? s : raise(v[1], Wide{get(v[0]).lo} + 1);
        }
        case PropKind::Le: {
            const Step s = lower(v[0], Wide{get(v[1]).hi} + p.constant);
            return s != Step::Ok ? s : raise(v[1], Wide{get(v[0]).lo} - p.constant);
        }
        case PropKind::Linear:
            return run_linear(p);
        case PropKind::AllDiff:
            return run_all_diff(p);
    }
    return Step::Ok;
}

Probe::Step Probe::run_linear(const Propagator& p) {
    // Coefficients beyond 64 bits need 256-bit sums: left to the solver.
    if (p.big_begin != p.end) return Step::Unsupported;
    const Wide rhs = p.constant;
    if (p.begin == p.end) {
        const int sign = note(-rhs);  // 0 rel rhs
        const bool holds = p.rel == LinearRel::Le   ? sign <= 0
                           : p.rel == LinearRel::Ge ? sign >= 0
                                                    : sign == 0;
        return holds ? Step::Ok : Step::Failed;
    }
    for (std::size_t i = p.begin; i < p.end; ++i) {
        const std::int64_t c = net_.coeffs[i];
        const VarIndex x = net_.vars[i];
        Wide min_r = 0;
        Wide max_r = 0;
        for (std::size_t j = p.begin; j < p.end; ++j) {
            if (j == i) continue;
            const std::int64_t cj = net_.coeffs[j];
            const Domain d = get(net_.vars[j]);
            if (__builtin_add_overflow(min_r, Wide{cj} * (cj > 0 ? d.lo : d.hi), &min_r) ||
                __builtin_add_overflow(max_r, Wide{cj} * (cj > 0 ? d.hi : d.lo), &max_r))
                return Step::Unsupported;
        }
        Wide from_min;
        Wide from_max;
        if (__builtin_sub_overflow(rhs, min_r, &from_min) ||
            __builtin_sub_overflow(rhs, max_r, &from_max))
            return Step::Unsupported;
        Step s = Step::Ok;
        switch (p.rel) {
            case LinearRel::Le:
                s = c > 0 ? lower(x, floor_div(from_min, c)) : raise(x, ceil_div(from_min, c));
                break;
            case LinearRel::Ge:
                s = c > 0 ? raise(x, ceil_div(from_max, c)) : lower(x, floor_div(from_max, c));
                break;
            case LinearRel::Eq:
                s = c > 0 ? raise(x, ceil_div(from_max, c)) : raise(x, ceil_div(from_min, c));
                if (s == Step::Ok)
                    s = c > 0 ? lower(x, floor_div(from_min, c)) : lower(x, floor_div(from_max, c));
                break;
        }
        if (s != Step::Ok) return s;
    }
    return Step::Ok;
}

Probe::Step Probe::run_all_diff(const Propagator& p) {
    for (std::size_t i = p.begin; i < p.end; ++i) {
        const Domain d = get(net_.vars[i]);
        if (note(Wide{d.lo} - d.hi) != 0) continue;
        for (std::size_t j = p.begin; j < p.end; ++j) {
            if (j == i) continue;
            const Step s = remove_end(net_.vars[j], d.lo);
            if (s != Step::Ok) return s;
        }
    }
    return Step::Ok;
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
