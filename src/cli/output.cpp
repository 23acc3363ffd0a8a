#include "cli/output.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <unordered_map>
#include <variant>

#include "lp/certificate.hpp"

namespace nemox::cli {

namespace {

// The text form already is JSON but for doubles, which Python writes its own way.
std::string json_value(const Value& v) {
    const double* d = std::get_if<double>(&v);
    return d != nullptr ? python_float(*d) : value_text(v);
}

// Status words and reasons are plain ASCII without quotes or backslashes.
void append_field(std::string& out, std::string_view key, std::string_view raw) {
    out += out.size() == 1 ? "\"" : ", \"";
    out += key;
    out += "\": ";
    out += raw;
}

std::string key_of(std::uint64_t index, const std::vector<std::string>* names) {
    if (names != nullptr && index < names->size()) return (*names)[index];
    std::string key = "x";
    key += std::to_string(index);
    return key;
}

std::string model_json(const Assignment& a, const std::vector<std::string>* names = nullptr) {
    std::string out = "{";
    for (const auto& [index, value] : a) {
        if (out.size() > 1) out += ", ";
        out += json_string(key_of(index, names));
        out += ": ";
        out += json_value(value);
    }
    return out + "}";
}

bool is_zero(const Value& v) {
    if (const bool* b = std::get_if<bool>(&v)) return !*b;
    if (const std::int64_t* i = std::get_if<std::int64_t>(&v)) return *i == 0;
    if (const double* d = std::get_if<double>(&v)) return *d == 0.0;
    return false;  // a big integer is never zero
}

std::string nonzero_values(const Assignment& a, const std::vector<std::string>* names = nullptr) {
    std::string out;
    for (const auto& [index, value] : a) {
        if (!is_zero(value)) out += key_of(index, names) + " = " + value_text(value) + "\n";
    }
    return out;
}

}  // namespace

std::string undecided_status() {
    return LpResult::unknown({UnknownReason::Kind::ResourceLimit, {}}).text();
}

std::string python_float(double v) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v < 0 ? "-Infinity" : "Infinity";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
    const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t e_pos = sci.find('e');
    int exponent = 0;
    std::from_chars(sci.data() + e_pos + (sci[e_pos + 1] == '+' ? 2 : 1), sci.data() + sci.size(),
                    exponent);
    std::string out;
    std::string digits;
    for (const char c : sci.substr(0, e_pos)) {
        if (c == '-') {
            out += '-';
        } else if (c != '.') {
            digits += c;
        }
    }
    const int n = static_cast<int>(digits.size());
    if (exponent < -4 || exponent >= 16) {
        out += digits[0];
        if (n > 1) out += "." + digits.substr(1);
        const std::string e = std::to_string(std::abs(exponent));
        out += exponent < 0 ? "e-" : "e+";
        if (e.size() < 2) out += '0';
        return out + e;
    }
    if (exponent >= n - 1) {
        out += digits;
        out.append(static_cast<std::size_t>(exponent - (n - 1)), '0');
        return out + ".0";
    }
    if (exponent >= 0) {
        const auto point = static_cast<std::size_t>(exponent + 1);
        return out + digits.substr(0, point) + "." + digits.substr(point);
    }
    return out + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
}

std::string sat_json(const SolverResult* result) {
    std::string out = "{";
    if (result == nullptr) {
        append_field(out, "status", "\"" + undecided_status() + "\"");
    } else {
        append_field(out, "status", std::string("\"") + result->status_word() + "\"");
        if (result->is_sat()) append_field(out, "model", model_json(result->assignment()));
    }
    return out + "}";
}

std::string lp_json(const LpResult& result, const std::vector<std::string>* names) {
    std::string out = "{";
    append_field(out, "status", "\"" + result.status() + "\"");
    if (result.has_assignment()) append_field(out, "model", model_json(result.assignment, names));
    if (result.kind == LpResult::Kind::Optimal)
        append_field(out, "objective", python_float(result.objective));
    return out + "}";
}

std::string sat_competition(const SolverResult* result) {
    if (result == nullptr) return "s UNKNOWN\n";
    if (!result->is_sat()) return "s UNSATISFIABLE\n";
    std::string out = "s SATISFIABLE\n";
    std::string line = "v";
    for (const auto& [index, value] : result->assignment()) {
        const std::string lit = (std::get<bool>(value) ? "" : "-") + std::to_string(index + 1);
        if (line.size() + 1 + lit.size() > 78) {
            out += line + "\n";
            line = "v";
        }
        line += " " + lit;
    }
    return out + line + " 0\n";
}

