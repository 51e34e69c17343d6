// Writes the demo course: each volume's content directory as its CD carries it, and the
// hard-disk copy that the installation makes of both.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "demo_course/course_plan.h"

struct CoursePlan {
    std::vector<VolumePlan> volumes; // Volume I, then Volume II
};

CoursePlan demoCoursePlan();

// Told which slide is being written: "Skull slide 3 of 10".
using CourseProgress = std::function<void(const std::string&)>;

// Writes OUTDIR/VolumeI/Corpus, OUTDIR/VolumeII/Corpus and OUTDIR/HardDisk/Corpus; false
// with `error` set when something cannot be made.
bool writeDemoCourse(const CoursePlan& plan, const std::filesystem::path& outDir,
                     std::string& error, const CourseProgress& progress = {});

// Writes one volume's content directory (program folder, config.dat, index.dat, the series)
// into `root`, as a course of its own: the new-course tool's starter. False with `error`
// set when something cannot be made.
bool writeCourseVolume(const VolumePlan& volume, const std::filesystem::path& root,
                       std::string& error, const CourseProgress& progress = {});

// The hard-disk copy: Volume I, then Volume II over it, then Volume II's combined series
// list, index and intro picture over config.dat, index.dat and program/intro.bmp.
bool mergeVolumes(const std::filesystem::path& volumeOne, const std::filesystem::path& volumeTwo,
                  const std::filesystem::path& target, std::string& error);
