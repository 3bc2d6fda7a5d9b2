// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

struct Services;

// What the program's windows share: the services they use, and the close by the user, which
// unloads the window.
class Form : public QWidget {
    Q_OBJECT

public:
    explicit Form(Services& services);

signals:
    // The user closed the window; whoever loaded it unloads it. The window is still inside its
    // close handling when this is raised.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

    Services& services_;
};
