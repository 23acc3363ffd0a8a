#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "core/indexed_heap.hpp"
#include "sat/literal.hpp"

namespace nemox::sat {

// The waiting variables by (activity, index): the top is the variable of
// highest activity, ties going to the highest index. A waiting variable's
// activity never moves (see VarOrder), so the key it joined with stays true.
class VarHeap {
  public:
    void reset(std::uint32_t n) { heap_.reset(n); }
    // Before the search, in any order; `ready` puts them in order.
    void add(Var v, double activity) { heap_.append(v.index, activity); }
    void ready() { heap_.heapify(); }
    bool empty() const { return heap_.empty(); }
    void insert(Var v, double activity) {
        if (!heap_.contains(v.index)) heap_.push(v.index, activity);
    }
    // The variables of `first`..`last` but `skip`, with their activities.
    template <class Activity>
    void insert_all(const Lit* first, const Lit* last, Var skip, const Activity& activity) {
        for (const Lit* p = first; p != last; ++p) {
            if (p->var() != skip) insert(p->var(), activity(p->var()));
        }
    }
    // Not empty.
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
    IndexedHeap<double, MoreActive> heap_;
};

// Up to 64 waiting variables kept sorted, the next decision last. Between
// two conflicts only decisions assign, so the decisions after a conflict are
// pops from the end; the variables a backjump frees are sorted back in, and
// they go in near the end, since the variables just bumped are the most
// active ones.
class SortedOrder {
  public:
    static constexpr std::uint32_t kCapacity = 64;

    SortedOrder() = default;
    // The end of the waiting variables points into the array: a copy takes
    // its own.
    SortedOrder(const SortedOrder& other)
        : entries_(other.entries_), top_(entries_.data() + other.top_offset()) {}
    SortedOrder& operator=(const SortedOrder& other) {
        entries_ = other.entries_;
        top_ = entries_.data() + other.top_offset();
        return *this;
    }

    void reset() { top_ = entries_.data() + 1; }
    bool empty() const { return top_ == entries_.data() + 1; }
    // Not held, and not beyond the capacity.
    void insert(Var v, double activity) { top_ = insert_below(top_, v, activity); }
    // The variables of `first`..`last` but `skip`, none held, with their
    // activities, the latest first: the decisions among them come back in
    // the order they were taken, so each goes in above those after it.
    template <class Activity>
    void insert_all(const Lit* first, const Lit* last, Var skip, const Activity& activity) {
        // The end in a local, which the stores into the array cannot reach.
        Entry* top = top_;
        for (const Lit* p = last; p != first;) {
            const Var v = (--p)->var();
            if (v != skip) top = insert_below(top, v, activity(v));
        }
        top_ = top;
    }
    // Not empty.
    Var pop() { return Var{(--top_)->var}; }

  private:
    struct Entry {
        std::uint64_t key;
        std::uint32_t var;
    };
    // Inserts into the entries below `top`, returning the new end.
    static Entry* insert_below(Entry* top, Var v, double activity) {
        // Activities are never negative, and the bits of non-negative doubles
        // (+inf included) order as the doubles do; the index breaks ties.
        const Entry e{std::bit_cast<std::uint64_t>(activity), v.index};
        Entry* at = top;
        while (before(e, at[-1])) {
            at[0] = at[-1];
            --at;
        }
        *at = e;
        return top + 1;
    }
    std::size_t top_offset() const { return static_cast<std::size_t>(top_ - entries_.data()); }
    // Whether `a` is decided after `b`.
    static bool before(const Entry& a, const Entry& b) {
        return a.key < b.key || (a.key == b.key && a.var < b.var);
    }

    // From the second entry on, the waiting variables, the next decision
    // last. The first entry is decided after no other, so that an insertion
    // stops there without counting.
    std::array<Entry, kCapacity + 1> entries_{};
    Entry* top_ = entries_.data() + 1;  // after the last waiting variable
};

// The decision order: the variable of highest activity among those waiting,
// ties to the highest index. The waiting variables are the unassigned ones,
// and only assigned variables have their activity raised (conflict analysis
// bumps the variables of falsified clauses), so the order never reorders a
// waiting variable: one rejoins it through `insert_all` with its activity of
// the moment. Up to 64 variables a sorted array, beyond that a heap.
class VarOrder {
  public:
    // Empty, for variables 0..n-1.
    void reset(std::uint32_t n) {
        small_ = n <= SortedOrder::kCapacity;
        if (small_) {
            sorted_.reset();
        } else {
            heap_.reset(n);
        }
    }
    // Before the search, each variable at most once; then `ready`.
    void add(Var v, double activity) {
        if (small_) {
            sorted_.insert(v, activity);
        } else {
            heap_.add(v, activity);
        }
    }
    void ready() {
        if (!small_) heap_.ready();
    }
    bool empty() const { return small_ ? sorted_.empty() : heap_.empty(); }
    // The form in use, which the search calls directly, so as not to choose
    // at every call: the sorted array when `small()`, else the heap. Both
    // take the variables that a backjump frees through `insert_all` and
    // give the next decision through `pop`.
    bool small() const { return small_; }
    SortedOrder& sorted() { return sorted_; }
    VarHeap& heap() { return heap_; }

  private:
    bool small_ = true;
    SortedOrder sorted_;
    VarHeap heap_;
};

}  // namespace nemox::sat
