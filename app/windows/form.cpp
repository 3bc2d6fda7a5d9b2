// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/form.h"

#include "windows/navigator.h"

#include <QCloseEvent>

Form::Form(Services& services, Navigator& navigator)
    : services_(services)
    , navigator_(navigator) {}

void Form::closeEvent(QCloseEvent* event) {
    event->accept();
    navigator_.unloaded(this);
}
