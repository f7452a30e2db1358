#pragma once

#include <QObject>

class PirtokApp;

// For the start-up benchmark only: ends the program as soon as its window is first painted,
// so that a script can time a whole start. With `timeClose` it first runs the close saves
// and prints how long they took, in milliseconds, to standard error.
class ShownProbe : public QObject
{
    Q_OBJECT

public:
    // Reads PIRTOK_BENCH_EXIT: "shown" or "close"; returns nullptr when not set.
    static ShownProbe *fromEnvironment(PirtokApp &app);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ShownProbe(PirtokApp &app, bool timeClose);

    PirtokApp &m_app;
    bool m_timeClose;
};
