#include "system/shellopener.h"

ShellOpener::ShellOpener(MessageBoxes& boxes, QString handlerProgram, QObject* parent)
    : QObject(parent)
    , boxes_(boxes)
    , handlerProgram_(std::move(handlerProgram)) {}

void ShellOpener::OpenWithShell(const QString& target) {
    auto* handler = new QProcess(this);
    handler->setProgram(handlerProgram_);
    handler->setArguments({target});
    // The handler often passes its output channels on to the browser it starts, which outlives
    // this process object; sharing the program's own channels spares the browser a broken pipe.
    handler->setStandardInputFile(QProcess::nullDevice());
    handler->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(handler, &QProcess::errorOccurred, this, [this, handler](QProcess::ProcessError error) {
        onHandlerFailedToStart(handler, error);
    });
    connect(handler, &QProcess::finished, this,
            [this, handler](int exitCode, QProcess::ExitStatus exitStatus) {
                onHandlerFinished(handler, exitCode, exitStatus);
            });
    handler->start();
}

// Every other error, a crash included, is followed by finished(), which reports it.
void ShellOpener::onHandlerFailedToStart(QProcess* handler, QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart)
        conclude(handler, true);
}

void ShellOpener::onHandlerFinished(QProcess* handler, int exitCode,
                                    QProcess::ExitStatus exitStatus) {
    conclude(handler, exitStatus != QProcess::NormalExit || exitCode != 0);
}

void ShellOpener::conclude(QProcess* handler, bool failed) {
    handler->deleteLater();
    if (failed)
        boxes_.show({QStringLiteral("启动外部程序出错。"), QStringLiteral("Wrong"),
                     Message::Icon::Critical});
    emit finished();
}
