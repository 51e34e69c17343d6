// Where the course's files lie. Every path is the content directory (which ends with a
// backslash) with a name appended, without a further separator.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The content directory's fixed name, and the entry whose presence marks one.
constexpr const char* kContentDirectoryName = "Corpus";
constexpr const char* kProgramEntryName = "program";

// Files directly in the content directory.
constexpr const char* kSeriesListFile = "config.dat";
constexpr const char* kIndexListFile = "index.dat";

// Files in its "program" directory.
constexpr const char* kVolumeOneMarker = "program\\volume1";
constexpr const char* kVolumeTwoMarker = "program\\volume2";
constexpr const char* kIntroPictureFile = "program\\intro.bmp";
constexpr const char* kFullIntroPictureFile = "program\\fullintro.bmp";
constexpr const char* kPromptWaveFile = "program\\Prompt.wav";
constexpr const char* kLectureHelpPictureFile = "program\\helplect.bmp";
constexpr const char* kTutorialHelpPictureFile = "program\\helpauto.bmp";
constexpr const char* kNoNarrationWaveFile = "program\\nonarate.wav";
constexpr const char* kProgramFile = "program\\CorpusView.exe";
constexpr const char* kFullSeriesListFile = "program\\fullconfig.dat";
constexpr const char* kFullIndexListFile = "program\\fullindex.dat";

// Files in a series directory.
constexpr const char* kAbstractTextFile = "abstract.txt";
constexpr const char* kAbstractPictureFile = "abstract.bmp";

// The most bytes read of one content text file; what lies beyond reads as the end of the
// file. No well-formed file comes near it (index.dat's 6000 lines are some 600 KB).
constexpr std::size_t kContentTextFileLimit = 8u << 20;

// courseRoot + series + "\Slide" + n + "\": the directory of slide n of a series.
std::string slideDirectoryPath(std::string_view courseRoot, std::string_view series,
                               int slideNumber);

// courseRoot + series + "\" + name: a file of a series directory.
std::string seriesFilePath(std::string_view courseRoot, std::string_view series,
                           std::string_view name);
