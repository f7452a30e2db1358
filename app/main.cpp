#include "app/Form3Load.h"
#include "app/PirtokApp.h"
#include "app/ShownProbe.h"
#include "app/SingleInstance.h"
#include "shell/IniSettingsStore.h"
#include "shell/SavedTextPath.h"

#include <QApplication>

#include <csignal>
#include <cstdio>

int main(int argc, char *argv[])
{
    // A write past the file-size limit then fails with an error the saves can see, instead
    // of ending the program before it has saved anything.
    std::signal(SIGXFSZ, SIG_IGN);
    const SingleInstance::Activation activation = SingleInstance::Activation::fromEnvironment();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pirtok"));
    QApplication::setApplicationVersion(QStringLiteral(PIRTOK_VERSION));
    // Lets a Wayland desktop match the window to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(PIRTOK_APP_ID));

    // Two windows on one saved text would each save over the other's text at their close.
    SingleInstance instance(SavedTextPath());
    switch (instance.claim(activation)) {
    case SingleInstance::Claim::First:
        break;
    case SingleInstance::Claim::HandedOver: {
        IniSettingsStore store;
        Form3Load::recordStart(store, ProgramPlace::current());
        return EXIT_SUCCESS;
    }
    case SingleInstance::Claim::Failed:
        std::fprintf(stderr, "Pirtok: another Pirtok holds %s but does not answer\n",
                     qUtf8Printable(SingleInstance::lockPath(SavedTextPath())));
        return EXIT_FAILURE;
    }

    PirtokApp pirtok;
    QObject::connect(&instance, &SingleInstance::activationRequested, &pirtok.window(),
                     [&pirtok](const SingleInstance::Activation &request) {
                         SingleInstance::bringToFront(pirtok.window(), request);
                     });
    ShownProbe::fromEnvironment(pirtok);
    pirtok.show();
    return QApplication::exec();
}
