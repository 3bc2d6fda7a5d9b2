#include "windows/accessibility.h"

#include "xpcmdbutton/xpcmdbuttonaccessible.h"

void InstallAccessibility() {
    InstallXpcmdbuttonAccessibility();
}
