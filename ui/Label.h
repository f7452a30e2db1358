#pragma once

#include "ui/TwipsGeometry.h"

#include <QLabel>

// A label that also serves as a button: it reports mouse down, up, move and click. Every
// press, the second of a double-click too, raises mouseDown and its release mouseUp, so a
// pressed look follows the button; a double-click is one click, raised on the first release.
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

private:
    Border m_border = Border::None;
    // The coming release ends a double-click, whose click was raised by its first release.
    bool m_releaseEndsDoubleClick = false;
};
