#pragma once

#include <cstdint>
#include <vector>

namespace nemox::sat {

// Max-heap of variables by (activity, index): the top is the variable of
// highest activity, ties going to the highest index. Assigned variables may
// linger in the heap; the solver skips them when they reach the top.
class VarOrder {
  public:
    explicit VarOrder(const std::vector<double>& activity) : activity_(activity) {}

    // All of 0..n-1 at equal activity: descending indices already form a heap.
    void build_all(std::uint32_t n) {
        heap_.resize(n);
        pos_.resize(n);
        for (std::uint32_t i = 0; i < n; ++i) {
            heap_[i] = n - 1 - i;
            pos_[n - 1 - i] = i;
        }
    }
    bool empty() const { return heap_.empty(); }
    bool contains(std::uint32_t v) const { return pos_[v] != kAbsent; }

    void insert(std::uint32_t v) {
        if (contains(v)) return;
        pos_[v] = static_cast<std::uint32_t>(heap_.size());
        heap_.push_back(v);
        sift_up(pos_[v]);
    }
    // Activity of `v` has grown.
    void increased(std::uint32_t v) {
        if (contains(v)) sift_up(pos_[v]);
    }
    std::uint32_t pop() {
        const std::uint32_t top = heap_[0];
        const std::uint32_t last = heap_.back();
        heap_.pop_back();
        pos_[top] = kAbsent;
        if (!heap_.empty()) {
            heap_[0] = last;
            pos_[last] = 0;
            sift_down(0);
        }
        return top;
    }

  private:
    static constexpr std::uint32_t kAbsent = UINT32_MAX;

    bool before(std::uint32_t a, std::uint32_t b) const {
        const double aa = activity_[a];
        const double ab = activity_[b];
        return aa > ab || (aa == ab && a > b);
    }
    void sift_up(std::uint32_t i) {
        const std::uint32_t v = heap_[i];
        while (i > 0) {
            const std::uint32_t parent = (i - 1) / 2;
            if (!before(v, heap_[parent])) break;
            heap_[i] = heap_[parent];
            pos_[heap_[i]] = i;
            i = parent;
        }
        heap_[i] = v;
        pos_[v] = i;
    }
    void sift_down(std::uint32_t i) {
        const std::uint32_t v = heap_[i];
        const auto n = static_cast<std::uint32_t>(heap_.size());
        for (;;) {
            std::uint32_t child = 2 * i + 1;
            if (child >= n) break;
            if (child + 1 < n && before(heap_[child + 1], heap_[child])) ++child;
            if (!before(heap_[child], v)) break;
            heap_[i] = heap_[child];
            pos_[heap_[i]] = i;
            i = child;
        }
        heap_[i] = v;
        pos_[v] = i;
    }

    const std::vector<double>& activity_;
    std::vector<std::uint32_t> heap_;
    std::vector<std::uint32_t> pos_;
};

}  // namespace nemox::sat
