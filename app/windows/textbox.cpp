#include "windows/textbox.h"

QString TextBox::Text() const {
    return toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

void TextBox::SetText(const QString& text) {
    setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}
