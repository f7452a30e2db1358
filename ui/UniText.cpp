#include "ui/UniText.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace {

// The document keeps line breaks as paragraph separators; the box's text uses LF.
constexpr char16_t ParagraphSeparator = 0x2029;
// A plain-text insert also breaks the line at the frame marks.
constexpr char16_t FrameStart = 0xFDD0;
constexpr char16_t FrameEnd = 0xFDD1;

bool breaksLine(char16_t unit)
{
    return unit == u'\n' || unit == u'\r' || unit == ParagraphSeparator || unit == FrameStart ||
           unit == FrameEnd;
}

QString fromDocumentText(QString raw)
{
    raw.replace(QChar(ParagraphSeparator), QLatin1Char('\n'));
    return raw;
}

constexpr char16_t DeleteCode = 0x7f;

bool isControlCode(const QString &typed)
{
    return typed.size() == 1 && (typed.at(0).unicode() < 0x20 || typed.at(0).unicode() == DeleteCode);
}

// What a key offers to keyPress(): its text, unless it is a command (Ctrl, Meta), moves the
// focus (Tab) or deletes forward (Delete, whose text X11 gives as U+007F).
QString typedText(const QKeyEvent &event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return {};
    if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab || event.key() == Qt::Key_Delete)
        return {};
    const QString text = event.text();
    if (text.size() == 1 && text.at(0) == QChar(DeleteCode))
        return {};
    return text;
}

// Keys that change the text without typing a character.
bool isEditingCommand(const QKeyEvent &event)
{
    static constexpr QKeySequence::StandardKey Edits[] = {
        QKeySequence::Cut,
        QKeySequence::Paste,
        QKeySequence::Undo,
        QKeySequence::Redo,
        QKeySequence::Delete,
        QKeySequence::Backspace,
        QKeySequence::DeleteStartOfWord,
        QKeySequence::DeleteEndOfWord,
        QKeySequence::DeleteEndOfLine,
        QKeySequence::DeleteCompleteLine,
        QKeySequence::InsertParagraphSeparator,
        QKeySequence::InsertLineSeparator,
    };
    if (event.key() == Qt::Key_Delete || event.key() == Qt::Key_Backspace)
        return true;
    return std::any_of(std::begin(Edits), std::end(Edits),
                       [&event](QKeySequence::StandardKey edit) { return event.matches(edit); });
}

bool isLineBreak(QChar unit)
{
    return unit == QLatin1Char('\r') || unit == QLatin1Char('\n');
}

} // namespace

UniText::UniText(QWidget *parent) : QPlainTextEdit(parent), TwipsGeometry(this)
{
    setTabChangesFocus(true);
    viewport()->setMouseTracking(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_fill && !m_fillWrites)
            Q_EMIT change();
    });
    connect(document(), &QTextDocument::contentsChange, this, &UniText::documentChanged);
}

QString UniText::text() const
{
    if (m_fill)
        return m_fill->text;
    if (m_knownText)
        return *m_knownText;
    return fromDocumentText(document()->toRawText());
}

void UniText::setText(const QString &text)
{
    if (m_fill)
        endFill();
    ++m_programWrites;
    setPlainText(text);
}

