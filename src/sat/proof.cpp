#include "sat/proof.hpp"

#include <charconv>

namespace nemox::sat {

namespace {

constexpr std::size_t kBufferBytes = std::size_t{1} << 16;
// "-2147483648 " is the longest literal with its separator.
constexpr std::size_t kMaxLiteralBytes = 12;

}  // namespace

DratWriter::DratWriter(std::FILE* out) : out_(out), buffer_(kBufferBytes) {}

DratWriter::~DratWriter() {
    write_buffer();
}

void DratWriter::write_buffer() {
    if (used_ == 0) return;
    if (ok_ && std::fwrite(buffer_.data(), 1, used_, out_) != used_) ok_ = false;
    used_ = 0;
}

void DratWriter::add(std::span<const std::int32_t> clause) {
    for (const std::int32_t d : clause) {
        if (buffer_.size() - used_ < kMaxLiteralBytes) write_buffer();
        char* const begin = buffer_.data() + used_;
        char* const end = std::to_chars(begin, begin + kMaxLiteralBytes, d).ptr;
        *end = ' ';
        used_ += static_cast<std::size_t>(end - begin) + 1;
    }
    if (buffer_.size() - used_ < 2) write_buffer();
    buffer_[used_++] = '0';
    buffer_[used_++] = '\n';
}

bool DratWriter::flush() {
    write_buffer();
    if (ok_ && std::fflush(out_) != 0) ok_ = false;
    return ok_;
}

}  // namespace nemox::sat
