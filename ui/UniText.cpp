#include "ui/UniText.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// The document keeps line breaks as paragraph separators; the box's text uses LF.
constexpr char16_t ParagraphSeparator = 0x2029;

QString fromDocumentText(QString raw)
{
    raw.replace(QChar(ParagraphSeparator), QLatin1Char('\n'));
    return raw;
}

bool isControlCode(const QString &typed)
{
    return typed.size() == 1 && (typed.at(0).unicode() < 0x20 || typed.at(0).unicode() == 0x7f);
}

} // namespace

UniText::UniText(QWidget *parent) : QPlainTextEdit(parent), TwipsGeometry(this)
{
    setTabChangesFocus(true);
    viewport()->setMouseTracking(true);
    connect(this, &QPlainTextEdit::textChanged, this, &UniText::change);
}

QString UniText::text() const
{
    return fromDocumentText(document()->toRawText());
}

void UniText::setText(const QString &text)
{
    ++m_programWrites;
    setPlainText(text);
}

int UniText::selStart() const
{
    return textCursor().selectionStart();
}

void UniText::setSelStart(int start)
{
    ++m_programWrites;
    QTextCursor cursor = textCursor();
    const int last = document()->characterCount() - 1;
    cursor.setPosition(qBound(0, start, last));
    setTextCursor(cursor);
}

int UniText::selLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void UniText::setSelLength(int length)
{
    ++m_programWrites;
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const int last = document()->characterCount() - 1;
    cursor.setPosition(start);
    cursor.setPosition(qBound(start, start + qMax(0, length), last), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString UniText::selText() const
{
    return fromDocumentText(textCursor().selectedText());
}

bool UniText::setFontName(const QString &name)
{
    if (name.trimmed().isEmpty())
        return false;
    QFont f = font();
    f.setFamily(name);
    setFont(f);
    return true;
}

bool UniText::setFontSize(const QString &size)
{
    bool ok = false;
    const double points = size.trimmed().toDouble(&ok);
    if (!ok || points <= 0 || points > 2048)
        return false;
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
    return true;
}

void UniText::setFontBold(int bold)
{
    QFont f = font();
    f.setBold(bold != 0);
    setFont(f);
}

void UniText::setFontItalic(int italic)
{
    QFont f = font();
    f.setItalic(italic != 0);
    setFont(f);
}

void UniText::setBackColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
}

void UniText::setForeColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Text, color);
    setPalette(p);
}

QColor UniText::backColor() const
{
    return palette().color(QPalette::Base);
}
QColor UniText::foreColor() const
{
    return palette().color(QPalette::Text);
}

void UniText::setAlignment(int alignment)
{
    m_alignment = alignment == 1 ? 1 : 0;
    applyTextOption();
}

void UniText::setRightToLeft(bool rightToLeft)
{
    setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    applyTextOption();
}

void UniText::applyTextOption()
{
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(Qt::AlignAbsolute | (m_alignment == 1 ? Qt::AlignRight : Qt::AlignLeft));
    option.setTextDirection(layoutDirection());
    document()->setDefaultTextOption(option);
}

void UniText::setMultiLine(bool multiLine)
{
    m_multiLine = multiLine;
    setLineWrapMode(multiLine ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    const Qt::ScrollBarPolicy policy = multiLine ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    setVerticalScrollBarPolicy(policy);
    setHorizontalScrollBarPolicy(policy);
}

QString UniText::translateTyped(const QString &typed, bool &changed)
{
    QString out;
    out.reserve(typed.size());
    for (const QChar unit : typed) {
        char16_t code = unit.unicode();
        Q_EMIT keyPress(code);
        changed = changed || code != unit.unicode();
        if (code != 0)
            out.append(QChar(code));
    }
    return out;
}

void UniText::keyPressEvent(QKeyEvent *event)
{
    Q_EMIT keyDown(event->key(), event->modifiers());

    // Commands (Ctrl+C, Ctrl+V, ...) and keys without text go to the editor untouched.
    const QString typed = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (typed.isEmpty() || command || isReadOnly()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }

    bool changed = false;
    const QString out = translateTyped(typed, changed);
    if (!changed && isControlCode(typed)) {
        // Backspace, Enter, Escape: the editor's own handling, but a single-line box
        // takes no line break.
        const bool lineBreak = typed.at(0) == QLatin1Char('\r') || typed.at(0) == QLatin1Char('\n');
        if (lineBreak && !m_multiLine)
            return;
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    if (out.isEmpty())
        return;
    const quint64 writesBefore = m_programWrites;
    QTextCursor cursor = textCursor();
    cursor.insertText(out);
    if (m_programWrites == writesBefore)
        setTextCursor(cursor);
    ensureCursorVisible();
}

void UniText::inputMethodEvent(QInputMethodEvent *event)
{
    if (event->commitString().isEmpty() || isReadOnly()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    bool changed = false;
    const QString out = translateTyped(event->commitString(), changed);
    QInputMethodEvent translated(event->preeditString(), event->attributes());
    translated.setCommitString(out, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&translated);
}

void UniText::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT mouseDown(event->button(), event->modifiers(), event->position().toPoint());
    QPlainTextEdit::mousePressEvent(event);
}

void UniText::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (viewport()->rect().contains(event->position().toPoint()))
        Q_EMIT click();
}

void UniText::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
    QPlainTextEdit::mouseMoveEvent(event);
}

void UniText::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    Q_EMIT gotFocus();
}
