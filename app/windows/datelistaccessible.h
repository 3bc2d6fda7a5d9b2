#pragma once

#include <QAccessibleWidget>

class DateList;

// Presents a date list to assistive technology by its accessible name, with the text of its
// edit field as the value. Qt's own combo-box interface names an editable list by its text on
// this desktop, so a listener would hear "2005" instead of what the list is for.
class DateListAccessible : public QAccessibleWidget {
public:
    explicit DateListAccessible(DateList* list);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
};
