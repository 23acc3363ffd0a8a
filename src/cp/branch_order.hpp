#pragma once

#include <cstdint>
#include <vector>

#include "core/indexed_heap.hpp"
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
        heap_.reset(domains.size());
        for (VarIndex x = 0; x < domains.size(); ++x) {
            if (domains[x].lo < domains[x].hi) heap_.append(x, span(domains[x]));
        }
        heap_.heapify();
    }

    bool empty() const { return heap_.empty(); }
    VarIndex top() const { return heap_.top(); }

    // x's domain is now d, after any change.
    void sync(VarIndex x, const Domain& d) {
        if (d.lo >= d.hi) {
            if (heap_.contains(x)) heap_.remove(x);
        } else if (heap_.contains(x)) {
            heap_.update(x, span(d));
        } else {
            heap_.push(x, span(d));
        }
    }

  private:
    // hi - lo is the size minus one; as an unsigned number it is exact even
    // for the domain of all 2^64 values.
    static std::uint64_t span(const Domain& d) {
        return static_cast<std::uint64_t>(d.hi) - static_cast<std::uint64_t>(d.lo);
    }

    struct Smaller {
        bool operator()(const HeapEntry<std::uint64_t>& a,
                        const HeapEntry<std::uint64_t>& b) const {
            return a.key < b.key || (a.key == b.key && a.index < b.index);
        }
    };
    IndexedHeap<std::uint64_t, Smaller> heap_;
};

}  // namespace nemox::cp
