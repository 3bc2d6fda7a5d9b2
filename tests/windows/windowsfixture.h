#pragma once

#include "countdowntarget.h"
#include "fakeclock.h"
#include "recordingmessageboxes.h"
#include "services.h"
#include "settingsstore.h"
#include "shellopener.h"
#include "windowset.h"

#include <QFile>
#include <QTemporaryDir>

// A program's worth of windows over a temporary store, a set clock, recorded message boxes
// and a link handler that only writes down what it was asked to open.
class WindowsFixture {
public:
    WindowsFixture()
        : store(dir.filePath(QStringLiteral("config/settings.ini")))
        , shell(messages, handlerScript())
        , services{store,
                   clock,
                   messages,
                   shell,
                   dir.filePath(QStringLiteral("autostart")),
                   QStringLiteral("/opt/dovrenta/bin/dovrenta"),
                   [this] { ++exits; }} {}

    void storeTarget(const QString& year, const QString& month, const QString& day,
                     const QString& eventText = QString()) {
        store.SaveSettings(CountdownTarget::application, CountdownTarget::section,
                           {{CountdownTarget::yearKey, year},
                            {CountdownTarget::monthKey, month},
                            {CountdownTarget::dayKey, day},
                            {CountdownTarget::eventKey, eventText}});
    }

    QString stored(const QString& key) const {
        return store.GetSetting(CountdownTarget::application, CountdownTarget::section, key);
    }

    std::unique_ptr<WindowSet> start() {
        auto windows = std::make_unique<WindowSet>(services);
        windows->start();
        return windows;
    }

    QStringList openedTargets() const {
        QFile log(dir.filePath(QStringLiteral("opened.txt")));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    QTemporaryDir dir;
    SettingsStore store;
    FakeClock clock;
    RecordingMessageBoxes messages;
    ShellOpener shell;
    Services services;
    int exits = 0;

private:
    QString handlerScript() {
        const QString path = dir.filePath(QStringLiteral("open-handler"));
        QFile script(path);
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$(dirname \"$0\")/opened.txt\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
};
