#include "content/script_keywords.h"

#include "content/script_line.h"

const ScriptKeyword* findScriptKeyword(std::string_view keyword) {
    for (const ScriptKeyword& row : kScriptKeywords) {
        if (row.name == keyword) {
            return &row;
        }
    }
    return nullptr;
}

bool keywordTaken(const ScriptKeyword& keyword, const ModeFlags& modes) {
    switch (keyword.takenWhen) {
    case TakenWhen::Always:
        return true;
    case TakenWhen::NarrationEnabled:
        return modes.narrationEnabled == 1;
    case TakenWhen::TutorialMode:
        return modes.tutorialMode != 0;
    case TakenWhen::Annotations:
        return modes.annotationsEnabled == 1;
    case TakenWhen::Queries:
        return modes.queriesEnabled == 1;
    case TakenWhen::LectureAnnotations:
        return modes.tutorialMode == 0 && modes.annotationsEnabled == 1;
    }
    return false;
}

namespace {

void fillTextAndNumbers(std::string_view arguments, SlideElement& element, bool withSlot) {
    const TextArgument text = textArgument(arguments);
    copyTextField(element.text, text.text);
    std::int32_t numbers[4] = {};
    readNumberArguments(text.numbers, numbers, withSlot ? 4 : 3);
    element.x = numbers[0];
    element.y = numbers[1];
    element.value = numbers[2];
    if (withSlot) {
        element.x2 = numbers[3];
    }
}

void fillTwoPoints(std::string_view arguments, SlideElement& element, bool withSlot) {
    std::int32_t numbers[7] = {};
    readNumberArguments(arguments, numbers, withSlot ? 7 : 6);
    element.x = numbers[0];
    element.y = numbers[1];
    element.value = numbers[2];
    element.x2 = numbers[3];
    element.y2 = numbers[4];
    element.value2 = numbers[5];
    if (withSlot) {
        element.extra = numbers[6];
    }
}

} // namespace

void fillElementFields(const ScriptKeyword& keyword, std::string_view arguments,
                       SlideElement& element) {
    element.kind = keyword.kind;
    switch (keyword.form) {
    case ArgumentForm::None:
    case ArgumentForm::Colour:
        break;
    case ArgumentForm::Word:
        copyTextField(element.text, wordArgument(arguments));
        break;
    case ArgumentForm::RestOfLine:
        copyTextField(element.text, restOfLineArgument(arguments));
        break;
    case ArgumentForm::Number:
        readNumberArguments(arguments, &element.value, 1);
        break;
    case ArgumentForm::TextAndPoint:
        fillTextAndNumbers(arguments, element, false);
        break;
    case ArgumentForm::TextPointSlot:
        fillTextAndNumbers(arguments, element, true);
        break;
    case ArgumentForm::TwoPoints:
        fillTwoPoints(arguments, element, false);
        break;
    case ArgumentForm::TwoPointsSlot:
        fillTwoPoints(arguments, element, true);
        break;
    }
}
