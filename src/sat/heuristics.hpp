#pragma once

#include <bit>
#include <cstdint>
#include <vector>

#include "core/failure.hpp"
#include "core/indexed_heap.hpp"
#include "sat/literal.hpp"

namespace nemox::sat {

// The waiting variables by (activity, index): the top is the variable of
// highest activity, ties going to the highest index. A waiting variable's
// activity never moves (see VarOrder), so the key it joined with stays true.
class VarHeap {
  public:
    explicit VarHeap(const std::vector<double>& activity) : activity_(activity) {}

    void build_all(std::uint32_t n) {
        heap_.reset(n);
        for (std::uint32_t v = 0; v < n; ++v) heap_.append(v, activity_[v]);
        heap_.heapify();
    }
    bool empty() const { return heap_.empty(); }
    bool contains(Var v) const { return heap_.contains(v.index); }
    void insert(Var v) {
        if (!heap_.contains(v.index)) heap_.push(v.index, activity_[v.index]);
    }
    void remove(Var v) {
        if (heap_.contains(v.index)) heap_.remove(v.index);
    }
    Var pop() {
        const auto top = static_cast<std::uint32_t>(heap_.top());
        heap_.remove(top);
        return Var{top};
    }

  private:
    struct MoreActive {
        bool operator()(const HeapEntry<double>& a, const HeapEntry<double>& b) const {
            return a.key > b.key || (a.key == b.key && a.index > b.index);
        }
    };
    const std::vector<double>& activity_;
    IndexedHeap<double, MoreActive> heap_;
};

// The decision order: the variable of highest activity among those waiting,
// ties to the highest index. The waiting variables are the unassigned ones,
// and only assigned variables have their activity raised (conflict analysis
// bumps the variables of falsified clauses), so the order never reorders a
// waiting variable: one rejoins it through `insert`. Up to 64 variables the waiting ones are a bit
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
    // `v` was assigned without a pop: it leaves the order.
    void assigned(Var v) {
        if (!small_) {
            heap_.remove(v);
            return;
        }
        waiting_ &= ~(std::uint64_t{1} << v.index);
        if (runner_up_ == v.index) runner_up_ = kNoVar;
    }
    // Not empty.
    Var pop() {
        if (empty()) throw InternalFailure("no unassigned variable to decide");
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
        // Below every activity, so that the first variable after `best` is
        // the runner-up until a better one comes.
        std::uint32_t second = kNoVar;
        double second_activity = -1;
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
            } else if (a >= second_activity) {
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
