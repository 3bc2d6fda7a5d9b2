// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/messagebox.h"

// Shows the program's message boxes as real, application-modal Qt boxes.
class QtMessageBoxes final : public MessageBoxes {
public:
    void show(const Message& message) override;
};
