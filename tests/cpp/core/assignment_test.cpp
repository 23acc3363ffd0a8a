#include "core/assignment.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

#include "core/solver_result.hpp"

namespace nemox {
namespace {

class FloatText : public ::testing::TestWithParam<std::pair<double, const char*>> {};

TEST_P(FloatText, Shortest) {
    EXPECT_EQ(format_double(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FloatText,
    ::testing::Values(std::pair{1.0, "1"}, std::pair{0.25, "0.25"}, std::pair{2.8, "2.8"},
                      std::pair{-2.0, "-2"}, std::pair{0.0, "0"}, std::pair{-0.0, "-0"},
                      std::pair{1e21, "1000000000000000000000"}, std::pair{1.5e-7, "0.00000015"},
                      std::pair{0.1 + 0.2, "0.30000000000000004"}, std::pair{123.456, "123.456"},
                      std::pair{-1e-5, "-0.00001"},
                      std::pair{std::numeric_limits<double>::infinity(), "inf"},
                      std::pair{-std::numeric_limits<double>::infinity(), "-inf"},
                      std::pair{std::nan(""), "NaN"}));

TEST(FloatText, SmallestSubnormalWrittenOut) {
    EXPECT_EQ(format_double(5e-324), "0." + std::string(323, '0') + "5");
}

TEST(FloatText, RoundTripsOnManyValues) {
    double v = 1.0 / 3.0;
    for (int i = 0; i < 2000; ++i) {
        const std::string t = format_double(v);
        EXPECT_EQ(t.find('e'), std::string::npos) << t;
        EXPECT_EQ(std::stod(t), v) << t;
        v *= -1.7;
        if (std::abs(v) > 1e250) v = 1e-250 / 7.0;
    }
}

TEST(AssignmentText, SetReplacesInPlaceAndTextListsPairs) {
    Assignment a;
    a.set(4, false);
    a.set(2, std::int64_t{-2});
    a.set(4, true);
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0].first, 4u);
    EXPECT_EQ(a.text(), "[x4 -> true, x2 -> -2]");
    Assignment f;
    f.set(1, 1.0);
    f.set(2, 0.25);
    EXPECT_EQ(f.text(), "[x1 -> 1, x2 -> 0.25]");
    EXPECT_EQ(Assignment().text(), "[]");
}

TEST(UnknownReasonText, AllKinds) {
    using K = UnknownReason::Kind;
    EXPECT_EQ((UnknownReason{K::Unsupported, ""}).text(), "unsupported");
    EXPECT_EQ((UnknownReason{K::Undecidable, ""}).text(), "undecidable");
    EXPECT_EQ((UnknownReason{K::NumericalIssue, ""}).text(), "numerical issue");
    EXPECT_EQ((UnknownReason{K::ResourceLimit, ""}).text(), "resource limit");
    EXPECT_EQ((UnknownReason{K::IncompleteAlgorithm, ""}).text(), "incomplete algorithm");
    EXPECT_EQ(UnknownReason::internal("no system loaded").text(), "internal: no system loaded");
    EXPECT_STREQ(SolverResult::unsat().status_word(), "UNSAT");
}

}  // namespace
}  // namespace nemox
