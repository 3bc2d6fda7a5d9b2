#pragma once

#include <QDate>
#include <QString>

#include <optional>

class SettingsStore;

// What the start-up makes of the stored target. The list texts and the event text are present
// only when the restore got that far; an unusable date stops it where it struck.
struct RestoredTarget {
    struct ListTexts {
        QString year;
        QString month;
        QString day;
    };

    std::optional<ListTexts> listTexts;
    std::optional<QString> eventText;
    qint64 dayCount = 0;
    bool dateUnusable = false;
};

// Restores the target only when the stored year, month and day are all non-empty: converts
// them (the lists then show the converted numbers, "06" as "6"), reads the event text, and
// counts the days from today.
RestoredTarget RestoreTarget(const SettingsStore& store, QDate today);
