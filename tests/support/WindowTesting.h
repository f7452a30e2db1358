#pragma once

#include "tests/support/CodeUnits.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

// Helpers the window tests share.
namespace WindowTesting {

// A code unit as the keyboard would type it: a key press and release carrying that text.
void typeUnit(QWidget *box, char16_t unit);
void typeText(QWidget *box, const QString &text);

// Shows `window` and waits until it is exposed and active, so that focus can be tested.
bool showActive(QWidget *window);

// Runs `action` on the next modal dialog that opens, once it is shown.
void onNextModal(std::function<void(QWidget *dialog)> action);

} // namespace WindowTesting
