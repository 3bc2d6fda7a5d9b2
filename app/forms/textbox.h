// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPlainTextEdit>

// A multi-line text box whose text keeps its line breaks as CR LF, the way the event text is
// stored and shown. Tab and Shift+Tab move the focus on; Enter makes a line break.
class TextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent = nullptr);

    // The text as it was given until the user edits it, so that a text saved again unedited is
    // stored exactly, whatever breaks and blanks it holds.
    QString text() const;
    void setText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString givenText_;
};
