#pragma once

#include <QFont>
#include <QString>

class QApplication;

// The program's fonts on this desktop: a sans-serif with Chinese glyphs wherever the layouts
// ask for the classic dialog sans-serif, and the Kai face for the help window's title.
inline const QString SansSerifFamily = QStringLiteral("WenQuanYi Micro Hei");
inline const QString KaiFamily = QStringLiteral("AR PL KaitiM GB");

// The default dialog font, used by every window and control that names no font of its own.
QFont DialogFont();
void ApplyDialogFont(QApplication& application);
