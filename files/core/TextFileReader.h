#pragma once

#include "files/core/FileEncoding.h"
#include "files/core/WorkProgress.h"

#include <QString>

#include <optional>

class QIODevice;

namespace pirtok::files {

// Why a file gave no text.
struct ReadFault
{
    enum class Kind
    {
        Unreadable, // the system could not read it: `reason` says why
        Invalid,    // it breaks the rules of its encoding: `offset` is the first bad byte
        NotText,    // it has a NUL byte and no mark: `offset` is the NUL
        Cancelled
    };
    Kind kind = Kind::Invalid;
    qint64 offset = 0;
    QString reason;
};

struct ReadResult
{
    QString text;
    FileEncoding encoding = FileEncoding::Utf8;
    LineBreaks lineBreaks = LineBreaks::Lf;
    std::optional<ReadFault> fault; // when set, `text` is empty
};

// Reads a whole text file from `device` (open for reading, at its start) in chunks,
// counting its bytes in `progress` and stopping when it is cancelled. The encoding is
// found as the converter finds it: a byte-order mark (UTF-8, UTF-16LE, UTF-16BE), else
// UTF-8 when every byte of the file reads as UTF-8, else cp1256. Without a mark a NUL
// byte refuses the file: no text of ours has one, and a binary file would show as garbage.
ReadResult readTextFile(QIODevice &device, WorkProgress &progress);

// The line breaks of `text`, judged by its first one.
LineBreaks lineBreaksOf(const QString &text);

} // namespace pirtok::files
