// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

class xpcmdbutton;

// Presents the button to assistive technology as a push button named by its caption.
class XpcmdbuttonAccessible : public QAccessibleWidget {
public:
    explicit XpcmdbuttonAccessible(xpcmdbutton* button);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
};

// Makes Qt's accessibility use XpcmdbuttonAccessible for every button; called once when the
// program starts.
void InstallXpcmdbuttonAccessibility();
