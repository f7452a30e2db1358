#pragma once

#include "files/core/FileEncoding.h"
#include "files/core/WorkProgress.h"

#include <QString>

#include <optional>

class QIODevice;

namespace pirtok::files {

// Why a text was not written whole.
struct WriteFault
{
    enum class Kind
    {
        Unencodable, // `character`, at code unit `position` of the text, has no form there
        Failed,      // the device refused the bytes: `reason` says why
        Cancelled
    };
    Kind kind = Kind::Failed;
    qint64 position = 0;
    char32_t character = 0;
    QString reason;
};

// Writes `text` (line breaks as LF) to `device` in chunks as `encoding`, with `lineBreaks`
// in the file, counting code units in `progress`. On a fault part of the text may be in
// the device already: write to a QSaveFile and commit only on success.
std::optional<WriteFault> writeTextFile(QIODevice &device, const QString &text, SaveEncoding encoding,
                                        LineBreaks lineBreaks, WorkProgress &progress);

} // namespace pirtok::files
