// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/form.h"

#include <QCloseEvent>

Form::Form(Services& services)
    : services_(services) {}

void Form::closeEvent(QCloseEvent* event) {
    event->accept();
    emit unloaded();
}
