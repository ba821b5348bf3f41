#pragma once

#include <string>
#include <utility>
#include <variant>

namespace payvanta::files {

// Why a file could not be read or written: its path and the system's reason ("No such
// file or directory", "it is a folder, not a file"). The files layer never talks to the
// user; the form turns a failure into the program's message.
struct Failure {
    std::string path;
    std::string reason;
    int error = 0; // the system's error number, 0 where the reason is the program's own

    friend bool operator==(const Failure&, const Failure&) = default;
};

// What a reader gives back: the value read, or the failure that kept it from being read.
template <typename T> class Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Failure failure) : value_(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(value_); }
    explicit operator bool() const { return ok(); }

    T& operator*() { return std::get<T>(value_); }
    const T& operator*() const { return std::get<T>(value_); }
    T* operator->() { return &std::get<T>(value_); }
    const T* operator->() const { return &std::get<T>(value_); }

    const Failure& failure() const { return std::get<Failure>(value_); }

private:
    std::variant<T, Failure> value_;
};

} // namespace payvanta::files
