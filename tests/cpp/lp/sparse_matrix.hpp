#pragma once

// A sparse matrix built column by column from dense integer columns, as the
// factorization and the p-adic solver read it.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "linear/big_rational.hpp"
#include "lp/factorization.hpp"

namespace nemox::lp::fixtures {

struct Matrix {
    std::vector<std::size_t> start{0};
    std::vector<std::size_t> rows;
    std::vector<linear::BigInt> values;

    SparseColumns columns() const { return {start, rows, values}; }
    // Braced lists of small numbers come here; other integer vectors below.
    void add_column(const std::vector<linear::BigInt>& dense) { add_column<linear::BigInt>(dense); }
    template <class T>
    void add_column(const std::vector<T>& dense) {
        for (std::size_t i = 0; i < dense.size(); ++i) {
            if (dense[i] == T{}) continue;
            rows.push_back(i);
            values.emplace_back(dense[i]);
        }
        start.push_back(rows.size());
    }
    linear::BigRational entry(std::size_t row, std::size_t col) const {
        for (std::size_t k = start[col]; k < start[col + 1]; ++k) {
            if (rows[k] == row) return linear::BigRational(values[k], linear::BigInt(1));
        }
        return linear::BigRational();
    }
};

}  // namespace nemox::lp::fixtures
