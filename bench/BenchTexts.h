#pragma once

#include <QString>

namespace benchtexts {

// Realistic running text of about `units` UTF-16 units: Sorani words in their Unicode
// spelling, with spaces, punctuation and line breaks. The same seed gives the same text.
QString unicodeText(qsizetype units);

// The same kind of text in the Kurdish-font writing, as older documents hold it.
QString kurdishFontText(qsizetype units);

} // namespace benchtexts
