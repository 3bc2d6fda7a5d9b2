#pragma once

#include <QPlainTextEdit>

// A multi-line text box whose text keeps its line breaks as CR LF, the way the event text is
// stored and shown, while the editor itself works with plain line feeds.
class TextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

    QString Text() const;
    void SetText(const QString& text);
};
