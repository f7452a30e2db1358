#pragma once

#include "shell/SettingsStore.h"

#include <QHash>
#include <QStringList>

// A settings store in memory that records every write as "application/key=text", in order.
class MemorySettingsStore : public SettingsStore
{
public:
    QString read(const QString &application, const QString &section, const QString &key,
                 const QString &defaultValue = QString()) const override
    {
        return values.value(application + u'/' + section + u'/' + key, defaultValue);
    }

    bool write(const QString &application, const QString &section, const QString &key,
               const QString &text) override
    {
        values.insert(application + u'/' + section + u'/' + key, text);
        writes << application + u'/' + key + u'=' + text;
        return true;
    }

    bool writeAll(const QString &application, const QString &section,
                  const QList<QPair<QString, QString>> &pairs) override
    {
        for (const auto &[key, text] : pairs)
            write(application, section, key, text);
        return true;
    }

    QHash<QString, QString> values;
    QStringList writes;
};
