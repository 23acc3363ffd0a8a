#pragma once

#include <bit>
#include <cstdint>
#include <vector>

#include "sat/literal.hpp"

namespace nemox::sat {

// Max-heap of variables by (activity, index): the top is the variable of
// highest activity, ties going to the highest index. Entries carry a copy of
// the activity so that comparisons stay inside the heap array.
class VarHeap {
  public:
    explicit VarHeap(const std::vector<double>& activity) : activity_(activity) {}

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
    bool contains(Var v) const { return pos_[v.index] != kAbsent; }

    void insert(Var v) {
        if (contains(v)) return;
        heap_.push_back(Entry{activity_[v.index], v.index});
        sift_up(static_cast<std::uint32_t>(heap_.size() - 1));
    }
    // The activity of `v` has grown.
    void increased(Var v) {
        if (!contains(v)) return;
        heap_[pos_[v.index]].activity = activity_[v.index];
        sift_up(pos_[v.index]);
    }
    Var pop() {
        const std::uint32_t top = heap_[0].var;
        const Entry last = heap_.back();
        heap_.pop_back();
        pos_[top] = kAbsent;
        if (!heap_.empty()) sift_down(last);
        return Var{top};
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

// The decision order: the variable of highest activity among those waiting,
// ties to the highest index. Assigned variables may linger among the waiting
// ones; the solver skips them. Up to 64 variables the waiting ones are a bit
// set scanned at each pop, which costs less than keeping a heap in order
// through every bump and backjump; beyond that, a heap.
class VarOrder {
  public:
    explicit VarOrder(const std::vector<double>& activity) : activity_(activity), heap_(activity) {}

    void build_all(std::uint32_t n) {
        small_ = n <= 64;
        if (small_) {
            waiting_ = n == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << n) - 1;
            runner_up_ = kNoVar;
        } else {
            heap_.build_all(n);
        }
    }
    bool empty() const { return small_ ? waiting_ == 0 : heap_.empty(); }
    void insert(Var v) {
        if (small_) {
            waiting_ |= std::uint64_t{1} << v.index;
            runner_up_ = kNoVar;
        } else {
            heap_.insert(v);
        }
    }
    void increased(Var v) {
        if (small_) {
            runner_up_ = kNoVar;
        } else {
            heap_.increased(v);
        }
    }
    // `v` was assigned without a pop. The bit set drops it, so that a pop
    // need not skip it; the heap lets it linger.
    void assigned(Var v) {
        if (!small_) return;
        waiting_ &= ~(std::uint64_t{1} << v.index);
        if (runner_up_ == v.index) runner_up_ = kNoVar;
    }
    Var pop() {
        if (!small_) return heap_.pop();
        // Between two decisions without a conflict nothing but the first
        // decision changes, so the runner-up of the last scan comes next.
        if (runner_up_ != kNoVar) {
            const std::uint32_t v = runner_up_;
            runner_up_ = kNoVar;
            waiting_ &= ~(std::uint64_t{1} << v);
            return Var{v};
        }
        // The scan of the waiting variables in index order: a later one with
        // an activity at least as high takes over.
        std::uint64_t rest = waiting_;
        std::uint32_t best = static_cast<std::uint32_t>(std::countr_zero(rest));
        double best_activity = activity_[best];
        std::uint32_t second = kNoVar;
        double second_activity = 0;
        rest &= rest - 1;
        while (rest != 0) {
            const auto v = static_cast<std::uint32_t>(std::countr_zero(rest));
            rest &= rest - 1;
            const double a = activity_[v];
            if (a >= best_activity) {
                second = best;
                second_activity = best_activity;
                best = v;
                best_activity = a;
            } else if (second == kNoVar || a >= second_activity) {
                second = v;
                second_activity = a;
            }
        }
        waiting_ &= ~(std::uint64_t{1} << best);
        runner_up_ = second;
        return Var{best};
    }

  private:
    static constexpr std::uint32_t kNoVar = UINT32_MAX;

    const std::vector<double>& activity_;
    bool small_ = true;
    std::uint64_t waiting_ = 0;
    // The next pop's answer when nothing changed since the last scan.
    std::uint32_t runner_up_ = kNoVar;
    VarHeap heap_;
};

}  // namespace nemox::sat
