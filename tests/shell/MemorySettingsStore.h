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

    WriteResult write(const QString &application, const QString &section, const QString &key,
                      const QString &text) override
    {
        values.insert(application + u'/' + section + u'/' + key, text);
        writes << application + u'/' + key + u'=' + text;
        return failWrites ? WriteResult::failed(application + QStringLiteral(".ini"), QStringLiteral("full"))
                          : WriteResult::done();
    }

    WriteResult writeAll(const QString &application, const QString &section,
                         const QList<QPair<QString, QString>> &pairs) override
    {
        WriteResult result = WriteResult::done();
        for (const auto &[key, text] : pairs)
            if (WriteResult one = write(application, section, key, text); !one.ok())
                result = one;
        return result;
    }

    QHash<QString, QString> values;
    QStringList writes;
    // Every write is kept, but reported as failed, as by a store on a full disk.
    bool failWrites = false;
};
