#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Reading gzip files without a library: the product has no dependencies.
namespace nemox::cli {

// The two magic bytes that open every gzip member.
bool is_gzip(std::string_view data);

// Decompresses every member of `data` into `out` (stored, fixed and dynamic
// Huffman blocks; CRC-32 and length of each member checked). Returns why the
// data is not a valid gzip file, or nothing. `poll` runs every few kilobytes
// of output so that the caller can stop an endless or huge stream; it may
// throw. Allocation failure throws std::bad_alloc.
std::optional<std::string> gunzip(std::string_view data, std::string& out,
                                  const std::function<void()>& poll);

}  // namespace nemox::cli
