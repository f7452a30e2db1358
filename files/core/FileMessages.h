#pragma once

#include "files/core/FileEncoding.h"
#include "files/core/TextFileReader.h"
#include "files/core/TextFileWriter.h"

#include <QString>

namespace pirtok::files {

// The Kurdish messages of opening and saving, filled in. Files are named by their name
// alone, which is what the user picked; the title strip shows where the text came from.
QString openFaultMessage(const QString &fileName, const ReadFault &fault);
QString saveFaultMessage(const QString &fileName, SaveEncoding encoding, const WriteFault &fault);
QString filesJoinedMessage(int count);

// The title strip's caption after a file was opened or saved: its name and encoding.
QString fileCaption(const QString &fileName, const QString &encoding);

} // namespace pirtok::files
