// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xpcmdbutton/xpcmdbutton.h"

#include <QLabel>

namespace {

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
    connect(&Timer1, &QTimer::timeout, this, &xpcmdbutton::hoverPoll);
    windowPointer_.watch(window());
    refreshFace();
}

bool xpcmdbutton::Enabled() const {
    return isEnabled();
}

void xpcmdbutton::SetEnabled(bool enabled) {
    setEnabled(enabled);
    emit PropertyChanged(QStringLiteral("Enabled"));
    refreshFace();
    QPalette palette = lbl->palette();
    palette.setColor(QPalette::WindowText, Enabled() ? QColor(0, 0, 0) : QColor(161, 161, 146));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(161, 161, 146));
    lbl->setPalette(palette);
}

int xpcmdbutton::State() const {
    return stateValue_;
}

void xpcmdbutton::SetState(int state) {
    stateValue_ = state;
    emit PropertyChanged(QStringLiteral("State"));
    refreshFace();
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
    return currentFont_;
}

// The surface and the caption take their font from the shared object: a later change made to
// the object shows at the next redraw.
void xpcmdbutton::SetFont(std::shared_ptr<StdFont> font) {
    currentFont_ = std::move(font);
    applyFont();
    resizeHandling();
    emit PropertyChanged(QStringLiteral("Font"));
}

std::shared_ptr<StdFont> xpcmdbutton::ambientFont() const {
    const QFont font = window()->font();
    return std::make_shared<StdFont>(StdFont{.Name = font.family(),
                                             .Size = font.pointSizeF(),
                                             .Weight = short(font.weight()),
                                             .Italic = font.italic(),
                                             .Underline = font.underline(),
                                             .Strikethrough = font.strikeOut()});
}

void xpcmdbutton::InitProperties() {
    SetEnabled(true);
    SetCaption(objectName());
    SetFont(ambientFont());
}

// Each key is read and assigned in turn, so a value of the wrong type fails at its key after
// the keys before it took effect.
void xpcmdbutton::ReadProperties(const PropertyBag& bag) {
    stateValue_ = toInteger(bag.ReadProperty(QStringLiteral("State"), 0));
    SetEnabled(toBoolean(bag.ReadProperty(QStringLiteral("Enabled"), -1)));
    SetCaption(toText(bag.ReadProperty(QStringLiteral("Caption"), objectName())));
    SetFont(toFont(bag.ReadProperty(QStringLiteral("Font"), QVariant::fromValue(ambientFont()))));
}

void xpcmdbutton::WriteProperties(PropertyBag& bag) const {
    bag.WriteProperty(QStringLiteral("State"), stateValue_, 0);
    bag.WriteProperty(QStringLiteral("Enabled"), Enabled() ? -1 : 0, -1);
    bag.WriteProperty(QStringLiteral("Caption"), Caption(), objectName());
    bag.WriteProperty(QStringLiteral("Font"), QVariant::fromValue(currentFont_),
                      QVariant::fromValue(ambientFont()));
}

void xpcmdbutton::setPointerPosition(PointerPosition position) {
    pointerPosition_ = std::move(position);
}

QWidget* CreateControl(QLatin1StringView progId, const QString& objectName, QWidget* parent) {
    if (progId.compare(xpcmdbutton::ProgId, Qt::CaseInsensitive) != 0)
        return nullptr;
    auto* control = new xpcmdbutton(parent);
    control->setObjectName(objectName);
    return control;
}
