#include "app/PirtokApp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pirtok"));
    QApplication::setApplicationVersion(QStringLiteral(PIRTOK_VERSION));
    PirtokApp pirtok;
    pirtok.show();
    return QApplication::exec();
}
