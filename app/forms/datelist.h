// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QComboBox>

// An editable drop-down list of the date-entry window whose edit field keeps exactly what the
// user typed: no completion, and Enter adds nothing to the list. Reached by the keyboard or
// when its window opens, it selects its text, so that typing replaces a placeholder such as
// "Year" instead of adding to it.
//
// Its current entry follows the text in the edit field, however the text got there: the entry
// that reads exactly like it, or none. So the drop-down opens on the shown date, and the arrow
// keys and the wheel step from it; from a text that is no entry, Down gives the first entry
// and Up nothing.
//
// A screen reader meets the list itself when the focus enters it, and its edit field and its
// drop-down within it: these two carry the list's accessible name once it is shown.
class DateList : public QComboBox {
    Q_OBJECT

public:
    explicit DateList(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void followText(const QString& text);
};
