// The heap against a sorted set on random operations: the same top after each.

#include "core/indexed_heap.hpp"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>
#include <vector>

namespace nemox {
namespace {

struct ByKey {
    bool operator()(const HeapEntry<int>& a, const HeapEntry<int>& b) const {
        return a.key < b.key || (a.key == b.key && a.index < b.index);
    }
};

TEST(IndexedHeap, TopIsTheLeastKeyAfterEveryOperation) {
    for (const std::size_t n : {1u, 2u, 7u, 64u}) {
        std::mt19937 rng(static_cast<unsigned>(n));
        std::vector<int> keys(n);
        for (int& k : keys) k = static_cast<int>(rng() % 20);
        IndexedHeap<int, ByKey> heap;
        heap.reset(n);
        for (std::size_t i = 0; i < n; ++i) {
            if (i % 3 != 0) heap.append(i, keys[i]);
        }
        heap.heapify();
        std::set<std::pair<int, std::size_t>> model;
        for (std::size_t i = 0; i < n; ++i) {
            if (i % 3 != 0) model.emplace(keys[i], i);
        }
        for (int step = 0; step < 4000; ++step) {
            const std::size_t i = rng() % n;
            if (!heap.contains(i)) {
                heap.push(i, keys[i]);
                model.emplace(keys[i], i);
            } else if (rng() % 4 == 0) {
                heap.remove(i);
                model.erase({keys[i], i});
            } else {
                model.erase({keys[i], i});
                const bool down = rng() % 2 == 0;
                keys[i] += down ? -static_cast<int>(rng() % 5) : static_cast<int>(rng() % 5);
                model.emplace(keys[i], i);
                heap.update(i, keys[i]);
            }
            ASSERT_EQ(heap.size(), model.size());
            if (!model.empty()) {
                ASSERT_EQ(heap.top(), model.begin()->second) << "n " << n << " step " << step;
            }
            for (std::size_t j = 0; j < n; ++j) {
                ASSERT_EQ(heap.contains(j), model.count({keys[j], j}) == 1);
            }
        }
    }
}

}  // namespace
}  // namespace nemox
