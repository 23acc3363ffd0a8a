#pragma once

#include <functional>
#include <optional>
#include <string>

namespace nemox {

// Throws MemoryLimit with `what` unless `bytes` more can be allocated now.
void require_memory(double bytes, const char* what);

// What the memory probe reads of the platform; tests supply their own.
struct MemorySources {
    // The text of a file, or nothing when it cannot be read.
    std::function<std::optional<std::string>(const std::string& path)> read;
    // Soft RLIMIT_AS and RLIMIT_DATA in bytes; nothing when unlimited.
    std::optional<double> address_space_limit;
    std::optional<double> data_limit;
    double page_size = 4096;
    // Stands in for MemAvailable on kernels without it; nothing when unknown.
    std::optional<double> physical_bytes;
};

// Bytes this process can still allocate: the least room left by the machine,
// by each cgroup that holds the process (ancestors included, since their
// limits apply too) and by its address-space and data-size limits.
double allocatable_bytes(const MemorySources& sources);

}  // namespace nemox
