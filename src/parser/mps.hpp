#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/assignment.hpp"
#include "core/expected.hpp"
#include "core/interrupt.hpp"
#include "linear/big_rational.hpp"
#include "linear/system.hpp"

namespace nemox::parser {

// Fixed MPS reads fields by column position (names may hold blanks); free
// MPS splits at blanks. A text that fails as free MPS but reads as fixed is
// taken as fixed, as the files in circulation expect.
enum class MpsFormat { Free, Fixed };

// The model as the file states it, kept to check answers against the file
// rather than against its rewritten system. Infinite bounds mean none.
struct MpsRow {
    std::string name;
    char type = 'E';  // 'E', 'L', 'G'
    double rhs = 0;
    std::optional<double> range;
};
struct MpsFileColumn {
    std::vector<std::pair<std::size_t, double>> entries;  // (row, value), value nonzero
    double cost = 0;
    double lower = 0;
    double upper = 0;
    bool is_integer = false;
};
struct MpsFile {
    bool maximize = false;
    bool has_objective = false;
    double objective_rhs = 0;
    std::vector<MpsRow> rows;
    std::vector<MpsFileColumn> columns;
};

// Where a column of the file went in the system: x = shift + x[var] -
// x[negative], or x = shift - x[var] when `reflected`.
struct MpsColumn {
    std::string name;
    std::uint64_t var = 0;
    std::optional<std::uint64_t> negative;  // free below: split into two parts
    double shift = 0;  // a negative lower bound moved to 0, or where a reflected column starts
    // An integer column bounded above only, counted down from its upper
    // bound: two integer parts of a split would leave branch and bound an
    // endless ray of equal differences.
    bool reflected = false;
    bool is_integer = false;
};

// An MPS model as a linear system of non-negative variables, built as the
// LP text would state it: one variable per column in file order, then the
// negative parts of the columns without a lower bound; the constraint rows
// in file order (a ranged row as its lower side, then its upper side); then
// the bounds as rows, column by column. Every number enters as from_f64 of
// the double the text denotes. The objective's constant is minus the
// right-hand side of the objective row, plus what the shifts move into it.
// An integer column's shift is rounded to an integer, so that its values
// stay integral; the fraction left over is a bound row.
struct MpsModel {
    std::string name;
    linear::ExactSystem system;
    std::vector<MpsColumn> columns;
    MpsFile file;
    std::size_t rows = 0;      // constraint rows of the file (objective excluded)
    std::size_t nonzeros = 0;  // constraint entries of the file
};

// Reads an MPS text; a malformed one gives a message starting "line N: "
// (the free reading's, when the fixed one fails too). Bound values that are
// infinite or 1e30 or more in magnitude mean no bound; an infinite or NaN
// value anywhere else is malformed. An upper bound below zero on a column
// whose lower bound is still the default 0 makes the column free below, as
// in the original format's readers. Polls `interrupt` as it goes.
Expected<MpsModel> read_mps(std::string_view text, MpsFormat format = MpsFormat::Free,
                            Interrupt interrupt = Interrupt());

// The exact values of the file's columns, in column order, from a solution
// of the model's system: `exact[i]` is the value of `solution[i]`.
std::vector<linear::BigRational> column_values(const MpsModel& model, const Assignment& solution,
                                               std::span<const linear::BigRational> exact);

}  // namespace nemox::parser
