#include "windows/accessibility.h"

#include "windows/datelist.h"
#include "windows/datelistaccessible.h"
#include "xpcmdbutton/xpcmdbuttonaccessible.h"

namespace {

QAccessibleInterface* createAccessible(const QString& className, QObject* object) {
    if (className == QLatin1StringView("DateList"))
        return new DateListAccessible(static_cast<DateList*>(object));
    return nullptr;
}

} // namespace

void InstallAccessibility() {
    InstallXpcmdbuttonAccessibility();
    QAccessible::installFactory(createAccessible);
}
