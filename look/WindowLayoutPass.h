#pragma once

#include <QObject>

class Form3;

// Keeps the main window's arrangement on every change of its size: the top strip, the
// green frames, the ridge lines, the main text and the corner symbols follow the window,
// which may not get smaller than its minimum. Nothing happens while it is minimized.
class WindowLayoutPass : public QObject
{
    Q_OBJECT

public:
    explicit WindowLayoutPass(Form3 &form);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Form3 &m_form;
};

// One layout pass over the window as it stands; the resize handling runs it, and the
// start-up may run it once before the window is shown.
void LayOutWindow(Form3 &form);

// Centres the window on its screen, keeping it inside the screen's available area.
void CentreWindow(Form3 &form);
