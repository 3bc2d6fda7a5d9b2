#include "xpcmdbutton/xpcmdbutton.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

short buttonBits(Qt::MouseButtons buttons) {
    return short((buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
                 (buttons & Qt::MiddleButton ? 4 : 0));
}

short shiftBits(Qt::KeyboardModifiers modifiers) {
    return short((modifiers & Qt::ShiftModifier ? 1 : 0) |
                 (modifiers & Qt::ControlModifier ? 2 : 0) | (modifiers & Qt::AltModifier ? 4 : 0));
}

// The key codes the button's key events carry: letters and digits as their upper-case
// characters, and the common control keys by their classic numbers.
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

// Conversions of the values read from the property bag; a value of the wrong type for its key
// fails with the type-mismatch error.
int toInteger(const QVariant& value) {
    bool ok = false;
    const int integer = value.toInt(&ok);
    if (!ok)
        throw TypeMismatchError();
    return integer;
}

bool toBoolean(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (ok)
        return number != 0;
    const QString text = value.toString();
    if (text.compare(QLatin1StringView("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1StringView("False"), Qt::CaseInsensitive) == 0)
        return false;
    throw TypeMismatchError();
}

QString toText(const QVariant& value) {
    if (!value.canConvert<QString>())
        throw TypeMismatchError();
    return value.toString();
}

std::shared_ptr<StdFont> toFont(const QVariant& value) {
    if (value.metaType() != QMetaType::fromType<std::shared_ptr<StdFont>>())
        throw TypeMismatchError();
    auto font = value.value<std::shared_ptr<StdFont>>();
    if (!font)
        throw TypeMismatchError();
    return font;
}

struct Piece {
    QRect target;
    QRect source;
};

} // namespace

xpcmdbutton::xpcmdbutton(QWidget* parent)
    : QWidget(parent)
    , lbl(new QLabel(QStringLiteral("xpcmdbutton"), this))
    , Timer1(this)
    , pointerPosition_([this] { return windowPointer_.position(); }) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    resize(113, 77);
    lbl->setObjectName(QStringLiteral("lbl"));
    lbl->setAlignment(Qt::AlignCenter);
    lbl->setGeometry(31, 16, 63, 14);
    lbl->setMouseTracking(true);
    lbl->installEventFilter(this);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, &xpcmdbutton::HoverPoll);
    windowPointer_.watch(window());
    RefreshFace();
}

bool xpcmdbutton::Enabled() const {
    return isEnabled();
}

void xpcmdbutton::SetEnabled(bool enabled) {
    setEnabled(enabled);
    emit PropertyChanged(QStringLiteral("Enabled"));
    RefreshFace();
    QPalette palette = lbl->palette();
    palette.setColor(QPalette::WindowText, Enabled() ? QColor(0, 0, 0) : QColor(161, 161, 146));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(161, 161, 146));
    lbl->setPalette(palette);
}

int xpcmdbutton::State() const {
    return StateValue;
}

void xpcmdbutton::SetState(int state) {
    StateValue = state;
    emit PropertyChanged(QStringLiteral("State"));
    RefreshFace();
}

QString xpcmdbutton::Caption() const {
    return lbl->text();
}

void xpcmdbutton::SetCaption(const QString& caption) {
    lbl->setText(caption);
    lbl->adjustSize();
    if (accessKeyId_)
        releaseShortcut(accessKeyId_);
    const QKeySequence accessKey = QKeySequence::mnemonic(caption);
    accessKeyId_ = accessKey.isEmpty() ? 0 : grabShortcut(accessKey);
    emit PropertyChanged(QStringLiteral("Caption"));
    resizeHandling();
}

std::shared_ptr<StdFont> xpcmdbutton::Font() const {
    return CurrentFont;
}

// The surface and the caption take their font from the shared object: a later change made to
// the object shows at the next redraw.
void xpcmdbutton::SetFont(std::shared_ptr<StdFont> font) {
    CurrentFont = std::move(font);
    applyFont();
    resizeHandling();
    emit PropertyChanged(QStringLiteral("Font"));
}

std::shared_ptr<StdFont> xpcmdbutton::ambientFont() const {
    return StdFont::fromQFont(window()->font());
}

void xpcmdbutton::InitProperties() {
    SetEnabled(true);
    SetCaption(objectName());
    SetFont(ambientFont());
}

// Each key is read and assigned in turn, so a value of the wrong type fails at its key after
// the keys before it took effect.
void xpcmdbutton::ReadProperties(const PropertyBag& bag) {
    StateValue = toInteger(bag.ReadProperty(QStringLiteral("State"), 0));
    SetEnabled(toBoolean(bag.ReadProperty(QStringLiteral("Enabled"), -1)));
    SetCaption(toText(bag.ReadProperty(QStringLiteral("Caption"), objectName())));
    SetFont(toFont(bag.ReadProperty(QStringLiteral("Font"), QVariant::fromValue(ambientFont()))));
}

void xpcmdbutton::WriteProperties(PropertyBag& bag) const {
    bag.WriteProperty(QStringLiteral("State"), StateValue, 0);
    bag.WriteProperty(QStringLiteral("Enabled"), Enabled() ? -1 : 0, -1);
    bag.WriteProperty(QStringLiteral("Caption"), Caption(), objectName());
    bag.WriteProperty(QStringLiteral("Font"), QVariant::fromValue(CurrentFont),
                      QVariant::fromValue(ambientFont()));
}

void xpcmdbutton::setPointerPosition(PointerPosition position) {
    pointerPosition_ = std::move(position);
}

