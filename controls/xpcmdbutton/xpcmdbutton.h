// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "xpcmdbutton/facecache.h"
#include "xpcmdbutton/facecells.h"
#include "xpcmdbutton/propertybag.h"
#include "xpcmdbutton/stdfont.h"
#include "xpcmdbutton/windowpointer.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QLabel;

// The program's push button. Its face is copied from a five-cell strip in nine pieces, so the
// curved corners keep their shape at any size; a transparent label carries the caption; a
// 10 ms poll notices the pointer leaving, since no event reports that reliably while tracking.
// Its properties and their persistence are in xpcmdbutton.cpp, the drawing of its face in
// xpcmdbuttonface.cpp and its mouse and key handling in xpcmdbuttoninput.cpp.
class xpcmdbutton : public QWidget {
    Q_OBJECT

public:
    static constexpr QLatin1StringView ProgId{"Project1.xpcmdbutton"};
    // Where the pointer is in the client area of the button's window, or nothing once it has
    // left the window; tests put their own position here.
    using PointerPosition = std::function<std::optional<QPoint>()>;

    explicit xpcmdbutton(QWidget* parent = nullptr);

    bool Enabled() const;
    void SetEnabled(bool enabled);
    int State() const;
    void SetState(int state);
    QString Caption() const;
    void SetCaption(const QString& caption);
    std::shared_ptr<StdFont> Font() const;
    void SetFont(std::shared_ptr<StdFont> font);

    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    void setPointerPosition(PointerPosition position);

signals:
    void PropertyChanged(const QString& name);
    void Click();
    void KeyDown(short& KeyCode, short& Shift);
    void KeyPress(short& KeyAscii);
    void KeyUp(short& KeyCode, short& Shift);
    void MouseOut();
    void MouseDown(short& Button, short& Shift, float& X, float& Y);
    void MouseMove(short& Button, short& Shift, float& X, float& Y);
    void MouseUp(short& Button, short& Shift, float& X, float& Y);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::shared_ptr<StdFont> ambientFont() const;

    void refreshFace();
    void drawFace(FaceCell cell);
    void resizeHandling();
    void centreCaption();
    void applyFont();

    void hoverPoll();
    void press(short button, short shift, float x, float y);
    void move(short button, short shift, float x, float y);
    void release(QMouseEvent* event, QWidget* receiver);
    bool handleLabelMouse(QMouseEvent* event);

    QLabel* lbl;
    QTimer Timer1;
    FaceCells pc;
    int stateValue_ = 0;
    std::shared_ptr<StdFont> currentFont_;
    FaceCell restFace_ = FaceCell::Normal;

    QImage surface_;
    FaceCell shownCell_ = FaceCell::Normal;
    FaceCache faces_{pc};
    QPointF lblPosition_;
    std::optional<StdFont> appliedFont_;

    bool pressed_ = false;
    // The key, Space or Enter, that holds the button down until it goes up.
    std::optional<int> pressingKey_;
    int accessKeyId_ = 0;
    WindowPointer windowPointer_;
    PointerPosition pointerPosition_;
};

// Creates a control by its programmatic identifier, or returns nullptr for an unknown one.
QWidget* CreateControl(QLatin1StringView progId, const QString& objectName, QWidget* parent);
