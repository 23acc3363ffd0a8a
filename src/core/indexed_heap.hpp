#pragma once

#include <cstddef>
#include <limits>
#include <vector>

namespace nemox {

// A binary heap of the indexes 0..n-1 that knows where each one sits, so that
// an index whose key moved is repaired in O(log n) and can leave at any time.
// `Less` orders two indexes by their current keys; the smallest is on top.
template <class Less>
class IndexedHeap {
  public:
    explicit IndexedHeap(Less less = Less()) : less_(less) {}

    // Empties the heap for indexes below n.
    void reset(std::size_t n) {
        heap_.clear();
        pos_.assign(n, kAbsent);
    }
    // Puts in every index for which `keep` holds, in O(n).
    template <class Keep>
    void fill(Keep keep) {
        for (std::size_t i = 0; i < pos_.size(); ++i) {
            if (keep(i)) {
                pos_[i] = heap_.size();
                heap_.push_back(i);
            }
        }
        for (std::size_t i = heap_.size() / 2; i-- > 0;) sift_down(i);
    }

    bool empty() const { return heap_.empty(); }
    std::size_t size() const { return heap_.size(); }
    std::size_t top() const { return heap_.front(); }
    bool contains(std::size_t i) const { return pos_[i] != kAbsent; }

    void push(std::size_t i) {
        pos_[i] = heap_.size();
        heap_.push_back(i);
        sift_up(pos_[i]);
    }
    void remove(std::size_t i) {
        const std::size_t at = pos_[i];
        pos_[i] = kAbsent;
        const std::size_t last = heap_.back();
        heap_.pop_back();
        if (last == i) return;
        heap_[at] = last;
        pos_[last] = at;
        sift_up(at);
        sift_down(pos_[last]);
    }
    // The key of i became smaller: it can only rise.
    void decreased(std::size_t i) { sift_up(pos_[i]); }
    // The key of i moved either way.
    void changed(std::size_t i) {
        sift_up(pos_[i]);
        sift_down(pos_[i]);
    }

  private:
    static constexpr std::size_t kAbsent = std::numeric_limits<std::size_t>::max();

    void sift_up(std::size_t at) {
        const std::size_t i = heap_[at];
        while (at > 0) {
            const std::size_t parent = (at - 1) / 2;
            if (!less_(i, heap_[parent])) break;
            heap_[at] = heap_[parent];
            pos_[heap_[at]] = at;
            at = parent;
        }
        heap_[at] = i;
        pos_[i] = at;
    }
    void sift_down(std::size_t at) {
        const std::size_t i = heap_[at];
        const std::size_t n = heap_.size();
        for (;;) {
            std::size_t child = 2 * at + 1;
            if (child >= n) break;
            if (child + 1 < n && less_(heap_[child + 1], heap_[child])) ++child;
            if (!less_(heap_[child], i)) break;
            heap_[at] = heap_[child];
            pos_[heap_[at]] = at;
            at = child;
        }
        heap_[at] = i;
        pos_[i] = at;
    }

    Less less_;
    std::vector<std::size_t> heap_;
    std::vector<std::size_t> pos_;
};

}  // namespace nemox