std::string cp_text(const SolverResult* result) {
    if (result == nullptr) return "status: " + undecided_status() + "\n";
    std::string out = std::string("status: ") + result->status_word() + "\n";
    if (result->is_sat()) out += nonzero_values(result->assignment());
    return out;
}

std::string lp_text(const LpResult& result, const std::vector<std::string>* names) {
    std::string out = "status: " + result.status() + "\n";
    if (result.kind == LpResult::Kind::Optimal || result.kind == LpResult::Kind::Feasible)
        out += "objective: " + format_double(result.objective) + "\n";
    // How far the unproven search could still have gone.
    if (result.kind == LpResult::Kind::Feasible)
        out += "bound: " + format_double(result.bound) + "\n";
    if (result.has_assignment()) out += nonzero_values(result.assignment, names);
    return out;
}

namespace {

std::string number_json(const linear::BigRational& v) {
    std::string out = "\"" + v.numerator().to_string();
    if (!v.is_integer()) out += "/" + v.denominator().to_string();
    return out + "\"";
}

std::string numbers_json(const std::vector<linear::BigRational>& values) {
    std::string out = "[";
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (k > 0) out += ", ";
        out += number_json(values[k]);
    }
    return out + "]";
}

// Terms as [position of the variable, coefficient] pairs.
std::string terms_json(const linear::LinearExprT<linear::BigRational>& e,
                       const std::unordered_map<std::uint64_t, std::size_t>& position) {
    std::string out = "[";
    for (std::size_t k = 0; k < e.terms.size(); ++k) {
        if (k > 0) out += ", ";
        out += "[" + std::to_string(position.at(e.terms[k].var)) + ", " +
               number_json(e.terms[k].coeff) + "]";
    }
    return out + "]";
}

// What the certificate shows, once its numbers are checked.
const char* proves(const LpResult& result, const roads::LpCertificate& c) {
    using Kind = lp::Certificate::Kind;
    const auto is = [](const std::optional<lp::Certificate>& p, Kind k) {
        return p && p->kind == k;
    };
    switch (result.kind) {
        case LpResult::Kind::Optimal:
        case LpResult::Kind::Feasible:
            if (!c.integers) return is(c.answer, Kind::Optimal) ? "optimality" : "nothing";
            if (!is(c.relaxation, Kind::Optimal)) return "a feasible point";
            return result.kind == LpResult::Kind::Optimal &&
                           lp::objective_at(c.system, c.point) ==
                               lp::objective_at(c.system, c.relaxation->primal)
                       ? "optimality"
                       : "a feasible point and a bound";
        case LpResult::Kind::Infeasible:
            return is(c.answer, Kind::Infeasible) ? "infeasibility" : "nothing";
        case LpResult::Kind::Unbounded:
            return is(c.answer, Kind::Unbounded) ? "unboundedness" : "nothing";
        default:
            return "nothing";
    }
}

}  // namespace

