#include "core/failure.hpp"

#include <unistd.h>

namespace nemox {

void require_memory(double bytes, const char* what) {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long page_size = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || page_size <= 0) return;
    const double available = static_cast<double>(pages) * static_cast<double>(page_size);
    if (bytes > available) throw MemoryLimit(what);
}

}  // namespace nemox
