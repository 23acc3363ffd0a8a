#pragma once

#include <optional>
#include <string>
#include <string_view>

// Reading the command's inputs so that a stop request is seen while waiting
// for data: FIFOs, terminals and endless devices included.
namespace nemox::cli {

struct ReadResult {
    std::optional<std::string> text;  // nothing when it could not be read
    std::string error;                // why, without the file's name
};

// The whole content of `name` ("-" for standard input). `stop` is asked
// between chunks and at least every 50 ms while no data comes; when it says
// yes, nemox::Interrupted is thrown. Gzip data (the magic bytes, or a name
// ending in .gz) is decompressed when `decompress` is set. Running out of
// memory throws std::bad_alloc: a text is never cut short.
ReadResult read_input(const std::string& name, bool (*stop)(), bool decompress);

// The name that decides the format: without a trailing ".gz".
std::string_view format_name(std::string_view name);

}  // namespace nemox::cli