std::string certificate_json(const LpResult& result, const roads::LpCertificate& c) {
    using Kind = lp::Certificate::Kind;
    const linear::BigLinearSystem& system = c.system;
    std::unordered_map<std::uint64_t, std::size_t> position;
    for (std::size_t k = 0; k < system.variables.size(); ++k)
        position.emplace(system.variables[k], k);
    std::string out = "{\"status\": " + json_string(result.status());
    out += ", \"problem\": \"";
    out += c.integers ? "milp" : "lp";
    out += "\", \"proves\": \"";
    out += proves(result, c);
    out += "\", \"variables\": [";
    for (std::size_t k = 0; k < c.variable_names.size(); ++k)
        out += (k > 0 ? ", " : "") + json_string(c.variable_names[k]);
    out += "]";
    if (c.integers) {
        out += ", \"integer\": [";
        bool first = true;
        for (std::size_t k = 0; k < system.variables.size(); ++k) {
            if (!system.var_info.at(system.variables[k]).is_integer) continue;
            out += (first ? "" : ", ") + std::to_string(k);
            first = false;
        }
        out += "]";
    }
    out += ", \"objective\": ";
    if (system.objective) {
        out += "{\"sense\": \"";
        out += system.objective->first == linear::Sense::Maximize ? "max" : "min";
        out += "\", \"terms\": " + terms_json(system.objective->second, position) +
               ", \"constant\": " + number_json(system.objective->second.constant) + "}";
    } else {
        out += "null";
    }
    out += ", \"rows\": [";
    for (std::size_t i = 0; i < system.constraints.size(); ++i) {
        const auto& con = system.constraints[i];
        const std::string& name = i < c.row_names.size() ? c.row_names[i] : std::string();
        out += i > 0 ? ", " : "";
        out += "{\"name\": " + (name.empty() ? std::string("null") : json_string(name));
        out += ", \"terms\": " + terms_json(con.expr, position);
        out += con.op == linear::CmpOp::Le   ? ", \"op\": \"<=\""
               : con.op == linear::CmpOp::Ge ? ", \"op\": \">=\""
                                             : ", \"op\": \"=\"";
        out += ", \"rhs\": " + number_json(-con.expr.constant) + "}";
    }
    out += "]";
    if (!c.columns.empty()) {
        out += ", \"columns\": [";
        for (std::size_t j = 0; j < c.columns.size(); ++j) {
            const roads::LpCertificate::Column& col = c.columns[j];
            out += j > 0 ? ", " : "";
            out += "{\"name\": " + json_string(col.name) + ", \"var\": " + std::to_string(col.var);
            out += ", \"negative\": " +
                   (col.negative ? std::to_string(*col.negative) : std::string("null"));
            out += ", \"shift\": " + number_json(col.shift);
            out += col.reflected ? ", \"reflected\": true}" : ", \"reflected\": false}";
        }
        out += "]";
    }
    const auto field = [&](const char* key, const std::vector<linear::BigRational>& v) {
        out += ", \"";
        out += key;
        out += "\": " + numbers_json(v);
    };
    const std::optional<lp::Certificate>& answer = c.answer;
    if (c.integers && result.has_assignment()) {
        field("primal", c.point);
        if (c.relaxation && c.relaxation->kind == Kind::Optimal)
            field("duals", c.relaxation->multipliers);
    } else if (answer) {
        switch (answer->kind) {
            case Kind::Optimal:
                field("primal", answer->primal);
                field("duals", answer->multipliers);
                break;
            case Kind::Infeasible:
                field("farkas", answer->multipliers);
                break;
            case Kind::Unbounded:
                field("primal", answer->primal);
                field("ray", answer->ray);
                break;
        }
    }
    return out + "}";
}

std::string json_string(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if (c == '"' || c == '\\') {
                out += '\\';
                out += static_cast<char>(c);
            } else if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
            ++i;
            continue;
        }
        // The length of a valid sequence starting here, or 0.
        std::size_t n = 0;
        std::uint32_t cp = 0;
        if (c >= 0xc2 && c <= 0xdf) {
            n = 2, cp = c & 0x1f;
        } else if (c >= 0xe0 && c <= 0xef) {
            n = 3, cp = c & 0x0f;
        } else if (c >= 0xf0 && c <= 0xf4) {
            n = 4, cp = c & 0x07;
        }
        for (std::size_t k = 1; n != 0 && k < n; ++k) {
            const auto d = i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
            if ((d & 0xc0) != 0x80) {
                n = 0;
            } else {
                cp = (cp << 6) | (d & 0x3f);
            }
        }
        // Overlong forms, surrogates and values beyond U+10FFFF are not UTF-8.
        if (n != 0 && ((n == 3 && cp < 0x800) || (cp >= 0xd800 && cp <= 0xdfff) ||
                       (n == 4 && (cp < 0x10000 || cp > 0x10ffff)))) {
            n = 0;
        }
        if (n == 0) {
            out += "\xef\xbf\xbd";
            ++i;
        } else {
            out.append(text.substr(i, n));
            i += n;
        }
    }
    return out + "\"";
}

std::string located_message(std::string_view file, const ReadError& error) {
    std::string_view message = error.message;
    constexpr std::string_view kLine = "line ";
    std::string out(file);
    if (error.line) {
        // Some messages name their line in their own text: print it once.
        const std::string prefix = std::string(kLine) + std::to_string(*error.line) + ": ";
        if (message.starts_with(prefix)) message.remove_prefix(prefix.size());
        return out + ":" + std::to_string(*error.line) + ": " + std::string(message);
    }
    return out + ": " + std::string(message);
}

}  // namespace nemox::cli
