#include "ui/LabelAccessible.h"

#include "ui/Label.h"

namespace {

QAccessibleInterface *buttonLikeLabels(const QString &, QObject *object)
{
    // Asked for each class of the object's ancestry; the first answer counts.
    auto *label = qobject_cast<Label *>(object);
    if (!label || !label->isButtonLike())
        return nullptr;
    return new LabelAccessible(label);
}

} // namespace

LabelAccessible::LabelAccessible(Label *label) : QAccessibleWidget(label, QAccessible::Button) {}

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
    state.focusable = true;
    return state;
}

QStringList LabelAccessible::actionNames() const
{
    return {pressAction()};
}

void LabelAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction() && widget()->isEnabled())
        label()->performClick();
}

void LabelAccessible::registerFactory()
{
    static const bool registered = [] {
        QAccessible::installFactory(buttonLikeLabels);
        return true;
    }();
    Q_UNUSED(registered);
}
