#include "sat/watch.hpp"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>

namespace nemox::sat {

namespace {

// Scratch that only grows: shrinking and growing again would clear the
// regrown part at every rebuild.
void reserve_scratch(std::vector<std::uint32_t>& v, std::size_t n) {
    if (v.size() < n) v.resize(n);
}

}  // namespace

void Watches::lay_out(std::uint32_t* counts) {
    const std::size_t lists = begins_.size();
    // Small formulas get generous lists (learnt clauses pile up in a few of
    // them); large ones start tight to keep memory in proportion.
    const bool small = lists <= 4096;
    auto initial_capacity = [small](std::uint32_t count) {
        return small ? std::max<std::uint32_t>(32, 2 * count)
                     : std::max<std::uint32_t>(2, count + count / 2);
    };
    std::size_t total = 0;
    for (std::size_t l = 0; l < lists; ++l) {
        counts[l] = initial_capacity(counts[l]);
        total += counts[l];
    }
    // Room for lists to grow before the pool must move.
    pool_capacity_ = small ? 2 * total : total + total / 4;
    pool_.reset(new Watch[pool_capacity_]);
    Watch* at = pool_.get();
    for (std::size_t l = 0; l < lists; ++l) {
        begins_[l] = ends_[l] = at;
        at += counts[l];
        caps_[l] = at;
    }
    pool_used_ = total;
    live_ = total;
}

void Watches::grow(Lit l) {
    const auto old_capacity = static_cast<std::size_t>(caps_[l.code] - begins_[l.code]);
    const std::size_t capacity = std::max<std::size_t>(4, 2 * old_capacity);
    if (pool_used_ + capacity > pool_capacity_) {
        // A new pool with the lists packed, each keeping its capacity: only
        // their entries are copied, not the chunks that growth abandoned.
        const std::size_t new_capacity = std::max(2 * (live_ + capacity), std::size_t{64});
        std::unique_ptr<Watch[]> pool(new Watch[new_capacity]);
        Watch* at = pool.get();
        for (std::size_t k = 0; k < begins_.size(); ++k) {
            const std::ptrdiff_t room = caps_[k] - begins_[k];
            ends_[k] = std::copy(begins_[k], ends_[k], at);
            begins_[k] = at;
            at += room;
            caps_[k] = at;
        }
        pool_used_ = static_cast<std::size_t>(at - pool.get());
        pool_ = std::move(pool);
        pool_capacity_ = new_capacity;
    }
    Watch* const begin = pool_.get() + pool_used_;
    ends_[l.code] = std::copy(begins_[l.code], ends_[l.code], begin);
    begins_[l.code] = begin;
    caps_[l.code] = begin + capacity;
    live_ += capacity - old_capacity;
    pool_used_ += capacity;
}

// A watch copied whole from the arena needs its cells in clause order.
static_assert(sizeof(Watch) == 4 * sizeof(Lit) && offsetof(Watch, lit0) == sizeof(Lit) &&
              offsetof(Watch, lit1) == 2 * sizeof(Lit) && offsetof(Watch, lit2) == 3 * sizeof(Lit));

void Watches::fill(const ClauseDB& clauses, std::size_t first) {
    // The counts of small formulas on the stack, which spares an allocation
    // per call.
    constexpr std::size_t kStackLists = 1024;
    const std::size_t lists = begins_.size();
    std::uint32_t on_stack[kStackLists];
    std::vector<std::uint32_t> on_heap;
    std::uint32_t* counts = on_stack;
    if (lists <= kStackLists) {
        std::fill_n(on_stack, lists, 0);
    } else {
        on_heap.assign(lists, 0);
        counts = on_heap.data();
    }
    const std::size_t last = clauses.cells();
    for (std::size_t at = first; at < last;) {
        const std::span<const Lit> lits = clauses.lits(ClauseRef{static_cast<std::uint32_t>(at)});
        if (lits.size() >= 2) {
            ++counts[lits[0].code];
            ++counts[lits[1].code];
        }
        at += 1 + lits.size();
    }
    lay_out(counts);
    // Laid out with room for every entry counted: no list grows here.
    Watch** const ends = ends_.data();
    for (std::size_t at = first; at < last;) {
        const ClauseRef c{static_cast<std::uint32_t>(at)};
        const std::span<const Lit> lits = clauses.lits(c);
        if (lits.size() >= 2) {
            Watch w;
            if (lits.size() > 2) {
                // The header and the first three literals, as they lie in
                // the arena, with the reference in place of the header.
                std::memcpy(&w, lits.data() - 1, sizeof w);
                w.clause = c;
            } else {
                w = make_watch(c, lits);
            }
            *ends[lits[0].code]++ = w;
            *ends[lits[1].code]++ = w;
        }
        at += 1 + lits.size();
    }
}

Watches::PositionTable::Probe Watches::PositionTable::reset(std::size_t entries) {
    const auto bits = std::max(4u, static_cast<std::uint32_t>(std::bit_width(2 * entries)));
    const std::size_t size = std::size_t{1} << bits;
    if (cells_.size() < size) cells_.resize(size, Cell{kNone, kNone});
    if (used_.size() < entries) used_.resize(entries);
    return Probe(cells_.data(), used_.data(), bits);
}

void Watches::PositionTable::clear(const Probe& probe) {
    for (const std::uint32_t* u = used_.data(); u != probe.used_end_; ++u)
        cells_[*u] = Cell{kNone, kNone};
}

void Watches::restore_after_conflict(Lit l, std::size_t removed) {
    if (removed == 0) return;
    Watch* const list = begins_[l.code];
    const auto n = static_cast<std::uint32_t>(ends_[l.code] - list);
    const auto k = static_cast<std::uint32_t>(removed);
    if (2 * k <= n) {
        restore_separated(list, n, k);
        ends_[l.code] = list + (n - k);
    } else {
        ends_[l.code] = list + restore_general(list, n, k);
    }
}

// Step i removes the first occurrence of front entry i and fills the hole
// with the tail entry T_i = list[n-1-i]. While the front and the tail do not
// meet, that occurrence is slot i itself, unless the twin of entry i was an
// earlier tail entry T_t (t < i), which then sits in the hole of step t.
void Watches::restore_separated(Watch* list, std::uint32_t n, std::uint32_t k) {
    reserve_scratch(holes_, k);
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
    // A clause whose two entries are neighbours on one side has no twin on
    // the other: such pairs stay out of the table.
    PositionTable::Probe positions = positions_.reset(k);
    for (std::uint32_t t = 0; t < k; ++t) {
        if (t + 1 < k && list[n - 1 - t].clause == list[n - 2 - t].clause) {
            ++t;
            continue;
        }
        positions.at(list[n - 1 - t].clause) = t;
    }
    for (std::uint32_t i = 0; i < k; ++i) {
        if (i + 1 < k && list[i].clause == list[i + 1].clause) {
            holes_[i] = i;
            holes_[i + 1] = i + 1;
            ++i;
            continue;
        }
        const std::uint32_t t = positions.find(list[i].clause);
        holes_[i] = t < i ? holes_[t] : i;
    }
    positions_.clear(positions);
    for (std::uint32_t i = 0; i < k; ++i) list[holes_[i]] = list[n - 1 - i];
}

// The removals written out, with the positions of every clause in the list
// (a clause sits in exactly two watch slots overall, so at most twice here).
std::uint32_t Watches::restore_general(Watch* list, std::uint32_t n, std::uint32_t k) {
    if (n <= kShortList) {
        // A short list: each removal searched for from the front, the
        // clauses of the front entries taken before the swaps overwrite them.
        reserve_scratch(holes_, k);
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
    // the other entry of the same clause when the list holds it twice, else
    // the entry itself. Twins are mostly neighbours (a walk keeps a pair in
    // order and drops what lay between); the others are paired through the
    // table.
    reserve_scratch(twin_, n);
    reserve_scratch(pos_, n);
    reserve_scratch(at_, n);
    PositionTable::Probe positions = positions_.reset(n);
    for (std::uint32_t o = 0; o < n; ++o) {
        pos_[o] = at_[o] = o;
        if (o + 1 < n && list[o].clause == list[o + 1].clause) {
            twin_[o] = o + 1;
            twin_[o + 1] = o;
            ++o;
            pos_[o] = at_[o] = o;
            continue;
        }
        std::uint32_t& first = positions.at(list[o].clause);
        if (first == kNone) {
            first = o;
            twin_[o] = o;
        } else {
            twin_[o] = first;
            twin_[first] = o;
        }
    }
    positions_.clear(positions);
    std::uint32_t m = n;
    for (std::uint32_t i = 0; i < k; ++i) {
        // The first occurrence of the clause: entry i or its twin, whichever
        // is still there and placed first (a removed one is at kNone).
        const std::uint32_t t = twin_[i];
        const std::uint32_t o = pos_[t] < pos_[i] ? t : i;
        const std::uint32_t p = pos_[o];
        // The last entry fills the hole; when it is the removed one itself,
        // its place is cleared just after.
        --m;
        list[p] = list[m];
        const std::uint32_t moved = at_[m];
        at_[p] = moved;
        pos_[moved] = p;
        pos_[o] = kNone;
    }
    return m;
}

}  // namespace nemox::sat
