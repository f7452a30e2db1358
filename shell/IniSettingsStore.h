#pragma once

#include "shell/SettingsStore.h"

// The settings store as one INI file per application in the user's configuration folder:
// $XDG_CONFIG_HOME/<application>/<application>.ini, one group per section, every value a
// text. Each call opens the file afresh, so two running copies see each other's writes.
class IniSettingsStore : public SettingsStore
{
public:
    QString read(const QString &application, const QString &section, const QString &key,
                 const QString &defaultValue = QString()) const override;
    WriteResult write(const QString &application, const QString &section, const QString &key,
                      const QString &text) override;
    WriteResult writeAll(const QString &application, const QString &section,
                         const QList<QPair<QString, QString>> &values) override;

    static QString filePath(const QString &application);
};
