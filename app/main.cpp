#include "core/clock.h"
#include "core/settingsstore.h"
#include "system/autostart.h"
#include "system/shellopener.h"
#include "windows/accessibility.h"
#include "windows/fonts.h"
#include "windows/qtmessageboxes.h"
#include "windows/qttranslation.h"
#include "windows/windowset.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Only the countdown window's close ends the program, whatever else is open.
    application.setQuitOnLastWindowClosed(false);
    ApplyDialogFont(application);
    InstallChineseQtTexts(application);
    InstallAccessibility();

    SystemClock clock;
    SettingsStore store(SettingsStore::defaultFilePath());
    QtMessageBoxes messages;
    ShellOpener shell(messages);
    WindowSet windows({store, clock, messages, shell, AutostartFolder(),
                       QCoreApplication::applicationFilePath(), [] { QCoreApplication::exit(0); }});
    windows.start();
    return application.exec();
}
