#pragma once

#include <QString>
#include <QStringView>

#include <array>

namespace pirtok {

// What one line of text is written in.
enum class LineClass
{
    AliK,
    AliWeb,
    Dylan,
    Zarnegar,
    Unicode,
    Arabic, // Arabic or Persian: left unconverted
    Neutral // no Arabic-script letter at all (empty, Latin, digits): copied as it is
};

constexpr int LineClassCount = 7;

LineClass classifyLine(QStringView line); // one line, no line break inside
QStringView
lineClassName(LineClass c); // "ali-k", "ali-web", "dylan", "zarnegar", "unicode", "arabic", "neutral"

// Per-file tally for detection: how many lines of each class, and the verdict text.
class LineClassTally
{
public:
    void add(LineClass c);
    qint64 count(LineClass c) const;
    qint64 total() const;
    // "ali-k (812 lines), unicode (40), arabic (3)": classes with lines, most first, Neutral left out;
    // without a classed line "neutral (N lines)", or "empty" for no line at all.
    QString summary() const;

private:
    std::array<qint64, LineClassCount> m_counts{};
};

} // namespace pirtok
