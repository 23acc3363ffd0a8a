#pragma once

#include <cstddef>
#include <limits>
#include <vector>

namespace nemox {

// One entry of an IndexedHeap: an index and the key it was last given.
template <class Key>
struct HeapEntry {
    Key key;
    std::size_t index;
};

// A binary heap of indexes 0..n-1 that knows where each one sits, so that an
// index whose key moved is repaired in O(log n) and can leave at any time.
// Each entry carries its key, so comparisons read no table of the caller's;
// the caller tells the heap when a key moves. `Before` orders two entries,
// the first on top.
template <class Key, class Before>
class IndexedHeap {
  public:
    using Entry = HeapEntry<Key>;

    // Empties the heap for indexes below n.
    void reset(std::size_t n) {
        heap_.clear();
        pos_.assign(n, kAbsent);
    }
    // Adds i out of order; `heapify` restores the order after a batch.
    void append(std::size_t i, Key key) {
        pos_[i] = heap_.size();
        heap_.push_back(Entry{key, i});
    }
    // In O(n) for the whole heap.
    void heapify() {
        for (std::size_t at = heap_.size() / 2; at-- > 0;) sift_down(at);
    }

    bool empty() const { return heap_.empty(); }
    std::size_t size() const { return heap_.size(); }
    std::size_t top() const { return heap_.front().index; }
    bool contains(std::size_t i) const { return pos_[i] != kAbsent; }

    void push(std::size_t i, Key key) {
        append(i, key);
        sift_up(heap_.size() - 1);
    }
    void remove(std::size_t i) {
        const std::size_t at = pos_[i];
        pos_[i] = kAbsent;
        const Entry last = heap_.back();
        heap_.pop_back();
        if (last.index == i) return;
        heap_[at] = last;
        pos_[last.index] = at;
        sift_up(at);
        sift_down(pos_[last.index]);
    }
    // The key of i, which is in the heap, moved either way.
    void update(std::size_t i, Key key) {
        const std::size_t at = pos_[i];
        const Entry old = heap_[at];
        heap_[at].key = key;
        if (before_(heap_[at], old)) {
            sift_up(at);
        } else {
            sift_down(at);
        }
    }

  private:
    static constexpr std::size_t kAbsent = std::numeric_limits<std::size_t>::max();

    void sift_up(std::size_t at) {
        const Entry e = heap_[at];
        while (at > 0) {
            const std::size_t parent = (at - 1) / 2;
            if (!before_(e, heap_[parent])) break;
            heap_[at] = heap_[parent];
            pos_[heap_[at].index] = at;
            at = parent;
        }
        heap_[at] = e;
        pos_[e.index] = at;
    }
    void sift_down(std::size_t at) {
        const Entry e = heap_[at];
        const std::size_t n = heap_.size();
        for (;;) {
            std::size_t child = 2 * at + 1;
            if (child >= n) break;
            if (child + 1 < n && before_(heap_[child + 1], heap_[child])) ++child;
            if (!before_(heap_[child], e)) break;
            heap_[at] = heap_[child];
            pos_[heap_[at].index] = at;
            at = child;
        }
        heap_[at] = e;
        pos_[e.index] = at;
    }

    [[no_unique_address]] Before before_;
    std::vector<Entry> heap_;
    std::vector<std::size_t> pos_;  // by index: where it sits, or kAbsent
};

}  // namespace nemox
