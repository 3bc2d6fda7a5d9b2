#include "core/restoredtarget.h"

#include "core/countdowntarget.h"
#include "core/daycount.h"
#include "core/integerconversion.h"
#include "core/runtimeerror.h"
#include "core/settingsstore.h"

namespace {

QString stored(const SettingsStore& store, const QString& key) {
    return store.GetSetting(CountdownTarget::application, CountdownTarget::section, key);
}

} // namespace

RestoredTarget RestoreTarget(const SettingsStore& store, QDate today) {
    RestoredTarget restored;
    const QString year = stored(store, CountdownTarget::yearKey);
    const QString month = stored(store, CountdownTarget::monthKey);
    const QString day = stored(store, CountdownTarget::dayKey);
    if (year.isEmpty() || month.isEmpty() || day.isEmpty())
        return restored;
    try {
        const qint16 y = ToInteger16(year);
        const qint16 m = ToInteger16(month);
        const qint16 d = ToInteger16(day);
        restored.listTexts = {QString::number(y), QString::number(m), QString::number(d)};
        restored.eventText = stored(store, CountdownTarget::eventKey);
        restored.dayCount = DayCount(today, y, m, d);
    } catch (const RuntimeError&) {
        restored.dateUnusable = true;
    }
    return restored;
}
