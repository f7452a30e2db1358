#pragma once

#include "ui/TwipsGeometry.h"

#include <QLabel>

// A label that also serves as a button: it reports mouse down, up, move and click. Every
// press, the second of a double-click too, raises mouseDown and its release mouseUp, so a
// pressed look follows the button; a double-click is one click, raised on the first release.
// A label made button-like is also a button for the keyboard and for screen readers: Tab
// reaches it (a mouse click does not take the focus), it shows a focus frame, and Space or
// Enter work it as the left button does, pressed while the key is held.
class Label : public QLabel, public TwipsGeometry
{
    Q_OBJECT

public:
    enum class Border
    {
        None,
        Single,
        Sunken
    };

    explicit Label(QWidget *parent = nullptr);

    QString caption() const { return text(); }
    // Raises change() when the caption becomes a different text.
    void setCaption(const QString &caption);

    void setBackColor(const QColor &color);
    QColor backColor() const;
    void setForeColor(const QColor &color);
    QColor foreColor() const;

    void setBorder(Border border);
    Border border() const { return m_border; }

    void refresh() { repaint(); }

    void setButtonLike(bool buttonLike);
    bool isButtonLike() const { return m_buttonLike; }
    // A whole click at once, as a screen reader's press or a command key asks for it: down,
    // up and click, with the left button.
    void performClick();

Q_SIGNALS:
    void change();
    void mouseDown(Qt::MouseButton button);
    void mouseUp(Qt::MouseButton button);
    void mouseMove(Qt::MouseButtons buttons);
    void click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The key that pressed the label and whose release clicks it.
    int m_pressingKey = 0;
    bool m_buttonLike = false;
    Border m_border = Border::None;
    // The coming release ends a double-click, whose click was raised by its first release.
    bool m_releaseEndsDoubleClick = false;
};
