#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

// Gives the offscreen platform one screen of `width` x `height` pixels: call before the
// application is made. The platform reads the screens from a file named on its command;
// the file goes in `folder`, which must outlive the application's start.
inline bool useOffscreenScreen(const QString &folder, int width, int height)
{
    const QString config = QDir(folder).filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QByteArrayLiteral(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": )") +
               QByteArray::number(width) + QByteArrayLiteral(R"(, "height": )") + QByteArray::number(height) +
               QByteArrayLiteral(R"(, "logicalDpi": 96, "logicalBaseDpi": 96}]})"));
    file.close();
    return qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
}
