#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace vesk4 {

// Why an operation failed, in words for the user; line is the line of a file it concerns, 0 if none.
struct Failure {
    QString message;
    int line = 0;

    // The message with its line, as shown to the user. The message is already in the interface's
    // language; the line's pattern is translated here, so a language may put the line elsewhere.
    QString text() const
    {
        if (line <= 0)
            return message;
        return QCoreApplication::translate("Failure", "line %1: %2").arg(line).arg(message);
    }
};

// Success, or the failure that stopped an operation.
class Status {
public:
    Status() = default;
    Status(Failure failure) : failure_(std::move(failure)) { }

    bool ok() const { return !failure_; }
    explicit operator bool() const { return ok(); }
    const Failure &failure() const { return *failure_; }

private:
    std::optional<Failure> failure_;
};

// A value, or the failure that kept an operation from producing it.
template <class T> class Expected {
public:
    Expected(T value) : v_(std::move(value)) { }
    Expected(Failure failure) : v_(std::move(failure)) { }

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T &value() { return std::get<0>(v_); }
    const T &value() const { return std::get<0>(v_); }
    const Failure &failure() const { return std::get<1>(v_); }
    Status status() const { return ok() ? Status() : Status(failure()); }

private:
    std::variant<T, Failure> v_;
};

} // namespace vesk4
