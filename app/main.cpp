#include "autostart.h"
#include "clock.h"
#include "fonts.h"
#include "qtmessageboxes.h"
#include "settingsstore.h"
#include "shellopener.h"
#include "windowset.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Only the countdown window's close ends the program, whatever else is open.
    application.setQuitOnLastWindowClosed(false);
    ApplyDialogFont(application);

    SystemClock clock;
    SettingsStore store(SettingsStore::defaultFilePath());
    QtMessageBoxes messages;
    ShellOpener shell(messages);
    WindowSet windows({store, clock, messages, shell, AutostartFolder(),
                       QCoreApplication::applicationFilePath(), [] { QCoreApplication::exit(0); }});
    windows.start();
    return application.exec();
}
