#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace nemox {

// Why a reader rejected a text: its message, and the line that failed when
// there is one. The line travels as data so that the command can place the
// message without reading it back out of the text.
struct ReadError {
    std::string message;
    std::optional<std::uint64_t> line;
};

// A reader's answer: the parsed value, or what rejects the text.
template <class T>
class Expected {
  public:
    Expected(T value) : data_(std::in_place_index<0>, std::move(value)) {}
    static Expected failure(std::string message) {
        return failure(ReadError{std::move(message), std::nullopt});
    }
    static Expected failure(std::string message, std::uint64_t line) {
        return failure(ReadError{std::move(message), line});
    }
    static Expected failure(ReadError error) {
        return Expected(std::in_place_index<1>, std::move(error));
    }

    bool ok() const { return data_.index() == 0; }
    T& value() { return std::get<0>(data_); }
    const T& value() const { return std::get<0>(data_); }
    const std::string& error() const { return std::get<1>(data_).message; }
    std::optional<std::uint64_t> error_line() const { return std::get<1>(data_).line; }
    const ReadError& read_error() const { return std::get<1>(data_); }

  private:
    template <std::size_t I, class U>
    Expected(std::in_place_index_t<I> tag, U&& u) : data_(tag, std::forward<U>(u)) {}

    std::variant<T, ReadError> data_;
};

}  // namespace nemox
