#include "core/memory.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <optional>
#include <string>

#include "core/failure.hpp"

namespace nemox {
namespace {

using Files = std::map<std::string, std::string>;

constexpr double kMiB = 1024.0 * 1024.0;
constexpr double kUnlimited = std::numeric_limits<double>::infinity();

// 8 GiB available on the machine.
const std::string kMeminfo = "MemTotal:       16777216 kB\nMemAvailable:    8388608 kB\n";
const double kMachine = 8192 * kMiB;

struct Case {
    const char* name;
    double expected;
    Files files;
    std::optional<double> address_space_limit = {};
    std::optional<double> data_limit = {};
    std::optional<double> physical_bytes = {};
};

Files with_meminfo(Files files) {
    files.emplace("/proc/meminfo", kMeminfo);
    return files;
}

std::string mib(double n) {
    return std::to_string(static_cast<long long>(n * kMiB)) + "\n";
}

class Probe : public ::testing::TestWithParam<Case> {};

TEST_P(Probe, LeastRoomOfEveryLimit) {
    const Case& c = GetParam();
    MemorySources sources;
    sources.read = [&](const std::string& path) -> std::optional<std::string> {
        const auto it = c.files.find(path);
        if (it == c.files.end()) return std::nullopt;
        return it->second;
    };
    sources.address_space_limit = c.address_space_limit;
    sources.data_limit = c.data_limit;
    sources.physical_bytes = c.physical_bytes;
    EXPECT_EQ(allocatable_bytes(sources), c.expected);
}

// The number of 4 KiB pages in `mebibytes` MiB.
std::string pages(int mebibytes) {
    return std::to_string(mebibytes * 256);
}

INSTANTIATE_TEST_SUITE_P(
    Platforms, Probe,
    ::testing::Values(
        Case{.name = "meminfo_only",
             .expected = kMachine,
             .files = with_meminfo({}),
             .physical_bytes = 1e12},
        Case{.name = "no_mem_available_uses_physical",
             .expected = 64 * kMiB,
             .files = {{"/proc/meminfo", "MemTotal: 1 kB\n"}},
             .physical_bytes = 64 * kMiB},
        Case{.name = "nothing_known_is_no_limit", .expected = kUnlimited, .files = {}},
        Case{.name = "v2_own_group",
             .expected = 800 * kMiB,
             .files = with_meminfo({{"/proc/self/cgroup", "0::/box/job\n"},
                                    {"/sys/fs/cgroup/box/job/memory.max", mib(1000)},
                                    {"/sys/fs/cgroup/box/job/memory.current", mib(300)},
                                    {"/sys/fs/cgroup/box/job/memory.stat",
                                     "active_file 1\ninactive_file " + mib(100)}})},
        Case{.name = "v2_max_is_no_limit",
             .expected = kMachine,
             .files = with_meminfo({{"/proc/self/cgroup", "0::/box\n"},
                                    {"/sys/fs/cgroup/box/memory.max", "max\n"},
                                    {"/sys/fs/cgroup/box/memory.current", mib(300)}})},
        Case{.name = "v2_ancestor_limit_applies",
             .expected = 300 * kMiB,
             .files = with_meminfo({{"/proc/self/cgroup", "0::/box/job/\n"},
                                    {"/sys/fs/cgroup/box/job/memory.max", "max\n"},
                                    {"/sys/fs/cgroup/box/job/memory.current", mib(10)},
                                    {"/sys/fs/cgroup/box/memory.max", mib(500)},
                                    {"/sys/fs/cgroup/box/memory.current", mib(200)}})},
        Case{.name = "v2_namespace_root",
             .expected = 200 * kMiB,
             .files = with_meminfo({{"/proc/self/cgroup", "0::/\n"},
                                    {"/sys/fs/cgroup/memory.max", mib(256)},
                                    {"/sys/fs/cgroup/memory.current", mib(56)}})},
        Case{.name = "v2_unreadable_usage_counts_as_none",
             .expected = 700 * kMiB,
             .files = with_meminfo({{"/proc/self/cgroup", "0::/box\n"},
                                    {"/sys/fs/cgroup/box/memory.max", mib(700)}})},
        Case{.name = "v2_garbage_limit_is_no_limit",
             .expected = kMachine,
             .files = with_meminfo({{"/proc/self/cgroup", "0::/box\n"},
                                    {"/sys/fs/cgroup/box/memory.max", "12x\n"},
                                    {"/sys/fs/cgroup/box/memory.current", mib(300)}})},
        Case{.name = "usage_over_limit_leaves_nothing",
             .expected = 0,
             .files = with_meminfo({{"/proc/self/cgroup", "0::/box\n"},
                                    {"/sys/fs/cgroup/box/memory.max", mib(100)},
                                    {"/sys/fs/cgroup/box/memory.current", mib(120)}})},
        Case{.name = "v1_sentinel_is_no_limit",
             .expected = kMachine,
             .files = with_meminfo(
                 {{"/proc/self/cgroup", "4:memory:/api/x\n0::/\n"},
                  {"/sys/fs/cgroup/memory/api/x/memory.limit_in_bytes", "9223372036854771712\n"},
                  {"/sys/fs/cgroup/memory/api/x/memory.usage_in_bytes", mib(7)}})},
        Case{.name = "v1_limit_less_inactive_cache",
             .expected = 1536 * kMiB,
             .files =
                 with_meminfo({{"/proc/self/cgroup", "5:cpu,memory:/api/x\n"},
                               {"/sys/fs/cgroup/memory/api/x/memory.limit_in_bytes", mib(2048)},
                               {"/sys/fs/cgroup/memory/api/x/memory.usage_in_bytes", mib(1024)},
                               {"/sys/fs/cgroup/memory/api/x/memory.stat",
                                "inactive_file " + mib(1) + "total_inactive_file " + mib(512)}})},
        // The container sees only its own group at the mount, under a host path.
        Case{.name = "v1_group_at_mount_root",
             .expected = 500 * kMiB,
             .files = with_meminfo({{"/proc/self/cgroup", "4:memory:/docker/abc\n"},
                                    {"/sys/fs/cgroup/memory/memory.limit_in_bytes", mib(512)},
                                    {"/sys/fs/cgroup/memory/memory.usage_in_bytes", mib(12)}})},
        Case{.name = "other_v1_controllers_ignored",
             .expected = kMachine,
             .files = with_meminfo({{"/proc/self/cgroup", "3:memoryx:/a\n2:pids:/a\n"},
                                    {"/sys/fs/cgroup/memory/a/memory.limit_in_bytes", mib(1)}})},
        Case{.name = "malformed_lines_ignored",
             .expected = kMachine,
             .files = with_meminfo({{"/proc/self/cgroup", "junk\n0:\n0::relative\n"},
                                    {"/sys/fs/cgroup/memory.max", mib(1)}})},
        Case{.name = "address_space_less_virtual_size",
             .expected = 300 * kMiB,
             .files = with_meminfo({{"/proc/self/statm",
                                     pages(100) + " 50 10 1 0 " + pages(40) + " 0\n"}}),
             .address_space_limit = 400 * kMiB},
        Case{.name = "data_less_data_size",
             .expected = 360 * kMiB,
             .files = with_meminfo({{"/proc/self/statm",
                                     pages(100) + " 50 10 1 0 " + pages(40) + " 0\n"}}),
             .data_limit = 400 * kMiB},
        Case{.name = "unreadable_statm_leaves_the_limit",
             .expected = 400 * kMiB,
             .files = with_meminfo({}),
             .address_space_limit = 400 * kMiB},
        Case{.name = "least_of_all",
             .expected = 750 * kMiB,
             .files = with_meminfo({{"/proc/self/cgroup", "0::/\n"},
                                    {"/sys/fs/cgroup/memory.max", mib(900)},
                                    {"/sys/fs/cgroup/memory.current", mib(100)},
                                    {"/proc/self/statm",
                                     pages(200) + " 1 1 1 0 " + pages(50) + " 0\n"}}),
             .address_space_limit = 950 * kMiB,
             .data_limit = 900 * kMiB}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(RequireMemory, SmallTablesPassAndImpossibleOnesThrow) {
    EXPECT_NO_THROW(require_memory(1024, "small"));
    EXPECT_THROW(require_memory(1e30, "too large"), MemoryLimit);
}

}  // namespace
}  // namespace nemox
