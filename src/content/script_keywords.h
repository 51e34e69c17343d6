// The keywords of a slide script, in the order in which the reader tests them: the element
// each makes, how its arguments are read and which modes take it.
#pragma once

#include <string_view>

#include "ground/mode_flags.h"
#include "ground/slide_element.h"

enum class ArgumentForm {
    None,
    Word,          // text
    RestOfLine,    // text
    Number,        // value
    Colour,        // value: a named or a hexadecimal colour's entry
    TextAndPoint,  // text "," x y value
    TextPointSlot, // text "," x y value x2
    TwoPoints,     // x y value x2 y2 value2
    TwoPointsSlot, // x y value x2 y2 value2 extra
};

enum class TakenWhen {
    Always,
    NarrationEnabled,   // narrationEnabled is 1
    TutorialMode,       // tutorialMode is not 0
    Annotations,        // annotationsEnabled is 1
    Queries,            // queriesEnabled is 1
    LectureAnnotations, // tutorialMode is 0 and annotationsEnabled is 1
};

struct ScriptKeyword {
    std::string_view name;
    ElementKind kind;
    ArgumentForm form;
    TakenWhen takenWhen;
};

inline constexpr ScriptKeyword kScriptKeywords[] = {
    {"Image", Image, ArgumentForm::Word, TakenWhen::Always},
    {"Narration", Narration, ArgumentForm::Word, TakenWhen::NarrationEnabled},
    {"Delay", Delay, ArgumentForm::Number, TakenWhen::TutorialMode},
    {"Text", Text, ArgumentForm::TextAndPoint, TakenWhen::Annotations},
    {"Title", Title, ArgumentForm::RestOfLine, TakenWhen::Always},
    {"Caption", Caption, ArgumentForm::RestOfLine, TakenWhen::Always},
    {"Color", Color, ArgumentForm::Colour, TakenWhen::Always},
    {"Line", Line, ArgumentForm::TwoPoints, TakenWhen::Annotations},
    {"Query", Query, ArgumentForm::Word, TakenWhen::Queries},
    {"Mark", Mark, ArgumentForm::None, TakenWhen::LectureAnnotations},
    {"EText", EText, ArgumentForm::TextPointSlot, TakenWhen::Annotations},
    {"ELine", ELine, ArgumentForm::TwoPointsSlot, TakenWhen::Annotations},
    {"EraseText", EraseText, ArgumentForm::Number, TakenWhen::Annotations},
    {"EraseTitle", EraseTitle, ArgumentForm::None, TakenWhen::Always},
    {"EraseCaption", EraseCaption, ArgumentForm::None, TakenWhen::Always},
    {"EraseLine", EraseLine, ArgumentForm::Number, TakenWhen::Annotations},
    {"Fontsize", Fontsize, ArgumentForm::Number, TakenWhen::Annotations},
};

// The row whose keyword equals `keyword` exactly, case included; nullptr when none does.
const ScriptKeyword* findScriptKeyword(std::string_view keyword);

// Whether the mode turns a line of this keyword into an element.
bool keywordTaken(const ScriptKeyword& keyword, const ModeFlags& modes);

// Sets the fields that the keyword's element kind sets from the line's arguments, except
// the `value` of a colour, which depends on the reading (see ElementList). Missing numbers
// read as 0 and a missing text as empty.
void fillElementFields(const ScriptKeyword& keyword, std::string_view arguments,
                       SlideElement& element);
