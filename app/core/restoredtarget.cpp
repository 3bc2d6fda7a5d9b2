#include "core/restoredtarget.h"

#include "core/countdowntarget.h"
#include "core/daycount.h"
#include "core/integerconversion.h"
#include "core/runtimeerror.h"

RestoredTarget RestoreTarget(const SettingsStore& store, QDate today) {
    RestoredTarget restored;
    const CountdownTarget stored = ReadCountdownTarget(store);
    if (stored.year.isEmpty() || stored.month.isEmpty() || stored.day.isEmpty())
        return restored;
    try {
        const TargetDate date{ToInteger16(stored.year), ToInteger16(stored.month),
                              ToInteger16(stored.day)};
        restored.listTexts = {QString::number(date.year), QString::number(date.month),
                              QString::number(date.day)};
        restored.eventText = stored.eventText;
        restored.dayCount = DayCount(today, date);
    } catch (const RuntimeError&) {
        restored.dateUnusable = true;
    }
    return restored;
}
