#include "sat/watch.hpp"

#include <algorithm>

namespace nemox::sat {

void Watches::restore_after_conflict(std::vector<ClauseRef>& list, std::size_t removed) {
    if (removed == 0) return;
    // A clause sits in exactly two watch slots overall, so at most twice here.
    removed_.assign(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(removed));
    auto m = static_cast<std::uint32_t>(list.size());
    for (std::uint32_t j = 0; j < m; ++j) {
        const ClauseRef c = list[j];
        (first_[c] == kNone ? first_[c] : second_[c]) = j;
    }
    for (const ClauseRef c : removed_) {
        // First occurrence of c in the current list.
        std::uint32_t& slot = (second_[c] != kNone && second_[c] < first_[c]) ? second_[c] : first_[c];
        const std::uint32_t p = slot;
        const std::uint32_t last = m - 1;
        if (p != last) {
            const ClauseRef moved = list[last];
            list[p] = moved;
            (first_[moved] == last ? first_[moved] : second_[moved]) = p;
        }
        slot = kNone;
        if (&slot == &first_[c] && second_[c] != kNone) {
            first_[c] = second_[c];
            second_[c] = kNone;
        }
        --m;
    }
    list.resize(m);
    for (const ClauseRef c : list) first_[c] = second_[c] = kNone;
}

}  // namespace nemox::sat
