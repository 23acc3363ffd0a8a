#include "sat/watch.hpp"

namespace nemox::sat {

void Watches::restore_after_conflict(WatchList& list, std::size_t removed) {
    if (removed == 0) return;
    const auto n = static_cast<std::uint32_t>(list.size());
    const auto k = static_cast<std::uint32_t>(removed);
    if (2 * k <= n) {
        restore_separated(list, k);
    } else {
        restore_general(list, k);
    }
}

// Step i removes the first occurrence of front entry i and fills the hole
// with the tail entry T_i = list[n-1-i]. While the front and the tail do not
// meet, that occurrence is slot i itself, unless the twin of entry i was an
// earlier tail entry T_t (t < i), which then sits in the hole of step t.
void Watches::restore_separated(WatchList& list, std::uint32_t k) {
    const auto n = static_cast<std::uint32_t>(list.size());
    for (std::uint32_t t = 0; t < k; ++t) slots_[list[n - 1 - t].clause].a = t;
    holes_.resize(k);
    for (std::uint32_t i = 0; i < k; ++i) {
        const std::uint32_t t = slots_[list[i].clause].a;
        holes_[i] = t < i ? holes_[t] : i;
    }
    for (std::uint32_t t = 0; t < k; ++t) slots_[list[n - 1 - t].clause].a = kNone;
    for (std::uint32_t i = 0; i < k; ++i) list[holes_[i]] = list[n - 1 - i];
    list.resize(n - k);
}

// The removals written out, with the positions of every clause in the list
// (a clause sits in exactly two watch slots overall, so at most twice here).
void Watches::restore_general(WatchList& list, std::uint32_t k) {
    const auto n = static_cast<std::uint32_t>(list.size());
    tracked_.clear();
    for (std::uint32_t j = 0; j < n; ++j) {
        const ClauseRef c = list[j].clause;
        tracked_.push_back(c);
        Slots& s = slots_[c];
        (s.a == kNone ? s.a : s.b) = j;
    }
    std::uint32_t m = n;
    for (std::uint32_t i = 0; i < k; ++i) {
        Slots& s = slots_[tracked_[i]];
        const std::uint32_t p = s.b < s.a ? s.b : s.a;
        if (s.b < s.a) {
            s.b = kNone;
        } else {
            s.a = s.b;
            s.b = kNone;
        }
        const std::uint32_t last = m - 1;
        if (p != last) {
            Slots& moved = slots_[list[last].clause];
            list[p] = list[last];
            (moved.a == last ? moved.a : moved.b) = p;
        }
        --m;
    }
    list.resize(m);
    for (const ClauseRef c : tracked_) slots_[c] = Slots{kNone, kNone};
}

}  // namespace nemox::sat
