#include "ui/LabelAccessible.h"

#include "ui/Label.h"

namespace {

QAccessibleInterface *labels(const QString &, QObject *object)
{
    // Asked for each class of the object's ancestry; the first answer counts. Every label
    // gets one: the interface may be made, and kept, before the label becomes a button.
    auto *label = qobject_cast<Label *>(object);
    return label ? new LabelAccessible(label) : nullptr;
}

} // namespace

LabelAccessible::LabelAccessible(Label *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

QAccessible::Role LabelAccessible::role() const
{
    return label()->isButtonLike() ? QAccessible::Button : QAccessible::StaticText;
}

Label *LabelAccessible::label() const
{
    return static_cast<Label *>(widget());
}

QString LabelAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        // A name given on purpose wins; else the caption, as it reads now.
        const QString given = widget()->accessibleName();
        return given.isEmpty() ? label()->caption() : given;
    }
    if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
        return widget()->toolTip();
    return QAccessibleWidget::text(t);
}

QAccessible::State LabelAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (label()->isButtonLike())
        state.focusable = true;
    return state;
}

QStringList LabelAccessible::actionNames() const
{
    if (!label()->isButtonLike())
        return {};
    return {pressAction()};
}

void LabelAccessible::doAction(const QString &actionName)
{
    if (label()->isButtonLike() && actionName == pressAction() && widget()->isEnabled())
        label()->performClick();
}

void LabelAccessible::registerFactory()
{
    static const bool registered = [] {
        QAccessible::installFactory(labels);
        return true;
    }();
    Q_UNUSED(registered);
}
