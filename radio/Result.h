#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

// Why a core operation failed, worded so that a window can show it as it is.
struct Error {
    std::string Reason;
};

// A value or the reason there is none. Core functions return this instead of
// throwing, so that a window or a command decides how to report the failure.
// The member names follow std::expected, which can replace it later.
template <typename T, typename E = Error> class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(E error) : state_(std::in_place_index<1>, std::move(error)) {}

    bool has_value() const { return state_.index() == 0; }
    explicit operator bool() const { return has_value(); }
    const T& value() const { return std::get<0>(state_); }
    T& value() { return std::get<0>(state_); }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    const E& error() const { return std::get<1>(state_); }

private:
    std::variant<T, E> state_;
};

// Success without a value, or the reason of the failure.
template <typename E> class [[nodiscard]] Result<void, E> {
public:
    Result() = default;
    Result(E error) : error_(std::move(error)) {}

    bool has_value() const { return !error_.has_value(); }
    explicit operator bool() const { return has_value(); }
    const E& error() const { return *error_; }

private:
    std::optional<E> error_;
};