QString UniText::asBoxText(const QString &text)
{
    const auto first =
        std::find_if(text.cbegin(), text.cend(), [](QChar unit) { return breaksLine(unit.unicode()); });
    const qsizetype from = first - text.cbegin();
    // Most texts have LF line breaks only: they stay shared.
    if (std::none_of(first, text.cend(),
                     [](QChar unit) { return unit != u'\n' && breaksLine(unit.unicode()); }))
        return text;
    QString out;
    out.reserve(text.size());
    out.append(QStringView(text).first(from));
    for (qsizetype i = from; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        if (unit == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            continue; // the LF that follows is the break
        out.append(breaksLine(unit) ? QChar(u'\n') : QChar(unit));
    }
    return out;
}

void UniText::beginFill(const QString &text)
{
    // The box's own caret format goes on the new text, as setText() gives it.
    const QTextCharFormat format = textCursor().charFormat();
    {
        const QScopedValueRollback<bool> writing(m_fillWrites, true);
        setText(QString());
    }
    m_knownText.reset();
    document()->setUndoRedoEnabled(false);
    m_fill = Fill{asBoxText(text), 0, QTextCursor(document())};
    m_fill->end.setCharFormat(format);
}

qsizetype UniText::fillSome(qsizetype units)
{
    if (!m_fill)
        return 0;
    Fill &fill = *m_fill;
    const qsizetype size = fill.text.size();
    qsizetype end = std::min(size, fill.filled + std::max<qsizetype>(units, 1));
    if (end < size) {
        // Whole lines show while the rest comes; never half of a letter beyond the basic plane.
        const qsizetype lineEnd = fill.text.lastIndexOf(u'\n', end - 1);
        if (lineEnd >= fill.filled)
            end = lineEnd + 1;
        else if (fill.text.at(end - 1).isHighSurrogate())
            ++end;
    }
    {
        const QScopedValueRollback<bool> writing(m_fillWrites, true);
        fill.end.insertText(fill.text.mid(fill.filled, end - fill.filled));
    }
    fill.filled = end;
    if (end < size)
        return size - end;

    QString whole = std::move(fill.text);
    endFill();
    m_knownText = std::move(whole);
    ++m_programWrites;
    setTextCursor(QTextCursor(document())); // the caret at the start, as setText() leaves it
    document()->setModified(false);
    Q_EMIT change();
    return 0;
}

void UniText::endFill()
{
    m_fill.reset();
    document()->setUndoRedoEnabled(true);
}

void UniText::documentChanged()
{
    if (m_fillWrites)
        return;
    m_knownText.reset();
    // Another write went in while the fill ran: what the box holds is now its own text.
    if (m_fill)
        endFill();
}

qsizetype UniText::textLength() const
{
    if (m_fill)
        return m_fill->text.size();
    return document()->characterCount() - 1;
}

QString UniText::textPart(qsizetype from, qsizetype units) const
{
    if (m_fill || m_knownText)
        return text().mid(from, units);
    const qsizetype length = textLength();
    QTextCursor part(document());
    part.setPosition(static_cast<int>(qBound<qsizetype>(0, from, length)));
    part.setPosition(static_cast<int>(qBound<qsizetype>(0, from + qMax<qsizetype>(0, units), length)),
                     QTextCursor::KeepAnchor);
    return fromDocumentText(part.selectedText());
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
    m_alignment = alignment == AlignRight ? AlignRight : AlignLeft;
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
    option.setAlignment(Qt::AlignAbsolute | (m_alignment == AlignRight ? Qt::AlignRight : Qt::AlignLeft));
    option.setTextDirection(layoutDirection());
    document()->setDefaultTextOption(option);
}

void UniText::setLocked(bool locked)
{
    // Not the editor's read-only mode: that also stops the caret keys and the input method,
    // and with them the key-press.
    setTextInteractionFlags(locked ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                   : Qt::TextEditorInteraction);
    setAttribute(Qt::WA_InputMethodEnabled, true);
}

void UniText::refuseChange()
{
    QApplication::beep();
    Q_EMIT changeRefused();
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

    const QString typed = typedText(*event);
    if (typed.isEmpty()) {
        // Caret keys, commands, Delete: the editor's own, but a locked box changes nothing.
        if (isLocked() && isEditingCommand(*event))
            refuseChange();
        else
            QPlainTextEdit::keyPressEvent(event);
        return;
    }

    bool changed = false;
    m_typedScanCode = event->nativeScanCode();
    m_typedWithShift = event->modifiers().testFlag(Qt::ShiftModifier);
    const QString out = translateTyped(typed, changed);
    m_typedScanCode = 0;
    m_typedWithShift = false;
    if (!changed && isControlCode(typed)) {
        typeControlCode(event);
        return;
    }
    if (out.isEmpty())
        return;
    if (isLocked()) {
        refuseChange();
        return;
    }
    const quint64 writesBefore = m_programWrites;
    QTextCursor cursor = textCursor();
    cursor.insertText(out);
    if (m_programWrites == writesBefore)
        setTextCursor(cursor);
    ensureCursorVisible();
}

void UniText::typeControlCode(QKeyEvent *event)
{
    // Backspace, Enter, Escape; a single-line box takes no line break.
    const QChar code = event->text().at(0);
    if (isLineBreak(code) && !m_multiLine)
        return;
    if (isLocked() && (isLineBreak(code) || event->key() == Qt::Key_Backspace)) {
        refuseChange();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void UniText::inputMethodEvent(QInputMethodEvent *event)
{
    const bool commits = !event->commitString().isEmpty();
    if (isLocked()) {
        // The handlers still see what was typed. No composition is shown either: the editor
        // would clear the selection for it.
        bool changed = false;
        if (commits && !translateTyped(event->commitString(), changed).isEmpty())
            refuseChange();
        event->accept();
        return;
    }
    if (!commits) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    bool changed = false;
    const QString out = translateTyped(event->commitString(), changed);
    QInputMethodEvent translated(event->preeditString(), event->attributes());
    translated.setCommitString(out, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&translated);
}

void UniText::insertFromMimeData(const QMimeData *source)
{
    // Every paste and drop comes through here, also the program's paste().
    if (isLocked()) {
        refuseChange();
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}

void UniText::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT mouseDown(event->button(), event->modifiers(), event->position().toPoint());
    QPlainTextEdit::mousePressEvent(event);
}

void UniText::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    const bool endsDoubleClick = std::exchange(m_releaseEndsDoubleClick, false);
    if (!endsDoubleClick && viewport()->rect().contains(event->position().toPoint()))
        Q_EMIT click();
}

void UniText::mouseDoubleClickEvent(QMouseEvent *event)
{
    // One click per double-click: its first release raised it.
    m_releaseEndsDoubleClick = true;
    QPlainTextEdit::mouseDoubleClickEvent(event);
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
