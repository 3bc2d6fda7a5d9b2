#pragma once

// Makes Qt's accessibility present the program's own controls (the push button and the date
// lists) as a screen reader expects; called once when the program starts.
void InstallAccessibility();
