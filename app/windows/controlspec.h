#pragma once

#include "windows/twips.h"

#include <QColor>
#include <QPalette>
#include <QString>

#include <optional>

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

    QString name;
    Kind kind;
    TwipsRect twips;
    std::optional<int> tabIndex = std::nullopt;
    QString text = {};
    std::optional<Font> font = std::nullopt;
    QColor foreground = {};
    Background background = Background::Default;
    // The system colour an opaque control fills its background with.
    QPalette::ColorRole backgroundRole = QPalette::Window;
    ScrollBar scrollBar = ScrollBar::None;
    QString picture = {};
    bool stretch = false;
    bool wordWrap = false;
};
