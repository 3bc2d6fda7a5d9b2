// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/datelist.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QLineEdit>

DateList::DateList(QWidget* parent)
    : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(this, &QComboBox::editTextChanged, this, &DateList::followText);
}

void DateList::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason && event->reason() != Qt::PopupFocusReason)
        lineEdit()->selectAll();
}

void DateList::showEvent(QShowEvent* event) {
    lineEdit()->setAccessibleName(accessibleName());
    view()->setAccessibleName(accessibleName());
    QComboBox::showEvent(event);
}

// Choosing no entry empties the edit field, so the text and the cursor are put back; the
// field's undo steps go with it.
void DateList::followText(const QString& text) {
    const int entry = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry == currentIndex())
        return;
    if (entry >= 0) {
        setCurrentIndex(entry);
        return;
    }
    const int cursor = lineEdit()->cursorPosition();
    setCurrentIndex(-1);
    setEditText(text);
    lineEdit()->setCursorPosition(cursor);
}
