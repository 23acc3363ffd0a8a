#include "core/failure.hpp"

#include <unistd.h>

#include <fstream>
#include <string>

namespace nemox {

namespace {

// Memory the kernel could hand out now; the physical size where unknown.
double available_bytes() {
    std::ifstream meminfo("/proc/meminfo");
    std::string key;
    double kib = 0;
    std::string unit;
    while (meminfo >> key >> kib >> unit) {
        if (key == "MemAvailable:") return kib * 1024.0;
    }
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long page_size = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || page_size <= 0) return 1e300;
    return static_cast<double>(pages) * static_cast<double>(page_size);
}

}  // namespace

void require_memory(double bytes, const char* what) {
    // Small tables never need the check (and its file read).
    if (bytes < 64.0 * 1024 * 1024) return;
    if (bytes > available_bytes()) throw MemoryLimit(what);
}

}  // namespace nemox
