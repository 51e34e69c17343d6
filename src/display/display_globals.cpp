#include "display/display_globals.h"

HDC screenDC = nullptr;
int largeDialogs = 0;
ScreenGeometry screenGeometry = {0, 0, 0, 0};
SwitchCodeSettings switchCodeSettings = kDefaultSwitchCodeSettings;
int verticalParallax = 0;
int lowerImageTop = kLowerImageTopBase;
