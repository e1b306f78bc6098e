#pragma once

#include <QString>

// What an operation that can fail came to: success, or the reason it failed,
// worded for the user. The reason must reach the user (a log line, a message
// box, or standard error without a window), so the result cannot be dropped.
class [[nodiscard]] Result
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
