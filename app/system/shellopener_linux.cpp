#include "system/shellopener.h"

#include <QProcess>

void ShellOpener::OpenWithShell(quintptr, const QString& target) {
    auto* handler = new QProcess(this);
    handler->setProgram(QStringLiteral("xdg-open"));
    handler->setArguments({target});
    // The handler often passes its output channels on to the browser it starts, which outlives
    // this process object; sharing the program's own channels spares the browser a broken pipe.
    handler->setStandardInputFile(QProcess::nullDevice());
    handler->setProcessChannelMode(QProcess::ForwardedChannels);
    // Every error but a failed start, a crash included, is followed by finished(), which
    // reports it.
    connect(handler, &QProcess::errorOccurred, this, [this, handler](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        handler->deleteLater();
        conclude(true);
    });
    connect(handler, &QProcess::finished, this,
            [this, handler](int exitCode, QProcess::ExitStatus exitStatus) {
                handler->deleteLater();
                conclude(exitStatus != QProcess::NormalExit || exitCode != 0);
            });
    handler->start();
}
