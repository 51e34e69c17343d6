// The display's own setting, beside the screen that every subsystem draws on.
#pragma once

#include "display/switch_code.h"
#include "ground/screen.h"

// The switching codes' settings, loaded once at start-up (StereoSwitch action 2).
extern SwitchCodeSettings switchCodeSettings;
