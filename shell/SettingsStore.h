#pragma once

#include "shell/core/WriteResult.h"

#include <QList>
#include <QPair>
#include <QString>

// The per-user store of the program's choices: texts under an application, a section and
// a key. Both operations complete before they return.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // The stored text; `defaultValue` (else the empty text) when the key is missing.
    virtual QString read(const QString &application, const QString &section, const QString &key,
                         const QString &defaultValue = QString()) const = 0;
    // Creates or replaces the value; says why when it could not be stored.
    virtual WriteResult write(const QString &application, const QString &section, const QString &key,
                              const QString &text) = 0;
    // Several values in the order given, as one write of the store: the same result as
    // writing them one by one, at the cost of one.
    virtual WriteResult writeAll(const QString &application, const QString &section,
                                 const QList<QPair<QString, QString>> &values) = 0;
};
