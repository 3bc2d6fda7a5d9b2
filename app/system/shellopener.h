#pragma once

#include "core/messagebox.h"

#include <QObject>
#include <QProcess>
#include <QString>

// Opens a document or address with the desktop's default handler, the way a click on a link
// should: the handler runs beside the program and a failed launch is reported by a message box.
// A handler still running when the opener is destroyed is stopped with it, so the opener should
// live as long as the windows that use it.
class ShellOpener : public QObject {
    Q_OBJECT

public:
    explicit ShellOpener(MessageBoxes& boxes, QString handlerProgram = QStringLiteral("xdg-open"),
                         QObject* parent = nullptr);

    // Starts the handler with target as its only argument and returns at once. When the handler
    // cannot be started, crashes or exits with a failure status, one error box is shown.
    void OpenWithShell(const QString& target);

signals:
    // One per call, after the handler has ended and any error box has been closed.
    void finished();

private:
    void onHandlerFailedToStart(QProcess* handler, QProcess::ProcessError error);
    void onHandlerFinished(QProcess* handler, int exitCode, QProcess::ExitStatus exitStatus);
    void conclude(QProcess* handler, bool failed);

    MessageBoxes& boxes_;
    QString handlerProgram_;
};
