// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/twips.h"

#include <QColor>
#include <QString>

#include <optional>
#include <variant>

class LinkLabel;
class QComboBox;
class QLabel;
class TextBox;
class xpcmdbutton;

// One row of a window's layout table: what a control is, where it stands (in twips, within the
// window's client area) and how it looks. Fields left out keep the control's defaults.
struct ControlSpec {
    enum class Kind { Label, LinkLabel, ComboBox, TextBox, Picture, Button };
    enum class Background { Default, Transparent, Opaque };
    enum class ScrollBar { None, Vertical };

    struct Font {
        QString family;
        double points;
        bool bold = false;
        bool underline = false;
    };

    // Where the builder hands back the control it made, typed by the control's kind.
    using Slot =
        std::variant<std::monostate, QLabel**, LinkLabel**, QComboBox**, TextBox**, xpcmdbutton**>;

    QString name;
    Kind kind;
    TwipsRect twips;
    std::optional<int> tabIndex = std::nullopt;
    QString text = {};
    std::optional<Font> font = std::nullopt;
    QColor foreground = {};
    Background background = Background::Default;
    ScrollBar scrollBar = ScrollBar::None;
    QString picture = {};
    bool stretch = false;
    bool wordWrap = false;
    // What a screen reader calls the control where its own text does not name it.
    QString accessibleName = {};
    Slot into = {};
};
