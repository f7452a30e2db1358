#pragma once

#include <QObject>

#include <vector>

class Form3;
class QWidget;

// While a file's text goes into the main text, or the main text is read out for a file,
// the commands that read or write it are refused with a beep: the function keys of the text
// boxes (conversion, undo, find and replace) and the labels and the button that run them.
// The caret keys, scrolling, copying, the style controls and the window's own buttons go on.
class MainTextGuard : public QObject
{
    Q_OBJECT

public:
    explicit MainTextGuard(Form3 &form);

    void setActive(bool active);
    bool isActive() const { return m_active; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isCommandControl(const QObject *watched) const;

    std::vector<QWidget *> m_boxes;
    std::vector<QWidget *> m_commandControls;
    bool m_active = false;
};
