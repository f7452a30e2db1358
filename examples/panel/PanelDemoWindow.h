#pragma once

#include "panel/core/PanelEvent.h"

#include <QFrame>
#include <QStringList>

class Form_TaskBar;
class QLabel;

// A bar hosting the sliding panel control, with one line of text that logs the control's
// events as they come, newest on the right.
class PanelDemoWindow : public QFrame
{
    Q_OBJECT

public:
    explicit PanelDemoWindow(QWidget *parent = nullptr);

    Form_TaskBar &taskBar() { return *m_taskBar; }

private:
    void connectEvents();
    void log(pirtok::PanelEvent event);

    Form_TaskBar *m_taskBar;
    QLabel *m_log;
    QStringList m_recent;
    int m_count = 0;
};
