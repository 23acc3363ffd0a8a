#include "sat/watch.hpp"

#include <algorithm>
#include <bit>

namespace nemox::sat {

void Watches::layout() {
    counts_.resize(spans_.size(), 0);
    // Small formulas get generous lists (learnt clauses pile up in a few of
    // them); large ones start tight to keep memory in proportion.
    const bool small = spans_.size() <= 4096;
    auto initial_capacity = [small](std::uint32_t count) {
        return small ? std::max<std::uint32_t>(32, 2 * count)
                     : std::max<std::uint32_t>(2, count + count / 2);
    };
    std::size_t total = 0;
    for (std::uint32_t& c : counts_) {
        c = initial_capacity(c);
        total += c;
    }
    // Room for lists to grow before the pool must move.
    pool_capacity_ = small ? 2 * total : total + total / 4;
    pool_.reset(new Watch[pool_capacity_]);
    pool_used_ = 0;
    for (std::size_t l = 0; l < spans_.size(); ++l) {
        Watch* const begin = pool_.get() + pool_used_;
        begins_[l] = begin;
        spans_[l] = Span{begin, begin + counts_[l]};
        pool_used_ += counts_[l];
    }
    live_ = pool_used_;
    counts_ = {};
}

void Watches::grow(Lit l) {
    const auto old_capacity = static_cast<std::size_t>(spans_[l.code].cap - begins_[l.code]);
    const std::size_t capacity = std::max<std::size_t>(4, 2 * old_capacity);
    if (pool_used_ + capacity > pool_capacity_) {
        // A new pool with the lists packed, each keeping its capacity: only
        // their entries are copied, not the chunks that growth abandoned.
        const std::size_t new_capacity = std::max(2 * (live_ + capacity), std::size_t{64});
        std::unique_ptr<Watch[]> pool(new Watch[new_capacity]);
        std::size_t used = 0;
        for (std::size_t k = 0; k < spans_.size(); ++k) {
            Span& s = spans_[k];
            Watch* const begin = pool.get() + used;
            const Watch* const end = std::copy(begins_[k], s.end, begin);
            used += static_cast<std::size_t>(s.cap - begins_[k]);
            begins_[k] = begin;
            s = Span{begin + (end - begin), pool.get() + used};
        }
        pool_used_ = used;
        pool_ = std::move(pool);
        pool_capacity_ = new_capacity;
    }
    Span& s = spans_[l.code];
    Watch* const begin = pool_.get() + pool_used_;
    s.end = std::copy(begins_[l.code], s.end, begin);
    begins_[l.code] = begin;
    s.cap = begin + capacity;
    live_ += capacity - old_capacity;
    pool_used_ += capacity;
}

void Watches::PositionTable::reset(std::size_t entries) {
    bits_ = std::max(4u, static_cast<std::uint32_t>(std::bit_width(2 * entries)));
    const std::size_t size = std::size_t{1} << bits_;
    if (cells_.size() < size) cells_.resize(size);
    std::fill_n(cells_.begin(), size, Cell{kNone, kNone});
}

std::uint32_t& Watches::PositionTable::at(ClauseRef c) {
    const std::uint32_t mask = (1u << bits_) - 1;
    std::uint32_t i = home(c);
    while (cells_[i].key != c.offset && cells_[i].key != kNone) i = (i + 1) & mask;
    cells_[i].key = c.offset;
    return cells_[i].position;
}

std::uint32_t Watches::PositionTable::find(ClauseRef c) const {
    const std::uint32_t mask = (1u << bits_) - 1;
    for (std::uint32_t i = home(c);; i = (i + 1) & mask) {
        if (cells_[i].key == c.offset) return cells_[i].position;
        if (cells_[i].key == kNone) return kNone;
    }
}

void Watches::restore_after_conflict(Lit l, std::size_t removed) {
    if (removed == 0) return;
    Span& s = spans_[l.code];
    Watch* const list = begins_[l.code];
    const auto n = static_cast<std::uint32_t>(s.end - list);
    const auto k = static_cast<std::uint32_t>(removed);
    if (2 * k <= n) {
        restore_separated(list, n, k);
        s.end = list + (n - k);
    } else {
        s.end = list + restore_general(list, n, k);
    }
}

// Step i removes the first occurrence of front entry i and fills the hole
// with the tail entry T_i = list[n-1-i]. While the front and the tail do not
// meet, that occurrence is slot i itself, unless the twin of entry i was an
// earlier tail entry T_t (t < i), which then sits in the hole of step t.
void Watches::restore_separated(Watch* list, std::uint32_t n, std::uint32_t k) {
    holes_.resize(k);
    if (k <= kShortRestore) {
        // Few entries: the twin is looked for among the earlier tail entries
        // directly. The front and the tail are disjoint here, so a front
        // entry has at most one twin in the tail.
        for (std::uint32_t i = 0; i < k; ++i) {
            holes_[i] = i;
            for (std::uint32_t t = 0; t < i; ++t) {
                if (list[n - 1 - t].clause == list[i].clause) {
                    holes_[i] = holes_[t];
                    break;
                }
            }
        }
        for (std::uint32_t i = 0; i < k; ++i) list[holes_[i]] = list[n - 1 - i];
        return;
    }
    positions_.reset(k);
    for (std::uint32_t t = 0; t < k; ++t) positions_.at(list[n - 1 - t].clause) = t;
    for (std::uint32_t i = 0; i < k; ++i) {
        const std::uint32_t t = positions_.find(list[i].clause);
        holes_[i] = t < i ? holes_[t] : i;
    }
    for (std::uint32_t i = 0; i < k; ++i) list[holes_[i]] = list[n - 1 - i];
}

// The removals written out, with the positions of every clause in the list
// (a clause sits in exactly two watch slots overall, so at most twice here).
std::uint32_t Watches::restore_general(Watch* list, std::uint32_t n, std::uint32_t k) {
    if (n <= kShortRestore) {
        // A short list: each removal searched for from the front, the
        // clauses of the front entries taken before the swaps overwrite them.
        holes_.resize(k);
        for (std::uint32_t i = 0; i < k; ++i) holes_[i] = list[i].clause.offset;
        std::uint32_t m = n;
        for (std::uint32_t i = 0; i < k; ++i) {
            std::uint32_t p = 0;
            while (list[p].clause.offset != holes_[i]) ++p;
            list[p] = list[--m];
        }
        return m;
    }
    // Each entry by its place in the list before the removals: `pos_` its
    // place now (kNone once removed), `at_` the entry at each place, `twin_`
    // the other entry of the same clause when the list holds it twice. The
    // table is consulted once per entry, to pair the twins.
    positions_.reset(n);
    twin_.assign(n, kNone);
    for (std::uint32_t o = 0; o < n; ++o) {
        std::uint32_t& first = positions_.at(list[o].clause);
        if (first == kNone) {
            first = o;
        } else {
            twin_[o] = first;
            twin_[first] = o;
        }
    }
    pos_.resize(n);
    at_.resize(n);
    for (std::uint32_t o = 0; o < n; ++o) pos_[o] = at_[o] = o;
    std::uint32_t m = n;
    for (std::uint32_t i = 0; i < k; ++i) {
        // The first occurrence of the clause: entry i or its twin, whichever
        // is still there and placed first (a removed one is at kNone).
        const std::uint32_t t = twin_[i];
        const std::uint32_t o = t != kNone && pos_[t] < pos_[i] ? t : i;
        const std::uint32_t p = pos_[o];
        const std::uint32_t last = m - 1;
        if (p != last) {
            list[p] = list[last];
            at_[p] = at_[last];
            pos_[at_[p]] = p;
        }
        pos_[o] = kNone;
        --m;
    }
    return m;
}

}  // namespace nemox::sat
