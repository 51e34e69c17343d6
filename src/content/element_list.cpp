#include "content/element_list.h"

#include "content/script_line.h"

SlideElement& ElementList::append(int line) {
    ++count_;
    reading_.elementLines.push_back(line);
    return elements_[static_cast<std::size_t>(count_)];
}

void ElementList::addLine(const ScriptKeyword& keyword, std::string_view arguments, int line) {
    if (room() <= 0) {
        ++reading_.elementsDropped;
        return;
    }
    int colourIndex = 0;
    if (keyword.form == ArgumentForm::Colour) {
        const std::string_view argument = restOfLineArgument(arguments);
        if (const std::optional<int> named = namedColourIndex(argument)) {
            colourIndex = *named;
        } else if (const std::optional<int> entry = hexEntries_.take()) {
            colourIndex = *entry;
            colours_[static_cast<std::size_t>(colourIndex)] = hexColour(argument);
            reading_.hexColourIndexes.push_back(colourIndex);
        } else {
            ++reading_.hexColoursRefused;
            return;
        }
    }
    SlideElement& element = append(line);
    fillElementFields(keyword, arguments, element);
    if (keyword.form == ArgumentForm::Colour) {
        element.value = colourIndex;
    }
}

SlideElement& ElementList::addOwn(ElementKind kind) {
    SlideElement& element = append(0);
    element.kind = kind;
    return element;
}

void ElementList::finish() {
    elements_[0].kind = count_;
    elements_[static_cast<std::size_t>(count_ + 1)].kind = EndOfSlide;
    reading_.elementCount = count_;
}
