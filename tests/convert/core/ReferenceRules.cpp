#include "tests/convert/core/ReferenceRules.h"

#include <initializer_list>

using pirtok::Direction;
using pirtok::LetterPairs;
using pirtok::RunKind;

namespace reference {

namespace {

constexpr int StepsPerTick = 80;

// True when the units `expected` stand at `pos`, all of them inside the source.
bool standsAt(const QString &source, qsizetype pos, std::initializer_list<char16_t> expected)
{
    qsizetype at = pos;
    for (char16_t unit : expected) {
        if (at >= source.size() || source.at(at).unicode() != unit)
            return false;
        ++at;
    }
    return true;
}

// The 32 characters after which a final ي becomes ى: written out one by one, in the
// order the rule lists them, rather than as the engine's string.
bool isSeparator(char16_t unit)
{
    static const char16_t separators[] = {
        0x0020, u':',   u';', u'\'', u'=', u'+', u'-', u'_',   u'.', u',',   u'(',
        u')',   0x005C, u'/', u'[',  u']', u'{', u'}', 0x061F, u'?', u'|',   u'!',
        u'>',   u'<',   u'@', u'#',  u'$', u'%', u'^', u'&',   u'*', 0x0022,
    };
    static_assert(sizeof(separators) / sizeof(separators[0]) == 32);
    for (char16_t separator : separators) {
        if (separator == unit)
            return true;
    }
    return false;
}

// A box matches when its whole text is the one unit at `pos`: an empty box or one of
// two units never does.
bool boxMatches(const QString &box, const QString &source, qsizetype pos)
{
    return box == QString(source.at(pos));
}

qsizetype emit(QString &out, std::initializer_list<char16_t> units, qsizetype consumed)
{
    for (char16_t unit : units)
        out.append(QChar(unit));
    return consumed;
}

} // namespace

qsizetype kurdishToUnicodeStep(const QString &source, qsizetype pos, const LetterPairs &pairs, RunKind kind,
                               QString &out)
{
    // 1
    if (standsAt(source, pos, {0x0629}))
        return emit(out, {0x06D5}, 1);
    // 2: boxes 0, 2, 4, 6, each giving its partner's text
    for (int kurdishBox = 0; kurdishBox <= 6; kurdishBox += 2) {
        if (boxMatches(pairs.box(kurdishBox), source, pos)) {
            out.append(pairs.box(kurdishBox + 1));
            return 1;
        }
    }
    // 3 to 8
    if (standsAt(source, pos, {0x0636}))
        return emit(out, {0x0686}, 1);
    if (standsAt(source, pos, {0x0637}))
        return emit(out, {0x06AF}, 1);
    if (standsAt(source, pos, {0x062B}))
        return emit(out, {0x067E}, 1);
    if (standsAt(source, pos, {0x0638}))
        return emit(out, {0x06A4}, 1);
    if (standsAt(source, pos, {0x0630}))
        return emit(out, {0x0698}, 1);
    if (standsAt(source, pos, {0x0624}))
        return emit(out, {0x06C6}, 1);
    // 9, 10
    if (standsAt(source, pos, {0x0648, 0x064E}))
        return emit(out, {0x06C6}, 2);
    if (standsAt(source, pos, {0x064A, 0x064E}))
        return emit(out, {0x06CE}, 2);
    // 11
    if (standsAt(source, pos, {0x0644, 0x0623}) || standsAt(source, pos, {0x0644, 0x0622}))
        return emit(out, {0x06B5, 0x0627}, 2);
    // 12, 13
    if (standsAt(source, pos, {0x0644, 0x0627, 0x064E}))
        return emit(out, {0x06B5, 0x0627}, 3);
    if (standsAt(source, pos, {0x0644, 0x064E}))
        return emit(out, {0x06B5}, 2);
    // 14, 15
    if (standsAt(source, pos, {0x0631, 0x0650}))
        return emit(out, {0x0695}, 2);
    if (standsAt(source, pos, {0x0649, 0x064E}))
        return emit(out, {0x06CE}, 2);
    // 16: ي before a separator, which is copied unchanged; a selection's final ي alone
    if (standsAt(source, pos, {0x064A})) {
        const bool last = pos + 1 == source.size();
        if (!last && isSeparator(source.at(pos + 1).unicode())) {
            out.append(QChar(0x0649));
            out.append(source.at(pos + 1));
            return 2;
        }
        if (last && kind == RunKind::Selection)
            return emit(out, {0x0649}, 1);
    }
    // 17
    out.append(source.at(pos));
    return 1;
}

qsizetype unicodeToKurdishStep(const QString &source, qsizetype pos, const LetterPairs &pairs, QString &out)
{
    // 1
    if (standsAt(source, pos, {0x0647, 0x200C}))
        return emit(out, {0x0629}, 2);
    // 2: boxes 1, 3, 5, 7, each giving its partner's text
    for (int unicodeBox = 1; unicodeBox <= 7; unicodeBox += 2) {
        if (boxMatches(pairs.box(unicodeBox), source, pos)) {
            out.append(pairs.box(unicodeBox - 1));
            return 1;
        }
    }
    // 3 to 11
    if (standsAt(source, pos, {0x06D5}))
        return emit(out, {0x0629}, 1);
    if (standsAt(source, pos, {0x0686}))
        return emit(out, {0x0636}, 1);
    if (standsAt(source, pos, {0x06AF}))
        return emit(out, {0x0637}, 1);
    if (standsAt(source, pos, {0x067E}))
        return emit(out, {0x062B}, 1);
    if (standsAt(source, pos, {0x06A4}))
        return emit(out, {0x0638}, 1);
    if (standsAt(source, pos, {0x0698}))
        return emit(out, {0x0630}, 1);
    if (standsAt(source, pos, {0x06CC}))
        return emit(out, {0x064A}, 1);
    if (standsAt(source, pos, {0x06C6}))
        return emit(out, {0x0624}, 1);
    if (standsAt(source, pos, {0x06CE}))
        return emit(out, {0x064A, 0x064E}, 1);
    // 12, 13
    if (standsAt(source, pos, {0x06B5, 0x0627}))
        return emit(out, {0x0644, 0x0622}, 2);
    if (standsAt(source, pos, {0x06B5}))
        return emit(out, {0x0644, 0x064E}, 1);
    // 14 to 16
    if (standsAt(source, pos, {0x0695}))
        return emit(out, {0x0631, 0x0650}, 1);
    if (standsAt(source, pos, {0x06BE}))
        return emit(out, {0x0647}, 1);
    if (standsAt(source, pos, {0x0649}))
        return emit(out, {0x064A}, 1);
    // 17
    out.append(source.at(pos));
    return 1;
}

namespace {

qsizetype step(const QString &source, qsizetype pos, Direction direction, const LetterPairs &pairs,
               RunKind kind, QString &out)
{
    if (direction == Direction::KurdishToUnicode)
        return kurdishToUnicodeStep(source, pos, pairs, kind, out);
    return unicodeToKurdishStep(source, pos, pairs, out);
}

} // namespace

QString convert(const QString &source, Direction direction, const LetterPairs &pairs, RunKind kind)
{
    QString result;
    qsizetype pos = 0;
    while (pos < source.size())
        pos += step(source, pos, direction, pairs, kind, result);
    return result;
}

TickedRun convertByTicks(const QString &source, const QList<int> &listIndexPerTick, const LetterPairs &pairs,
                         RunKind kind)
{
    TickedRun run;
    qsizetype pos = 0;
    for (;;) {
        const int listIndex = listIndexPerTick.at(run.ticks % listIndexPerTick.size());
        ++run.ticks;
        if (listIndex != 0 && listIndex != 1)
            continue;
        const Direction direction =
            listIndex == 0 ? Direction::KurdishToUnicode : Direction::UnicodeToKurdish;
        for (int steps = 0; steps < StepsPerTick; ++steps) {
            if (pos >= source.size())
                return run;
            pos += step(source, pos, direction, pairs, kind, run.result);
        }
    }
}

} // namespace reference
