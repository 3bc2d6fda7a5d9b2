#include "windows/datelistaccessible.h"

#include "windows/datelist.h"

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
