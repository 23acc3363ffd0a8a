#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "core/wide_integer.hpp"
#include "cp/model.hpp"

namespace nemox::cp {

using nemox::Int256;
using nemox::UWide;
using nemox::Wide;

// Bounds further out than this from zero, divided by any 64-bit coefficient,
// still fall outside the 64-bit range, so sums may be clamped to it.
inline constexpr Wide kFar = (Wide{1} << 126) + (Wide{1} << 125);

// floor(n / d), exactly, limited to [INT64_MIN - 1, INT64_MAX + 1]; d != 0.
// Used only for combined coefficients beyond 64 bits.
Wide floor_div_limited(const Int256& n, Wide d);

enum class PropKind : std::uint8_t { Eq, Neq, Lt, Le, Linear, AllDiff };

// The solver's own form of one constraint. Its variables (and, for Linear,
// its coefficients) are the range [begin, end) of the solver's flat arrays.
//
// Linear terms are combined per variable and zero coefficients dropped, since
// bounding each occurrence as if the others were absent removes solutions.
// Terms whose combined coefficient does not fit in 64 bits come last, from
// `big_begin` on; their coefficients are in the solver's wide array.
struct Propagator {
    PropKind kind = PropKind::Eq;
    LinearRel rel = LinearRel::Le;
    bool idempotent = false;    // one run reaches its own fixpoint
    bool unit_pair = false;     // Linear: two terms, coefficients 1 or -1
    bool unit_in_64 = false;    // and bounds that stay in 64 bits over the declared ranges
    std::int64_t constant = 0;  // Le: c; Linear: rhs; counted AllDiff: least value
    std::size_t begin = 0;
    std::size_t big_begin = 0;
    std::size_t big_at = 0;  // coefficient of term big_begin + i is big_coeffs[big_at + i]
    std::size_t end = 0;
    // An AllDiff whose declared values span at most 64 counts its fixed
    // values, 64 counters from here on; kNotCounted otherwise.
    std::size_t counts_at = kNotCounted;
    static constexpr std::size_t kNotCounted = ~std::size_t{0};

    // A wide Linear on the 64-bit path keeps its sums between runs; a short
    // one is cheaper to recount.
    bool keeps_sums() const {
        return kind == PropKind::Linear && big_begin == end && end - begin >= 8;
    }
};

// A Linear's sums over the current domains, moved by the engine with every
// bound and on undo, and a bound on its terms' spreads that holds until an
// undo widens a domain. A run whose slack covers that bound would change
// nothing, so it returns at once: a search that fixes a wide sum's
// variables one by one does not pay for every term at every node.
struct LinearSums {
    Wide min = 0;
    Wide max = 0;
    Wide spread = 0;
    // A bound on the spreads that no undo invalidates: the widest term
    // over the declared ranges.
    Wide widest_declared = std::numeric_limits<Wide>::max();
    bool sums_known = false;
    bool spread_known = false;
};

// What a bound change of a variable can be, as bits: a propagator is woken
// only by the events it reads. A Neq reads its partner's bounds only while
// it is fixed, so it asks for a check of that (kGuard) instead; an AllDiff
// over few values reads its others' ends only where they meet a fixed value,
// which the solver counts (kCount).
enum Event : std::uint8_t {
    kLoEvent = 1,      // lo moved up
    kHiEvent = 2,      // hi moved down
    kFixEvent = 4,     // the domain became a single value
    kGuardEvent = 8,   // Neq: a moved end may now meet the fixed partner
    kCountEvent = 16,  // counted AllDiff: a moved end may now meet a fixed value
    kViewEvent = 32,   // a view u = r + x: x's move sets u's bounds at once
    kViewMinus = 64,   // the view is u = r - x
};

// The propagators of one problem over flat operand arrays, and for each
// variable the propagators that read it (CSR form, each at most once, in
// increasing order) with the events each of them reads.
struct Network {
    std::vector<Propagator> propagators;
    std::vector<VarIndex> vars;        // operands of all propagators
    std::vector<std::int64_t> coeffs;  // Linear coefficients, parallel to vars
    std::vector<Wide> big_coeffs;      // beyond 64 bits, see Propagator::big_at
    std::vector<std::size_t> watch_begin;
    std::vector<std::uint32_t> watches;
    std::vector<std::uint8_t> watch_events;  // parallel to watches
    std::vector<VarIndex> watch_partner;     // of a two-variable propagator: the other one
    std::vector<std::int64_t> watch_view;    // of a view entry: r
    std::size_t counters = 0;                // of all counted AllDiffs
};

// One propagator per constraint, in order.
Network build_network(const CpProblem& problem);

}  // namespace nemox::cp
