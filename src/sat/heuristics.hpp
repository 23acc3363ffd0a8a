#pragma once

#include <cstdint>
#include <vector>

namespace nemox::sat {

// Max-heap of variables by (activity, index): the top is the variable of
// highest activity, ties going to the highest index. Entries carry a copy of
// the activity so that comparisons stay inside the heap array. Assigned
// variables may linger in the heap; the solver skips them at the top.
class VarOrder {
  public:
    explicit VarOrder(const std::vector<double>& activity) : activity_(activity) {}

    // All of 0..n-1 at equal activity: descending indices already form a heap.
    void build_all(std::uint32_t n) {
        heap_.resize(n);
        pos_.resize(n);
        for (std::uint32_t i = 0; i < n; ++i) {
            heap_[i] = Entry{activity_[n - 1 - i], n - 1 - i};
            pos_[n - 1 - i] = i;
        }
    }
    bool empty() const { return heap_.empty(); }
    bool contains(std::uint32_t v) const { return pos_[v] != kAbsent; }

    void insert(std::uint32_t v) {
        if (contains(v)) return;
        heap_.push_back(Entry{activity_[v], v});
        sift_up(static_cast<std::uint32_t>(heap_.size() - 1));
    }
    // Activity of `v` has grown.
    void increased(std::uint32_t v) {
        if (!contains(v)) return;
        heap_[pos_[v]].activity = activity_[v];
        sift_up(pos_[v]);
    }
    std::uint32_t pop() {
        const std::uint32_t top = heap_[0].var;
        const Entry last = heap_.back();
        heap_.pop_back();
        pos_[top] = kAbsent;
        if (!heap_.empty()) sift_down(last);
        return top;
    }

  private:
    static constexpr std::uint32_t kAbsent = UINT32_MAX;

    struct Entry {
        double activity;
        std::uint32_t var;
    };

    static bool before(const Entry& a, const Entry& b) {
        return a.activity > b.activity || (a.activity == b.activity && a.var > b.var);
    }
    void sift_up(std::uint32_t i) {
        const Entry e = heap_[i];
        while (i > 0) {
            const std::uint32_t parent = (i - 1) / 2;
            if (!before(e, heap_[parent])) break;
            heap_[i] = heap_[parent];
            pos_[heap_[i].var] = i;
            i = parent;
        }
        heap_[i] = e;
        pos_[e.var] = i;
    }
    // Places `e` starting from the root: the hole left by the top goes down
    // along the larger children to a leaf (one comparison per level), then
    // `e` climbs back from there; it rarely climbs far, as it came from the
    // bottom. Keys are distinct, so this is the place plain sifting finds.
    void sift_down(const Entry e) {
        const auto n = static_cast<std::uint32_t>(heap_.size());
        std::uint32_t i = 0;
        for (;;) {
            std::uint32_t child = 2 * i + 1;
            if (child >= n) break;
            if (child + 1 < n && before(heap_[child + 1], heap_[child])) ++child;
            heap_[i] = heap_[child];
            pos_[heap_[i].var] = i;
            i = child;
        }
        heap_[i] = e;
        sift_up(i);
    }

    const std::vector<double>& activity_;
    std::vector<Entry> heap_;
    std::vector<std::uint32_t> pos_;
};

}  // namespace nemox::sat