void xpcmdbutton::RefreshFace() {
    if (State() == 1)
        RestFace = 4;
    else if (State() == 0)
        RestFace = 0;
    DrawFace(isEnabled() ? RestFace : 2);
}

void xpcmdbutton::DrawFace(short cell) {
    applyFont();
    shownCell_ = cell;
    surface_ = composedFace(cell);
    update();
}

void xpcmdbutton::applyFont() {
    if (!CurrentFont || appliedFont_ == *CurrentFont)
        return;
    appliedFont_ = *CurrentFont;
    setFont(appliedFont_->toQFont());
    lbl->setFont(appliedFont_->toQFont());
    lbl->adjustSize();
    centreCaption();
}

// The nine pieces of a cell, composed at the screen's device pixels: each piece is scaled by the
// device pixel ratio with nearest-neighbour sampling onto whole device pixels, so the corners stay
// sharp (3 × 3 cell pixels become, for instance, 6 × 6 at scale 2) and no piece blends into its
// neighbour. At scale 1 the corners are copied as they are and edges and centre stretched.
// qDrawBorderPixmap lays the pieces out in logical pixels, which at a fractional scale leaves
// them on fractional device pixels; hence the pieces are placed here.
const QImage& xpcmdbutton::composedFace(short cell) {
    QImage& face = faces_.at(cell);
    const qreal ratio = devicePixelRatioF();
    const QSize device = (QSizeF(size()) * ratio).toSize();
    if (face.size() == device && face.devicePixelRatio() == ratio)
        return face;
    const int c = qRound(3 * ratio);
    const int w = device.width();
    const int h = device.height();
    const int wr = w - c, hb = h - c, wi = w - 2 * c, hi = h - 2 * c;
    const Piece pieces[] = {
        {{0, 0, c, c}, {0, 0, 3, 3}},     {{wr, 0, c, c}, {15, 0, 3, 3}},
        {{wr, hb, c, c}, {15, 18, 3, 3}}, {{0, hb, c, c}, {0, 18, 3, 3}},
        {{c, 0, wi, c}, {3, 0, 12, 3}},   {{wr, c, c, hi}, {15, 3, 3, 15}},
        {{0, c, c, hi}, {0, 3, 3, 15}},   {{c, hb, wi, c}, {3, 18, 12, 3}},
        {{c, c, wi, hi}, {3, 3, 12, 15}},
    };
    face = QImage(device, QImage::Format_RGB32);
    face.fill(Qt::white);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const Piece& piece : pieces) {
        if (piece.target.width() > 0 && piece.target.height() > 0)
            painter.drawImage(piece.target, pc.GraphicCell(cell), piece.source);
    }
    painter.end();
    face.setDevicePixelRatio(ratio);
    return face;
}

void xpcmdbutton::resizeHandling() {
    RefreshFace();
    centreCaption();
}

void xpcmdbutton::centreCaption() {
    lblPosition_ = {(width() - lbl->width()) / 2.0, (height() - lbl->height()) / 2.0};
    lbl->move(int(std::floor(lblPosition_.x())), int(std::floor(lblPosition_.y())));
}

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
    DrawFace(1);
}

void xpcmdbutton::move(short button, short shift, float x, float y) {
    if (!Timer1.isActive())
        Timer1.start();
    if (x >= 0 && y >= 0 && double(x) <= width() && double(y) <= height()) {
        emit MouseMove(button, shift, x, y);
        DrawFace(button == 1 ? 1 : 3);
    }
}

// Raises MouseUp and then, for a left press and release over the same part, Click.
void xpcmdbutton::release(QMouseEvent* event, QObject* source, QPointF position) {
    short button = buttonBits(event->button());
    short shift = shiftBits(event->modifiers());
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
    const short shift = shiftBits(event->modifiers());
    const QPointF at = event->position();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        pressedOn_ = lbl;
        press(buttonBits(event->button()), shift, float(at.x()), float(at.y()));
        return true;
    case QEvent::MouseMove:
        move(buttonBits(event->buttons()), shift, float(lblPosition_.x()), float(lblPosition_.y()));
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

void xpcmdbutton::paintEvent(QPaintEvent*) {
    // Moved to a screen of another scale: the face shown is composed again at its device pixels.
    if (surface_.devicePixelRatio() != devicePixelRatioF())
        surface_ = composedFace(shownCell_);
    QPainter(this).drawImage(0, 0, surface_);
}

void xpcmdbutton::resizeEvent(QResizeEvent*) {
    resizeHandling();
}

void xpcmdbutton::showEvent(QShowEvent*) {
    RefreshFace();
}

void xpcmdbutton::mousePressEvent(QMouseEvent* event) {
    pressedOn_ = this;
    press(buttonBits(event->button()), shiftBits(event->modifiers()), float(event->position().x()),
          float(event->position().y()));
}

void xpcmdbutton::mouseMoveEvent(QMouseEvent* event) {
    move(buttonBits(event->buttons()), shiftBits(event->modifiers()), float(event->position().x()),
         float(event->position().y()));
}

void xpcmdbutton::mouseReleaseEvent(QMouseEvent* event) {
    release(event, this, event->position());
}

void xpcmdbutton::keyPressEvent(QKeyEvent* event) {
    short code = keyCode(event->key());
    short shift = shiftBits(event->modifiers());
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
    short code = keyCode(event->key());
    short shift = shiftBits(event->modifiers());
    emit KeyUp(code, shift);
}

QWidget* CreateControl(QLatin1StringView progId, const QString& objectName, QWidget* parent) {
    if (progId.compare(xpcmdbutton::ProgId, Qt::CaseInsensitive) != 0)
        return nullptr;
    auto* control = new xpcmdbutton(parent);
    control->setObjectName(objectName);
    return control;
}
