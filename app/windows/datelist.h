#pragma once

#include <QComboBox>

// An editable drop-down list of the date-entry window whose edit field keeps exactly what the
// user typed: no completion, and Enter adds nothing to the list. Reached by the keyboard or
// when its window opens, it selects its text, so that typing replaces a placeholder such as
// "Year" instead of adding to it.
class DateList : public QComboBox {
    Q_OBJECT

public:
    explicit DateList(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
};
