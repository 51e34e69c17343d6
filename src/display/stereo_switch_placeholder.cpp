// PLACEHOLDER until the 3D switching codes land: draws nothing.
#include "display/stereo_switch.h"

void StereoSwitch(int) {}
