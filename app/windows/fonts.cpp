#include "windows/fonts.h"

#include <QApplication>

QFont DialogFont() {
    QFont font(SansSerifFamily);
    font.setPointSizeF(9);
    return font;
}

void ApplyDialogFont(QApplication& application) {
    application.setFont(DialogFont());
}
