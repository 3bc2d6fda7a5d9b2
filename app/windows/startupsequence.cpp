#include "windows/startupsequence.h"

#include "core/clock.h"
#include "core/messagebox.h"
#include "windows/navigator.h"
#include "windows/services.h"

RestoredTarget RunStartupSequence(Services& services, Navigator& navigator) {
    RestoredTarget restored = RestoreTarget(services.store, services.clock.now().date());
    if (restored.dateUnusable)
        services.messages.show(
            {QStringLiteral("日期设置错误，请重新设置"), QStringLiteral("出错了^_^")});
    navigator.showCountdown(restored.dayCount, restored.eventText.value_or(QString()));
    return restored;
}
