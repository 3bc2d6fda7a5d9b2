#include "system/windowsystemchoice.h"

WindowSystemChoice::WindowSystemChoice() = default;

void WindowSystemChoice::forget() {}
