#pragma once

#include <string>
#include <utility>
#include <variant>

namespace nemox {

// A reader's answer: the parsed value, or the message that rejects the text.
template <class T>
class Expected {
  public:
    Expected(T value) : data_(std::in_place_index<0>, std::move(value)) {}
    static Expected failure(std::string message) {
        return Expected(std::in_place_index<1>, std::move(message));
    }

    bool ok() const { return data_.index() == 0; }
    T& value() { return std::get<0>(data_); }
    const T& value() const { return std::get<0>(data_); }
    const std::string& error() const { return std::get<1>(data_); }

  private:
    template <std::size_t I, class U>
    Expected(std::in_place_index_t<I> tag, U&& u) : data_(tag, std::forward<U>(u)) {}

    std::variant<T, std::string> data_;
};

}  // namespace nemox
