#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

// Helpers the window tests share.
namespace WindowTesting {

// A code unit as the keyboard would type it: a key press and release carrying that text.
void typeUnit(QWidget *box, char16_t unit);
void typeText(QWidget *box, const QString &text);

// A text from its code points, so that expectations never depend on how glyphs look.
QString codePoints(std::initializer_list<char16_t> units);
QStringList hex(const QString &text); // "0629 06D5 ..." for readable failures

// Runs `action` on the next modal dialog that opens, once it is shown.
void onNextModal(std::function<void(QWidget *dialog)> action);

} // namespace WindowTesting
