#include "display/display_globals.h"

SwitchCodeSettings switchCodeSettings = kDefaultSwitchCodeSettings;
