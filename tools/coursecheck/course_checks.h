// The checks of a content directory. Each adds what it finds to the problem list and never
// stops at the first problem.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "coursecheck/host_files.h"
#include "coursecheck/problem_list.h"
#include "coursecheck/slide_display.h"

struct CheckContext {
    fs::path root; // the content directory (the one that holds "program")
    ProblemList& problems;
    // Told which slide the check is at; none: nothing is told.
    const std::function<void(const std::string&)>* progress = nullptr;
};

// Everything: the program files, config.dat and every series it lists, index.dat and the
// combined files of Volume II.
void checkCourse(const CheckContext& c);

void checkProgramFiles(const CheckContext& c);
// config.dat (or another series list at `relative`); with `series` true, each listed series.
void checkSeriesList(const CheckContext& c, const std::string& relative, bool series);
// A series directory: slide numbering, abstracts, every slide.
void checkSeries(const CheckContext& c, const std::string& directory);
// The text colour and size each mode (Lecture, Tutorial, Quiz) carries from slide to slide.
using ModeLooks = std::array<CarriedLook, 3>;
// One slide: its scripts in the three modes, the files they name, what the viewer sees of
// it, its icon. `looks` comes from the series' previous slide and is left for the next.
void checkSlide(const CheckContext& c, const fs::path& slideDir, const std::string& series,
                int number, ModeLooks& looks);
// index.dat (or another index at `relative`); with `entries` true, each entry's slide.
void checkIndexList(const CheckContext& c, const std::string& relative, bool entries);
// A query file of a slide.
void checkQueryFile(const CheckContext& c, const fs::path& path);
// The same on the file's bytes; each problem goes to `report` with its line (0: the file).
void checkQueryBytes(std::string_view bytes,
                     const std::function<void(int line, const std::string& text)>& report);

// Limits the program's paths must keep, counted with a content directory on a CD or the
// hard disk ("D:\Corpus\", 10 characters).
constexpr int kAssumedRootLength = 10;
constexpr int kSlidePathLimit = 79; // slide directory + name + extension, 80-byte buffer
