#include "shell/core/DesktopEntryText.h"

namespace DesktopEntryText {

namespace {

// Characters that make an Exec argument need quotes.
constexpr char16_t ReservedInExec[] = u" \t\n\"'\\><~|&;$*?#()`";
// Characters that need a backslash inside a quoted Exec argument.
constexpr char16_t EscapedInQuotes[] = u"\"`$\\";

bool isOneOf(QChar c, const char16_t *set)
{
    for (; *set; ++set)
        if (c == QChar(*set))
            return true;
    return false;
}

} // namespace

QString escapeValue(const QString &value)
{
    QString escaped;
    escaped.reserve(value.size() + 8);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\')
            escaped += QStringLiteral("\\\\");
        else if (c == u'\n')
            escaped += QStringLiteral("\\n");
        else if (c == u'\t')
            escaped += QStringLiteral("\\t");
        else if (c == u'\r')
            escaped += QStringLiteral("\\r");
        else if (c == u' ' && i == 0)
            escaped += QStringLiteral("\\s");
        else
            escaped += c;
    }
    return escaped;
}

QString quoteExecArgument(const QString &argument)
{
    bool needsQuotes = argument.isEmpty();
    for (const QChar c : argument)
        needsQuotes = needsQuotes || isOneOf(c, ReservedInExec);

    QString quoted;
    quoted.reserve(argument.size() + 8);
    if (needsQuotes)
        quoted += u'"';
    for (const QChar c : argument) {
        if (c == u'%') {
            quoted += QStringLiteral("%%");
            continue;
        }
        if (needsQuotes && isOneOf(c, EscapedInQuotes))
            quoted += u'\\';
        quoted += c;
    }
    if (needsQuotes)
        quoted += u'"';
    return quoted;
}

QString execValue(const QString &program)
{
    return escapeValue(quoteExecArgument(program));
}

QString compose(const QList<QPair<QString, QString>> &entries)
{
    QString text = QStringLiteral("[Desktop Entry]\n");
    for (const auto &[key, value] : entries)
        text += key + u'=' + value + u'\n';
    return text;
}

} // namespace DesktopEntryText
