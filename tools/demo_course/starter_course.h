// The starter course that new-course writes: one series of one slide that uses every kind
// of element once, with comments that say what each line does.
#pragma once

#include "demo_course/course_plan.h"

VolumePlan starterCourse();
