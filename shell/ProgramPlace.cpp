#include "shell/ProgramPlace.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

QString ProgramPlace::executable() const
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

ProgramPlace ProgramPlace::current()
{
    ProgramPlace place;
    const QFileInfo program(QCoreApplication::applicationFilePath());
    place.folder = program.absolutePath();
    place.name = program.completeBaseName();
    place.commandLine = QCoreApplication::arguments().mid(1).join(u' ');
    return place;
}
