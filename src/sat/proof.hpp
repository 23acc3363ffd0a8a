#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <vector>

namespace nemox::sat {

// Receives the clauses a search derives, in DIMACS literals (1-based, signed,
// as in the input); the empty span is the empty clause. Each clause follows by
// reverse unit propagation from the input and the clauses received before it.
class ProofSink {
  public:
    virtual ~ProofSink() = default;
    virtual void add(std::span<const std::int32_t> clause) = 0;
};

// DRAT text: one clause per line, its literals each followed by a space and
// closed by 0. Lines are gathered in a buffer and written in large blocks.
class DratWriter final : public ProofSink {
  public:
    // The file stays the caller's; it must outlive the writer.
    explicit DratWriter(std::FILE* out);
    // Writes what is still buffered; call `flush` first to learn whether
    // writing succeeded.
    ~DratWriter() override;
    DratWriter(const DratWriter&) = delete;
    DratWriter& operator=(const DratWriter&) = delete;

    void add(std::span<const std::int32_t> clause) override;
    // Hands the buffered text to the file and flushes it; false once any
    // write has failed.
    bool flush();
    bool ok() const { return ok_; }

  private:
    void write_buffer();

    std::FILE* out_;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    bool ok_ = true;
};

}  // namespace nemox::sat
