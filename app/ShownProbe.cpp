#include "app/ShownProbe.h"

#include "app/Form3Unload.h"
#include "app/PirtokApp.h"

#include <QElapsedTimer>
#include <QEvent>

#include <cstdio>
#include <cstdlib>

ShownProbe *ShownProbe::fromEnvironment(PirtokApp &app)
{
    const QByteArray mode = qgetenv("PIRTOK_BENCH_EXIT");
    if (mode != "shown" && mode != "close")
        return nullptr;
    return new ShownProbe(app, mode == "close");
}

ShownProbe::ShownProbe(PirtokApp &app, bool timeClose)
    : QObject(&app.window()), m_app(app), m_timeClose(timeClose)
{
    app.window().installEventFilter(this);
}

bool ShownProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_app.window() && event->type() == QEvent::Paint) {
        if (m_timeClose) {
            QElapsedTimer timer;
            timer.start();
            m_app.unload().run();
            std::fprintf(stderr, "close saves: %lld ms\n", static_cast<long long>(timer.elapsed()));
        }
        std::fflush(stderr);
        // Nothing else is to be measured: leave without the normal shutdown.
        std::_Exit(EXIT_SUCCESS);
    }
    return QObject::eventFilter(watched, event);
}
