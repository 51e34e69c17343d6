// The six presentation mode flags that decide which script lines become elements and how
// playback flows.
#pragma once

#include <cstdint>

struct ModeFlags {
    std::int32_t tutorialMode;
    std::int32_t narrationEnabled;
    std::int32_t annotationsEnabled;
    std::int32_t queriesEnabled;
    std::int32_t quizMode;
    std::int32_t indexMode;
};

enum class ChosenMode { Lecture, Tutorial, Quiz, IndexEntry };

// The flags that a choice in the table of contents or the index dialog sets.
constexpr ModeFlags modeFlagsFor(ChosenMode mode) {
    switch (mode) {
    case ChosenMode::Lecture:
        return {0, 0, 1, 0, 0, 0};
    case ChosenMode::Tutorial:
        return {1, 1, 1, 1, 0, 0};
    case ChosenMode::Quiz:
        return {0, 0, 1, 0, 1, 0};
    case ChosenMode::IndexEntry:
        break;
    }
    return {0, 0, 1, 0, 0, 1};
}
