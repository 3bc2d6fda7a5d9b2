// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/shellopener.h"

#include <QProcess>
#include <QTimer>

#include <memory>
#include <utility>

void ShellOpener::OpenWithShell(quintptr, const QString& target) {
    auto* handler = new QProcess(this);
    handler->setProgram(QStringLiteral("xdg-open"));
    handler->setArguments({target});
    // The handler often passes its output channels on to the browser it starts, which outlives
    // this process object; sharing the program's own channels spares the browser a broken pipe.
    handler->setStandardInputFile(QProcess::nullDevice());
    handler->setProcessChannelMode(QProcess::ForwardedChannels);
    // Each call is judged once: by a failed start, by the handler's end while it is starting, or
    // as a success when it is still running after that.
    auto judged = std::make_shared<bool>(false);
    const auto judge = [this, judged](bool failed) {
        if (std::exchange(*judged, true))
            return;
        conclude(failed);
    };
    // Every error but a failed start, a crash included, is followed by finished().
    connect(handler, &QProcess::errorOccurred, this,
            [handler, judge](QProcess::ProcessError error) {
                if (error != QProcess::FailedToStart)
                    return;
                handler->deleteLater();
                judge(true);
            });
    connect(handler, &QProcess::finished, this,
            [handler, judge](int exitCode, QProcess::ExitStatus exitStatus) {
                handler->deleteLater();
                judge(exitStatus != QProcess::NormalExit || exitCode != 0);
            });
    QTimer::singleShot(startingTime_, handler, [judge] { judge(false); });
    handler->start();
}
