#pragma once

#include "core/restoredtarget.h"

class Navigator;
struct Services;

// The start-up sequence's work outside the date-entry window: restores the stored target,
// reports a date that cannot be used, and opens the countdown window with the day count and
// the event text. Returns the restored target for the date-entry window's lists.
RestoredTarget RunStartupSequence(Services& services, Navigator& navigator);
