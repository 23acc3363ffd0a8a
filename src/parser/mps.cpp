#include "parser/mps.hpp"

#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "parser/lp_format.hpp"

namespace nemox::parser {

namespace {

using linear::CmpOp;
using linear::LinearConstraintT;
using linear::LinearExprT;
using linear::LinearSystemT;
using linear::Sense;

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kInfiniteBound = 1e30;

// The file read into rows and columns of doubles, before any conversion.
struct Raw {
    std::string name;
    std::optional<std::string> objective;
    MpsFile file;
    std::unordered_map<std::string, std::size_t> row_index;
    std::unordered_map<std::string, std::size_t> column_index;
    std::vector<std::string> column_names;
    std::size_t nonzeros = 0;
};

class Failure {
  public:
    explicit Failure(std::string message, std::optional<std::uint64_t> line = std::nullopt)
        : error{std::move(message), line} {}
    ReadError error;
};

std::string_view trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> split_blanks(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

// Fields 1 to 6 of fixed MPS: columns 2-3, 5-12, 15-22, 25-36, 40-47, 50-61.
std::vector<std::string_view> fixed_fields(std::string_view line) {
    static constexpr std::size_t start[6] = {1, 4, 14, 24, 39, 49};
    static constexpr std::size_t width[6] = {2, 8, 8, 12, 8, 12};
    std::vector<std::string_view> out(6);
    for (int f = 0; f < 6; ++f) {
        if (line.size() > start[f]) out[f] = trim(line.substr(start[f], width[f]));
    }
    return out;
}

class Reader {
  public:
    Reader(std::string_view text, MpsFormat format, Interrupt& interrupt)
        : text_(text), format_(format), interrupt_(interrupt) {}

    Raw read() {
        enum class Section { None, Rows, Columns, Rhs, Ranges, Bounds, Objsense, End };
        Section section = Section::None;
        std::size_t pos = 0;
        while (pos < text_.size() && section != Section::End) {
            std::size_t eol = text_.find('\n', pos);
            if (eol == std::string_view::npos) eol = text_.size();
            std::string_view line = text_.substr(pos, eol - pos);
            interrupt_.poll(static_cast<std::int64_t>(eol - pos) + 1);
            pos = eol + 1;
            ++line_;
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            if (trim(line).empty() || line.front() == '*') continue;
            if (line.front() != ' ' && line.front() != '\t') {
                const auto words = split_blanks(line);
                const std::string_view head = words[0];
                if (head == "NAME") {
                    raw_.name = words.size() > 1 ? std::string(trim(line.substr(4))) : "";
                    section = Section::None;
                } else if (head == "ROWS") {
                    section = Section::Rows;
                } else if (head == "COLUMNS") {
                    section = Section::Columns;
                } else if (head == "RHS") {
                    section = Section::Rhs;
                } else if (head == "RANGES") {
                    section = Section::Ranges;
                } else if (head == "BOUNDS") {
                    section = Section::Bounds;
                } else if (head == "OBJSENSE") {
                    section = Section::Objsense;
                    if (words.size() > 1) sense(words[1]);
                } else if (head == "ENDATA") {
                    section = Section::End;
                } else {
                    fail("unknown section " + std::string(head));
                }
                continue;
            }
            switch (section) {
                case Section::None:
                    fail("data outside a section");
                case Section::Rows:
                    row_line(line);
                    break;
                case Section::Columns:
                    column_line(line);
                    break;
                case Section::Rhs:
                    value_line(line, false);
                    break;
                case Section::Ranges:
                    value_line(line, true);
                    break;
                case Section::Bounds:
                    bound_line(line);
                    break;
                case Section::Objsense: {
                    const auto words = split_blanks(line);
                    if (words.size() != 1) fail("bad objective sense");
                    sense(words[0]);
                    break;
                }
                case Section::End:
                    break;
            }
        }
        if (section != Section::End) throw Failure("missing ENDATA");
        return std::move(raw_);
    }

  private:
    [[noreturn]] void fail(const std::string& message) const {
        throw Failure("line " + std::to_string(line_) + ": " + message, line_);
    }

    std::vector<std::string_view> fields(std::string_view line) const {
        return format_ == MpsFormat::Free ? split_blanks(line) : fixed_fields(line);
    }

    // The words inf, infinity and nan in any case, or what the LP text reads.
    static std::optional<double> any_number(std::string_view text) {
        std::string_view body = text;
        const bool negative = !body.empty() && body.front() == '-';
        if (!body.empty() && (body.front() == '-' || body.front() == '+')) body.remove_prefix(1);
        const auto is = [body](std::string_view word) {
            if (body.size() != word.size()) return false;
            for (std::size_t i = 0; i < word.size(); ++i) {
                if ((body[i] | 0x20) != word[i]) return false;
            }
            return true;
        };
        if (is("inf") || is("infinity")) return negative ? -kInfinity : kInfinity;
        if (is("nan")) return std::numeric_limits<double>::quiet_NaN();
        return parse_lp_number(text);
    }

    // Outside BOUNDS a value must be finite: a saturated infinity would be a
    // problem nobody wrote.
    double number(std::string_view text) const {
        const auto v = any_number(text);
        if (!v || !std::isfinite(*v)) fail("bad number " + std::string(text));
        return *v;
    }

    void sense(std::string_view word) {
        if (word == "MAX" || word == "MAXIMIZE") {
            raw_.file.maximize = true;
        } else if (word == "MIN" || word == "MINIMIZE") {
            raw_.file.maximize = false;
        } else {
            fail("bad objective sense " + std::string(word));
        }
    }

    void row_line(std::string_view line) {
        std::string_view type, name;
        if (format_ == MpsFormat::Free) {
            const auto w = split_blanks(line);
            if (w.size() != 2) fail("a row needs a type and a name");
            type = w[0];
            name = w[1];
        } else {
            const auto f = fixed_fields(line);
            type = f[0];
            name = f[1];
            if (name.empty()) fail("a row needs a type and a name");
        }
        const std::string key(name);
        if (raw_.row_index.contains(key) || (raw_.objective && *raw_.objective == key) ||
            free_rows_.contains(key))
            fail("duplicate row " + key);
        if (type == "N") {
            if (!raw_.objective) {
                raw_.objective = key;
                raw_.file.has_objective = true;
            } else {
                free_rows_[key] = 1;  // further objective rows are ignored
            }
            return;
        }
        if (type != "E" && type != "L" && type != "G") fail("bad row type " + std::string(type));
        raw_.row_index.emplace(key, raw_.file.rows.size());
        raw_.file.rows.push_back({key, type[0], 0, std::nullopt});
        row_stamp_.push_back(kNoColumn);
    }

    // (row name, value) pairs of a COLUMNS, RHS or RANGES line after its
    // leading name; free lines give the leading name when their count is odd.
    struct Pairs {
        std::string_view lead;
        std::vector<std::pair<std::string_view, std::string_view>> pairs;
    };
    Pairs pairs(std::string_view line, bool lead_optional) const {
        Pairs out;
        const auto f = fields(line);
        if (format_ == MpsFormat::Fixed) {
            out.lead = f[1];
            if (!f[2].empty()) out.pairs.emplace_back(f[2], f[3]);
            if (!f[4].empty()) out.pairs.emplace_back(f[4], f[5]);
            if (out.pairs.empty()) fail("missing entries");
            for (const auto& [r, v] : out.pairs) {
                if (v.empty()) fail("missing value for " + std::string(r));
            }
            return out;
        }
        std::size_t k = 0;
        if (f.size() % 2 == 1) {
            out.lead = f[0];
            k = 1;
        } else if (!lead_optional) {
            fail("wrong number of fields");
        }
        if (f.size() - k < 2 || f.size() - k > 4) fail("wrong number of fields");
        for (; k + 1 < f.size(); k += 2) out.pairs.emplace_back(f[k], f[k + 1]);
        return out;
    }

    void column_line(std::string_view line) {
        const auto f = fields(line);
        const bool marker = format_ == MpsFormat::Free ? (f.size() >= 3 && f[1] == "'MARKER'")
                                                       : (f[2] == "'MARKER'");
        if (marker) {
            const std::string_view kind = format_ == MpsFormat::Free ? f[2] : f[4];
            if (kind == "'INTORG'") {
                integer_ = true;
            } else if (kind == "'INTEND'") {
                integer_ = false;
            } else {
                fail("bad marker " + std::string(kind));
            }
            return;
        }
        const Pairs p = pairs(line, false);
        const std::string name(p.lead);
        if (name.empty()) fail("a column needs a name");
        auto [it, added] = raw_.column_index.emplace(name, raw_.file.columns.size());
        const std::size_t j = it->second;
        if (added) {
            raw_.file.columns.push_back({{}, 0, 0, kInfinity, integer_});
            raw_.column_names.push_back(name);
            lower_set_.push_back(false);
            cost_set_.push_back(false);
        } else if (j != current_column_ && !reopened_.contains(j)) {
            // The row stamps only hold for the column being read: a column
            // met again later keeps its rows in a set.
            auto& rows = reopened_[j];
            for (const auto& e : raw_.file.columns[j].entries) rows.insert(e.first);
        }
        current_column_ = j;
        MpsFileColumn& col = raw_.file.columns[j];
        const auto second = [&](const std::string& row) {
            fail("second entry of column " + name + " in row " + row);
        };
        for (const auto& [row, text] : p.pairs) {
            const double v = number(text);
            const std::string key(row);
            if (raw_.objective && key == *raw_.objective) {
                if (cost_set_[j]) second(key);
                cost_set_[j] = true;
                col.cost = v;
                continue;
            }
            if (free_rows_.contains(key)) continue;
            const auto r = raw_.row_index.find(key);
            if (r == raw_.row_index.end()) fail("unknown row " + key);
            const auto reopened = reopened_.find(j);
            if (reopened != reopened_.end() ? !reopened->second.insert(r->second).second
                                            : row_stamp_[r->second] == j)
                second(key);
            row_stamp_[r->second] = j;
            if (v != 0) {
                col.entries.emplace_back(r->second, v);
                ++raw_.nonzeros;
            }
        }
    }

    // The first set named in a section is used; the others are skipped.
    bool first_set(std::optional<std::string>& set, std::string_view name) {
        if (!set) set = std::string(name);
        return *set == name;
    }

    void value_line(std::string_view line, bool ranges) {
        const Pairs p = pairs(line, true);
        if (!first_set(ranges ? range_set_ : rhs_set_, p.lead)) return;
        for (const auto& [row, text] : p.pairs) {
            const double v = number(text);
            const std::string key(row);
            if (raw_.objective && key == *raw_.objective) {
                if (ranges) fail("a range on the objective row");
                raw_.file.objective_rhs = v;
                continue;
            }
            if (free_rows_.contains(key)) continue;
            const auto r = raw_.row_index.find(key);
            if (r == raw_.row_index.end()) fail("unknown row " + key);
            if (ranges) {
                raw_.file.rows[r->second].range = v;
            } else {
                raw_.file.rows[r->second].rhs = v;
            }
        }
    }

    void bound_line(std::string_view line) {
        const auto f = fields(line);
        std::string_view type, set, column, value;
        if (format_ == MpsFormat::Fixed) {
            type = f[0];
            set = f[1];
            column = f[2];
            value = f[3];
        } else {
            if (f.size() < 2 || f.size() > 4) fail("wrong number of fields");
            type = f[0];
            const bool needs_value = type != "FR" && type != "MI" && type != "PL" && type != "BV";
            // Without a set name: type, column[, value].
            const bool has_set =
                f.size() == 4 || (!needs_value && f.size() == 3 &&
                                  !(type == "BV" && raw_.column_index.contains(std::string(f[1]))));
            std::size_t k = 1;
            if (has_set) set = f[k++];
            if (k < f.size()) column = f[k++];
            if (k < f.size()) value = f[k++];
        }
        if (!first_set(bound_set_, set)) return;
        const auto it = raw_.column_index.find(std::string(column));
        if (it == raw_.column_index.end()) fail("unknown column " + std::string(column));
        MpsFileColumn& col = raw_.file.columns[it->second];
        std::vector<bool>::reference lower_set = lower_set_[it->second];
        const auto bound = [&]() {
            if (value.empty()) fail("missing bound value");
            const auto v = any_number(value);
            if (!v || std::isnan(*v)) fail("bad number " + std::string(value));
            return *v >= kInfiniteBound ? kInfinity : *v <= -kInfiniteBound ? -kInfinity : *v;
        };
        if (type == "UP" || type == "UI") {
            col.upper = bound();
            if (col.upper < 0 && !lower_set && col.lower == 0) col.lower = -kInfinity;
            col.is_integer = col.is_integer || type == "UI";
        } else if (type == "LO" || type == "LI") {
            col.lower = bound();
            lower_set = true;
            col.is_integer = col.is_integer || type == "LI";
        } else if (type == "FX") {
            col.lower = col.upper = bound();
            lower_set = true;
        } else if (type == "FR") {
            col.lower = -kInfinity;
            col.upper = kInfinity;
            lower_set = true;
        } else if (type == "MI") {
            col.lower = -kInfinity;
            lower_set = true;
        } else if (type == "PL") {
            col.upper = kInfinity;
        } else if (type == "BV") {
            col.lower = 0;
            col.upper = 1;
            lower_set = true;
            col.is_integer = true;
        } else {
            fail("bad bound type " + std::string(type));
        }
        if (std::isinf(col.lower) && col.lower > 0) fail("lower bound of +infinity");
        if (std::isinf(col.upper) && col.upper < 0) fail("upper bound of -infinity");
    }

    static constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

    std::string_view text_;
    MpsFormat format_;
    Interrupt& interrupt_;
    std::uint64_t line_ = 0;
    bool integer_ = false;
    Raw raw_;
    std::unordered_map<std::string, char> free_rows_;
    // By column: a LO, LI, FX, FR, MI or BV bound has set the lower bound;
    // an objective entry was read.
    std::vector<bool> lower_set_, cost_set_;
    // By row: the last column with an entry in it, so that a second entry
    // of the column being read is found in constant time.
    std::vector<std::size_t> row_stamp_;
    std::size_t current_column_ = kNoColumn;
    std::unordered_map<std::size_t, std::unordered_set<std::size_t>> reopened_;
    std::optional<std::string> rhs_set_, range_set_, bound_set_;
};

template <class N>
N exact(double v) {
    return N::from_f64(v);
}

template <class N>
class Builder {
  public:
    Builder(const Raw& raw, Interrupt& interrupt)
        : raw_(raw), file_(raw.file), interrupt_(interrupt) {}

    LinearSystemT<N> build(std::vector<MpsColumn>& columns) {
        columns.clear();
        for (std::size_t j = 0; j < file_.columns.size(); ++j) {
            const MpsFileColumn& c = file_.columns[j];
            const std::uint64_t v = system_.new_variable();
            MpsColumn out{raw_.column_names[j], v, std::nullopt, 0, false, c.is_integer};
            if (std::isinf(c.lower) && c.is_integer && !std::isinf(c.upper)) {
                out.reflected = true;
                out.shift = std::ceil(c.upper);
            } else if (std::isinf(c.lower)) {
                out.negative = 0;  // numbered below, after every column
            } else if (c.lower < 0) {
                out.shift = c.is_integer ? std::floor(c.lower) : c.lower;
            }
            columns.push_back(std::move(out));
        }
        for (MpsColumn& c : columns) {
            if (c.negative) c.negative = system_.new_variable();
            if (c.is_integer) {
                system_.mark_integer(c.var);
                if (c.negative) system_.mark_integer(*c.negative);
            }
        }
        objective(columns);
        for (std::size_t r = 0; r < file_.rows.size(); ++r) constraint_rows(r, columns);
        for (std::size_t j = 0; j < columns.size(); ++j) bound_rows(file_.columns[j], columns[j]);
        return std::move(system_);
    }

  private:
    // Terms of column j times a; returns what the shift adds to the constant.
    N add_column(LinearExprT<N>& e, const MpsColumn& c, double a) {
        const N coeff = exact<N>(a);
        e.terms.push_back({c.reflected ? -coeff : coeff, c.var});
        if (c.negative) e.terms.push_back({-coeff, *c.negative});
        return c.shift != 0 ? coeff * exact<N>(c.shift) : N{};
    }

    void objective(const std::vector<MpsColumn>& columns) {
        if (!file_.has_objective) return;
        LinearExprT<N> e;
        e.constant = -exact<N>(file_.objective_rhs);
        for (std::size_t j = 0; j < columns.size(); ++j) {
            interrupt_.poll();
            if (file_.columns[j].cost != 0)
                e.constant = e.constant + add_column(e, columns[j], file_.columns[j].cost);
        }
        e.canonicalise();
        system_.set_objective(file_.maximize ? Sense::Maximize : Sense::Minimize, std::move(e));
    }

    void constraint_rows(std::size_t r, const std::vector<MpsColumn>& columns) {
        const MpsRow& row = file_.rows[r];
        LinearExprT<N> lhs;
        N shift{};
        // Entries by row: columns hold them, so gather this row's ones.
        const auto& entries = by_row()[r];
        interrupt_.poll(static_cast<std::int64_t>(entries.size()) + 1);
        for (const auto& [j, a] : entries) shift = shift + add_column(lhs, columns[j], a);
        lhs.canonicalise();
        const N rhs = exact<N>(row.rhs);
        const auto add = [&](CmpOp op, const N& bound) {
            LinearExprT<N> e = lhs;
            e.constant = shift - bound;
            system_.add_constraint(LinearConstraintT<N>{std::move(e), std::nullopt, op});
        };
        if (!row.range || (row.type == 'E' && *row.range == 0)) {
            add(row.type == 'E' ? CmpOp::Eq : row.type == 'L' ? CmpOp::Le : CmpOp::Ge, rhs);
            return;
        }
        const N width = exact<N>(std::fabs(*row.range));
        N low = rhs, high = rhs;
        if (row.type == 'L' || (row.type == 'E' && *row.range < 0)) {
            low = rhs - width;
        } else {
            high = rhs + width;
        }
        add(CmpOp::Ge, low);
        add(CmpOp::Le, high);
    }

    void bound_rows(const MpsFileColumn& col, const MpsColumn& c) {
        const auto add = [&](CmpOp op, const N& bound) {
            LinearExprT<N> e;
            e.terms.push_back({N(linear::Rational::one()), c.var});
            if (c.negative) e.terms.push_back({-N(linear::Rational::one()), *c.negative});
            e.constant = -bound;
            e.canonicalise();
            system_.add_constraint(LinearConstraintT<N>{std::move(e), std::nullopt, op});
        };
        const bool upper = !std::isinf(col.upper);
        if (c.reflected) {
            // x = shift - x[var] <= upper
            if (c.shift != col.upper) add(CmpOp::Ge, exact<N>(c.shift) - exact<N>(col.upper));
            return;
        }
        if (c.negative) {
            if (upper) add(CmpOp::Le, exact<N>(col.upper));
            return;
        }
        if (c.shift != 0) {
            // x = shift + x[var]: the bounds are on x - shift.
            const N base = exact<N>(c.shift);
            if (upper && col.upper == col.lower) {
                add(CmpOp::Eq, exact<N>(col.upper) - base);
                return;
            }
            if (c.shift != col.lower) add(CmpOp::Ge, exact<N>(col.lower) - base);
            if (upper) add(CmpOp::Le, exact<N>(col.upper) - base);
            return;
        }
        if (upper && col.upper == col.lower) {
            add(CmpOp::Eq, exact<N>(col.upper));
            return;
        }
        if (col.lower > 0) add(CmpOp::Ge, exact<N>(col.lower));
        if (upper) add(CmpOp::Le, exact<N>(col.upper));
    }

    const std::vector<std::vector<std::pair<std::size_t, double>>>& by_row() {
        if (rows_.empty() && !file_.rows.empty()) {
            rows_.resize(file_.rows.size());
            for (std::size_t j = 0; j < file_.columns.size(); ++j) {
                for (const auto& [r, a] : file_.columns[j].entries) rows_[r].emplace_back(j, a);
            }
        }
        return rows_;
    }

    const Raw& raw_;
    const MpsFile& file_;
    Interrupt& interrupt_;
    LinearSystemT<N> system_;
    std::vector<std::vector<std::pair<std::size_t, double>>> rows_;
};

Expected<MpsModel> read_as(std::string_view text, MpsFormat format, Interrupt& interrupt) {
    Raw raw;
    try {
        raw = Reader(text, format, interrupt).read();
    } catch (const Failure& f) {
        return Expected<MpsModel>::failure(f.error);
    }
    MpsModel model;
    model.name = raw.name;
    model.rows = raw.file.rows.size();
    model.nonzeros = raw.nonzeros;
    try {
        model.system = Builder<linear::Rational>(raw, interrupt).build(model.columns);
    } catch (const linear::Overflow&) {
        model.system = Builder<linear::BigRational>(raw, interrupt).build(model.columns);
    }
    model.file = std::move(raw.file);
    return model;
}

}  // namespace

Expected<MpsModel> read_mps(std::string_view text, MpsFormat format, Interrupt interrupt) {
    auto model = read_as(text, format, interrupt);
    if (model.ok() || format == MpsFormat::Fixed) return model;
    auto fixed = read_as(text, MpsFormat::Fixed, interrupt);
    return fixed.ok() ? std::move(fixed) : std::move(model);
}

std::vector<linear::BigRational> column_values(const MpsModel& model, const Assignment& solution,
                                               std::span<const linear::BigRational> exact) {
    using linear::BigRational;
    std::unordered_map<std::uint64_t, const BigRational*> by_var;
    for (std::size_t i = 0; i < solution.size() && i < exact.size(); ++i)
        by_var.emplace(solution[i].first, &exact[i]);
    const auto value_of = [&](std::uint64_t var) {
        const auto it = by_var.find(var);
        return it == by_var.end() ? BigRational() : *it->second;
    };
    std::vector<BigRational> out;
    out.reserve(model.columns.size());
    for (const MpsColumn& c : model.columns) {
        BigRational v = c.reflected ? -value_of(c.var) : value_of(c.var);
        if (c.negative) v = v - value_of(*c.negative);
        if (c.shift != 0) v = v + BigRational::from_f64(c.shift);
        out.push_back(std::move(v));
    }
    return out;
}

}  // namespace nemox::parser
