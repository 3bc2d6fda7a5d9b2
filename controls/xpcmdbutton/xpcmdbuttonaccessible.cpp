// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xpcmdbutton/xpcmdbuttonaccessible.h"

#include "xpcmdbutton/xpcmdbutton.h"

#include <QTimer>

namespace {

QAccessibleInterface* createAccessible(const QString& className, QObject* object) {
    if (className == QLatin1StringView("xpcmdbutton"))
        return new XpcmdbuttonAccessible(static_cast<xpcmdbutton*>(object));
    return nullptr;
}

} // namespace

XpcmdbuttonAccessible::XpcmdbuttonAccessible(xpcmdbutton* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

QString XpcmdbuttonAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name)
        return static_cast<xpcmdbutton*>(widget())->Caption();
    return QAccessibleWidget::text(t);
}

QStringList XpcmdbuttonAccessible::actionNames() const {
    return {pressAction()};
}

// The click is queued: a handler that opens a modal box would otherwise hold the screen
// reader inside this call until the box closes.
void XpcmdbuttonAccessible::doAction(const QString& actionName) {
    auto* button = static_cast<xpcmdbutton*>(widget());
    if (actionName == pressAction() && button->isEnabled())
        QTimer::singleShot(0, button, [button] { emit button->Click(); });
}

void InstallXpcmdbuttonAccessibility() {
    QAccessible::installFactory(createAccessible);
}
