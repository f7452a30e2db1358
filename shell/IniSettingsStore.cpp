#include "shell/IniSettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

QString IniSettingsStore::filePath(const QString &application)
{
    const QDir config(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return config.filePath(application + u'/' + application + QStringLiteral(".ini"));
}

QString IniSettingsStore::read(const QString &application, const QString &section, const QString &key,
                               const QString &defaultValue) const
{
    QSettings settings(filePath(application), QSettings::IniFormat);
    settings.beginGroup(section);
    const QVariant value = settings.value(key);
    return value.isValid() ? value.toString() : defaultValue;
}

WriteResult IniSettingsStore::write(const QString &application, const QString &section, const QString &key,
                                    const QString &text)
{
    return writeAll(application, section, {{key, text}});
}

WriteResult IniSettingsStore::writeAll(const QString &application, const QString &section,
                                       const QList<QPair<QString, QString>> &values)
{
    // Every sync replaces the whole file and waits for the disk: once for all the values.
    QSettings settings(filePath(application), QSettings::IniFormat);
    settings.beginGroup(section);
    for (const auto &[key, text] : values)
        settings.setValue(key, text);
    settings.endGroup();
    settings.sync();
    switch (settings.status()) {
    case QSettings::NoError:
        return WriteResult::done();
    case QSettings::FormatError:
        return WriteResult::failed(settings.fileName(), QStringLiteral("not a settings file"));
    case QSettings::AccessError:
        break;
    }
    return WriteResult::failed(settings.fileName(), QStringLiteral("cannot be written"));
}
