#include "keyboard/AnyLayoutOption.h"

#include "keyboard/KeyboardTexts.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"
#include "ui/UniLabel.h"

#include <QAction>

namespace {

const QString On = QStringLiteral("1");
const QString Off = QStringLiteral("0");

} // namespace

AnyLayoutOption::AnyLayoutOption(UniLabel &keyboardSwitch, SettingsStore &store)
    : QObject(&keyboardSwitch), m_store(store),
      m_action(new QAction(QString::fromUtf16(KeyboardTexts::AnyLayout), this))
{
    m_action->setObjectName(QStringLiteral("AnyLayout"));
    m_action->setCheckable(true);
    // Anything but "1" is off, the value a first start finds too.
    m_action->setChecked(m_store.read(SettingsKeys::Pirtok, SettingsKeys::Section, SettingsKeys::AnyLayout) ==
                         On);
    keyboardSwitch.addAction(m_action);
    // The menu replaces the right button's click on the switch: it no longer changes the mode.
    keyboardSwitch.setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_action, &QAction::toggled, this, &AnyLayoutOption::store);
}

AnyLayoutOption::~AnyLayoutOption()
{
    if (m_unsaved)
        store(m_action->isChecked());
}

bool AnyLayoutOption::isOn() const
{
    return m_action->isChecked();
}

void AnyLayoutOption::store(bool on)
{
    const WriteResult written =
        m_store.write(SettingsKeys::Pirtok, SettingsKeys::Section, SettingsKeys::AnyLayout, on ? On : Off);
    m_unsaved = !written.ok();
    if (m_unsaved)
        qWarning("Pirtok: the keyboard option could not be saved: %s", qUtf8Printable(written.describe()));
}
