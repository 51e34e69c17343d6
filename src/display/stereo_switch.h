// Switches the 3D adapter by the line codes drawn on the screen.
#pragma once

enum StereoAction : int {
    StereoOff = 0,
    StereoOn = 1,
    StereoLoadSettings = 2,
};

void StereoSwitch(int action);
