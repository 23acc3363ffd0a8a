#include "cp/oracle.hpp"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <variant>

namespace nemox::cp::oracle {

namespace {

__extension__ typedef __int128 Wide;
__extension__ typedef unsigned __int128 UWide;

// ---- reader ---------------------------------------------------------------

bool is_white(char32_t c) {
    return c == 0x20 || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

// Code points with their byte offsets; invalid bytes become U+FFFD.
struct Cp {
    char32_t c;
    std::size_t at;
    std::size_t len;
};

std::vector<Cp> decode(std::string_view s) {
    std::vector<Cp> out;
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t len = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        if (i + len > s.size()) len = 1;
        char32_t c = len == 1 ? b : (b & (0xFF >> (len + 1)));
        for (std::size_t k = 1; k < len; ++k)
            c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out.push_back(Cp{len == 1 && b >= 0x80 ? 0xFFFD : c, i, len});
        i += len;
    }
    return out;
}

std::vector<std::string> split_tokens(std::string_view line) {
    std::vector<std::string> tokens;
    std::string cur;
    for (const Cp& cp : decode(line)) {
        if (is_white(cp.c)) {
            if (!cur.empty()) tokens.push_back(cur);
            cur.clear();
        } else {
            cur += line.substr(cp.at, cp.len);
        }
    }
    if (!cur.empty()) tokens.push_back(cur);
    return tokens;
}

std::string_view trim_line(std::string_view line) {
    const std::vector<Cp> cps = decode(line);
    std::size_t b = 0;
    std::size_t e = cps.size();
    while (b < e && is_white(cps[b].c)) ++b;
    while (e > b && is_white(cps[e - 1].c)) --e;
    if (b == e) return {};
    return line.substr(cps[b].at, cps[e - 1].at + cps[e - 1].len - cps[b].at);
}

std::optional<std::int64_t> integer(const std::string& t) {
    std::size_t i = 0;
    bool neg = false;
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        neg = t[0] == '-';
        i = 1;
    }
    if (i == t.size()) return std::nullopt;
    Wide v = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') return std::nullopt;
        v = v * 10 + (t[i] - '0');
        if (v > (Wide{1} << 64)) return std::nullopt;
    }
    if (neg) v = -v;
    if (v < INT64_MIN || v > INT64_MAX) return std::nullopt;
    return static_cast<std::int64_t>(v);
}

}  // namespace

