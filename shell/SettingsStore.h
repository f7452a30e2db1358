#pragma once

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
    // Creates or replaces the value; false when it could not be stored.
    virtual bool write(const QString &application, const QString &section, const QString &key,
                       const QString &text) = 0;
};
