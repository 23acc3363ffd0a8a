#include "cli/input.hpp"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "cli/gzip.hpp"
#include "core/interrupt.hpp"

namespace nemox::cli {

namespace {

class Descriptor {
  public:
    explicit Descriptor(int fd, bool owned) : fd_(fd), owned_(owned) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (owned_ && fd_ >= 0) close(fd_);
    }
    int get() const { return fd_; }

  private:
    int fd_;
    bool owned_;
};

}  // namespace

std::string_view format_name(std::string_view name) {
    return name.ends_with(".gz") ? name.substr(0, name.size() - 3) : name;
}

ReadResult read_input(const std::string& name, bool (*stop)(), bool decompress) {
    const bool standard = name == "-";
    // Non-blocking, so that opening a FIFO does not wait for its writer.
    const Descriptor fd(
        standard ? STDIN_FILENO : open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC), !standard);
    if (fd.get() < 0) return {std::nullopt, std::strerror(errno)};
    std::string text;
    struct stat st{};
    if (fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        text.reserve(static_cast<std::size_t>(st.st_size));
    std::vector<char> chunk(1 << 18);
    for (;;) {
        if (stop()) throw Interrupted{};
        pollfd p{fd.get(), POLLIN, 0};
        const int ready = poll(&p, 1, 50);
        if (ready < 0 && errno != EINTR) return {std::nullopt, std::strerror(errno)};
        if (ready <= 0) continue;
        const ssize_t n = read(fd.get(), chunk.data(), chunk.size());
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return {std::nullopt, std::strerror(errno)};
        }
        if (n == 0) break;
        text.append(chunk.data(), static_cast<std::size_t>(n));
    }
    if (!decompress || (!name.ends_with(".gz") && !is_gzip(text))) return {std::move(text), {}};
    std::string plain;
    if (auto error = gunzip(text, plain, [stop] {
            if (stop()) throw Interrupted{};
        })) {
        return {std::nullopt, std::move(*error)};
    }
    return {std::move(plain), {}};
}

}  // namespace nemox::cli
