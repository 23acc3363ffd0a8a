#pragma once

// Verifications whose hooks spoil what the roads are about to check, so that
// a test can watch the check catch a wrong answer or certificate.

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "cp/model.hpp"
#include "roads/roads.hpp"

namespace nemox::roads::spoil {

// The first value changed so that the answer can no longer be right for
// the problems the tests give: a Bool flipped, a CP value moved just
// outside its domain (`cp`), an LP value made negative, an MPS column moved
// outside its bounds (or by 1 where it has none, which its rows or its cost
// then contradict).
inline Verification answers(std::optional<cp::CpProblem> cp = std::nullopt) {
    Verification v;
    v.before_answer_check = [cp = std::move(cp)](SolverResult& result) {
        if (!result.is_sat() || result.assignment().empty()) return;
        Assignment a = result.assignment();
        const auto [index, value] = a[0];
        if (const bool* b = std::get_if<bool>(&value)) {
            a.set(index, !*b);
        } else if (cp && index < cp->vars.size()) {
            const cp::VarDecl& d = cp->vars[index];
            if (d.max < std::numeric_limits<std::int64_t>::max()) {
                a.set(index, d.max + 1);
            } else if (d.min > std::numeric_limits<std::int64_t>::min()) {
                a.set(index, d.min - 1);
            }
        }
        result = SolverResult::sat(std::move(a));
    };
    v.before_lp_check = [](LpResult& result, std::vector<linear::BigRational>& exact) {
        if (!result.has_assignment() || exact.empty()) return;
        exact[0] = linear::BigRational(linear::BigInt(-1), linear::BigInt(1));
        Assignment spoiled;
        for (std::size_t i = 0; i < result.assignment.size(); ++i)
            spoiled.append_new(result.assignment[i].first,
                               i == 0 ? Value{std::int64_t{-1}} : result.assignment[i].second);
        result.assignment = std::move(spoiled);
    };
    v.before_mps_check = [](const parser::MpsModel& model,
                            std::vector<linear::BigRational>& values) {
        if (values.empty()) return;
        const parser::MpsFileColumn& c = model.file.columns[0];
        const linear::BigRational one(linear::BigInt(1), linear::BigInt(1));
        if (!std::isinf(c.upper)) {
            values[0] = linear::BigRational::from_f64(c.upper) + one;
        } else if (!std::isinf(c.lower)) {
            values[0] = linear::BigRational::from_f64(c.lower) - one;
        } else {
            values[0] = values[0] + one;
        }
    };
    return v;
}

// Certificates that can no longer be right, whatever the problem, for
// answers left right.
inline void certificate(lp::Certificate& c) {
    switch (c.kind) {
        case lp::Certificate::Kind::Optimal:
            if (c.primal.empty()) {
                c.multipliers.emplace_back();
            } else {
                c.primal[0] = linear::BigRational(linear::BigInt(-1), linear::BigInt(1));
            }
            break;
        case lp::Certificate::Kind::Infeasible:
            for (auto& y : c.multipliers) y = -y;
            break;
        case lp::Certificate::Kind::Unbounded:
            for (auto& d : c.ray) d = -d;
            break;
    }
}

inline Verification certificates() {
    Verification v;
    v.before_certificate_check = [](LpCertificate& cert) {
        if (cert.answer) certificate(*cert.answer);
        if (cert.relaxation) certificate(*cert.relaxation);
    };
    return v;
}

}  // namespace nemox::roads::spoil
