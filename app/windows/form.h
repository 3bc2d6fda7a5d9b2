// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class Navigator;
struct Services;

// What the program's windows share: the services they use, the navigator that reaches the other
// windows, and the close by the user, which unloads the window.
class Form : public QWidget {
    Q_OBJECT

public:
    Form(Services& services, Navigator& navigator);

protected:
    void closeEvent(QCloseEvent* event) override;

    Services& services_;
    Navigator& navigator_;
};