Parsed parse(std::string_view text) {
    CpProblem problem;
    std::unordered_map<std::string, VarIndex> name_index;
    // Lines: cut at LF, a CR before it goes too, no empty line after a final LF.
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t nl = text.find('\n', start);
        if (nl == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        std::string_view l = text.substr(start, nl - start);
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        lines.push_back(l);
        start = nl + 1;
    }
    auto err = [](std::string m) { return Parsed{std::nullopt, std::move(m)}; };
    for (std::size_t li = 0; li < lines.size(); ++li) {
        const std::string N = std::to_string(li + 1);
        const std::string_view line = trim_line(lines[li]);
        if (line.empty() || line[0] == '#' || line.substr(0, 2) == "//") continue;
        const std::vector<std::string> t = split_tokens(line);
        std::string bad;
        auto get_var = [&](const std::string& name, VarIndex& out) {
            auto it = name_index.find(name);
            if (it == name_index.end()) {
                bad = "line " + N + ": unknown variable '" + name + "'";
                return false;
            }
            out = it->second;
            return true;
        };
        const std::string& kw = t[0];
        if (kw == "var") {
            if (t.size() < 4) return err("line " + N + ": var needs name, min, max");
            auto mn = integer(t[2]);
            if (!mn) return err("line " + N + ": bad min");
            auto mx = integer(t[3]);
            if (!mx) return err("line " + N + ": bad max");
            name_index[t[1]] = problem.vars.size();
            problem.vars.push_back(VarDecl{t[1], *mn, *mx});
        } else if (kw == "eq" || kw == "neq" || kw == "lt") {
            if (t.size() < 3) return err(kw + " needs 2 vars");
            VarIndex a = 0;
            VarIndex b = 0;
            if (!get_var(t[1], a) || !get_var(t[2], b)) return err(bad);
            if (kw == "eq") problem.constraints.emplace_back(EqCon{a, b});
            if (kw == "neq") problem.constraints.emplace_back(NeqCon{a, b});
            if (kw == "lt") problem.constraints.emplace_back(LtCon{a, b});
        } else if (kw == "le") {
            if (t.size() < 4) return err("le needs 2 vars + c");
            VarIndex a = 0;
            VarIndex b = 0;
            if (!get_var(t[1], a) || !get_var(t[2], b)) return err(bad);
            auto c = integer(t[3]);
            if (!c) return err("bad c");
            problem.constraints.emplace_back(LeCon{a, b, *c});
        } else if (kw == "linear") {
            if (t.size() < 5) return err("linear: need at least coeff var rhs rel");
            // Decision: a coefficient left without its variable is refused.
            if ((t.size() - 3) % 2 == 1) return err("linear: too few terms");
            LinearCon lc;
            for (std::size_t i = 1; i + 2 < t.size(); i += 2) {
                auto c = integer(t[i]);
                if (!c) return err("bad coeff");
                VarIndex x = 0;
                if (!get_var(t[i + 1], x)) return err(bad);
                lc.terms.push_back(LinearTerm{*c, x});
            }
            auto rhs = integer(t[t.size() - 2]);
            if (!rhs) return err("bad rhs");
            lc.rhs = *rhs;
            const std::string& rel = t.back();
            if (rel == "le")
                lc.rel = LinearRel::Le;
            else if (rel == "eq")
                lc.rel = LinearRel::Eq;
            else if (rel == "ge")
                lc.rel = LinearRel::Ge;
            else
                return err("linear: expected le/eq/ge");
            problem.constraints.emplace_back(std::move(lc));
        } else if (kw == "allDiff" || kw == "alldifferent") {
            if (t.size() < 3) return err("allDiff needs \u2265 2 vars");
            AllDiffCon ad;
            for (std::size_t i = 1; i < t.size(); ++i) {
                VarIndex x = 0;
                if (!get_var(t[i], x)) return err(bad);
                ad.vars.push_back(x);
            }
            problem.constraints.emplace_back(std::move(ad));
        } else {
            return err("line " + N + ": unknown keyword '" + kw + "'");
        }
    }
    return Parsed{std::move(problem), {}};
}

// ---- solver ---------------------------------------------------------------

Solver build(const CpProblem& problem) {
    Solver s;
    for (const VarDecl& d : problem.vars) s.domains.push_back(Domain{d.min, d.max});
    for (const CpConstraint& c : problem.constraints) {
        CpConstraint copy = c;
        if (auto* lin = std::get_if<LinearCon>(&copy)) {
            // Decision: one term per variable, the coefficients added up,
            // zero ones dropped.
            std::map<VarIndex, Wide> sum;
            std::vector<VarIndex> order;
            for (const LinearTerm& t : lin->terms) {
                if (!sum.count(t.var)) order.push_back(t.var);
                sum[t.var] += t.coeff;
            }
            lin->terms.clear();
            for (VarIndex x : order) {
                if (sum[x] != 0)
                    lin->terms.push_back(LinearTerm{static_cast<std::int64_t>(sum[x]), x});
            }
        }
        s.propagators.push_back(std::move(copy));
    }
    return s;
}

