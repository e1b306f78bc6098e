#pragma once

#include <QString>
#include <optional>
#include <utility>

// What an operation that can fail came to: its value (none for Result<>), or
// the reason it failed, worded for the user. The reason must reach the user
// (a log line, a message box, or standard error without a window), so the
// result cannot be dropped.
template <typename T = void>
class [[nodiscard]] Result
{
public:
    Result(const T &value) : m_value(value) {}
    Result(T &&value) : m_value(std::move(value)) {}
    static Result failure(const QString &reason) { return Result(Reason{reason}); }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    QString error() const { return m_error; }

    // Only on success.
    const T &value() const & { return *m_value; }
    T &value() & { return *m_value; }
    T &&value() && { return std::move(*m_value); }
    const T &operator*() const & { return *m_value; }
    T &operator*() & { return *m_value; }
    T &&operator*() && { return std::move(*m_value); }
    const T *operator->() const { return &*m_value; }
    T *operator->() { return &*m_value; }

private:
    struct Reason {
        QString text;
    };
    explicit Result(Reason reason) : m_error(reason.text.isEmpty() ? QStringLiteral("?") : reason.text) {}

    std::optional<T> m_value;
    QString m_error;
};

template <>
class [[nodiscard]] Result<void>
{
public:
    static Result success() { return Result(QString()); }
    static Result failure(const QString &reason) { return Result(reason.isEmpty() ? QStringLiteral("?") : reason); }

    bool ok() const { return m_error.isEmpty(); }
    explicit operator bool() const { return ok(); }
    QString error() const { return m_error; }

private:
    explicit Result(const QString &error) : m_error(error) {}
    QString m_error;
};
