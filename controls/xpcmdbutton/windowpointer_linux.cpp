#include "xpcmdbutton/windowpointer.h"

#include <QCursor>
#include <QWidget>

QPoint WindowPointer::systemPosition(const QWidget& window) {
    return window.mapFromGlobal(QCursor::pos());
}
