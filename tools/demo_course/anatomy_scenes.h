// The demo course's four anatomical models, built from simple shaded shapes, with the
// landmarks that the slides label, point at and ask for.
#pragma once

#include <map>
#include <string>

#include "demo_course/scene.h"

struct AnatomyModel {
    Scene scene;
    std::map<std::string, Vec3> landmarks;
};

AnatomyModel skullModel();
AnatomyModel heartModel();
AnatomyModel kneeModel();
AnatomyModel spineModel();