namespace {

// Exact bounds: a value beyond 64 bits restricts nothing on its side, or
// empties the domain on the other.
void set_lo(Domain& d, Wide v) {
    if (v <= d.lo) return;
    if (v > INT64_MAX) {
        d = Domain{INT64_MAX, INT64_MIN};
        return;
    }
    d.lo = static_cast<std::int64_t>(v);
}
void set_hi(Domain& d, Wide v) {
    if (v >= d.hi) return;
    if (v < INT64_MIN) {
        d = Domain{INT64_MAX, INT64_MIN};
        return;
    }
    d.hi = static_cast<std::int64_t>(v);
}
bool empty(const Domain& d) {
    return d.lo > d.hi;
}
bool fixed(const Domain& d) {
    return d.lo == d.hi;
}

Wide floor_q(Wide n, Wide d) {
    Wide q = n / d;
    if (q * d != n && ((n < 0) != (d < 0))) --q;
    return q;
}
Wide ceil_q(Wide n, Wide d) {
    Wide q = n / d;
    if (q * d != n && ((n < 0) == (d < 0))) ++q;
    return q;
}

bool apply(std::vector<Domain>& D, const CpConstraint& con) {
    if (auto* c = std::get_if<EqCon>(&con)) {
        Domain& a = D[c->a];
        Domain& b = D[c->b];
        const std::int64_t L = std::max(a.lo, b.lo);
        const std::int64_t H = std::min(a.hi, b.hi);
        if (L > H) return false;
        set_lo(a, L);
        if (empty(a)) return false;
        set_lo(b, L);
        if (empty(b)) return false;
        set_hi(a, H);
        if (empty(a)) return false;
        set_hi(b, H);
        return !empty(b);
    }
    if (auto* c = std::get_if<NeqCon>(&con)) {
        Domain& a = D[c->a];
        Domain& b = D[c->b];
        if (fixed(a) && fixed(b) && a.lo == b.lo) return false;
        if (fixed(a) && b.lo <= a.lo && a.lo <= b.hi) {
            const std::int64_t v = a.lo;
            if (v == b.lo)
                set_lo(b, Wide{v} + 1);
            else if (v == b.hi)
                set_hi(b, Wide{v} - 1);
            if (empty(b)) return false;
        }
        if (fixed(b) && a.lo <= b.lo && b.lo <= a.hi) {
            const std::int64_t w = b.lo;
            if (w == a.lo)
                set_lo(a, Wide{w} + 1);
            else if (w == a.hi)
                set_hi(a, Wide{w} - 1);
            if (empty(a)) return false;
        }
        return true;
    }
    if (auto* c = std::get_if<LtCon>(&con)) {
        set_hi(D[c->a], Wide{D[c->b].hi} - 1);
        if (empty(D[c->a])) return false;
        set_lo(D[c->b], Wide{D[c->a].lo} + 1);
        return !empty(D[c->b]);
    }
    if (auto* c = std::get_if<LeCon>(&con)) {
        set_hi(D[c->a], Wide{D[c->b].hi} + c->c);
        if (empty(D[c->a])) return false;
        set_lo(D[c->b], Wide{D[c->a].lo} - c->c);
        return !empty(D[c->b]);
    }
    if (auto* c = std::get_if<LinearCon>(&con)) {
        // Decision: with no term left, check 0 rel rhs.
        if (c->terms.empty()) {
            if (c->rel == LinearRel::Le) return 0 <= c->rhs;
            if (c->rel == LinearRel::Ge) return 0 >= c->rhs;
            return c->rhs == 0;
        }
        const Wide R = c->rhs;
        for (const LinearTerm& t : c->terms) {
            if (t.coeff == 0) continue;
            Wide minR = 0;
            Wide maxR = 0;
            for (const LinearTerm& o : c->terms) {
                if (o.var == t.var) continue;
                const Domain& d = D[o.var];
                if (o.coeff > 0) {
                    minR += Wide{o.coeff} * d.lo;
                    maxR += Wide{o.coeff} * d.hi;
                } else {
                    minR += Wide{o.coeff} * d.hi;
                    maxR += Wide{o.coeff} * d.lo;
                }
            }
            Domain& x = D[t.var];
            const Wide k = t.coeff;
            switch (c->rel) {
                case LinearRel::Le:
                    if (k > 0)
                        set_hi(x, floor_q(R - minR, k));
                    else
                        set_lo(x, ceil_q(R - minR, k));
                    if (empty(x)) return false;
                    break;
                case LinearRel::Ge:
                    if (k > 0)
                        set_lo(x, ceil_q(R - maxR, k));
                    else
                        set_hi(x, floor_q(R - maxR, k));
                    if (empty(x)) return false;
                    break;
                case LinearRel::Eq:
                    if (k > 0) {
                        set_lo(x, ceil_q(R - maxR, k));
                        if (empty(x)) return false;
                        set_hi(x, floor_q(R - minR, k));
                    } else {
                        set_lo(x, ceil_q(R - minR, k));
                        if (empty(x)) return false;
                        set_hi(x, floor_q(R - maxR, k));
                    }
                    if (empty(x)) return false;
                    break;
            }
        }
        return true;
    }
    const auto& list = std::get<AllDiffCon>(con).vars;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!fixed(D[list[i]])) continue;
        const std::int64_t s = D[list[i]].lo;
        for (std::size_t j = 0; j < list.size(); ++j) {
            if (j == i) continue;
            Domain& w = D[list[j]];
            if (w.lo <= s && s <= w.hi) {
                if (s == w.lo)
                    set_lo(w, Wide{s} + 1);
                else if (s == w.hi)
                    set_hi(w, Wide{s} - 1);
                if (empty(w)) return false;
            }
        }
    }
    return true;
}

}  // namespace

