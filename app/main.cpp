// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/clock.h"
#include "core/settingsstore.h"
#include "forms/caretblinktimeout.h"
#include "forms/fonts.h"
#include "forms/qtmessageboxes.h"
#include "forms/qttranslation.h"
#include "forms/windowset.h"
#include "system/autostart.h"
#include "system/shellopener.h"
#include "system/windowsystemchoice.h"
#include "xpcmdbutton/xpcmdbuttonaccessible.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Runs the event loop with the program's own objects, which are all destroyed, the windows
// first, before this returns the loop's status: only the application object outlives them.
int runProgram(QApplication& application) {
    CaretBlinkTimeout caretBlinkTimeout;
    SystemClock clock;
    SettingsStore store(SettingsStore::defaultLocation());
    QtMessageBoxes messages;
    ShellOpener shell(messages);
    WindowSet windows({store, clock, messages, shell, AutostartLocation(),
                       QCoreApplication::applicationFilePath(), [] { QCoreApplication::exit(0); }});
    windows.start();
    return application.exec();
}

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

int main(int argc, char** argv) {
    // Through X shared memory every repaint of the same region first waits on a round trip to
    // the server, which wakes the program twice more each second; the window is small, so its
    // pixels go over the connection instead.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    WindowSystemChoice windowSystem;
    QApplication application(argc, argv);
    windowSystem.forget();
    // Only the countdown window's close ends the program, whatever else is open.
    application.setQuitOnLastWindowClosed(false);
    ApplyDialogFont(application);
    InstallChineseQtTexts(application);
    InstallXpcmdbuttonAccessibility();
    const int status = runProgram(application);
    // Qt's Wayland client can hang for good while it tears its connection down, when one of its
    // event threads stops with a read prepared and the other waits for that read. The program's
    // own objects are gone by then and every save is written, so there only the application
    // object's teardown is skipped, once the C streams have put out what they hold.
    if (onWayland()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
