#include "core/memory.hpp"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <limits>
#include <sstream>
#include <string_view>

#include "core/failure.hpp"

namespace nemox {

namespace {

using Read = std::function<std::optional<std::string>(const std::string&)>;

constexpr double kUnlimited = std::numeric_limits<double>::infinity();

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// The number that `text` starts with; a word such as "max" is none.
std::optional<double> leading_number(std::string_view text) {
    while (!text.empty() && is_space(text.front())) text.remove_prefix(1);
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || (end != text.data() + text.size() && !is_space(*end)))
        return std::nullopt;
    return static_cast<double>(value);
}

std::optional<double> number_in(const std::optional<std::string>& text) {
    if (!text) return std::nullopt;
    return leading_number(*text);
}

// The value after `key` in a file of "key value" lines (meminfo, memory.stat).
std::optional<double> keyed_number(const std::optional<std::string>& text, std::string_view key) {
    if (!text) return std::nullopt;
    std::string_view rest = *text;
    while (!rest.empty()) {
        const std::string_view line = rest.substr(0, rest.find('\n'));
        rest.remove_prefix(std::min(rest.size(), line.size() + 1));
        if (line.starts_with(key) && line.size() > key.size() && is_space(line[key.size()]))
            return leading_number(line.substr(key.size()));
    }
    return std::nullopt;
}

// The `index`-th number of a line of numbers such as /proc/self/statm.
std::optional<double> nth_number(const std::optional<std::string>& text, int index) {
    if (!text) return std::nullopt;
    std::istringstream in(*text);
    std::string word;
    for (int i = 0; in >> word; ++i) {
        if (i == index) return leading_number(word);
    }
    return std::nullopt;
}

struct CgroupFiles {
    const char* mount;
    const char* limit;
    const char* usage;
    const char* inactive;  // reclaimable page cache, counted in the usage
};

constexpr CgroupFiles kV2{"/sys/fs/cgroup", "memory.max", "memory.current", "inactive_file"};
constexpr CgroupFiles kV1{"/sys/fs/cgroup/memory", "memory.limit_in_bytes", "memory.usage_in_bytes",
                          "total_inactive_file"};

// Room under the cgroup at `path` and under each of its ancestors. Walking up
// to the mount also finds a container's own group when the mount shows only
// that group while /proc/self/cgroup names it by its host path.
double cgroup_room(const Read& read, const CgroupFiles& files, std::string_view path) {
    std::string dir = files.mount + std::string(path);
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    double room = kUnlimited;
    const std::string_view mount = files.mount;
    while (true) {
        if (const auto limit = number_in(read(dir + '/' + files.limit))) {
            const double usage = number_in(read(dir + '/' + files.usage)).value_or(0);
            const double cache =
                keyed_number(read(dir + "/memory.stat"), files.inactive).value_or(0);
            room = std::min(room, *limit - std::max(0.0, usage - cache));
        }
        if (dir.size() <= mount.size()) break;
        dir.resize(dir.rfind('/'));
    }
    return room;
}

bool names_memory(std::string_view controllers) {
    while (true) {
        const std::size_t comma = controllers.find(',');
        if (controllers.substr(0, comma) == "memory") return true;
        if (comma == std::string_view::npos) return false;
        controllers.remove_prefix(comma + 1);
    }
}

// Room under every cgroup memory controller that holds this process: the
// unified one (v2, hierarchy "0" with no controller names) and v1's "memory".
double cgroups_room(const Read& read, std::string_view self_cgroup) {
    double room = kUnlimited;
    while (!self_cgroup.empty()) {
        const std::string_view line = self_cgroup.substr(0, self_cgroup.find('\n'));
        self_cgroup.remove_prefix(std::min(self_cgroup.size(), line.size() + 1));
        const std::size_t first = line.find(':');
        const std::size_t second = line.find(':', first + 1);
        if (first == std::string_view::npos || second == std::string_view::npos) continue;
        const std::string_view id = line.substr(0, first);
        const std::string_view controllers = line.substr(first + 1, second - first - 1);
        const std::string_view path = line.substr(second + 1);
        if (!path.starts_with('/')) continue;
        if (id == "0" && controllers.empty()) {
            room = std::min(room, cgroup_room(read, kV2, path));
        } else if (names_memory(controllers)) {
            room = std::min(room, cgroup_room(read, kV1, path));
        }
    }
    return room;
}

std::optional<std::string> read_file(const std::string& path) {
    std::ifstream in(path);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return text.str();
}

std::optional<double> soft_limit(int resource) {
    rlimit limit{};
    if (getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return std::nullopt;
    return static_cast<double>(limit.rlim_cur);
}

MemorySources platform() {
    MemorySources sources;
    sources.read = read_file;
    sources.address_space_limit = soft_limit(RLIMIT_AS);
    sources.data_limit = soft_limit(RLIMIT_DATA);
    const long page_size = sysconf(_SC_PAGE_SIZE);
    if (page_size > 0) sources.page_size = static_cast<double>(page_size);
    const long pages = sysconf(_SC_PHYS_PAGES);
    if (pages > 0) sources.physical_bytes = static_cast<double>(pages) * sources.page_size;
    return sources;
}

}  // namespace

double allocatable_bytes(const MemorySources& sources) {
    double room = kUnlimited;
    if (const auto kib = keyed_number(sources.read("/proc/meminfo"), "MemAvailable:")) {
        room = *kib * 1024;
    } else if (sources.physical_bytes) {
        room = *sources.physical_bytes;
    }
    if (const auto self_cgroup = sources.read("/proc/self/cgroup"))
        room = std::min(room, cgroups_room(sources.read, *self_cgroup));
    if (sources.address_space_limit || sources.data_limit) {
        // statm counts pages: the whole virtual size first, data + stack sixth.
        const auto statm = sources.read("/proc/self/statm");
        if (sources.address_space_limit) {
            const double size = nth_number(statm, 0).value_or(0) * sources.page_size;
            room = std::min(room, *sources.address_space_limit - size);
        }
        if (sources.data_limit) {
            const double data = nth_number(statm, 5).value_or(0) * sources.page_size;
            room = std::min(room, *sources.data_limit - data);
        }
    }
    return std::max(0.0, room);
}

void require_memory(double bytes, const char* what) {
    // Small tables never pay for the probe's file reads.
    if (bytes < 64.0 * 1024 * 1024) return;
    if (bytes > allocatable_bytes(platform())) throw MemoryLimit(what);
}

}  // namespace nemox
