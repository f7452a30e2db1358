#pragma once

#include "panel/PanelPlatform.h"
#include "panel/core/SlidingPanel.h"
#include "ui/Timer.h"

#include <QPointer>
#include <QWidget>

#include <memory>

// A control that turns the window it is placed on into a bar hanging from the top edge of
// the screen, HangDown pixels visible, kept above other windows. It slides the window down
// into full view while the window is active or the pointer rests on it, and back up when
// neither holds, and tells the host every step through its events. It shows nothing itself.
// It starts a moment after its host window is first shown, when the window's size is final.
// A host that is not a window gets an error message and the control stays idle.
class Form_TaskBar : public QWidget, private pirtok::PanelHost
{
    Q_OBJECT
    Q_PROPERTY(int NumSteps READ NumSteps WRITE setNumSteps NOTIFY NumStepsChanged)
    Q_PROPERTY(int HangDown READ HangDown WRITE setHangDown NOTIFY HangDownChanged)

public:
    // `platform`: where positions, the pointer and the focus are read; Qt's when absent.
    explicit Form_TaskBar(QWidget *host, std::unique_ptr<PanelPlatform> platform = nullptr);
    ~Form_TaskBar() override;

    // "The number of steps drawn while moving the taskbar down." 0 or less is taken as 1.
    int NumSteps() const { return m_panel.NumSteps(); }
    void setNumSteps(int numSteps);
    // "How many pixels will hang down into the screen."
    int HangDown() const { return m_panel.HangDown(); }
    void setHangDown(int pixels);

    // Out or on the way; and on the way.
    Q_INVOKABLE bool IsTaskbarOut() const { return m_panel.IsTaskbarOut(); }
    Q_INVOKABLE bool IsTaskbarMoving() const { return m_panel.IsTaskbarMoving(); }

    const Timer &timer(pirtok::PanelTimer which) const;

Q_SIGNALS:
    void AppGotFocus();
    void AppLostFocus();
    void EndOpenUp();
    void EndCloseUp();
    void StartOpenUp();
    void StartCloseUp();
    void ChangeCloseUp();
    void ChangeOpenUp();
    void MouseOver();
    void MouseLeft();

    // Emitted on every setting, so that a host saves the property under its name.
    void NumStepsChanged(int numSteps);
    void HangDownChanged(int pixels);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onDelayedInit();
    void onAppFocus();
    void onCheckMouseOver();

    // PanelHost: the state machine works in twips from the screen's top-left corner.
    QRect windowTwips() const override;
    void moveWindowTwips(int left, int top) override;
    void makeTopmost() override;
    void setTimerInterval(pirtok::PanelTimer which, int milliseconds) override;
    void raiseEvent(pirtok::PanelEvent event) override;

    Timer &timerFor(pirtok::PanelTimer which);

    std::unique_ptr<PanelPlatform> m_platform;
    Timer tmrDelayedInit;
    Timer tmrSliding;
    Timer tmrCheckMouseOver;
    Timer tmrAppFocus;
    QPointer<QWidget> ParentForm; // set once, by the delayed start
    QPoint m_screenOrigin;        // of the screen read at the delayed start
    pirtok::SlidingPanel m_panel;
};
