// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/formbuilder.h"

#include "forms/datelist.h"
#include "forms/linklabel.h"
#include "forms/textbox.h"
#include "picturefile/picturefile.h"
#include "xpcmdbutton/stdfont.h"
#include "xpcmdbutton/xpcmdbutton.h"

#include <QFileInfo>
#include <QLabel>

#include <algorithm>
#include <cmath>
#include <map>
#include <type_traits>

namespace {

using Kind = ControlSpec::Kind;

QFont fontOf(const ControlSpec::Font& spec) {
    QFont font(spec.family);
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setUnderline(spec.underline);
    return font;
}

QLabel* makeLabel(const ControlSpec& spec, QWidget* form) {
    QLabel* label = spec.kind == Kind::LinkLabel ? new LinkLabel(form) : new QLabel(form);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(spec.wordWrap);
    label->setText(spec.text);
    if (!spec.picture.isEmpty()) {
        label->setPixmap(LoadPicture(spec.picture, QFileInfo(spec.picture).suffix().toLatin1()));
        label->setScaledContents(spec.stretch);
    }
    return label;
}

QWidget* makeTextBox(const ControlSpec& spec, QWidget* form) {
    auto* box = new TextBox(form);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(spec.scrollBar == ControlSpec::ScrollBar::Vertical
                                        ? Qt::ScrollBarAlwaysOn
                                        : Qt::ScrollBarAlwaysOff);
    box->setText(spec.text);
    return box;
}

// A button is set up as a new instance and then given its caption and font through its
// properties; without a caption it shows its name.
QWidget* makeButton(const ControlSpec& spec, QWidget* form) {
    auto* button = qobject_cast<xpcmdbutton*>(CreateControl(xpcmdbutton::ProgId, spec.name, form));
    button->InitProperties();
    if (!spec.text.isEmpty())
        button->SetCaption(spec.text);
    if (spec.font)
        button->SetFont(
            std::make_shared<StdFont>(StdFont{.Name = spec.font->family,
                                              .Size = spec.font->points,
                                              .Weight = short(spec.font->bold ? 700 : 400),
                                              .Underline = spec.font->underline}));
    return button;
}

QWidget* makeControl(const ControlSpec& spec, QWidget* form) {
    switch (spec.kind) {
    case Kind::Label:
    case Kind::LinkLabel:
    case Kind::Picture:
        return makeLabel(spec, form);
    case Kind::ComboBox:
        return new DateList(form);
    case Kind::TextBox:
        return makeTextBox(spec, form);
    case Kind::Button:
        return makeButton(spec, form);
    }
    return nullptr;
}

// Labels and pictures lie beneath the controls a user works with, as the platform draws them.
bool liesBeneath(Kind kind) {
    return kind == Kind::Label || kind == Kind::LinkLabel || kind == Kind::Picture;
}

// WCAG 2's contrast ratio of two colours, from 1 to 21.
double contrast(const QColor& first, const QColor& second) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](float channel) {
            return channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double one = luminance(first);
    const double other = luminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

// The colour a control's text is drawn in: the layout's own, else the system's. Where that does
// not reach 3:1 against the background it is drawn on (the layout's red and blue on a dark
// palette's window, the system's light text on the countdown window's white), the first colour
// that does: the system's link colour for a link, the system's text colour, black, white.
QPalette::ColorRole textRoleOf(Kind kind) {
    return kind == Kind::TextBox || kind == Kind::ComboBox ? QPalette::Text : QPalette::WindowText;
}

QColor readableTextColour(const ControlSpec& spec, const QPalette& palette) {
    const QPalette::ColorRole textRole = textRoleOf(spec.kind);
    const QColor background =
        palette.color(textRole == QPalette::Text ? QPalette::Base : QPalette::Window);
    QList<QColor> candidates;
    if (spec.foreground.isValid())
        candidates << spec.foreground;
    if (spec.kind == Kind::LinkLabel)
        candidates << palette.color(QPalette::Link);
    candidates << palette.color(textRole) << QColor(Qt::black) << QColor(Qt::white);
    const auto readable =
        std::find_if(candidates.cbegin(), candidates.cend(),
                     [&](const QColor& c) { return contrast(c, background) >= 3; });
    // Black or white reaches 4.5:1 on any background.
    return readable != candidates.cend() ? *readable : candidates.constLast();
}

void applyLook(QWidget* control, const ControlSpec& spec) {
    if (spec.font && spec.kind != Kind::Button)
        control->setFont(fontOf(*spec.font));
    if (spec.kind != Kind::Button && spec.kind != Kind::Picture) {
        QPalette palette = control->palette();
        const QColor text = readableTextColour(spec, palette);
        if (spec.foreground.isValid() || text != palette.color(textRoleOf(spec.kind))) {
            palette.setColor(QPalette::WindowText, text);
            palette.setColor(QPalette::Text, text);
            control->setPalette(palette);
        }
    }
    if (spec.background != ControlSpec::Background::Default)
        control->setAutoFillBackground(spec.background == ControlSpec::Background::Opaque);
    if (!spec.accessibleName.isEmpty())
        control->setAccessibleName(spec.accessibleName);
}

void handBack(const ControlSpec::Slot& slot, QWidget* control) {
    std::visit(
        [control](auto slotPointer) {
            if constexpr (!std::is_same_v<decltype(slotPointer), std::monostate>) {
                using Control = std::remove_pointer_t<std::remove_pointer_t<decltype(slotPointer)>>;
                *slotPointer = qobject_cast<Control*>(control);
                Q_ASSERT(*slotPointer);
            }
        },
        slot);
}

QWidget* buildControl(const ControlSpec& spec, QWidget* form) {
    QWidget* control = makeControl(spec, form);
    control->setObjectName(spec.name);
    control->setGeometry(spec.twips.toPixels());
    applyLook(control, spec);
    handBack(spec.into, control);
    return control;
}

void setTabOrder(const std::map<int, QWidget*>& byTabIndex) {
    QWidget* previous = nullptr;
    for (const auto& [index, control] : byTabIndex) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace

void BuildControls(QWidget* form, std::span<const ControlSpec> table) {
    std::map<int, QWidget*> focusable;
    // Created back to front, labels and pictures first: a later sibling is drawn above an
    // earlier one.
    for (const bool beneath : {true, false}) {
        for (auto spec = table.rbegin(); spec != table.rend(); ++spec) {
            if (liesBeneath(spec->kind) != beneath)
                continue;
            QWidget* control = buildControl(*spec, form);
            if (spec->tabIndex && control->focusPolicy() != Qt::NoFocus)
                focusable.emplace(*spec->tabIndex, control);
        }
    }
    setTabOrder(focusable);
    if (!focusable.empty())
        focusable.begin()->second->setFocus();
}
