#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "cp/model.hpp"

namespace nemox::cp {

// The unfixed variables by (hi - lo, index), smallest on top: the branching
// choice. Each entry keeps the key it was last synced with, so the heap stays
// sound while domains move under it; the solver syncs only the variables
// that changed, once per node that propagated without failure.
class BranchOrder {
  public:
    // Every variable with lo < hi.
    void reset(const std::vector<Domain>& domains) {
        heap_.clear();
        pos_.assign(domains.size(), kAbsent);
        for (VarIndex x = 0; x < domains.size(); ++x) {
            if (domains[x].lo >= domains[x].hi) continue;
            pos_[x] = heap_.size();
            heap_.push_back(Entry{span(domains[x]), x});
        }
        for (std::size_t i = heap_.size() / 2; i-- > 0;) sift_down(i);
    }

    bool empty() const { return heap_.empty(); }
    VarIndex top() const { return heap_.front().var; }

    // x's domain is now d, after any change.
    void sync(VarIndex x, const Domain& d) {
        const std::size_t at = pos_[x];
        if (d.lo >= d.hi) {
            if (at != kAbsent) remove(x);
            return;
        }
        const std::uint64_t key = span(d);
        if (at == kAbsent) {
            pos_[x] = heap_.size();
            heap_.push_back(Entry{key, x});
            sift_up(heap_.size() - 1);
            return;
        }
        const std::uint64_t before = heap_[at].span;
        if (key == before) return;
        heap_[at].span = key;
        if (key < before) {
            sift_up(at);
        } else {
            sift_down(at);
        }
    }

  private:
    static constexpr std::size_t kAbsent = std::numeric_limits<std::size_t>::max();

    // hi - lo is the size minus one; as an unsigned number it is exact even
    // for the domain of all 2^64 values.
    static std::uint64_t span(const Domain& d) {
        return static_cast<std::uint64_t>(d.hi) - static_cast<std::uint64_t>(d.lo);
    }

    struct Entry {
        std::uint64_t span;
        VarIndex var;
        bool operator<(const Entry& o) const {
            return span < o.span || (span == o.span && var < o.var);
        }
    };

    void remove(VarIndex x) {
        const std::size_t at = pos_[x];
        pos_[x] = kAbsent;
        const Entry last = heap_.back();
        heap_.pop_back();
        if (last.var == x) return;
        heap_[at] = last;
        pos_[last.var] = at;
        sift_up(at);
        sift_down(pos_[last.var]);
    }
    void sift_up(std::size_t at) {
        const Entry e = heap_[at];
        while (at > 0) {
            const std::size_t parent = (at - 1) / 2;
            if (!(e < heap_[parent])) break;
            heap_[at] = heap_[parent];
            pos_[heap_[at].var] = at;
            at = parent;
        }
        heap_[at] = e;
        pos_[e.var] = at;
    }
    void sift_down(std::size_t at) {
        const Entry e = heap_[at];
        const std::size_t n = heap_.size();
        for (;;) {
            std::size_t child = 2 * at + 1;
            if (child >= n) break;
            if (child + 1 < n && heap_[child + 1] < heap_[child]) ++child;
            if (!(heap_[child] < e)) break;
            heap_[at] = heap_[child];
            pos_[heap_[at].var] = at;
            at = child;
        }
        heap_[at] = e;
        pos_[e.var] = at;
    }

    std::vector<Entry> heap_;
    std::vector<std::size_t> pos_;  // by variable: where it sits, or kAbsent
};

}  // namespace nemox::cp
