// The mode remembered from one run to the next: "Last Mode" under
// HKEY_LOCAL_MACHINE\SOFTWARE\ORBANA\Lectern.
#pragma once

constexpr const char* kLecternKey = "SOFTWARE\\ORBANA\\Lectern";

// Sets tutorialMode and quizMode from the stored text; Tutorial when nothing is stored.
void readLastMode();
// Stores "Tutorial", "Quiz" or "Lecture" by the mode flags; a failure is not reported.
void writeLastMode();
