// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/textbox.h"

#include <QKeyEvent>

TextBox::TextBox(QWidget* parent)
    : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
}

// The editor holds each line as a block; the raw text keeps no-break spaces and tabs as typed
// and separates the blocks by the paragraph separator.
QString TextBox::text() const {
    if (!document()->isModified())
        return givenText_;
    return document()->toRawText().replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
}

void TextBox::setText(const QString& text) {
    givenText_ = text;
    setPlainText(text);
}

// Shift+Enter makes the same line break as Enter rather than a break inside the line, which
// would be stored as a character of its own.
void TextBox::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::ShiftModifier) {
        textCursor().insertBlock();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}
