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

Watches::TailFilter Watches::TailFilterBits::reset(std::size_t entries) {
    // About 16 bits per entry, so that one front entry in 16 without a twin
    // passes; at most 8 MB, beyond which more entries just pass.
    const auto bits = std::clamp(static_cast<std::uint32_t>(std::bit_width(entries)) + 4, 6u, 26u);
    const std::size_t words = std::size_t{1} << (bits - 6);
    if (words_.size() < words) words_.resize(words);
    std::fill_n(words_.data(), words, 0);
    return TailFilter(words_.data(), bits);
}

void Watches::PositionTable::clear(const Probe& probe) {
    for (const std::uint32_t* u = used_.data(); u != probe.used_end_; ++u)
        cells_[*u] = Cell{kNone, kNone};
}

void Watches::restore(Lit l, std::uint32_t k) {
    Watch* const list = begins_[l.code];
    const auto n = static_cast<std::uint32_t>(ends_[l.code] - list);
    if (2 * k <= n) {
        restore_separated(list, n, k, k);
        ends_[l.code] = list + (n - k);
    } else {
        ends_[l.code] = list + restore_general(list, n, k);
    }
}

// Step i removes the first occurrence of front entry i and fills the hole
// with the tail entry T_i = list[n-1-i]. While the front and the tail do not
// meet, that occurrence is slot i itself, unless the twin of entry i was an
// earlier tail entry T_t (t < i), which then sits in the hole of step t.
// The front and the tail are disjoint, so a front entry has at most one twin
// in the tail. Entry i is still in place at step i (the holes so far lie
// before it), so each step is done as soon as its hole is known.
bool Watches::restore_separated(Watch* list, std::uint32_t n, std::uint32_t f, std::uint32_t k) {
    if (f <= kShortRestore && (k == f || n <= kShortList)) return separated_short(list, n, f, k);
    return separated_filtered(list, n, f, k);
}

// Few entries: the twins looked for directly. Apart from the table's path,
// whose frame would cost every short rebuild.
bool Watches::separated_short(Watch* list, std::uint32_t n, std::uint32_t f, std::uint32_t k) {
    const Watch* const tail = list + n - 1;  // T_t is *(tail - t)
    bool shared = false;
    for (std::uint32_t a = f; a < k; ++a) {
        const ClauseRef c = list[a].clause;
        for (const Watch* t = tail; t != tail - f; --t) {
            if (t->clause == c) {
                if (shared) return false;
                shared = true;
                break;
            }
        }
    }
    std::uint32_t holes[kShortRestore];
    for (std::uint32_t i = 0; i < f; ++i) {
        const ClauseRef c = list[i].clause;
        std::uint32_t hole = i;
        for (std::uint32_t t = 0; t < i; ++t) {
            if ((tail - t)->clause == c) {
                hole = holes[t];
                break;
            }
        }
        holes[i] = hole;
        list[hole] = *(tail - i);
    }
    return true;
}

bool Watches::separated_filtered(Watch* list, std::uint32_t n, std::uint32_t f, std::uint32_t k) {
    // The tail's clauses in a table, and in a bit filter that turns most
    // front entries, which have no twin there, away before the table. A
    // clause whose two entries are neighbours in the tail has no twin
    // elsewhere: such pairs stay out.
    TailFilter filter = tail_filter_.reset(f);
    PositionTable::Probe positions = positions_.reset(f);
    for (std::uint32_t t = 0; t < f; ++t) {
        const ClauseRef c = list[n - 1 - t].clause;
        if (t + 1 < f && c == list[n - 2 - t].clause) {
            ++t;
            continue;
        }
        filter.add(c);
        positions.at(c) = t;
    }
    bool shared = false;
    for (std::uint32_t a = f; a < k; ++a) {
        const ClauseRef c = list[a].clause;
        if (filter.may_hold(c) && positions.find(c) != kNone) {
            if (shared) {
                positions_.clear(positions);
                return false;
            }
            shared = true;
        }
    }
    reserve_scratch(holes_, f);
    std::uint32_t* const holes = holes_.data();
    for (std::uint32_t i = 0; i < f; ++i) {
        const ClauseRef c = list[i].clause;
        std::uint32_t hole = i;
        if (filter.may_hold(c)) {
            const std::uint32_t t = positions.find(c);
            if (t < i) hole = holes[t];
        }
        holes[i] = hole;
        list[hole] = list[n - 1 - i];
    }
    positions_.clear(positions);
    return true;
}

// More than half of the list goes; kept = n-k entries survive. The first
// kept removals are separated ones that move the survivors into the front.
// The removals after them take the entries in between, which then fill the
// rest of the list: unless one of their clauses also stands among the
// survivors, each is found behind the survivors and the survivors stay as
// they are. One such clause leaves them as they are too (its survivor's
// place is taken and given back within those removals). With two or more,
// the removals are written out, with the positions of every clause in the list
// (a clause sits in exactly two watch slots overall, so at most twice here).
std::uint32_t Watches::restore_general(Watch* list, std::uint32_t n, std::uint32_t k) {
    if (restore_separated(list, n, n - k, k)) return n - k;
    if (n <= kShortList) {
        // A short list: each removal searched for from the front, the
        // clauses of the front entries taken before the swaps overwrite them.
        std::uint32_t removed[kShortList];
        for (std::uint32_t i = 0; i < k; ++i) removed[i] = list[i].clause.offset;
        std::uint32_t m = n;
        for (std::uint32_t i = 0; i < k; ++i) {
            std::uint32_t p = 0;
            while (list[p].clause.offset != removed[i]) ++p;
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
