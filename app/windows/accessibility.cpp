#include "windows/accessibility.h"

#include "windows/datelistaccessible.h"
#include "xpcmdbutton/xpcmdbuttonaccessible.h"

void InstallAccessibility() {
    InstallXpcmdbuttonAccessibility();
    InstallDateListAccessibility();
}
