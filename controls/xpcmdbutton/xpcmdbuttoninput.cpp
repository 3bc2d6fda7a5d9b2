#include "xpcmdbutton/xpcmdbutton.h"

#include "xpcmdbutton/inputcodes.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

void xpcmdbutton::HoverPoll() {
    const std::optional<QPoint> inWindow = pointerPosition_();
    const QPointF pointer = inWindow ? mapFrom(window(), QPointF(*inWindow)) : QPointF();
    const bool outside = !inWindow || pointer.x() < 0 || pointer.y() < 0 || pointer.x() > width() ||
                         pointer.y() > height();
    if (!outside)
        return;
    Timer1.stop();
    emit MouseOut();
    RefreshFace();
}

void xpcmdbutton::press(short button, short shift, float x, float y) {
    emit MouseDown(button, shift, x, y);
    DrawFace(FaceCell::Pressed);
}

void xpcmdbutton::move(short button, short shift, float x, float y) {
    if (!Timer1.isActive())
        Timer1.start();
    if (x >= 0 && y >= 0 && double(x) <= width() && double(y) <= height()) {
        emit MouseMove(button, shift, x, y);
        DrawFace(button == 1 ? FaceCell::Pressed : FaceCell::Hover);
    }
}

// Raises MouseUp and then, for a left press and release over the same part, Click.
void xpcmdbutton::release(QMouseEvent* event, QObject* source, QPointF position) {
    short button = ButtonBits(event->button());
    short shift = ShiftBits(event->modifiers());
    float x = float(position.x());
    float y = float(position.y());
    emit MouseUp(button, shift, x, y);
    RefreshFace();
    const QWidget* part = static_cast<QWidget*>(source);
    const bool clicked = event->button() == Qt::LeftButton && pressedOn_ == source &&
                         part->rect().contains(event->position().toPoint());
    pressedOn_ = nullptr;
    if (clicked)
        emit Click();
}

bool xpcmdbutton::handleLabelMouse(QMouseEvent* event) {
    const short shift = ShiftBits(event->modifiers());
    const QPointF at = event->position();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        pressedOn_ = lbl;
        press(ButtonBits(event->button()), shift, float(at.x()), float(at.y()));
        return true;
    case QEvent::MouseMove:
        move(ButtonBits(event->buttons()), shift, float(lblPosition_.x()), float(lblPosition_.y()));
        return true;
    case QEvent::MouseButtonRelease:
        release(event, lbl, at);
        return true;
    default:
        return false;
    }
}

bool xpcmdbutton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lbl && dynamic_cast<QMouseEvent*>(event))
        return handleLabelMouse(static_cast<QMouseEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

bool xpcmdbutton::event(QEvent* event) {
    // The pointer is watched over the window the button stands in.
    if (event->type() == QEvent::ParentChange)
        windowPointer_.watch(window());
    if (event->type() == QEvent::Shortcut) {
        emit Click();
        return true;
    }
    return QWidget::event(event);
}

void xpcmdbutton::mousePressEvent(QMouseEvent* event) {
    pressedOn_ = this;
    press(ButtonBits(event->button()), ShiftBits(event->modifiers()), float(event->position().x()),
          float(event->position().y()));
}

void xpcmdbutton::mouseMoveEvent(QMouseEvent* event) {
    move(ButtonBits(event->buttons()), ShiftBits(event->modifiers()), float(event->position().x()),
         float(event->position().y()));
}

void xpcmdbutton::mouseReleaseEvent(QMouseEvent* event) {
    release(event, this, event->position());
}

void xpcmdbutton::keyPressEvent(QKeyEvent* event) {
    short code = KeyCode(event->key());
    short shift = ShiftBits(event->modifiers());
    emit KeyDown(code, shift);
    if (!event->text().isEmpty()) {
        short ascii = short(event->text().at(0).unicode());
        emit KeyPress(ascii);
    }
}

// A key held down repeats its press and release; KeyUp comes once, when it really goes up.
void xpcmdbutton::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat())
        return;
    short code = KeyCode(event->key());
    short shift = ShiftBits(event->modifiers());
    emit KeyUp(code, shift);
}
