#include "xpcmdbutton/stdfont.h"

QFont StdFont::toQFont() const {
    QFont font(Name);
    font.setPointSizeF(Size);
    // Both count weights on the same scale: 400 regular, 700 bold.
    font.setWeight(QFont::Weight(qBound(1, int(Weight), 1000)));
    font.setItalic(Italic);
    font.setUnderline(Underline);
    font.setStrikeOut(Strikethrough);
    return font;
}

std::shared_ptr<StdFont> StdFont::fromQFont(const QFont& font) {
    auto stdFont = std::make_shared<StdFont>();
    stdFont->Name = font.family();
    stdFont->Size = font.pointSizeF();
    stdFont->Weight = short(font.weight());
    stdFont->Italic = font.italic();
    stdFont->Underline = font.underline();
    stdFont->Strikethrough = font.strikeOut();
    return stdFont;
}
