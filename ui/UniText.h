#pragma once

#include "ui/TwipsGeometry.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include <optional>

// A Unicode text box. Every typed code unit is offered to keyPress() by reference before
// the box inserts it, so a handler can replace it (0 swallows it); pasted text and text
// set by the program are inserted as they are. Typed units include Backspace, Enter and
// Escape, but not Tab (it moves the focus), Delete (X11 reports it as U+007F) or commands
// held with Ctrl. Text round-trips every code unit.
class UniText : public QPlainTextEdit, public TwipsGeometry
{
    Q_OBJECT

public:
    explicit UniText(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

    // A long text put in a part at a time, one part per turn of the event loop, so that the
    // window never waits for it. From beginFill() on, text() gives the whole new text (as
    // setText() would leave it), change() is held back and no undo step is kept; fillSome()
    // puts about `units` more code units in, ending on a line break where it can, and says how
    // many are left. With none left the box is as setText() leaves it, raises change() once,
    // and text() stays quick until the next edit. Any other write of the text ends the fill
    // where it stands, and is a change of its own.
    void beginFill(const QString &text);
    qsizetype fillSome(qsizetype units);
    bool isFilling() const { return m_fill.has_value(); }

    // text()'s length, and `units` of its code units from `from` on (fewer at its end), for
    // reading a long text out a part at a time.
    qsizetype textLength() const;
    QString textPart(qsizetype from, qsizetype units) const;

    // `text` as the box gives it back after setText(text): every line break, CR LF, CR and the
    // document's own separators alike, becomes LF.
    static QString asBoxText(const QString &text);

    // Selection in code units: start is 0-based; setting the start collapses the selection.
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);
    QString selText() const;

    // Font properties as the window hands them over; a refused value changes nothing.
    bool setFontName(const QString &name);
    bool setFontSize(const QString &size);
    void setFontBold(int bold);
    void setFontItalic(int italic);
    QString fontName() const { return font().family(); }
    double fontSize() const { return font().pointSizeF(); }

    void setBackColor(const QColor &color);
    void setForeColor(const QColor &color);
    QColor backColor() const;
    QColor foreColor() const;

    static constexpr int AlignLeft = 0;
    static constexpr int AlignRight = 1;
    // AlignLeft or AlignRight; any other value is left.
    void setAlignment(int alignment);
    int alignment() const { return m_alignment; }
    void setRightToLeft(bool rightToLeft);
    bool rightToLeft() const { return layoutDirection() == Qt::RightToLeft; }

    // A single-line box takes no line break from the keyboard and shows no scroll bars.
    void setMultiLine(bool multiLine);
    bool isMultiLine() const { return m_multiLine; }

    // A locked box refuses the user's changes (typing, Backspace, Delete, pasting, cutting,
    // undoing) with a beep and changeRefused(), while the caret keys, selection, scrolling and
    // copying still work and keyPress() is still raised for every typed unit. The program's
    // own writes go in. A locked box reads as read-only.
    void setLocked(bool locked);
    bool isLocked() const { return isReadOnly(); }

    // While keyPress() is raised for a key of the keyboard: the key's position (the native
    // scan code, an X11 key code) and whether Shift was held. 0 for text from an input method
    // or a key the platform gave no code for, and outside keyPress().
    quint32 typedScanCode() const { return m_typedScanCode; }
    bool typedWithShift() const { return m_typedWithShift; }

Q_SIGNALS:
    // Raised before the box inserts `code`; a handler may replace it, or set 0 to drop it.
    // Handlers run in the box's thread and must be connected directly.
    void keyPress(char16_t &code);
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void change();
    void click();
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint position);
    void gotFocus();
    // A locked box turned an edit away (it has also beeped).
    void changeRefused();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // Passes each code unit through keyPress(); sets `changed` when a handler replaced one.
    QString translateTyped(const QString &typed, bool &changed);
    // A typed control code the handlers left alone: the editor's own handling.
    void typeControlCode(QKeyEvent *event);
    void refuseChange();
    void applyTextOption();
    void documentChanged();
    void endFill();

    struct Fill
    {
        QString text; // as the box will hold it
        qsizetype filled = 0;
        QTextCursor end;
    };
    std::optional<Fill> m_fill;
    // The fill itself is writing: its writes are neither changes nor other writes.
    bool m_fillWrites = false;
    // What the document holds, known without reading it: the text of the last fill, until
    // the next edit.
    std::optional<QString> m_knownText;

    // Counts the program's writes of text and selection, so that typing does not undo a
    // selection that a change handler made while the typed text went in.
    quint64 m_programWrites = 0;
    quint32 m_typedScanCode = 0;
    bool m_typedWithShift = false;
    int m_alignment = AlignLeft;
    bool m_multiLine = true;
    // The coming release ends a double-click, whose click was raised by its first release.
    bool m_releaseEndsDoubleClick = false;
};
