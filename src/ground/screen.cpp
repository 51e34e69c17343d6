#include "ground/screen.h"

HDC screenDC = nullptr;
int largeDialogs = 0;
ScreenGeometry screenGeometry = {0, 0, 0, 0};
int verticalParallax = 0;
int lowerImageTop = kLowerImageTopBase;
