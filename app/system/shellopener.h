// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/messagebox.h"

#include <QObject>
#include <QString>

#include <chrono>

// Opens a document or address with the system's default handler, the way a click on a link
// should, and reports a failed launch with a message box. On Linux the handler is xdg-open,
// found on the PATH, and runs beside the program; a handler still running when the opener is
// destroyed is stopped with it, so the opener should live as long as the windows that use it.
class ShellOpener : public QObject {
    Q_OBJECT

public:
    // startingTime is how long a handler on Linux has to fail before it counts as started; the
    // shell on Windows answers at once and needs none.
    explicit ShellOpener(MessageBoxes& boxes,
                         std::chrono::milliseconds startingTime = std::chrono::seconds(1),
                         QObject* parent = nullptr);

    // Hands target to the handler on behalf of the window ownerWindow and returns without
    // waiting for the handler to end. When the handler cannot be started or fails to open the
    // target, one error box is shown at once. On Linux, a handler still running startingTime
    // after the call has started and counts as a success, whatever it does later: where no
    // session helper hands the target on, xdg-open runs the browser itself and waits for it.
    void OpenWithShell(quintptr ownerWindow, const QString& target);

signals:
    // One per call, once its outcome is known and any error box has been closed.
    void finished();

private:
    void conclude(bool failed);

    MessageBoxes& boxes_;
    std::chrono::milliseconds startingTime_;
};
