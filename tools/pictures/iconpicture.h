#pragma once

#include <QImage>

// The window icon: a calendar sheet with a red header and the day's number, on a transparent
// background, 32 × 32 pixels.
QImage DrawIcon();
