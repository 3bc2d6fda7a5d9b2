// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/countdowntarget.h"
#include "core/settingsstore.h"
#include "forms/services.h"
#include "forms/textbox.h"
#include "forms/windowset.h"
#include "support/fakeclock.h"
#include "support/recordingmessageboxes.h"
#include "support/scopedenvironmentvariable.h"
#include "support/temporarystore.h"
#include "support/testfiles.h"
#include "system/shellopener.h"
#include "xpcmdbutton/xpcmdbutton.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

// A real left click on one of a window's push buttons.
inline void ClickButton(QWidget* window, const char* button) {
    QTest::mouseClick(window->findChild<xpcmdbutton*>(QLatin1StringView(button)), Qt::LeftButton);
}

// Makes the window the active one, as a click on it would, and says whether it is. The minimal
// platform of the Windows tests runs a plain event loop that never delivers the window system's
// activation, so there the application is told directly.
inline bool Activate(QWidget* window) {
    window->activateWindow();
    if (QGuiApplication::platformName() == QLatin1String("minimal")) {
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QApplication::setActiveWindow(window);
        QT_WARNING_POP
    }
    return QTest::qWaitFor([window] { return window->isActiveWindow(); });
}

// What a window's push button, list, text box or label shows.
inline QString TextOf(QWidget* window, const QString& name) {
    if (auto* button = window->findChild<xpcmdbutton*>(name))
        return button->Caption();
    if (auto* combo = window->findChild<QComboBox*>(name))
        return combo->currentText();
    if (auto* box = window->findChild<TextBox*>(name))
        return box->text();
    return window->findChild<QLabel*>(name)->text();
}

// A program's worth of windows over a temporary store, a set clock, recorded message boxes
// and, on Linux, a link handler that only writes down what it was asked to open.
struct FormsFixture {
    FormsFixture()
        : store(temporaryStore.location())
        , shell(messages)
        , services{store,
                   clock,
                   messages,
                   shell,
                   dir.filePath(QStringLiteral("autostart")),
                   QStringLiteral("/opt/dovrenta/bin/dovrenta"),
                   [this] { ++exits; }} {
        WriteExecutableScript(dir.filePath(QStringLiteral("xdg-open")),
                              R"(printf '%s\n' "$1" >> "$(dirname "$0")/opened.txt")");
        path.set(PathWithFolderFirst(dir.path()));
    }

    void storeTarget(const QString& year, const QString& month, const QString& day,
                     const QString& eventText = QString()) {
        SaveCountdownTarget(store, {year, month, day, eventText});
    }

    QString stored(const QString& key) const {
        return store.GetSetting(CountdownTarget::Application, CountdownTarget::Section, key);
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
    TemporaryStore temporaryStore;
    SettingsStore store;
    FakeClock clock;
    RecordingMessageBoxes messages;
    ScopedEnvironmentVariable path{"PATH"};
    ShellOpener shell;
    Services services;
    int exits = 0;
};
