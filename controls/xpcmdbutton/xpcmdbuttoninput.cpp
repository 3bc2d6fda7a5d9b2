// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xpcmdbutton/xpcmdbutton.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {

// The values the button's mouse and key events carry, in the bits and numbers its window's
// handlers are written against.

// Button: 1 left, 2 right, 4 middle.
short buttonBits(Qt::MouseButtons buttons) {
    return short((buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
                 (buttons & Qt::MiddleButton ? 4 : 0));
}

// Shift: 1 Shift key, 2 Ctrl, 4 Alt.
short shiftBits(Qt::KeyboardModifiers modifiers) {
    return short((modifiers & Qt::ShiftModifier ? 1 : 0) |
                 (modifiers & Qt::ControlModifier ? 2 : 0) | (modifiers & Qt::AltModifier ? 4 : 0));
}

// Letters and digits as their upper-case characters, the common control keys by their classic
// numbers, and 0 for any other key.
short keyCode(int key) {
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return short(key);
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Delete:
        return 46;
    default:
        return key >= Qt::Key_F1 && key <= Qt::Key_F24 ? short(112 + key - Qt::Key_F1) : 0;
    }
}

// The keys that press the focused button as the left mouse button does.
bool pressesButton(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

void xpcmdbutton::hoverPoll() {
    const std::optional<QPoint> inWindow = pointerPosition_();
    const QPointF pointer = inWindow ? mapFrom(window(), QPointF(*inWindow)) : QPointF();
    const bool outside = !inWindow || pointer.x() < 0 || pointer.y() < 0 || pointer.x() > width() ||
                         pointer.y() > height();
    if (!outside)
        return;
    Timer1.stop();
    emit MouseOut();
    refreshFace();
}

void xpcmdbutton::press(short button, short shift, float x, float y) {
    emit MouseDown(button, shift, x, y);
    drawFace(FaceCell::Pressed);
}

void xpcmdbutton::move(short button, short shift, float x, float y) {
    if (!Timer1.isActive())
        Timer1.start();
    if (x >= 0 && y >= 0 && double(x) <= width() && double(y) <= height()) {
        emit MouseMove(button, shift, x, y);
        drawFace(button == 1 ? FaceCell::Pressed : FaceCell::Hover);
    }
}

// Raises MouseUp and then, when a press went before and the left button goes up inside the
// control, Click. The release goes to the part that took the press, so a press on the caption and
// a release on the face beside it, or the other way round, are one click.
void xpcmdbutton::release(QMouseEvent* event, QWidget* receiver) {
    short button = buttonBits(event->button());
    short shift = shiftBits(event->modifiers());
    float x = float(event->position().x());
    float y = float(event->position().y());
    emit MouseUp(button, shift, x, y);
    refreshFace();
    const QPoint at = receiver->mapTo(this, event->position()).toPoint();
    const bool clicked = event->button() == Qt::LeftButton && pressed_ && rect().contains(at);
    pressed_ = false;
    if (clicked)
        emit Click();
}

bool xpcmdbutton::handleLabelMouse(QMouseEvent* event) {
    const short shift = shiftBits(event->modifiers());
    const QPointF at = event->position();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        pressed_ = true;
        press(buttonBits(event->button()), shift, float(at.x()), float(at.y()));
        return true;
    case QEvent::MouseMove:
        move(buttonBits(event->buttons()), shift, float(lblPosition_.x()), float(lblPosition_.y()));
        return true;
    case QEvent::MouseButtonRelease:
        release(event, lbl);
        return true;
    default:
        return false;
    }
}

// The caption's mouse input is the control's; a disabled control takes none, as its surface
// takes none.
bool xpcmdbutton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lbl && dynamic_cast<QMouseEvent*>(event))
        return !isEnabled() || handleLabelMouse(static_cast<QMouseEvent*>(event));
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
    pressed_ = true;
    press(buttonBits(event->button()), shiftBits(event->modifiers()), float(event->position().x()),
          float(event->position().y()));
}

void xpcmdbutton::mouseMoveEvent(QMouseEvent* event) {
    move(buttonBits(event->buttons()), shiftBits(event->modifiers()), float(event->position().x()),
         float(event->position().y()));
}

void xpcmdbutton::mouseReleaseEvent(QMouseEvent* event) {
    release(event, this);
}

// Space and Enter show the pressed face until they go up; the repeats of a held key change
// nothing.
void xpcmdbutton::keyPressEvent(QKeyEvent* event) {
    short code = keyCode(event->key());
    short shift = shiftBits(event->modifiers());
    emit KeyDown(code, shift);
    if (!event->text().isEmpty()) {
        short ascii = short(event->text().at(0).unicode());
        emit KeyPress(ascii);
    }
    if (pressesButton(event->key()) && !event->isAutoRepeat() && !pressingKey_) {
        pressingKey_ = event->key();
        drawFace(FaceCell::Pressed);
    }
}

// A key held down repeats its press and release; KeyUp comes once, when it really goes up. The
// key that pressed the button then clicks it; a release whose press this button did not take,
// such as that of the Enter that closed a message box, does not.
void xpcmdbutton::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat())
        return;
    short code = keyCode(event->key());
    short shift = shiftBits(event->modifiers());
    emit KeyUp(code, shift);
    if (pressingKey_ != event->key())
        return;
    pressingKey_.reset();
    refreshFace();
    emit Click();
}

// Losing the focus lets a button held down by a key go up without a click.
void xpcmdbutton::focusOutEvent(QFocusEvent* event) {
    if (pressingKey_) {
        pressingKey_.reset();
        refreshFace();
    }
    QWidget::focusOutEvent(event);
}
