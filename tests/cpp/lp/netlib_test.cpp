#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "lp/solver.hpp"
#include "parser/mps.hpp"

namespace nemox::lp {
namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("missing test data: " + path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// name -> published optimum, from the copy of the published table.
std::map<std::string, double> published() {
    std::istringstream in(slurp(std::string(NEMOX_TEST_DATA) + "/netlib/optima.csv"));
    std::map<std::string, double> out;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line.rfind("name,", 0) == 0) continue;
        const std::size_t comma = line.find(',');
        out[line.substr(0, comma)] = std::stod(line.substr(comma + 1));
    }
    return out;
}

class NetlibTest : public ::testing::TestWithParam<const char*> {};

// Real models that nobody here wrote: the exact optimum, rounded once to a
// double, must match the published one to its printed digits.
TEST_P(NetlibTest, PublishedOptimum) {
    const std::string name = GetParam();
    const auto optima = published();
    ASSERT_TRUE(optima.contains(name));
    auto model = parser::read_mps(slurp(std::string(NEMOX_TEST_DATA) + "/netlib/" + name + ".mps"));
    ASSERT_TRUE(model.ok()) << model.error();
    LpSolver solver;
    solver.load(model.value().system);
    const LpResult r = solver.solve();
    ASSERT_EQ(r.kind, LpResult::Kind::Optimal);
    const double optimum = optima.at(name);
    EXPECT_LE(std::fabs(r.objective - optimum) / std::max(1.0, std::fabs(optimum)), 1e-9)
        << r.objective << " against " << optimum;
}

INSTANTIATE_TEST_SUITE_P(Models, NetlibTest,
                         ::testing::Values("afiro", "sc50a", "sc50b", "adlittle", "blend", "kb2",
                                           "sc105", "share2b", "stocfor1", "scagr7", "recipe",
                                           "lotfi", "sc205", "beaconfd"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace nemox::lp
