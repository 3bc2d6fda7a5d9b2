#include "xpcmdbutton/facecells.h"

FaceCells::FaceCells() {
    const QImage strip =
        QImage(QStringLiteral(":/xpcmdbutton/facestrip.bmp")).convertToFormat(QImage::Format_RGB32);
    for (int cell = 0; cell < Count; ++cell)
        cells_[cell] = strip.copy(cell * Width, 0, Width, Height);
}
