#pragma once

// Makes Qt's accessibility present the program's own push button as a screen reader expects;
// the other controls keep Qt's own presentation. Called once when the program starts.
void InstallAccessibility();
