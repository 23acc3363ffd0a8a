#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "cp/propagator.hpp"

namespace nemox::cp {

// Everything one probe run decided: the propagators it applied, the sign of
// every comparison it made, the bounds it wrote, and the bounds' new values.
//
// Runs from a family of start states whose bounds move by a constant step
// per member compare every quantity that is affine in the member's number k
// (or the floor of such a quantity over a fixed divisor, which stays
// monotone after an affine term is taken off). So when the runs from members
// 0, 1 and K make the same decisions and write values on one line, every
// member between makes the same decisions too and writes the values on that
// line: each decision is the sign of a monotone function of k, equal at both
// ends.
struct Trace {
    std::vector<Wide> shape;   // propagators, signs and written bounds
    std::vector<Wide> values;  // the values written, in order
    bool failed = false;

    void clear() {
        shape.clear();
        values.clear();
        failed = false;
    }
};

// Whether member k of the family through members 0 and 1 decides as they do
// and writes values on their line.
bool on_line(const Trace& t0, const Trace& t1, const Trace& tk, Wide k);

// The members on the line form a prefix: given that member 1 is on it, the
// last member below `bad` that is, found by doubling, then halving.
template <class On>
Wide last_on_line(Wide bad, On on) {
    Wide good = 1;
    while (good + 1 < bad) {
        const Wide k = good * 2 < bad ? good * 2 : bad - 1;
        if (!on(k)) {
            bad = k;
            break;
        }
        good = k;
    }
    while (bad - good > 1) {
        const Wide k = good + (bad - good) / 2;
        (on(k) ? good : bad) = k;
    }
    return good;
}

// The filtering rules (rules.hpp) applied on a scratch copy of some
// domains, recording a Trace. Each application is a sound narrowing, so
// whatever a probe proves (a failure, a narrower domain) holds for the real
// propagation, whose fixpoint does not depend on the order of applications.
class Probe {
  public:
    enum class Outcome : std::uint8_t { Fixpoint, Failed, Unsupported };

    Probe(const Network& net, const std::vector<Domain>& base);

    // ---- the store the rules narrow, recording every decision ----
    static constexpr bool kTraced = true;
    const Network& net() const { return net_; }
    Domain domain(VarIndex x) const { return get(x); }
    template <class A, class B>
    int cmp(const A& a, const B& b) {
        const int sign = (Wide{a} > Wide{b}) - (Wide{a} < Wide{b});
        trace_->shape.push_back(sign);
        return sign;
    }
    // Codes of written bounds are below -1, so that they never meet a sign
    // or a propagator number.
    void set_lo(VarIndex x, std::int64_t v) {
        Domain d = get(x);
        d.lo = v;
        write(x, d, -2 * static_cast<Wide>(x) - 2, v);
    }
    void set_hi(VarIndex x, std::int64_t v) {
        Domain d = get(x);
        d.hi = v;
        write(x, d, -2 * static_cast<Wide>(x) - 3, v);
    }
    LinearSums* kept_sums(const Propagator&) { return nullptr; }
    bool give_up() {
        unsupported_ = true;
        return false;
    }

    // Starts over from the base domains.
    void restart();
    // Replaces one domain of the scratch copy, outside any trace.
    void set(VarIndex x, Domain d);
    Domain get(VarIndex x) const { return stamp_[x] == epoch_ ? over_[x] : base_[x]; }
    // Variables whose scratch domain may differ from the base, since restart.
    const std::vector<VarIndex>& touched() const { return touched_; }

    // Propagates to the fixpoint after x's domain changed, waking the
    // propagators of every variable that moves, in first-in first-out order;
    // Unsupported after `budget` applications.
    Outcome propagate_after(VarIndex x, std::size_t budget, Trace& trace);
    // Applies each listed propagator once, in order.
    Outcome apply(const std::vector<std::uint32_t>& list, Trace& trace);

  private:
    enum class Step : std::uint8_t { Ok, Failed, Unsupported };

    Step run(std::uint32_t k);
    void write(VarIndex x, Domain d, Wide code, Wide value);

    const Network& net_;
    const std::vector<Domain>& base_;
    std::vector<Domain> over_;
    std::vector<std::uint32_t> stamp_;
    std::uint32_t epoch_ = 1;
    std::vector<VarIndex> touched_;
    std::vector<std::uint32_t> queue_;
    std::vector<char> queued_;
    bool waking_ = false;  // writes queue the propagators of their variable
    bool unsupported_ = false;
    Trace* trace_ = nullptr;
};

}  // namespace nemox::cp
