#include "keyboard/KeyPositionShortcuts.h"

#include "keyboard/core/ArabicKeyPositions.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <cctype>

// Qt Gui's own entry for a key that may be a shortcut, the one QTest drives shortcuts with:
// offers `key` to the focus object as a shortcut override, and when it does not take it,
// to the application's shortcuts. True when a shortcut ran.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject *o, ulong timestamp, int key,
                                               Qt::KeyboardModifiers mods, const QString &text, bool autorep,
                                               ushort count);

namespace {

bool isLatinKey(int key)
{
    // Qt's keys below 0x80 are the ASCII ones; special keys (F1, arrows, Enter) start at
    // 0x01000000. Between lie the keys of every other script.
    return key < 0x80 || key >= Qt::Key_Escape;
}

} // namespace

KeyPositionShortcuts::KeyPositionShortcuts(QObject *parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

int KeyPositionShortcuts::latinKeyOf(const QKeyEvent &event)
{
    if (!event.modifiers().testFlag(Qt::ControlModifier) || isLatinKey(event.key()))
        return 0;
    const std::optional<pirtok::ArabicKeyPosition> position = pirtok::arabicKeyAt(event.nativeScanCode());
    if (!position)
        return 0;
    // Qt names a letter's key by its upper case, every other ASCII key by its own code.
    return std::toupper(static_cast<unsigned char>(position->latin));
}

bool KeyPositionShortcuts::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    auto &key = static_cast<QKeyEvent &>(*event);
    const int latinKey = latinKeyOf(key);
    if (latinKey == 0)
        return false;
    if (type == QEvent::ShortcutOverride)
        return overrideShortcut(watched, key, latinKey);
    if (type == QEvent::KeyPress && m_pressDone == key.nativeScanCode()) {
        m_pressDone = 0;
        return true;
    }
    return handOn(watched, key, latinKey);
}

bool KeyPositionShortcuts::overrideShortcut(QObject *watched, QKeyEvent &event, int latinKey)
{
    // Offered as the Latin key, first to the focus object and then to the shortcuts. Either
    // way the original is taken here, so the platform does not try it as a shortcut again.
    const bool shortcutRan =
        qt_sendShortcutOverrideEvent(watched, event.timestamp(), latinKey, event.modifiers(), event.text(),
                                     event.isAutoRepeat(), static_cast<ushort>(event.count()));
    m_pressDone = shortcutRan ? event.nativeScanCode() : 0;
    event.accept();
    return true;
}

bool KeyPositionShortcuts::handOn(QObject *watched, QKeyEvent &event, int latinKey)
{
    QKeyEvent latin(event.type(), latinKey, event.modifiers(), event.nativeScanCode(),
                    event.nativeVirtualKey(), event.nativeModifiers(), event.text(), event.isAutoRepeat(),
                    static_cast<ushort>(event.count()));
    latin.setTimestamp(event.timestamp());
    QCoreApplication::sendEvent(watched, &latin);
    event.setAccepted(latin.isAccepted());
    return true;
}
