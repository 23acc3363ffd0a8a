#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/assignment.hpp"
#include "core/expected.hpp"
#include "linear/system.hpp"

namespace nemox::parser {

// Fixed MPS reads fields by column position (names may hold blanks); free
// MPS splits at blanks.
enum class MpsFormat { Free, Fixed };

// Where a column of the file went in the system: x = shift + x[var] - x[negative].
struct MpsColumn {
    std::string name;
    std::uint64_t var = 0;
    std::optional<std::uint64_t> negative;  // free below: split into two parts
    double shift = 0;                       // a negative lower bound, moved to 0
    bool is_integer = false;
};

// An MPS model as a linear system of non-negative variables, built as the
// LP text would state it: one variable per column in file order, then the
// negative parts of the columns without a lower bound; the constraint rows
// in file order (a ranged row as its lower side, then its upper side); then
// the bounds as rows, column by column. Every number enters as from_f64 of
// the double the text denotes. The objective's constant is minus the
// right-hand side of the objective row, plus what the shifts move into it.
struct MpsModel {
    std::string name;
    linear::ExactSystem system;
    std::vector<MpsColumn> columns;
    std::size_t rows = 0;      // constraint rows of the file (objective excluded)
    std::size_t nonzeros = 0;  // constraint entries of the file
};

// Reads an MPS text; a malformed one gives a message starting "line N: ".
// Bound values of 1e30 or more in magnitude mean no bound; an upper bound
// below zero on a column whose lower bound is still the default 0 makes the
// column free below, as in the original format's readers.
Expected<MpsModel> read_mps(std::string_view text, MpsFormat format = MpsFormat::Free);

// The values of the file's columns from a solution of the model's system,
// as (column index, value) pairs in column order.
Assignment column_values(const MpsModel& model, const Assignment& solution);

}  // namespace nemox::parser