bool propagate_all(Solver& s) {
    for (;;) {
        ++s.sweeps;
        const std::vector<Domain> snapshot = s.domains;
        for (const CpConstraint& p : s.propagators) {
            if (!apply(s.domains, p)) return false;
        }
        if (s.domains == snapshot) return true;
    }
}

std::optional<Assignment> search(Solver& s) {
    if (!propagate_all(s)) return std::nullopt;
    bool all_fixed = true;
    for (const Domain& d : s.domains) all_fixed = all_fixed && fixed(d);
    if (all_fixed) {
        Assignment a;
        for (std::size_t i = 0; i < s.domains.size(); ++i) a.set(i, Value{s.domains[i].lo});
        return a;
    }
    // Decision: the size is exact, so a domain of 2^64 values is a candidate.
    std::optional<std::size_t> best;
    UWide best_size = 0;
    for (std::size_t i = 0; i < s.domains.size(); ++i) {
        const Domain& d = s.domains[i];
        if (!(d.lo < d.hi)) continue;
        const UWide size = static_cast<UWide>(Wide{d.hi} - Wide{d.lo} + 1);
        if (!best || size < best_size) {
            best = i;
            best_size = size;
        }
    }
    if (!best) return std::nullopt;
    const Domain at_node = s.domains[*best];
    for (Wide v = at_node.lo; v <= at_node.hi; ++v) {
        if (++s.nodes > s.node_limit && s.node_limit != 0) {
            s.gave_up = true;
            return std::nullopt;
        }
        const std::vector<Domain> saved = s.domains;
        s.domains[*best] = Domain{static_cast<std::int64_t>(v), static_cast<std::int64_t>(v)};
        if (auto a = search(s)) return a;
        if (s.gave_up) return std::nullopt;
        s.domains = saved;
    }
    return std::nullopt;
}

std::optional<SolverResult> solve(const CpProblem& problem, std::uint64_t node_limit,
                                  std::uint64_t* nodes) {
    Solver s = build(problem);
    s.node_limit = node_limit;
    std::optional<Assignment> found;
    if (propagate_all(s)) {
        bool all_fixed = true;
        for (const Domain& d : s.domains) all_fixed = all_fixed && fixed(d);
        if (all_fixed) {
            Assignment a;
            for (std::size_t i = 0; i < s.domains.size(); ++i) a.set(i, Value{s.domains[i].lo});
            found = a;
        } else {
            found = search(s);
        }
    }
    if (nodes != nullptr) *nodes = s.nodes;
    if (s.gave_up) return std::nullopt;
    return found ? SolverResult::sat(*found) : SolverResult::unsat();
}

}  // namespace nemox::cp::oracle
