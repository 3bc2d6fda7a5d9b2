#include "windows/datelistaccessible.h"

#include "windows/datelist.h"

namespace {

QAccessibleInterface* createAccessible(const QString& className, QObject* object) {
    if (className == QLatin1StringView("DateList"))
        return new DateListAccessible(static_cast<DateList*>(object));
    return nullptr;
}

} // namespace

DateListAccessible::DateListAccessible(DateList* list)
    : QAccessibleWidget(list, QAccessible::ComboBox) {}

QString DateListAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value)
        return static_cast<DateList*>(widget())->currentText();
    return QAccessibleWidget::text(t);
}

QStringList DateListAccessible::actionNames() const {
    return {showMenuAction()};
}

void DateListAccessible::doAction(const QString& actionName) {
    if (actionName == showMenuAction())
        static_cast<DateList*>(widget())->showPopup();
}

void InstallDateListAccessibility() {
    QAccessible::installFactory(createAccessible);
}
