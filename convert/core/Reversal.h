#pragma once

#include <QString>

namespace pirtok {

// The text with its UTF-16 code units in reverse order (a mark that followed its letter
// comes before it; a surrogate pair comes out swapped, as a code-unit reversal must).
QString reversedText(const QString &text);

} // namespace pirtok
