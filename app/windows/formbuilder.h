#pragma once

#include "windows/controlspec.h"

#include <span>

class QWidget;

// Creates the controls of a layout table on a window. The table lists the controls from front
// to back, so a control listed earlier is drawn above one listed later; the tab order follows
// the tab indices.
void BuildControls(QWidget* form, std::span<const ControlSpec> table);
