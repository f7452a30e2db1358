#pragma once

#include <QString>

// What a write of a file or of the settings store came to: done, or failed with the path
// that could not be written and the reason. Callers must look at it: a dropped failure is
// a lost text.
class [[nodiscard]] WriteResult
{
public:
    static WriteResult done() { return WriteResult(); }
    static WriteResult failed(QString path, QString reason)
    {
        WriteResult result;
        result.m_ok = false;
        result.m_path = std::move(path);
        result.m_reason = std::move(reason);
        return result;
    }

    bool ok() const { return m_ok; }
    // The file that could not be written, and why; empty when the write was done.
    const QString &path() const { return m_path; }
    const QString &reason() const { return m_reason; }
    // "path: reason", for a line on standard error.
    QString describe() const { return m_ok ? QString() : m_path + QStringLiteral(": ") + m_reason; }

private:
    WriteResult() = default;

    bool m_ok = true;
    QString m_path;
    QString m_reason;
};
