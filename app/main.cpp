#include "app/PirtokApp.h"
#include "app/ShownProbe.h"

#include <QApplication>

#include <csignal>

int main(int argc, char *argv[])
{
    // A write past the file-size limit then fails with an error the saves can see, instead
    // of ending the program before it has saved anything.
    std::signal(SIGXFSZ, SIG_IGN);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pirtok"));
    QApplication::setApplicationVersion(QStringLiteral(PIRTOK_VERSION));
    // Lets a Wayland desktop match the window to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(PIRTOK_APP_ID));
    PirtokApp pirtok;
    ShownProbe::fromEnvironment(pirtok);
    pirtok.show();
    return QApplication::exec();
}
