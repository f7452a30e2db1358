#include "examples/panel/PanelDemoWindow.h"
#include "panel/Form_TaskBar.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PanelDemo"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A bar hanging from the top of the screen that slides down while it is active or the "
                       "pointer rests on it. Each event of the sliding panel control is logged."));
    parser.addHelpOption();
    const QCommandLineOption steps(QStringLiteral("steps"),
                                   QStringLiteral("Ticks a slide takes (default 4)."), QStringLiteral("n"));
    const QCommandLineOption hang(QStringLiteral("hang"),
                                  QStringLiteral("Pixels left on the screen (default 2)."),
                                  QStringLiteral("pixels"));
    parser.addOption(steps);
    parser.addOption(hang);
    parser.process(app);

    PanelDemoWindow window;
    if (parser.isSet(steps))
        window.taskBar().setNumSteps(parser.value(steps).toInt());
    if (parser.isSet(hang))
        window.taskBar().setHangDown(parser.value(hang).toInt());
    window.show();
    return app.exec();
}
